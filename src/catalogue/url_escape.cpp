#include "catalogue/url_escape.h"

#include "platform/gbk.h"

namespace {

bool needsEscape(unsigned char byte) {
    if (byte < 0x21 || byte > 0x80) return true;
    switch (byte) {
    case '#': case '%': case '*': case '<': case '>': case '[': case ']': return true;
    default: return false;
    }
}

}  // namespace

QByteArray urlEscapeBytes(const QByteArray& bytes) {
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (needsEscape(byte)) {
            out.append('%');
            out.append(hex[byte >> 4]);
            out.append(hex[byte & 0x0F]);
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray urlEscape(const QString& text) {
    return urlEscapeBytes(gbk::fromUnicode(text));
}
