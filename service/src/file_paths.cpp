#include "file_paths.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace service {

std::optional<QString> fileUnder(const QString& root, const QString& relative) {
    if (relative.isEmpty() || relative.contains(u'\\') || relative.contains(QChar(0))) return std::nullopt;
    for (const QString& segment : relative.split(u'/')) {
        if (segment.isEmpty() || segment.startsWith(u'.')) return std::nullopt;
    }
    const QFileInfo file(root + u'/' + relative);
    const QString base = QFileInfo(root).canonicalFilePath();
    const QString path = file.canonicalFilePath();
    if (base.isEmpty() || path.isEmpty() || !file.isFile() || !path.startsWith(base + u'/')) return std::nullopt;
    return path;
}

std::optional<QString> lyricId(const QString& relative) {
    static const QRegularExpression form(QStringLiteral("^lrc/([0-9]{1,9})/([0-9]{1,9})\\.lrc$"));
    const auto match = form.match(relative);
    if (!match.hasMatch()) return std::nullopt;
    const QString id = match.captured(2);
    if (match.captured(1).toLongLong() != id.toLongLong() / 1000) return std::nullopt;
    return id;
}

}  // namespace service
