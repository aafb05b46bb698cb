#include "local_http_server.h"

#include "platform/gbk.h"
#include "platform/http_client.h"
#include "platform/workers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

std::string pattern(size_t size) {
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i) bytes[i] = char(i * 7 % 251);
    return bytes;
}

QByteArray bytes(const std::string& text) {
    return QByteArray(text.data(), qsizetype(text.size()));
}

class HttpClientTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.server.Get("/song", [this](const httplib::Request&, httplib::Response& response) {
            response.set_content(song, "application/octet-stream");
        });
        server.server.Get("/set", [](const httplib::Request&, httplib::Response& response) {
            response.set_header("Set-Cookie", "session=abc; Path=/");
            response.set_content("set", "text/plain");
        });
        server.server.Get("/echo", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("echo", "text/plain");
        });
        server.server.Get(".*/raw.*", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("raw", "text/plain");
        });
        server.server.Get("/endless", [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "application/octet-stream", [this](size_t, httplib::DataSink& sink) {
                    static const std::string block = pattern(8192);
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                    return !server.stopping && sink.write(block.data(), block.size());
                });
        });
        server.server.Get("/stalled", [this](const httplib::Request&, httplib::Response& response) {
            response.set_chunked_content_provider(
                "application/octet-stream", [this](size_t, httplib::DataSink& sink) {
                    sink.write("x", 1);
                    stalledStarted.set_value();
                    while (!server.stopping)
                        std::this_thread::sleep_for(std::chrono::milliseconds(10));
                    return false;
                });
        });
    }

    HttpRequest request(const std::string& target) const {
        HttpRequest request;
        request.url = bytes(server.url(target));
        return request;
    }

    const std::string song = pattern(300000);
    std::promise<void> stalledStarted;
    LocalHttpServer server;
    HttpClient client{QStringLiteral("http")};
};

TEST_F(HttpClientTest, GetDeliversStatusLengthHeadersAndBody) {
    const HttpResponse response = client.send(request("/song"));
    EXPECT_TRUE(response.ok) << response.error.toStdString();
    EXPECT_EQ(response.status, 200);
    EXPECT_EQ(response.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(response.contentLength, qint64(song.size()));
    EXPECT_EQ(response.header("content-type"), "application/octet-stream");
    EXPECT_EQ(response.body, bytes(song));
    EXPECT_TRUE(response.error.isEmpty());
}

TEST_F(HttpClientTest, SendsUserAgentAndAccept) {
    client.get(QString::fromStdString(server.url("/echo")));
    EXPECT_EQ(server.last().header("User-Agent"), "Lyravox3.0");
    EXPECT_EQ(server.last().header("Accept"), "text/html, */*");
    EXPECT_EQ(server.last().header("Range"), "");
}

TEST_F(HttpClientTest, HeadReportsContentLengthWithoutBody) {
    const HttpResponse response = client.head(QString::fromStdString(server.url("/song")));
    EXPECT_TRUE(response.ok) << response.error.toStdString();
    EXPECT_EQ(server.last().method, "HEAD");
    EXPECT_EQ(response.contentLength, qint64(song.size()));
    EXPECT_TRUE(response.body.isEmpty());
}

TEST_F(HttpClientTest, RangeHeaderAsksForTheRest) {
    struct Case {
        ByteRange range;
        std::string header;
        size_t first, count;
    };
    for (const Case& c : {Case{{1000, -1}, "bytes=1000-", 1000, song.size() - 1000},
                          Case{{10, 19}, "bytes=10-19", 10, 10}}) {
        HttpRequest ranged = request("/song");
        ranged.range = c.range;
        const HttpResponse response = client.send(ranged);
        EXPECT_EQ(server.last().header("Range"), c.header);
        EXPECT_EQ(response.status, 206);
        EXPECT_EQ(response.body, bytes(song.substr(c.first, c.count)));
    }
}

TEST_F(HttpClientTest, ErrorStatusFailsForGetAndHead) {
    for (auto method : {HttpRequest::Method::Get, HttpRequest::Method::Head}) {
        HttpRequest missing = request("/missing.wma");
        missing.method = method;
        const HttpResponse response = client.send(missing);
        EXPECT_FALSE(response.ok);
        EXPECT_FALSE(response.aborted);
        EXPECT_EQ(response.status, 404);
        EXPECT_TRUE(response.statusLine.contains("404"));
        EXPECT_FALSE(response.error.isEmpty());
        EXPECT_TRUE(response.body.isEmpty());
    }
}

TEST_F(HttpClientTest, ErrorBodyNeverReachesTheBlockCallback) {
    HttpRequest missing = request("/missing.wma");
    bool called = false;
    missing.onBlock = [&](const QByteArray&, qint64) { return called = true; };
    EXPECT_FALSE(client.send(missing).ok);
    EXPECT_FALSE(called);
}

TEST_F(HttpClientTest, ConnectionFailureFails) {
    int port;
    {
        LocalHttpServer gone;
        port = gone.port();
    }
    const HttpResponse response =
        client.get(QStringLiteral("http://127.0.0.1:%1/song").arg(port));
    EXPECT_FALSE(response.ok);
    EXPECT_EQ(response.status, 0);
    EXPECT_FALSE(response.error.isEmpty());
}

TEST_F(HttpClientTest, UrlIsSentExactlyAsBuilt) {
    const QByteArray region = gbk::fromUnicode(QStringLiteral("欧美地区"));
    ASSERT_EQ(region.size(), 8);
    for (const QByteArray& target :
         {QByteArray("/raw?diqu=") + region, QByteArray("/raw?q=%C5%B7%20a&b=%41"),
          QByteArray("/x/../raw/./y?z"), QByteArray("/raw/") + region + "/" + region + ".wma"}) {
        HttpRequest exact;
        exact.url = bytes(server.url("")) + target;
        EXPECT_TRUE(client.send(exact).ok);
        EXPECT_EQ(bytes(server.last().target), target);
    }
}

TEST_F(HttpClientTest, CookiesStayWithTheirClient) {
    HttpClient other(QStringLiteral("lrc_http"));
    client.get(QString::fromStdString(server.url("/set")));
    client.get(QString::fromStdString(server.url("/echo")));
    EXPECT_EQ(server.last().header("Cookie"), "session=abc");
    other.get(QString::fromStdString(server.url("/echo")));
    EXPECT_EQ(server.last().header("Cookie"), "");
    EXPECT_EQ(client.cookies(), QList<QByteArray>{"session=abc"});
    EXPECT_TRUE(other.cookies().isEmpty());
}

TEST_F(HttpClientTest, CookiesAreSharedByConcurrentRequestsOfOneClient) {
    client.get(QString::fromStdString(server.url("/set")));
    std::vector<std::thread> threads;
    for (int i = 0; i < 8; ++i)
        threads.emplace_back([&] { client.get(QString::fromStdString(server.url("/echo"))); });
    for (auto& thread : threads) thread.join();
    for (const auto& seen : server.seen())
        if (seen.target == "/echo") {
            EXPECT_EQ(seen.header("Cookie"), "session=abc");
        }
}

TEST_F(HttpClientTest, BodyBlocksArriveInOrder) {
    HttpRequest streamed = request("/song");
    streamed.keepBody = false;
    QByteArray joined;
    int blocks = 0;
    bool countsMatch = true;
    streamed.onBlock = [&](const QByteArray& block, qint64 received) {
        joined += block;
        ++blocks;
        countsMatch = countsMatch && received == joined.size();
        return true;
    };
    const HttpResponse response = client.send(streamed);
    EXPECT_TRUE(response.ok);
    EXPECT_TRUE(response.body.isEmpty());
    EXPECT_EQ(joined, bytes(song));
    EXPECT_GT(blocks, 1);
    EXPECT_TRUE(countsMatch);
}

TEST_F(HttpClientTest, BlockCallbackStopsTheTransfer) {
    HttpRequest endless = request("/endless");
    endless.keepBody = false;
    qint64 last = 0;
    endless.onBlock = [&](const QByteArray&, qint64 received) {
        last = received;
        return received < 100000;
    };
    const HttpResponse response = client.send(endless);
    EXPECT_FALSE(response.ok);
    EXPECT_TRUE(response.aborted);
    EXPECT_EQ(response.status, 200);
    EXPECT_GE(last, 100000);
    EXPECT_FALSE(response.error.isEmpty());
}

TEST_F(HttpClientTest, CancelFlagAbortsAFlowingTransfer) {
    CancelFlag cancel;
    HttpRequest endless = request("/endless");
    endless.keepBody = false;
    endless.cancel = &cancel;
    endless.onBlock = [&](const QByteArray&, qint64 received) {
        if (received > 50000) cancel.raise();
        return true;
    };
    const HttpResponse response = client.send(endless);
    EXPECT_FALSE(response.ok);
    EXPECT_TRUE(response.aborted);
}

TEST_F(HttpClientTest, CancelFlagAbortsAStalledTransfer) {
    CancelFlag cancel;
    HttpRequest stalled = request("/stalled");
    stalled.cancel = &cancel;
    std::thread stopper([&] {
        stalledStarted.get_future().wait();
        cancel.raise();
    });
    const HttpResponse response = client.send(stalled);
    stopper.join();
    EXPECT_FALSE(response.ok);
    EXPECT_TRUE(response.aborted);
}

TEST_F(HttpClientTest, ShutdownAbortsRunningDownloadsAndWaits) {
    WorkerGroup group;
    std::atomic<int> finished{0};
    HttpResponse endlessResponse, stalledResponse;
    std::promise<void> flowing;
    std::once_flag once;
    // Neither request carries a flag of its own: the job's flag applies.
    group.start([&](const CancelFlag&) {
        stalledResponse = client.send(request("/stalled"));
        ++finished;
    });
    group.start([&](const CancelFlag&) {
        HttpRequest endless = request("/endless");
        endless.keepBody = false;
        endless.onBlock = [&](const QByteArray&, qint64) {
            std::call_once(once, [&] { flowing.set_value(); });
            return true;
        };
        endlessResponse = client.send(endless);
        ++finished;
    });
    stalledStarted.get_future().wait();
    flowing.get_future().wait();
    EXPECT_EQ(group.running(), 2);

    group.shutdown();
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(group.running(), 0);
    EXPECT_TRUE(endlessResponse.aborted);
    EXPECT_TRUE(stalledResponse.aborted);
    EXPECT_EQ(group.start([](const CancelFlag&) {}), nullptr);
}

}  // namespace
