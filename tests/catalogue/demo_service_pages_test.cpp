#include "catalogue/catalogue_answer.h"
#include "catalogue/catalogue_page.h"
#include "catalogue/catalogue_request.h"
#include "platform/http_client.h"
#include "service.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

namespace req = catalogue_request;

// Real pages of the demo service, in-process on a free loopback port, fetched with
// the program's own HTTP client from the URLs the request builders make.
class DemoServicePages : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(service_.load(QStringLiteral(LYRAVOX_SOURCE_DIR "/service/data"), &error))
            << error.toStdString();
        const int port = service_.bind("127.0.0.1", 0);
        ASSERT_GT(port, 0);
        thread_ = std::thread([this] { service_.run(); });
        serverUrl_ = QStringLiteral("http://127.0.0.1:%1/lyravox3.0/").arg(port);
    }
    void TearDown() override {
        service_.stop();
        if (thread_.joinable()) thread_.join();
    }

    QByteArray fetch(const QByteArray& url) {
        HttpRequest request;
        request.url = url;
        const HttpResponse response = client_.send(request);
        EXPECT_TRUE(response.ok) << url.toStdString() << " " << response.error.toStdString();
        return trimmedAnswer(response.body);
    }

    service::Service service_;
    std::thread thread_;
    QString serverUrl_;
    HttpClient client_{QStringLiteral("catalogue_test")};
};

TEST_F(DemoServicePages, GbkSongPageDecodes) {
    const QByteArray body = fetch(req::newSongs(serverUrl_, 1, "30"));
    ASSERT_EQ(classifyPageAnswer(body), AnswerKind::Document);
    const auto page = decodeSongPage(body);
    EXPECT_EQ(page.outcome, DecodedPage<SongEntry>::Outcome::Decoded);
    ASSERT_EQ(page.records.size(), 30);
    ASSERT_TRUE(page.page.has_value());
    EXPECT_EQ(page.page->page, QStringLiteral("1"));
    const SongEntry& first = page.records.first();
    EXPECT_FALSE(first.id.isEmpty());
    EXPECT_TRUE(first.url.endsWith(QStringLiteral(".wma")));
    EXPECT_FALSE(first.title.contains(u'?'));
}

TEST_F(DemoServicePages, Utf8PageAndEscapedSearchesDecode) {
    EXPECT_FALSE(decodeSongPage(fetch(req::recommendations(serverUrl_, 1, "30"))).records.isEmpty());

    const auto bySinger = decodeSongPage(fetch(req::singerSongs(serverUrl_, QStringLiteral("林澈"), 1, "50")));
    ASSERT_FALSE(bySinger.records.isEmpty());
    for (const SongEntry& song : bySinger.records) EXPECT_EQ(song.singer, QStringLiteral("林澈"));

    const auto byCategory = decodeSongPage(fetch(req::categorySongs(serverUrl_, QStringLiteral("国语歌曲"), 1, "30")));
    EXPECT_FALSE(byCategory.records.isEmpty());
}

TEST_F(DemoServicePages, MarkersForNothingAndBeyondLastPage) {
    EXPECT_EQ(classifyPageAnswer(fetch(req::keywordSearch(serverUrl_, QStringLiteral(" 没有这首歌 "), 0, 1, "30"))),
              AnswerKind::NothingFound);
    EXPECT_EQ(classifyPageAnswer(fetch(req::rankings(serverUrl_, 999, "30"))), AnswerKind::BeyondLast);
}

TEST_F(DemoServicePages, StationsMagazinesAndSingersDecode) {
    const auto stations = decodeStationPage(fetch(req::radioStations(serverUrl_, 1, "30")));
    ASSERT_FALSE(stations.records.isEmpty());
    EXPECT_TRUE(stations.records.first().url.startsWith(QStringLiteral("http://127.0.0.1:")));

    const auto magazines = decodeMagazinePage(fetch(req::magazineList(serverUrl_, 1, "30")));
    ASSERT_FALSE(magazines.records.isEmpty());
    const auto contents = decodeSongPage(fetch(req::magazineContents(serverUrl_, magazines.records.first().ids)));
    EXPECT_FALSE(contents.records.isEmpty());

    const auto region = decodeSingerList(fetch(req::singersByRegion(serverUrl_, QStringLiteral("大陆地区"))));
    ASSERT_FALSE(region.records.isEmpty());
    EXPECT_FALSE(region.malformed());
    EXPECT_FALSE(decodeSingerList(fetch(req::singersByInitial(serverUrl_, "L"))).records.isEmpty());
}

}  // namespace
