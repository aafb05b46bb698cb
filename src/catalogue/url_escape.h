#pragma once

#include <QByteArray>
#include <QString>

// Percent escaping of the bytes every catalogue query, play address and download
// address goes through. It works on GBK bytes: bytes below 0x21, bytes above 0x80
// and blank # % * < > [ ] become %XX (upper-case hex); everything else, "/", ":",
// "?", "&", "=", "+" and the byte 0x80 included, passes unchanged.
QByteArray urlEscapeBytes(const QByteArray& bytes);

// The text's GBK bytes, escaped.
QByteArray urlEscape(const QString& text);
