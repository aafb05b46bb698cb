#include "app/config/password_text.h"

#include "platform/gbk.h"

#include <QByteArray>

namespace config {

QString passwordToBase64(const QString& password) {
    return QString::fromLatin1(gbk::fromUnicode(password).toBase64());
}

QString passwordFromBase64(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0x7F) return {};
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded) return {};
    return gbk::toUnicode(*decoded);
}

}  // namespace config
