#pragma once

#include <QString>

namespace config {

// The remembered password: Base64 of its GBK bytes, the same text the login
// request sends.
QString passwordToBase64(const QString& password);

// Empty when the text is not valid Base64.
QString passwordFromBase64(const QString& text);

}  // namespace config
