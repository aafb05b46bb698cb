#include "answer.h"

#include "platform/gbk.h"

namespace service {

const char* charsetName(Encoding encoding) {
    return encoding == Encoding::Gbk ? "GB2312" : "UTF-8";
}

std::string encode(const QString& text, Encoding encoding) {
    return (encoding == Encoding::Gbk ? gbk::fromUnicode(text) : text.toUtf8()).toStdString();
}

Answer plainText(const QString& text, Encoding encoding) {
    return {encode(text, encoding), std::string("text/plain; charset=") + charsetName(encoding)};
}

Answer html(const QString& page, Encoding encoding) {
    return {encode(page, encoding), std::string("text/html; charset=") + charsetName(encoding)};
}

}  // namespace service
