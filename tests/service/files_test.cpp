#include "service_fixture.h"

#include <QFile>

namespace {

QByteArray fileBytes(const char* relative) {
    QFile file(QStringLiteral(LYRAVOX_BINARY_DIR "/service-data/files/") + QString::fromUtf8(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST_F(ServiceTest, HeadReportsTheLengthAndRangeAnswersThePart) {
    const QByteArray whole = fileBytes("wma/0012001.wma");
    ASSERT_GT(whole.size(), 1000);

    const auto head = client_->Head("/files/wma/0012001.wma");
    ASSERT_TRUE(head);
    EXPECT_EQ(head->status, 200);
    EXPECT_EQ(head->get_header_value("Content-Length"), std::to_string(whole.size()));

    const auto part = get("/files/wma/0012001.wma", {{"Range", "bytes=1000-"}});
    const auto res = client_->Get("/files/wma/0012001.wma", {{"Range", "bytes=1000-"}});
    ASSERT_TRUE(res);
    EXPECT_EQ(res->status, 206);
    EXPECT_EQ(res->get_header_value("Content-Range"),
              "bytes 1000-" + std::to_string(whole.size() - 1) + "/" + std::to_string(whole.size()));
    EXPECT_EQ(QByteArray::fromStdString(part.body), whole.mid(1000));

    EXPECT_EQ(QByteArray::fromStdString(get("/files/wma/0012001.wma").body), whole);
}

TEST_F(ServiceTest, EscapedGbkFileNameIsFound) {
    const auto r = get("/files/wma/" + escaped(QStringLiteral("特别版")) + "/" + escaped(QStringLiteral("月亮")) + "%20" +
                       escaped(QStringLiteral("小夜曲")) + ".wma");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(QByteArray::fromStdString(r.body), fileBytes("wma/特别版/月亮 小夜曲.wma"));
}

TEST_F(ServiceTest, LyricsFollowThePathRule) {
    const auto lyric = get("/files/lrc/12/0012004.lrc");
    EXPECT_EQ(lyric.status, 200);
    EXPECT_TRUE(lyric.text().contains(QStringLiteral("]慢车摇啊摇\r\n")));
    EXPECT_EQ(get("/files/lrc/12/0012003.lrc").status, 404);  // a song without lyrics
    EXPECT_EQ(get("/files/lrc/13/0012004.lrc").status, 404);  // wrong folder for the ID
}

TEST_F(ServiceTest, NothingOutsideTheFilesFolder) {
    for (const char* path : {"/files/%2E%2E/accounts.tsv", "/files/wma/..%2F..%2Faccounts.tsv", "/files/.base/a.wav",
                             "/files/", "/files/wma", "/files/nothing.wma"}) {
        EXPECT_EQ(get(path).status, 404) << path;
    }
}

TEST_F(ServiceTest, RadioKeepsSendingUntilTheListenerLeaves) {
    size_t received = 0;
    const auto res = client_->Get("/files/radio/morning.mp3", [&](const char*, size_t length) {
        received += length;
        return received < 200000;  // longer than the loop itself: it repeats
    });
    EXPECT_FALSE(res);  // the listener cancelled; the stream never ended by itself
    EXPECT_GE(received, 200000u);
}
