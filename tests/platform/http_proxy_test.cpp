#include "local_http_server.h"

#include "platform/gbk.h"
#include "platform/http_client.h"
#include "platform/http_clients.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

namespace {

int freeLoopbackPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

QString tinyproxyBinary() {
    for (const char* path : {"/usr/bin/tinyproxy", "/usr/sbin/tinyproxy"})
        if (QFileInfo(QString::fromLatin1(path)).isExecutable()) return QString::fromLatin1(path);
    return {};
}

// Debian's tinyproxy on a free loopback port, configured in a temporary folder; it
// marks what it forwards with a Via header naming "lyravox-test".
class Tinyproxy {
public:
    bool start() {
        const QString binary = tinyproxyBinary();
        if (binary.isEmpty() || !folder_.isValid()) return false;
        port_ = freeLoopbackPort();
        QFile config(folder_.filePath(QStringLiteral("tinyproxy.conf")));
        if (!config.open(QIODevice::WriteOnly)) return false;
        config.write(QStringLiteral("Port %1\nListen 127.0.0.1\nTimeout 60\nMaxClients 20\n"
                                    "Allow 127.0.0.1\nViaProxyName \"lyravox-test\"\n"
                                    "LogFile \"%2\"\nLogLevel Info\n")
                         .arg(port_)
                         .arg(folder_.filePath(QStringLiteral("tinyproxy.log")))
                         .toUtf8());
        config.close();
        process_.start(binary, {QStringLiteral("-d"), QStringLiteral("-c"), config.fileName()});
        if (!process_.waitForStarted()) return false;
        for (int attempt = 0; attempt < 100; ++attempt) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, quint16(port_));
            if (socket.waitForConnected(100)) return true;
            if (process_.state() == QProcess::NotRunning) return false;
            process_.waitForFinished(50);
        }
        return false;
    }

    ~Tinyproxy() {
        if (process_.state() == QProcess::NotRunning) return;
        process_.kill();
        process_.waitForFinished();
    }

    HttpProxy proxy() const { return {QStringLiteral("127.0.0.1"), port_}; }

private:
    QTemporaryDir folder_;
    QProcess process_;
    int port_ = 0;
};

class HttpProxyTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.server.Get(".*", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("answer", "text/plain");
        });
        if (!tinyproxy.start()) GTEST_SKIP() << "tinyproxy cannot be started";
    }

    QString url(const std::string& target) const { return QString::fromStdString(server.url(target)); }
    std::string via() const { return server.last().header("Via"); }

    LocalHttpServer server;
    Tinyproxy tinyproxy;
    HttpClient client{QStringLiteral("download_http")};
};

TEST_F(HttpProxyTest, RequestsGoThroughTheProxyOnlyWhileItIsSet) {
    client.setProxy(tinyproxy.proxy());
    const HttpResponse proxied = client.get(url("/through"));
    EXPECT_TRUE(proxied.ok) << proxied.error.toStdString();
    EXPECT_EQ(proxied.body, "answer");
    EXPECT_NE(via().find("lyravox-test"), std::string::npos);
    EXPECT_EQ(server.last().header("User-Agent"), "Lyravox3.0");

    client.setProxy({QString(), 80});
    EXPECT_TRUE(client.get(url("/direct")).ok);
    EXPECT_EQ(server.last().target, "/direct");
    EXPECT_EQ(via(), "");
}

TEST_F(HttpProxyTest, RawBytesPassThroughTheProxy) {
    client.setProxy(tinyproxy.proxy());
    const QByteArray target = "/raw?diqu=" + gbk::fromUnicode(QStringLiteral("港台地区"));
    HttpRequest request;
    request.url = QByteArray::fromStdString(server.url("")) + target;
    EXPECT_TRUE(client.send(request).ok);
    EXPECT_EQ(QByteArray::fromStdString(server.last().target), target);
}

TEST_F(HttpProxyTest, EnvironmentProxyIsIgnored) {
    const QByteArray address = "http://127.0.0.1:" + QByteArray::number(tinyproxy.proxy().port);
    qputenv("http_proxy", address);
    qputenv("HTTP_PROXY", address);
    const HttpResponse response = client.get(url("/plain"));
    qunsetenv("http_proxy");
    qunsetenv("HTTP_PROXY");
    EXPECT_TRUE(response.ok);
    EXPECT_EQ(via(), "");
}

TEST_F(HttpProxyTest, PortOutOfRangeFailsWithoutSending) {
    client.setProxy({QStringLiteral("127.0.0.1"), 99999});
    const HttpResponse response = client.get(url("/never"));
    EXPECT_FALSE(response.ok);
    EXPECT_FALSE(response.error.isEmpty());
    EXPECT_TRUE(server.seen().empty());
}

TEST(HttpClientsTest, EightNamedClientsTakeOneProxy) {
    HttpClients clients;
    QStringList names;
    for (HttpClient* client : clients.all()) names << client->name();
    EXPECT_EQ(names, (QStringList{"login_http", "http", "upview_http", "lrc_http",
                                  "online_info_http", "download_http", "bead_http",
                                  "update_http"}));
    const HttpProxy proxy{QStringLiteral("10.0.0.1"), 8080};
    clients.setProxy(proxy);
    for (HttpClient* client : clients.all()) EXPECT_EQ(client->proxy(), proxy);
}

}  // namespace
