#include "app/config/config_store.h"
#include "app/main_window/main_form.h"
#include "app/main_window/player_handle.h"
#include "app/skins/skin_engine.h"
#include "platform/scripted_dialogs.h"
#include "program_folder.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Creation {
    ConfigStore config;
    ScriptedDialogs dialogs;
    IdlePlayer player;
    StyleSheetSkinEngine skins;
    std::unique_ptr<TForm1> form;

    void create(const ProgramFolder& folder) {
        MainFormContext context;
        context.addresses = defaultBaseAddresses();
        context.programDir = folder.path();
        context.config = &config;
        context.dialogs = &dialogs;
        context.player = &player;
        context.skins = &skins;
        form = std::make_unique<TForm1>(context);
    }
};

struct BrokenConfig {
    const char* what;
    std::function<void(ProgramFolder&)> prepare;
};

class BrokenConfigTest : public ::testing::TestWithParam<BrokenConfig> {};

TEST_P(BrokenConfigTest, TellsTheUserAndFails) {
    ProgramFolder folder;
    folder.writeSkin(QStringLiteral("月神传说.skn"), QStringLiteral("QWidget {}"));
    GetParam().prepare(folder);
    Creation c;
    c.create(folder);

    EXPECT_FALSE(c.form->created());
    ASSERT_EQ(c.dialogs.count(), 1);
    const auto q = c.dialogs.last();
    EXPECT_EQ(q.caption, QStringLiteral("系统配置初始化"));
    EXPECT_EQ(q.text, QStringLiteral("读取系统配置文件出错，请重新安装！"));
    EXPECT_EQ(q.buttons, Dialogs::Ok);
    EXPECT_EQ(q.icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(c.player.released());
}

INSTANTIATE_TEST_SUITE_P(
    Configs, BrokenConfigTest,
    ::testing::Values(
        BrokenConfig{"missing", [](ProgramFolder&) {}},
        BrokenConfig{"malformed", [](ProgramFolder& f) { f.writeBytes("Config.xml", "<?xml version=\"1.0\"?><config><a Skin=\"x\"></config"); }},
        BrokenConfig{"four children", [](ProgramFolder& f) {
            f.writeConfig("<a Skin=\"月神传说\"/><b/><c/><d Style=\"\"/>");
        }},
        BrokenConfig{"default skin file missing", [](ProgramFolder& f) {
            QFile::remove(f.path() + "/skins/月神传说.skn");
            f.writeStandardConfig("月神传说");
        }}),
    [](const auto& info) {
        QString name = QString::fromUtf8(info.param.what);
        return name.replace(' ', '_').toStdString();
    });

TEST(Creation, MissingConfiguredSkinFallsBackToTheDefaultWithoutSaving) {
    ProgramFolder folder;
    folder.writeSkin(QStringLiteral("月神传说.skn"), QStringLiteral("QLabel { color: red; }"));
    folder.writeStandardConfig(QStringLiteral("不存在"));
    const QByteArray before = folder.readBytes("Config.xml");
    Creation c;
    c.create(folder);

    ASSERT_TRUE(c.form->created());
    const MainState& s = c.form->state();
    EXPECT_EQ(s.skin_name, QStringLiteral("月神传说"));
    EXPECT_EQ(s.lrc_color_normal, 0x00bcb6abu);
    EXPECT_EQ(s.lrc_color_current, 0x00c47f46u);
    EXPECT_TRUE(s.lrc_style.isEmpty());
    EXPECT_EQ(c.config.read(0, "Skin"), QStringLiteral("月神传说"));
    EXPECT_EQ(c.config.read(3, "Normal"), QStringLiteral("$00BCB6AB"));
    EXPECT_EQ(c.config.read(3, "Current"), QStringLiteral("$00C47F46"));
    EXPECT_EQ(folder.readBytes("Config.xml"), before);
    EXPECT_EQ(qApp->styleSheet(), QStringLiteral("QLabel { color: red; }"));
    EXPECT_EQ(c.dialogs.count(), 0);
}

TEST(Creation, ConfiguredSkinAndFieldsComeFromTheDocument) {
    ProgramFolder folder;
    folder.writeSkin(QStringLiteral("月神传说.skn"), QStringLiteral("QWidget {}"));
    folder.writeSkin(QStringLiteral("清风竹影.skn"), QStringLiteral("QLabel { color: green; }"));
    folder.writeStandardConfig(QStringLiteral("清风竹影"), QStringLiteral("蓝,红,绿"));
    Creation c;
    c.create(folder);

    ASSERT_TRUE(c.form->created());
    const MainState& s = c.form->state();
    EXPECT_EQ(s.skin_name, QStringLiteral("清风竹影"));
    EXPECT_EQ(s.lrc_style, QStringLiteral("蓝"));
    EXPECT_EQ(c.config.read(3, "Normal"), QStringLiteral("clRed"));
    EXPECT_EQ(qApp->styleSheet(), QStringLiteral("QLabel { color: green; }"));
    EXPECT_EQ(s.cur_list_name, QStringLiteral("我的最爱"));
    EXPECT_EQ(s.lrc_styles, (QStringList{"蓝", "红", "绿"}));
    ASSERT_TRUE(s.lrc_timeline);
    EXPECT_EQ(*s.lrc_timeline, (QStringList{"         0,Lyravox欢迎您", "         0,http://127.0.0.1:8930/"}));
    EXPECT_EQ(s.lrc_font_size, 10);
    EXPECT_TRUE(s.lrc_show);
    EXPECT_EQ(s.lrc_width, 320);
    EXPECT_TRUE(s.random_played.isEmpty());
    EXPECT_TRUE(s.download_stopped);
    EXPECT_FALSE(s.download_found);
    EXPECT_FALSE(s.shutdown_pending);
    EXPECT_EQ(s.server_url, QStringLiteral("http://127.0.0.1:8930/lyravox3.0/"));
    EXPECT_EQ(s.file_url, QStringLiteral("http://127.0.0.1:8930/files/"));
    EXPECT_FALSE(c.player.loop());
}

TEST(Creation, PrepareMainWindowCreatesTheListFolder) {
    ProgramFolder folder;
    folder.writeSkin(QStringLiteral("月神传说.skn"), QStringLiteral("QWidget {}"));
    folder.writeStandardConfig(QStringLiteral("月神传说"));
    Creation c;
    c.create(folder);
    c.form->PrepareMainWindow();
    c.form->PrepareMainWindow();
    EXPECT_TRUE(QFileInfo(folder.path() + "/Mls").isDir());
}

}  // namespace
