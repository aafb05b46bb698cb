#include "query_params.h"

#include <gtest/gtest.h>

#include "platform/gbk.h"

using service::QueryParams;

TEST(QueryParams, ReadsEscapedAndRawGbkAlike) {
    const std::string raw = gbk::fromUnicode(QStringLiteral("欧美地区")).toStdString();
    const auto q = QueryParams::fromTarget("/x.php?q=%D4%C2%C1%C1%20A&diqu=" + raw + "&p=2");
    EXPECT_EQ(q.text("q"), QStringLiteral("月亮 A"));
    EXPECT_EQ(q.text("diqu"), QStringLiteral("欧美地区"));
    EXPECT_EQ(q.positive("p", 10), 2);
}

TEST(QueryParams, KeepsPlusAndPaddingOfBase64) {
    const auto q = QueryParams::fromTarget("/login.php?net_password=a+b/c==&net_client=");
    EXPECT_EQ(q.bytes("net_password"), QByteArray("a+b/c=="));
    EXPECT_TRUE(q.has("net_client"));
    EXPECT_FALSE(q.has("net_name"));
}

TEST(QueryParams, PositiveRefusesWhatIsNotASaneNumber) {
    for (const char* value : {"", "0", "-1", "x", "1e3", "11", "99999999999999999999"}) {
        EXPECT_FALSE(QueryParams::fromTarget(std::string("/a?p=") + value).positive("p", 10)) << value;
    }
}
