#include "app/config/config_store.h"

#include "config_fixture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <thread>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class ConfigStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        fixture.write(ConfigFixture::tenChildren());
        ASSERT_TRUE(store.load(fixture.path()));
    }

    QStringList folderEntries() const {
        return QDir(fixture.folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    ConfigFixture fixture;
    ConfigStore store;
};

TEST_F(ConfigStoreTest, PositionsCountElementChildrenOnly) {
    EXPECT_EQ(store.read(0, "Skin"), QString::fromUtf8("月神传说"));
    EXPECT_EQ(store.read(3, "Normal"), QString("$00bcb6ab"));
    EXPECT_EQ(store.read(4, "Index"), QString::fromUtf8("默认收藏夹"));
    EXPECT_EQ(store.read(5, "Mydownload"), QString(""));
    EXPECT_EQ(store.read(8, "Boss_key"), QString("Ctrl+M"));
    EXPECT_EQ(store.read(9, "Lrcstyle"), QString::fromUtf8("甲,乙"));
}

TEST_F(ConfigStoreTest, MissingPositionFails) {
    EXPECT_FALSE(store.read(10, "Skin").has_value());
    EXPECT_FALSE(store.read(-1, "Skin").has_value());
    EXPECT_FALSE(store.write(10, "Skin", "x"));

    ConfigFixture six;
    six.write(ConfigFixture::children(6));
    ConfigStore shortStore;
    ASSERT_TRUE(shortStore.load(six.path()));
    EXPECT_EQ(shortStore.read(5, "V"), QString("5"));
    EXPECT_FALSE(shortStore.read(7, "Loop").has_value());
    EXPECT_FALSE(shortStore.write(9, "Lrcstyle", "a"));
}

TEST_F(ConfigStoreTest, AbsentAttributeIsCreatedEmptyAndSaved) {
    const QString skin = QString::fromUtf8("新皮肤");
    EXPECT_EQ(store.read(7, skin), QString(""));
    EXPECT_EQ(store.read(0, "Extra"), QString(""));
    ASSERT_TRUE(store.save());

    const QByteArray saved = fixture.bytes();
    EXPECT_TRUE(saved.contains(gbk::fromUnicode(skin) + "=\"\""));
    EXPECT_TRUE(saved.contains("Extra=\"\""));
    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(7, skin), QString(""));
    EXPECT_EQ(again.read(7, QString::fromUtf8("月神传说")), QString("$00bcb6ab,$00c47f46"));
}

TEST_F(ConfigStoreTest, WrittenValuesReachTheFileOnlyOnSave) {
    const QByteArray before = fixture.bytes();
    ASSERT_TRUE(store.write(6, "Loop", "10"));
    EXPECT_EQ(store.read(6, "Loop"), QString("10"));
    EXPECT_EQ(fixture.bytes(), before);
    ASSERT_TRUE(store.save());

    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(6, "Loop"), QString("10"));
}

TEST_F(ConfigStoreTest, SaveKeepsTheLayout) {
    const QByteArray before = fixture.bytes();
    ASSERT_TRUE(store.save());
    EXPECT_EQ(fixture.bytes(), before);
}

TEST_F(ConfigStoreTest, ChineseValuesSurviveSaveInGb2312) {
    const QString name = QString::fromUtf8("张三");
    const QString list = QString::fromUtf8("我的收藏「夜」");
    const QString gbkOnly = QString::fromUtf8("傳說");  // in GBK, not in GB2312
    ASSERT_TRUE(store.write(1, "Name", name));
    ASSERT_TRUE(store.write(4, "Index", list));
    ASSERT_TRUE(store.write(5, "Mydownload", gbkOnly));
    ASSERT_TRUE(store.save());

    const QByteArray saved = fixture.bytes();
    EXPECT_TRUE(saved.startsWith(ConfigFixture::declaration));
    EXPECT_TRUE(saved.contains("Name=\"" + gbk::fromUnicode(name) + "\""));
    EXPECT_TRUE(saved.contains(gbk::fromUnicode(list)));
    EXPECT_FALSE(saved.contains(name.toUtf8()));

    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(1, "Name"), name);
    EXPECT_EQ(again.read(4, "Index"), list);
    EXPECT_EQ(again.read(5, "Mydownload"), gbkOnly);
}

TEST(ConfigStoreEncoding, ReadsGbkBytesUnderAGb2312Declaration) {
    ConfigFixture fixture;
    fixture.write(QString::fromUtf8("<c><a Skin=\"傳說\"/><b/><c/><d/><e/></c>"));
    ConfigStore store;
    ASSERT_TRUE(store.load(fixture.path()));
    EXPECT_EQ(store.read(0, "Skin"), QString::fromUtf8("傳說"));
}

TEST_F(ConfigStoreTest, MarkupCharactersAndLineBreaksRoundTrip) {
    const QString text = QString::fromUtf8("a&b<c>\"d\" 'e'\n\tf");
    ASSERT_TRUE(store.write(5, "Mydownload", text));
    ASSERT_TRUE(store.save());
    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(5, "Mydownload"), text);
}

TEST_F(ConfigStoreTest, TextsXmlCannotHoldNeverBreakTheFile) {
    // A skin file named "1 x.skn" gives an attribute name that is no XML name.
    EXPECT_EQ(store.read(7, "1 x"), QString(""));
    EXPECT_FALSE(store.write(7, "1 x", "clRed,clBlue"));
    ASSERT_TRUE(store.write(1, "Name", QString("a") + QChar(0x01) + "b"));
    ASSERT_TRUE(store.save());

    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(1, "Name"), QString("ab"));
}

TEST_F(ConfigStoreTest, ReadOnlyFileIsNotReplaced) {
    const QByteArray before = fixture.bytes();
    ASSERT_TRUE(QFile::setPermissions(fixture.path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ASSERT_TRUE(store.write(1, "Name", "changed"));

    EXPECT_FALSE(store.save());
    EXPECT_EQ(fixture.bytes(), before);
    EXPECT_EQ(store.read(1, "Name"), QString("changed"));
    EXPECT_EQ(folderEntries(), QStringList{"Config.xml"});
    QFile::setPermissions(fixture.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ConfigStoreTest, ReadOnlyFolderFailsTheSave) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into read-only folders";
    const QByteArray before = fixture.bytes();
    const auto folderPermissions = QFileInfo(fixture.folder()).permissions();
    ASSERT_TRUE(QFile::setPermissions(fixture.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    ASSERT_TRUE(store.write(1, "Name", "changed"));

    EXPECT_FALSE(store.save());
    QFile::setPermissions(fixture.folder(), folderPermissions);
    EXPECT_EQ(fixture.bytes(), before);
}

TEST_F(ConfigStoreTest, SaveKeepsThePermissions) {
    ASSERT_EQ(::chmod(QFile::encodeName(fixture.path()).constData(), 0640), 0);
    ASSERT_TRUE(store.save());
    struct stat saved {};
    ASSERT_EQ(::stat(QFile::encodeName(fixture.path()).constData(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 07777, 0640u);
    EXPECT_EQ(folderEntries(), QStringList{"Config.xml"});
}

TEST_F(ConfigStoreTest, ConcurrentWritesAndSavesKeepBothValues) {
    constexpr int rounds = 100;
    auto writer = [this](int position, const char* attribute, const QString& prefix) {
        for (int i = 0; i < rounds; ++i) {
            auto guard = store.lock();
            store.write(position, attribute, prefix + QString::number(i));
            store.save();
        }
    };
    std::thread login(writer, 1, "Name", QString::fromUtf8("用户"));
    std::thread favourites(writer, 4, "Index", QString::fromUtf8("列表"));
    login.join();
    favourites.join();

    ConfigStore again;
    ASSERT_TRUE(again.load(fixture.path()));
    EXPECT_EQ(again.read(1, "Name"), QString::fromUtf8("用户99"));
    EXPECT_EQ(again.read(4, "Index"), QString::fromUtf8("列表99"));
    EXPECT_EQ(folderEntries(), QStringList{"Config.xml"});
}

struct LoadFailure {
    const char* label;
    QByteArray bytes;  // empty: no file at all
};

class ConfigStoreLoadFailure : public ::testing::TestWithParam<LoadFailure> {};

TEST_P(ConfigStoreLoadFailure, LeavesTheStoreUnloaded) {
    ConfigFixture fixture;
    if (!GetParam().bytes.isEmpty()) fixture.writeBytes(GetParam().bytes);
    ConfigStore store;
    EXPECT_FALSE(store.load(fixture.path()));
    EXPECT_FALSE(store.isLoaded());
    EXPECT_FALSE(store.read(0, "Skin").has_value());
    EXPECT_FALSE(store.save());
}

INSTANTIATE_TEST_SUITE_P(
    Files, ConfigStoreLoadFailure,
    ::testing::Values(LoadFailure{"missing", {}},
                      LoadFailure{"malformed", QByteArray(ConfigFixture::declaration) + "<c><a/><b/><c/><d/><e/>"},
                      LoadFailure{"fourChildren", ConfigFixture::declaration + ConfigFixture::children(4).toUtf8()},
                      LoadFailure{"noRoot", ConfigFixture::declaration}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(ConfigStoreLoad, FiveChildrenAreEnough) {
    ConfigFixture fixture;
    fixture.write(ConfigFixture::children(5));
    ConfigStore store;
    EXPECT_TRUE(store.load(fixture.path()));
    EXPECT_TRUE(store.isLoaded());
    EXPECT_EQ(store.read(4, "V"), QString("4"));
}

TEST(ConfigStoreLoad, NeverFetchesExternalEntities) {
    ConfigFixture secret;
    secret.writeBytes("leaked");
    ConfigFixture fixture;
    fixture.writeBytes(QByteArray(ConfigFixture::declaration) + "<!DOCTYPE c [<!ENTITY x SYSTEM \"file://" +
                       secret.path().toUtf8() + "\">]><c><a V=\"1\">&x;</a><b/><c/><d/><e/></c>");
    ConfigStore store;
    if (store.load(fixture.path())) {
        ASSERT_TRUE(store.save());
    }
    EXPECT_FALSE(fixture.bytes().contains("leaked"));
}

}  // namespace
