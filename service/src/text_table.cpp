#include "text_table.h"

#include <QFile>

namespace service {

bool readTextTable(const QString& path, QList<QStringList>& rows) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromUtf8(file.readAll());
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        rows.append(line.split(u'\t'));
    }
    return true;
}

QString field(const QStringList& row, int i) {
    return i < row.size() ? row.at(i).trimmed() : QString();
}

}  // namespace service
