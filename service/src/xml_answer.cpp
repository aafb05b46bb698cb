#include "xml_answer.h"

namespace service {
namespace {

using Fields = std::vector<std::pair<const char*, QString>>;

class Document {
public:
    explicit Document(Encoding encoding) : encoding_(encoding) {
        text_ = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\"?>\n<lyravox>\n")
                    .arg(QString::fromLatin1(charsetName(encoding)));
    }
    void openGroup(const char* name, const Page* page) {
        group_ = QString::fromLatin1(name);
        text_ += QStringLiteral("  <") + group_;
        if (page) {
            text_ += QStringLiteral(" total=\"%1\" page=\"%2\" pages=\"%3\"").arg(page->total).arg(page->number).arg(page->pages);
        }
        text_ += QStringLiteral(">\n");
    }
    void record(const char* name, const Fields& fields) {
        text_ += QStringLiteral("    <%1>").arg(QString::fromLatin1(name));
        for (const auto& [field, value] : fields) {
            text_ += QStringLiteral("<%1>%2</%1>").arg(QString::fromLatin1(field), xmlEscaped(value));
        }
        text_ += QStringLiteral("</%1>\n").arg(QString::fromLatin1(name));
    }
    Answer finish() {
        text_ += QStringLiteral("  </") + group_ + QStringLiteral(">\n</lyravox>\n");
        return {encode(text_, encoding_), std::string("text/xml; charset=") + charsetName(encoding_)};
    }

private:
    Encoding encoding_;
    QString text_;
    QString group_;
};

template <typename T>
auto slice(const std::vector<T>& items, const Page& page) {
    const auto first = items.begin() + page.first;
    return std::vector<T>(first, first + page.count);
}

}  // namespace

QString xmlEscaped(const QString& text) {
    return text.toHtmlEscaped();
}

Answer songPage(const std::vector<Song>& songs, const Page& page, Encoding encoding) {
    Document doc(encoding);
    doc.openGroup("songs", &page);
    for (const Song& s : slice(songs, page)) {
        doc.record("song", {{"Title", s.title}, {"Author", s.singer}, {"Zhuanji", s.album},
                            {"View", QString::number(s.views)}, {"Shijian", s.date}, {"ID", s.id}, {"Url", s.url}});
    }
    return doc.finish();
}

Answer stationPage(const std::vector<Station>& stations, const Page& page, const QString& streamBase,
                   Encoding encoding) {
    Document doc(encoding);
    doc.openGroup("stations", &page);
    for (const Station& s : slice(stations, page)) {
        doc.record("station", {{"Title", s.title}, {"Intro", s.intro}, {"View", QString::number(s.views)},
                               {"ID", s.id}, {"Url", streamBase + s.stream}});
    }
    return doc.finish();
}

Answer magazinePage(const std::vector<Magazine>& magazines, const Page& page, Encoding encoding) {
    Document doc(encoding);
    doc.openGroup("magazines", &page);
    for (const Magazine& m : slice(magazines, page)) {
        doc.record("magazine", {{"Title", m.title}, {"Qihao", m.issue}, {"Author", m.editor},
                                {"View", QString::number(m.views)}, {"Shijian", m.date}, {"Id", m.id}, {"Ids", m.ids}});
    }
    return doc.finish();
}

Answer singerList(const std::vector<Singer>& singers, Encoding encoding) {
    Document doc(encoding);
    doc.openGroup("singers", nullptr);
    for (const Singer& s : singers) doc.record("singer", {{"Sex", s.sex}, {"Singer", s.name}});
    return doc.finish();
}

}  // namespace service
