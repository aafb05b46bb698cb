#include "catalogue/gbk_fit.h"

#include "platform/gbk.h"

QString gbkFit(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() >= 0x80) return gbk::toUnicode(gbk::fromUnicode(text));
    return text;
}
