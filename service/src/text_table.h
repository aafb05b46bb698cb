#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace service {

// Reads a UTF-8 file of tab-separated lines. Empty lines and lines starting with
// "#" are skipped; empty fields keep their place. Returns false when the file
// cannot be read.
bool readTextTable(const QString& path, QList<QStringList>& rows);

// Field i of a row, empty when the row is shorter.
QString field(const QStringList& row, int i);

}  // namespace service
