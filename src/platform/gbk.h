#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Conversion between the program's Unicode texts and the GBK (code page 936)
// bytes used by files, URLs and server answers.
namespace gbk {

// A character GBK cannot hold becomes "?".
QByteArray fromUnicode(const QString& text);

// A byte sequence that is not valid GBK becomes "?" per offending byte.
QString toUnicode(const QByteArray& bytes);

}  // namespace gbk
