#include "query_params.h"
#include "routes.h"
#include "xml_answer.h"

#include <functional>
#include <optional>

namespace service {
namespace {

constexpr long long kMaxPage = 1000000000;
constexpr long long kMaxPageSize = 1000;

void replyMarker(httplib::Response& res, const char* marker) {
    reply(res, plainText(QString::fromLatin1(marker)));
}

// Reads p and n; answers 400 and returns nothing when either is not a sane number.
std::optional<std::pair<long long, long long>> pageRequest(const QueryParams& q, httplib::Response& res) {
    const auto p = q.positive("p", kMaxPage);
    const auto n = q.positive("n", kMaxPageSize);
    if (!p || !n) {
        refuse(res, 400, "p and n must be whole numbers from 1 (n at most 1000)");
        return std::nullopt;
    }
    return std::make_pair(*p, *n);
}

// Writes "nill", "eof" or the page's XML.
template <typename T, typename Build>
void answerPage(httplib::Response& res, const std::vector<T>& items, long long p, long long n, Build build) {
    const Page page = paginate(static_cast<int>(items.size()), p, n);
    switch (page.outcome) {
    case Page::Outcome::Nothing: replyMarker(res, "nill"); break;
    case Page::Outcome::BeyondLast: replyMarker(res, "eof"); break;
    case Page::Outcome::Records: reply(res, build(items, page)); break;
    }
}

using SongQuery = std::function<std::optional<std::vector<Song>>(const QueryParams&)>;

void songList(httplib::Server& server, const char* page, Encoding encoding, SongQuery query) {
    server.Get(std::string(kServerBase) + page, [encoding, query](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        const auto songs = query(q);
        if (!songs) return refuse(res, 400, "missing or unknown parameter");
        if (const auto pn = pageRequest(q, res)) {
            answerPage(res, *songs, pn->first, pn->second,
                       [encoding](const auto& items, const Page& pg) { return songPage(items, pg, encoding); });
        }
    });
}

}  // namespace

void addCatalogueRoutes(httplib::Server& server, ServiceData& data) {
    const Catalogue& cat = data.catalogue;
    using Songs = std::optional<std::vector<Song>>;

    songList(server, "get_q.php", Encoding::Gbk, [&cat](const QueryParams& q) -> Songs {
        const auto by = q.bytes("q_by");
        if (!q.has("q") || (by != "0" && by != "1" && by != "2")) return std::nullopt;
        return cat.search(static_cast<SearchBy>(by.toInt()), q.text("q").trimmed());
    });
    songList(server, "get_zhijie.php", Encoding::Gbk, [&cat](const QueryParams& q) -> Songs {
        const auto by = q.bytes("q_by");
        if (!q.has("q") || (by != "0" && by != "1")) return std::nullopt;
        return by == "0" ? cat.ofSinger(q.text("q")) : cat.ofAlbum(q.text("q"));
    });
    songList(server, "get_fenlei.php", Encoding::Gbk, [&cat](const QueryParams& q) -> Songs {
        if (!q.has("fenlei")) return std::nullopt;
        return cat.ofCategory(q.text("fenlei"));
    });
    songList(server, "get_xinge.php", Encoding::Gbk, [&cat](const QueryParams&) -> Songs { return cat.newSongs(); });
    songList(server, "get_tuijian.php", Encoding::Utf8, [&cat](const QueryParams&) -> Songs { return cat.recommended(); });
    songList(server, "get_paihang.php", Encoding::Gbk, [&cat](const QueryParams&) -> Songs { return cat.ranking(); });

    // A magazine's songs come as one page: the client sends no page number.
    server.Get(std::string(kServerBase) + "get_zazhi.php", [&cat](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        if (!q.has("ids")) return refuse(res, 400, "missing ids");
        const std::vector<Song> songs = cat.ofIds(q.text("ids"));
        answerPage(res, songs, 1, std::max<long long>(1, static_cast<long long>(songs.size())),
                   [](const auto& items, const Page& pg) { return songPage(items, pg, Encoding::Gbk); });
    });

    server.Get(std::string(kServerBase) + "get_diantai.php", [&cat](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        const auto pn = pageRequest(q, res);
        if (!pn) return;
        std::string host = req.get_header_value("Host");
        if (host.empty()) host = req.local_addr + ':' + std::to_string(req.local_port);
        const QString base = QStringLiteral("http://%1/files/radio/").arg(QString::fromStdString(host));
        answerPage(res, cat.stations(), pn->first, pn->second,
                   [&base](const auto& items, const Page& pg) { return stationPage(items, pg, base, Encoding::Gbk); });
    });

    server.Get(std::string(kServerBase) + "get_zazhi_list.php", [&cat](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        if (const auto pn = pageRequest(q, res)) {
            answerPage(res, cat.magazines(), pn->first, pn->second,
                       [](const auto& items, const Page& pg) { return magazinePage(items, pg, Encoding::Gbk); });
        }
    });

    server.Get(std::string(kServerBase) + "getgeshou_zimu.php", [&cat](const httplib::Request& req, httplib::Response& res) {
        const QByteArray letter = QueryParams::fromTarget(req.target).bytes("zimu");
        if (letter.size() != 1 || letter[0] < 'A' || letter[0] > 'Z') return refuse(res, 400, "zimu must be one letter A to Z");
        reply(res, singerList(cat.singersByInitial(QChar::fromLatin1(letter[0])), Encoding::Utf8));
    });

    server.Get(std::string(kServerBase) + "getgeshou_diqu.php", [&cat](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        if (!q.has("diqu")) return refuse(res, 400, "missing diqu");
        reply(res, singerList(cat.singersByRegion(q.text("diqu")), Encoding::Gbk));
    });
}

}  // namespace service
