#pragma once

#include <QString>

namespace config {

// The integer a setting holds, or fallback when the text is not one.
int decimalOr(const QString& text, int fallback);

}  // namespace config
