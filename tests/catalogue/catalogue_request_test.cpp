#include "catalogue/catalogue_request.h"
#include "catalogue/play_count_report.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace req = catalogue_request;

const QString kServer = QStringLiteral("http://127.0.0.1:8930/lyravox3.0/");
const QByteArray kBase = "http://127.0.0.1:8930/lyravox3.0/";
const QString kSize = QStringLiteral("30");

struct UrlCase {
    const char* name;
    std::function<QByteArray()> build;
    QByteArray expected;
};

class RequestUrls : public ::testing::TestWithParam<UrlCase> {};

TEST_P(RequestUrls, ExactBytes) {
    EXPECT_EQ(GetParam().build(), kBase + GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RequestUrls,
    ::testing::Values(
        UrlCase{"keyword", [] { return req::keywordSearch(kServer, " 月 亮\t", 1, 2, kSize); },
                "get_q.php?q=%D4%C2%20%C1%C1&q_by=1&p=2&n=30"},
        UrlCase{"keywordAmpersandSplitsQuery", [] { return req::keywordSearch(kServer, "a&b=c", 0, 1, "50"); },
                "get_q.php?q=a&b=c&q_by=0&p=1&n=50"},
        UrlCase{"magazineIdsRaw", [] { return req::magazineContents(kServer, "1 2,月"); },
                "get_zazhi.php?ids=1 2,\xD4\xC2"},
        UrlCase{"singer", [] { return req::singerSongs(kServer, "月影", 3, "100"); },
                "get_zhijie.php?q=%D4%C2%D3%B0&q_by=0&p=3&n=100"},
        UrlCase{"album", [] { return req::albumSongs(kServer, "a b", 1, kSize); },
                "get_zhijie.php?q=a%20b&q_by=1&p=1&n=30"},
        UrlCase{"categoryEscaped", [] { return req::categorySongs(kServer, "英文歌曲", 1, kSize); },
                "get_fenlei.php?fenlei=%D3%A2%CE%C4%B8%E8%C7%FA&p=1&n=30"},
        UrlCase{"newSongs", [] { return req::newSongs(kServer, 1, kSize); }, "get_xinge.php?p=1&n=30"},
        UrlCase{"recommendations", [] { return req::recommendations(kServer, 4, "200"); },
                "get_tuijian.php?p=4&n=200"},
        UrlCase{"rankings", [] { return req::rankings(kServer, 10, kSize); }, "get_paihang.php?p=10&n=30"},
        UrlCase{"stations", [] { return req::radioStations(kServer, 1, "150"); }, "get_diantai.php?p=1&n=150"},
        UrlCase{"magazines", [] { return req::magazineList(kServer, 2, kSize); },
                "get_zazhi_list.php?p=2&n=30"},
        UrlCase{"initial", [] { return req::singersByInitial(kServer, "Q"); }, "getgeshou_zimu.php?zimu=Q"},
        UrlCase{"regionRaw", [] { return req::singersByRegion(kServer, "欧美地区"); },
                "getgeshou_diqu.php?diqu=\xC5\xB7\xC3\xC0\xB5\xD8\xC7\xF8"},
        UrlCase{"playCount", [] { return play_count_report::url(kServer, "1024", play_count_report::kStation); },
                "up_view.php?id=1024&fenlei=1"},
        UrlCase{"playCountBothEmpty", [] { return play_count_report::url(kServer, "", ""); },
                "up_view.php?id=&fenlei="},
        UrlCase{"playCountRaw", [] { return play_count_report::url(kServer, "a b&c", "2"); },
                "up_view.php?id=a b&c&fenlei=2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SearchKeyword, TrimsCharactersAtOrBelowBlankOnly) {
    EXPECT_EQ(req::searchKeyword(QStringLiteral("\r\n 月 亮 \t")), QStringLiteral("月 亮"));
    EXPECT_EQ(req::searchKeyword(QStringLiteral("   ")), QString());
    // The ideographic space is above the blank and stays.
    EXPECT_EQ(req::searchKeyword(QStringLiteral("　a")), QStringLiteral("　a"));
}

TEST(PlayCountReport, LocalSongsAreNotReported) {
    EXPECT_FALSE(play_count_report::isReported("0000000"));
    EXPECT_TRUE(play_count_report::isReported(""));
    EXPECT_TRUE(play_count_report::isReported("1024"));
}

}  // namespace
