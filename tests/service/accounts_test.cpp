#include "service_fixture.h"

#include <QFile>
#include <QRegularExpression>

namespace {

std::string base64(const QString& password) {
    return gbk::fromUnicode(password).toBase64().toStdString();
}

}  // namespace

TEST_F(ServiceTest, LoginGivesAKeyOnlyForAGoodPassword) {
    const auto good = web("login.php?net_name=demo&net_password=" + base64("demo123") + "&net_client=pc");
    EXPECT_EQ(good.body.size(), 40u);
    const auto chinese = web("login.php?net_name=" + rawGbk(QStringLiteral("演示用户")) +
                             "&net_password=" + base64("yinyue") + "&net_client=pc");
    EXPECT_EQ(chinese.body.size(), 40u);
    for (const std::string& bad : {base64("demo124"), std::string("!!!"), std::string()}) {
        EXPECT_EQ(web("login.php?net_name=demo&net_password=" + bad + "&net_client=pc").body, "auth_wrong") << bad;
    }
    EXPECT_EQ(web("login.php?net_name=nobody&net_password=" + base64("demo123") + "&net_client=").body, "auth_wrong");
}

TEST_F(ServiceTest, BalanceRunsOut) {
    const std::string key = web("login.php?net_name=guest&net_password=" + base64("guest") + "&net_client=pc").body;
    const std::string check = "check_beads.php?net_name=guest&n=1&hash=" + key;
    EXPECT_EQ(web(check).body, "enough");
    EXPECT_EQ(web(check).body, "enough");
    const auto empty = web(check);
    EXPECT_EQ(empty.status, 200);
    EXPECT_NE(empty.body, "enough");
    EXPECT_TRUE(empty.text().contains(QStringLiteral("琴珠")));
    EXPECT_NE(web("check_beads.php?net_name=demo&n=1&hash=" + key).body, "enough");  // another account's key
}

TEST_F(ServiceTest, OnlineInfoHasStatisticsAndMessage) {
    const QString text = web("online_info.php?net_name=demo&net_client=pc&hash=x").text();
    const auto bars = text.indexOf(QStringLiteral("|||"));
    ASSERT_GT(bars, 0);
    EXPECT_FALSE(text.mid(bars + 3).trimmed().isEmpty());
}

TEST_F(ServiceTest, UpdatePageNamesTheShippedVersion) {
    const QString text = get("/update.htm").text().trimmed();
    const QString version = text.left(text.indexOf(u'|'));
    EXPECT_EQ(version, QStringLiteral("3.0.0"));

    QFile config(QStringLiteral(LYRAVOX_SOURCE_DIR "/data/Config.xml"));
    ASSERT_TRUE(config.open(QIODevice::ReadOnly));
    const auto shipped = QRegularExpression(QStringLiteral("\\bVersion=\"([^\"]*)\"")).match(QString::fromLatin1(config.readAll()));
    ASSERT_TRUE(shipped.hasMatch()) << "data/Config.xml carries no Version";
    EXPECT_EQ(version, shipped.captured(1));
}

TEST_F(ServiceTest, SmallPagesAnswer) {
    EXPECT_FALSE(web("test_net.php").body.empty());
    EXPECT_TRUE(web("get_need.php").text().contains(QStringLiteral("<title>")));
    EXPECT_EQ(web("up_view.php?id=0012001&fenlei=0").status, 200);
    EXPECT_EQ(web("up_view.php?id=&fenlei=").status, 200);  // play before anything was started
    for (const char* page : {"/", "/bbs/index.php?myname=a&hash=b", "/help.php", "/free_download.php?net_name=a&key=x%20y",
                             "/wma_mp3.php?myname=a&hash=b", "/enjoy_radio.php?RID=9001&myname=a&hash=b"}) {
        EXPECT_EQ(get(page).status, 200) << page;
    }
}
