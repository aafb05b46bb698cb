#include "app/config/config_store.h"
#include "app/main_window/main_state.h"
#include "app/skins/skin_catalog.h"
#include "app/skins/skin_chooser.h"
#include "app/skins/skin_engine.h"
#include "app/skins/skin_menu.h"
#include "main_window/program_folder.h"
#include "platform/gbk.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <gtest/gtest.h>

namespace {

TEST(SkinCatalog, CaptionsEndAtTheFirstDotAndOnlySknFilesCount) {
    ProgramFolder folder;
    for (const char* name : {"a.b.skn", "a.skn", ".hidden.skn", "c.skn", "notes.txt", "d.skn.bak"})
        folder.writeSkin(QString::fromUtf8(name), "QWidget {}");
    QStringList captions;
    for (const SkinEntry& e : listSkins(skinsFolder(folder.path()))) captions << e.caption;
    EXPECT_EQ(captions, (QStringList{"", "a", "a", "c"}));
    EXPECT_TRUE(listSkins(folder.path() + "/none/").isEmpty());
}

TEST(SkinMenu, ItemsPerFileWithTheActiveOneChecked) {
    ProgramFolder folder;
    for (const char* name : {"a.b.skn", "a.skn", "c.skn"}) folder.writeSkin(QString::fromUtf8(name), "");
    QMenu menu;
    QStringList chosen;
    SkinMenu skins(&menu, skinsFolder(folder.path()), "a", [&](const QString& c) { chosen << c; });
    const auto items = menu.actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "a");
    EXPECT_EQ(items[1]->text(), "a");
    EXPECT_EQ(items[2]->text(), "c");
    EXPECT_TRUE(items[0]->isChecked());
    EXPECT_TRUE(items[1]->isChecked());
    EXPECT_FALSE(items[2]->isChecked());

    items[2]->trigger();
    EXPECT_EQ(chosen, QStringList{"c"});
    EXPECT_FALSE(items[0]->isChecked());
    EXPECT_TRUE(items[2]->isChecked());

    // Both "a" items stand for a.skn.
    items[1]->trigger();
    EXPECT_EQ(chosen, (QStringList{"c", "a"}));
    EXPECT_FALSE(items[2]->isChecked());
    EXPECT_TRUE(items[1]->isChecked());
}

struct ChooserFixture {
    ProgramFolder folder;
    ConfigStore config;
    StyleSheetSkinEngine engine;
    MainState state;

    ChooserFixture() {
        folder.writeSkin("月神传说.skn", "QWidget {}");
        folder.writeSkin("清风竹影.skn", "QLabel { color: teal; }");
        folder.writeSkin("新皮肤.skn", "QLabel { color: navy; }");
        folder.writeSkin("坏的.skn", "QLabel { color: gray; }");
        folder.writeStandardConfig("月神传说");
        EXPECT_TRUE(config.load(folder.configPath()));
        engine.activate();
        state.skin_name = "月神传说";
        state.lrc_color_normal = 0x11;
        state.lrc_color_current = 0x22;
        state.lrc_style = "蓝";
    }

    QString saved(int position, const QString& attribute) {
        ConfigStore reread;
        EXPECT_TRUE(reread.load(folder.configPath()));
        return reread.read(position, attribute).value_or("<none>");
    }
};

TEST(SkinChooser, TakesTheSkinsColoursAndSaves) {
    ChooserFixture f;
    SkinChooser(f.state, f.config, f.engine, f.folder.path()).choose("清风竹影");
    EXPECT_EQ(qApp->styleSheet(), "QLabel { color: teal; }");
    EXPECT_EQ(f.state.skin_name, "清风竹影");
    EXPECT_EQ(f.state.lrc_color_normal, 0x00102030u);
    EXPECT_EQ(f.state.lrc_color_current, 0x0000FFFFu);
    EXPECT_TRUE(f.state.lrc_style.isEmpty());
    EXPECT_EQ(f.saved(0, "Skin"), "清风竹影");
    EXPECT_EQ(f.saved(3, "Normal"), "$00102030");
    EXPECT_EQ(f.saved(3, "Current"), "clYellow");
    EXPECT_EQ(f.saved(3, "Style"), "");
}

TEST(SkinChooser, WithoutUsableColoursTheLyricColoursStay) {
    for (const char* skin : {"新皮肤", "坏的"}) {
        ChooserFixture f;
        SkinChooser(f.state, f.config, f.engine, f.folder.path()).choose(QString::fromUtf8(skin));
        EXPECT_EQ(f.state.lrc_color_normal, 0x11u) << skin;
        EXPECT_EQ(f.state.lrc_color_current, 0x22u);
        EXPECT_EQ(f.state.lrc_style, "蓝");
        EXPECT_EQ(f.saved(0, "Skin"), QString::fromUtf8(skin));
        EXPECT_EQ(f.saved(3, "Style"), "蓝");
        // Looking the colours up leaves an empty entry behind for that skin.
        EXPECT_EQ(f.saved(7, QString::fromUtf8(skin)), QString::fromUtf8(skin) == "新皮肤" ? "" : "nocolour");
    }
}

}  // namespace
