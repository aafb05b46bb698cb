#include "app/config/colour_text.h"
#include "app/config/config_store.h"
#include "app/config/decimal_text.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

const QString shippedPath = QStringLiteral(LYRAVOX_SOURCE_DIR "/data/Config.xml");

class ShippedConfig : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(store.load(shippedPath)); }

    QString value(int position, const char* attribute) {
        return store.read(position, QString::fromUtf8(attribute)).value_or("<missing>");
    }

    ConfigStore store;
};

TEST_F(ShippedConfig, IsGbkWithAGb2312DeclarationAndNoComments) {
    QFile file(shippedPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("<?xml version=\"1.0\" encoding=\"GB2312\"?>"));
    EXPECT_FALSE(bytes.contains("<!--"));
    EXPECT_TRUE(bytes.contains("\n  <"));
}

TEST_F(ShippedConfig, HasTenChildren) {
    EXPECT_TRUE(store.read(9, "Lrcstyle").has_value());
    EXPECT_FALSE(store.read(10, "x").has_value());
}

TEST_F(ShippedConfig, HoldsTheInstalledSettings) {
    EXPECT_EQ(value(0, "Skin"), QString::fromUtf8("月神传说"));
    EXPECT_EQ(config::decimalOr(value(0, "N"), 0), 30);
    EXPECT_EQ(value(0, "Version"), QString("3.0.0"));
    EXPECT_EQ(value(1, "Name"), QString(""));
    EXPECT_EQ(value(1, "Pwd"), QString(""));
    EXPECT_EQ(value(1, "Rec"), QString("0"));
    EXPECT_EQ(value(2, "ProxyEnable"), QString("0"));
    EXPECT_EQ(value(2, "ProxyIp"), QString(""));
    EXPECT_EQ(value(2, "ProxyPort"), QString("80"));
    EXPECT_EQ(value(3, "Style"), QString(""));
    EXPECT_EQ(config::colourFromText(value(3, "Normal")), config::Colour(0x00BCB6AB));
    EXPECT_EQ(config::colourFromText(value(3, "Current")), config::Colour(0x00C47F46));
    EXPECT_EQ(value(4, "Index"), QString::fromUtf8("默认收藏夹"));
    EXPECT_EQ(value(5, "Mydownload"), QString(""));
    EXPECT_EQ(value(6, "Loop"), QString("8"));
    EXPECT_EQ(value(8, "Boss_key"), QString(""));
}

TEST_F(ShippedConfig, EverySkinHasLyricColours) {
    for (const char* skin : {"月神传说", "清风竹影", "夜幕星河"})
        EXPECT_TRUE(config::colourPairFromText(value(7, skin)).has_value()) << skin;
    const auto moon = config::colourPairFromText(value(7, "月神传说"));
    ASSERT_TRUE(moon.has_value());
    EXPECT_EQ(moon->normal, config::Colour(0x00BCB6AB));
    EXPECT_EQ(moon->current, config::Colour(0x00C47F46));
}

TEST_F(ShippedConfig, EveryColourSchemeHasColours) {
    const QStringList schemes = value(9, "Lrcstyle").split(',');
    EXPECT_GE(schemes.size(), 3);
    for (const QString& scheme : schemes) {
        EXPECT_FALSE(scheme.isEmpty() || scheme.contains(' ')) << scheme.toStdString();
        EXPECT_TRUE(config::colourPairFromText(store.read(9, scheme).value_or(""))) << scheme.toStdString();
    }
}

}  // namespace
