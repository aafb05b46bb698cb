#include "query_params.h"
#include "routes.h"

#include <QByteArray>

#include "platform/gbk.h"

namespace service {
namespace {

QString bannerPage(const Catalogue& cat) {
    QString items;
    const auto songs = cat.newSongs();
    for (size_t i = 0; i < songs.size() && i < 3; ++i) {
        items += QStringLiteral("<span style=\"margin-right:18px\">◆ %1 - %2</span>")
                     .arg(songs[i].singer.toHtmlEscaped(), songs[i].title.toHtmlEscaped());
    }
    return QStringLiteral(
               "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">"
               "<title>Lyravox 今日推荐</title></head>"
               "<body style=\"margin:0;background:#f7f5f3;font-size:12px;color:#476f41\">"
               "<div style=\"padding:6px 10px\"><b>今日新歌</b>：%1</div>"
               "<div style=\"padding:0 10px;color:#d9355e\">每天登陆都有新发现，快去“新歌上榜”看看吧！</div>"
               "</body></html>")
        .arg(items);
}

}  // namespace

void addAccountRoutes(httplib::Server& server, ServiceData& data) {
    const std::string base = kServerBase;

    // The password arrives as Base64 of its GBK bytes; the name as typed (raw GBK).
    server.Get(base + "login.php", [&data](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        if (!q.has("net_name") || !q.has("net_password")) return refuse(res, 400, "missing net_name or net_password");
        const auto decoded = QByteArray::fromBase64Encoding(q.bytes("net_password"),
                                                            QByteArray::AbortOnBase64DecodingErrors);
        std::optional<QString> key;
        if (decoded) key = data.accounts.login(q.text("net_name"), gbk::toUnicode(*decoded));
        reply(res, plainText(key ? *key : QStringLiteral("auth_wrong")));
    });

    server.Get(base + "test_net.php", [](const httplib::Request&, httplib::Response& res) {
        reply(res, plainText(QStringLiteral("连接测试成功！您的网络可以正常访问Lyravox服务器。")));
    });

    server.Get(base + "get_need.php", [&data](const httplib::Request&, httplib::Response& res) {
        reply(res, html(bannerPage(data.catalogue), Encoding::Gbk));
    });

    // Every check that says "enough" spends n 琴珠 (the client always asks for 1).
    server.Get(base + "check_beads.php", [&data](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        const auto cost = q.positive("n", 1000);
        if (!q.has("net_name") || !cost) return refuse(res, 400, "missing net_name or bad n");
        const QString name = q.text("net_name");
        if (!data.accounts.keyMatches(name, q.text("hash"))) {
            return reply(res, plainText(QStringLiteral("您的登陆信息已失效，请重新登陆后再下载。")));
        }
        const auto charge = data.accounts.charge(name, static_cast<int>(*cost));
        if (charge && charge->enough) return reply(res, plainText(QStringLiteral("enough")));
        reply(res, plainText(QStringLiteral("您的琴珠不足！下载一首歌曲需要%1个琴珠，您现在还有%2个琴珠。")
                                 .arg(*cost)
                                 .arg(charge ? charge->balance : 0)));
    });

    server.Get(base + "online_info.php", [&data](const httplib::Request&, httplib::Response& res) {
        const unsigned call = data.onlineCalls++;
        const QString message = data.messages.at(static_cast<int>(call % data.messages.size()));
        reply(res, plainText(QStringLiteral("在线用户: %1　累计访问: %2|||%3")
                                 .arg(std::max(1, data.accounts.signedIn()))
                                 .arg(call + 1)
                                 .arg(message)));
    });

    // The answer is ignored by the client; it still says what was counted.
    server.Get(base + "up_view.php", [&data](const httplib::Request& req, httplib::Response& res) {
        const QueryParams q = QueryParams::fromTarget(req.target);
        if (!q.has("id") || !q.has("fenlei")) return refuse(res, 400, "missing id or fenlei");
        const bool counted = data.catalogue.addView(q.text("fenlei"), q.text("id"));
        reply(res, plainText(QString::fromLatin1(counted ? "ok" : "ignored")));
    });
}

}  // namespace service
