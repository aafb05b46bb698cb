#include "app/config/decimal_text.h"

namespace config {

int decimalOr(const QString& text, int fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : fallback;
}

}  // namespace config
