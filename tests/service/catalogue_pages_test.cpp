#include "service_fixture.h"

#include "catalogue.h"

#include <QRegularExpression>

namespace {

struct GroupInfo {
    int total = -1, page = -1, pages = -1;
};

GroupInfo groupOf(const QString& xml) {
    static const QRegularExpression attrs(QStringLiteral("total=\"(\\d+)\" page=\"(\\d+)\" pages=\"(\\d+)\""));
    const auto m = attrs.match(xml);
    if (!m.hasMatch()) return {};
    return {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
}

int records(const QString& xml, const QString& element) {
    return static_cast<int>(xml.count(QStringLiteral("<%1>").arg(element)));
}

}  // namespace

TEST_F(ServiceTest, NewSongsArePagedUpToEof) {
    const auto first = web("get_xinge.php?p=1&n=30");
    ASSERT_EQ(first.status, 200);
    EXPECT_TRUE(first.text().startsWith(QStringLiteral("<?xml version=\"1.0\" encoding=\"GB2312\"?>")));
    const GroupInfo info = groupOf(first.text());
    ASSERT_GE(info.total, 60);
    EXPECT_EQ(info.page, 1);
    EXPECT_EQ(info.pages, (info.total + 29) / 30);
    EXPECT_EQ(records(first.text(), "song"), 30);

    const auto last = web("get_xinge.php?p=" + std::to_string(info.pages) + "&n=30");
    EXPECT_EQ(groupOf(last.text()).page, info.pages);
    EXPECT_EQ(records(last.text(), "song"), info.total - (info.pages - 1) * 30);

    EXPECT_EQ(web("get_xinge.php?p=" + std::to_string(info.pages + 1) + "&n=30").body, "eof");
}

TEST_F(ServiceTest, KeywordSearchByTitleSingerAndAlbum) {
    struct Case {
        const char* by;
        QString keyword, mustHold;
    } cases[] = {
        {"0", QStringLiteral("月亮"), QStringLiteral("<Url>wma/特别版/月亮 小夜曲.wma</Url>")},
        {"1", QStringLiteral("苏晚晴"), QStringLiteral("<Author>苏晚晴</Author>")},
        {"2", QStringLiteral("落叶笔记"), QStringLiteral("<Zhuanji>落叶笔记</Zhuanji>")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keyword.toStdString());
        const auto r = web("get_q.php?q=" + escaped(c.keyword) + "&q_by=" + c.by + "&p=1&n=30");
        ASSERT_EQ(r.status, 200);
        EXPECT_TRUE(r.text().contains(c.mustHold));
        EXPECT_GT(groupOf(r.text()).total, 0);
    }
    EXPECT_EQ(web("get_q.php?q=" + escaped(QStringLiteral("没有这首歌")) + "&q_by=0&p=1&n=30").body, "nill");
}

TEST_F(ServiceTest, SingerAndAlbumSongsMatchExactly) {
    const auto singer = web("get_zhijie.php?q=" + escaped(QStringLiteral("林澈")) + "&q_by=0&p=1&n=50").text();
    EXPECT_EQ(records(singer, "song"), static_cast<int>(singer.count(QStringLiteral("<Author>林澈</Author>"))));
    EXPECT_GT(records(singer, "song"), 2);
    const auto album = web("get_zhijie.php?q=" + escaped(QStringLiteral("慢车")) + "&q_by=1&p=1&n=50").text();
    EXPECT_EQ(records(album, "song"), static_cast<int>(album.count(QStringLiteral("<Zhuanji>慢车</Zhuanji>"))));
    EXPECT_EQ(web("get_zhijie.php?q=" + escaped(QStringLiteral("林")) + "&q_by=0&p=1&n=50").body, "nill");
}

TEST_F(ServiceTest, EveryCategoryHasSongs) {
    for (const QString& label : service::Catalogue::categories()) {
        const auto r = web("get_fenlei.php?fenlei=" + escaped(label) + "&p=1&n=30");
        EXPECT_GT(records(r.text(), "song"), 0) << label.toStdString();
    }
    EXPECT_EQ(web("get_fenlei.php?fenlei=" + escaped(QStringLiteral("没有的分类")) + "&p=1&n=30").body, "nill");
}

TEST_F(ServiceTest, RegionArrivesAsRawGbkAndSortsSingersBySex) {
    const auto r = web("getgeshou_diqu.php?diqu=" + rawGbk(QStringLiteral("大陆地区")));
    ASSERT_EQ(r.status, 200);
    for (const char* sex : {"男歌手", "女歌手", "乐队组合"}) {
        EXPECT_TRUE(r.text().contains(QStringLiteral("<Sex>%1</Sex>").arg(QString::fromUtf8(sex)))) << sex;
    }
    EXPECT_TRUE(r.text().contains(QStringLiteral("<Sex></Sex>")));  // an unclassified singer
    const auto letter = web("getgeshou_zimu.php?zimu=K");
    EXPECT_TRUE(letter.body.find("encoding=\"UTF-8\"") != std::string::npos);
    EXPECT_TRUE(QString::fromStdString(letter.body).contains(QStringLiteral("<Singer>Kestrel Lane</Singer>")));
}

TEST_F(ServiceTest, StationsMagazinesAndMagazineSongs) {
    const auto stations = web("get_diantai.php?p=1&n=30").text();
    EXPECT_EQ(records(stations, "station"), 5);
    EXPECT_TRUE(stations.contains(QStringLiteral("<Url>http://127.0.0.1:%1/files/radio/").arg(port_)));

    const auto magazines = web("get_zazhi_list.php?p=1&n=30").text();
    EXPECT_EQ(groupOf(magazines).total, 4);
    static const QRegularExpression idsOf(QStringLiteral("<Ids>([^<]*)</Ids>"));
    const QString ids = idsOf.match(magazines).captured(1);
    ASSERT_FALSE(ids.isEmpty());
    const auto songs = web("get_zazhi.php?ids=" + ids.toStdString()).text();
    EXPECT_EQ(records(songs, "song"), static_cast<int>(ids.split(u',').size()));
    EXPECT_EQ(web("get_zazhi.php?ids=9999999").body, "nill");
}

TEST_F(ServiceTest, RecommendationsComeInUtf8) {
    const auto r = web("get_tuijian.php?p=1&n=30");
    EXPECT_EQ(r.body.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
    EXPECT_GT(records(QString::fromStdString(r.body), "song"), 0);
}
