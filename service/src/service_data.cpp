#include "service_data.h"

#include <QDir>
#include <QFile>

namespace service {

bool ServiceData::load(const QString& dir, QString* error) {
    dataDir = dir;
    if (!catalogue.load(dir, error) || !accounts.load(dir, error)) return false;
    QFile file(QDir(dir).filePath("messages.txt"));
    if (file.open(QIODevice::ReadOnly)) {
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            if (!line.trimmed().isEmpty()) messages.append(line.trimmed());
        }
    }
    if (messages.isEmpty()) messages.append(QStringLiteral("欢迎使用Lyravox"));
    return true;
}

QString ServiceData::filesDir() const {
    return QDir(dataDir).filePath("files");
}

}  // namespace service
