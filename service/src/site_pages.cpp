#include "query_params.h"
#include "routes.h"

#include <QDir>
#include <QFile>

namespace service {
namespace {

// The pages of the web site that the client opens in the browser.
struct SitePage {
    const char* path;  // after the site root
    const char* title;
    const char* text;
};

const SitePage kPages[] = {
    {"bbs/index.php", "互动交流论坛", "这里是歌迷们交流的地方。演示服务的论坛暂时只有这一页。"},
    {"help.php", "使用指南", "双击列表中的歌曲即可播放；右键菜单里可以收藏、下载和翻页。"},
    {"reg.php", "免费申请", "演示服务不开放注册，请使用演示帐号 demo / demo123 登陆。"},
    {"getback.php", "忘记密码", "演示帐号的密码写在服务的 accounts.tsv 里。"},
    {"my.php", "个人信息中心", "这里显示您的帐号资料和琴珠余额。"},
    {"donate.php", "捐助Lyravox", "感谢您的支持！演示服务不收取任何费用。"},
    {"donate_top.php", "贡献排行榜", "本月贡献最多的用户会出现在这里。"},
    {"pis.php", "传情信息台", "在这里发表的话会出现在客户端底部滚动的信息栏里。"},
    {"upload_music.php", "我要上传歌曲", "上传功能在演示服务中没有开放。"},
    {"upload_lrc.php", "我要上传歌词", "歌词使用 LRC 格式，每行以时间标签开头。"},
    {"upload_magazine.php", "我要发布杂志", "把喜欢的歌曲编成一期音乐杂志，与大家分享。"},
    {"enjoy.php", "歌曲评论", "还没有人评论这首歌曲，快来抢沙发吧。"},
    {"enjoy_magazine.php", "杂志详细内容", "本期杂志的文字内容。"},
    {"free_download.php", "免费下载", "免费下载通道：请在客户端使用“直接下载”。"},
    {"sms.php", "手机服务", "Mp3铃声、手机彩铃、手机图片、免费手机点歌。"},
    {"get_beads.php", "如何获得琴珠", "每天登陆、上传歌词和发布杂志都可以获得琴珠。"},
    {"download.php", "下载播放组件", "Lyravox 需要媒体播放组件才能播放歌曲。"},
    {"enjoy_radio.php", "电台评论", "说说你对这个电台的感受吧。"},
    {"faq.php", "疑难问题", "登陆不上？请先在“高级”里测试网络连接。"},
    {"wma_mp3.php", "wma格式转换为mp3格式", "下载的歌曲是 wma 格式，可以用常见的转换工具转成 mp3。"},
};

QString pageHtml(const QString& title, const QString& body) {
    return QStringLiteral(
               "<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>%1 - Lyravox</title></head>"
               "<body><h1>%1</h1>%2<p><a href=\"/\">Lyravox主页</a></p></body></html>")
        .arg(title.toHtmlEscaped(), body);
}

// The parameters a page was opened with, shown so that one can see what the client sent.
QString parameterList(const httplib::Request& req) {
    const QueryParams q = QueryParams::fromTarget(req.target);
    QString items;
    for (const auto& [key, value] : req.params) {
        const QString name = QString::fromStdString(key);
        items += QStringLiteral("<li>%1 = %2</li>").arg(name.toHtmlEscaped(), q.text(name).toHtmlEscaped());
    }
    return items.isEmpty() ? QString() : QStringLiteral("<ul>%1</ul>").arg(items);
}

QString readUtf8(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}  // namespace

void addSitePages(httplib::Server& server, ServiceData& data) {
    server.Get("/", [](const httplib::Request&, httplib::Response& res) {
        QString links;
        for (const SitePage& page : kPages) {
            links += QStringLiteral("<li><a href=\"/%1\">%2</a></li>")
                         .arg(QString::fromLatin1(page.path), QString::fromUtf8(page.title));
        }
        reply(res, html(pageHtml(QStringLiteral("Lyravox 在线音乐"),
                                 QStringLiteral("<p>在线音乐新体验：发现、拥有、分享、交流。</p><ul>%1</ul>").arg(links)),
                        Encoding::Utf8));
    });

    for (const SitePage& page : kPages) {
        server.Get(std::string("/") + page.path, [page](const httplib::Request& req, httplib::Response& res) {
            const QString body = QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(page.text).toHtmlEscaped()) +
                                 parameterList(req);
            reply(res, html(pageHtml(QString::fromUtf8(page.title), body), Encoding::Utf8));
        });
    }

    // "version|notes": the version must equal the one shipped in Config.xml, or the
    // client would hand over to its updater at every login.
    server.Get("/update.htm", [&data](const httplib::Request&, httplib::Response& res) {
        const QString text = readUtf8(QDir(data.dataDir).filePath("site/update.htm"));
        if (text.isEmpty()) return refuse(res, 404, "no version page");
        reply(res, plainText(text));
    });
}

}  // namespace service
