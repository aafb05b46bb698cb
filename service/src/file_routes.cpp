#include "file_paths.h"
#include "radio_stream.h"
#include "routes.h"

#include <QDir>
#include <QFile>

#include "platform/gbk.h"

namespace service {
namespace {

std::string contentTypeOf(const QString& path) {
    if (path.endsWith(".wma", Qt::CaseInsensitive)) return "audio/x-ms-wma";
    if (path.endsWith(".mp3", Qt::CaseInsensitive)) return "audio/mpeg";
    return "application/octet-stream";
}

bool readAll(const QString& path, QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    bytes = file.readAll();
    return true;
}

// Lyrics are kept as UTF-8 text and served as GBK with CR LF line ends.
void serveLyric(const ServiceData& data, const QString& id, httplib::Response& res) {
    QByteArray bytes;
    if (!readAll(QDir(data.dataDir).filePath("lrc/" + id + ".lrc"), bytes)) return refuse(res, 404, "no lyric");
    QString text = QString::fromUtf8(bytes);
    text.replace("\r\n", "\n").replace(u'\n', "\r\n");
    reply(res, plainText(text));
}

}  // namespace

void addFileRoutes(httplib::Server& server, ServiceData& data) {
    // The full file goes into the body: HEAD then reports its length, and a Range
    // header makes the library answer 206 with that part and a Content-Range.
    server.Get("/files/(.*)", [&data](const httplib::Request& req, httplib::Response& res) {
        const QString relative = gbk::toUnicode(QByteArray::fromStdString(req.matches[1].str()));
        if (const auto id = lyricId(relative)) return serveLyric(data, *id, res);

        const auto path = fileUnder(data.filesDir(), relative);
        if (!path) return refuse(res, 404, "no such file");
        QByteArray bytes;
        if (!readAll(*path, bytes)) return refuse(res, 404, "unreadable file");

        if (relative.startsWith("radio/")) {
            if (req.method == "HEAD") return res.set_header("Content-Type", "audio/mpeg");
            return streamForever(res, std::make_shared<const std::string>(bytes.toStdString()),
                                 data.streamBytesPerSecond, data.stopping);
        }
        res.set_content(bytes.toStdString(), contentTypeOf(*path).c_str());
    });
}

}  // namespace service
