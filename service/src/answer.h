#pragma once

#include <QString>

#include <string>

namespace service {

// Catalogue pages go out in GBK with a GB2312 declaration, as the service always
// did; a few are UTF-8 so that the client's reading of both stays exercised.
enum class Encoding { Gbk, Utf8 };

struct Answer {
    std::string body;
    std::string contentType;
};

Answer plainText(const QString& text, Encoding encoding = Encoding::Gbk);
Answer html(const QString& page, Encoding encoding);

// The charset name for headers and declarations.
const char* charsetName(Encoding encoding);
std::string encode(const QString& text, Encoding encoding);

}  // namespace service
