#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptedDialogs::Kind;

TEST(ScriptedDialogsTest, RecordsEveryMessageExactly) {
    ScriptedDialogs dialogs;
    dialogs.answerMessage(Dialogs::Yes);
    EXPECT_EQ(dialogs.message(nullptr, QStringLiteral("测试连接"),
                              QStringLiteral("　[新歌上榜] : 正在获取数据,请稍候..."),
                              Dialogs::Yes | Dialogs::No, Dialogs::Icon::Question),
              Dialogs::Yes);
    // Unscripted: recorded, answered as if cancelled.
    EXPECT_EQ(dialogs.message(nullptr, QStringLiteral("用户登陆"), QStringLiteral("x"), Dialogs::Ok,
                              Dialogs::Icon::Warning),
              Dialogs::Cancel);

    ASSERT_EQ(dialogs.count(), 2);
    const auto first = dialogs.asked().first();
    EXPECT_EQ(first.kind, Kind::Message);
    EXPECT_EQ(first.caption, QStringLiteral("测试连接"));
    EXPECT_EQ(first.text, QStringLiteral("　[新歌上榜] : 正在获取数据,请稍候..."));
    EXPECT_EQ(first.buttons, Dialogs::Yes | Dialogs::No);
    EXPECT_EQ(first.icon, Dialogs::Icon::Question);
    EXPECT_EQ(dialogs.last().caption, QStringLiteral("用户登陆"));
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
}

TEST(ScriptedDialogsTest, InputAnswersInOrder) {
    ScriptedDialogs dialogs;
    dialogs.answerInput(QStringLiteral("我的最爱"));
    dialogs.cancelInput();
    QString value = QStringLiteral("新建列表");
    EXPECT_TRUE(dialogs.input(nullptr, QStringLiteral("新建"), QStringLiteral("名称"), value));
    EXPECT_EQ(value, QStringLiteral("我的最爱"));
    EXPECT_EQ(dialogs.last().value, QStringLiteral("新建列表"));  // the text offered
    EXPECT_FALSE(dialogs.input(nullptr, QStringLiteral("新建"), QStringLiteral("名称"), value));
    EXPECT_FALSE(dialogs.input(nullptr, QStringLiteral("新建"), QStringLiteral("名称"), value));
    EXPECT_EQ(value, QStringLiteral("我的最爱"));
    EXPECT_EQ(dialogs.count(), 3);
}

TEST(ScriptedDialogsTest, FileDialogsTakeScriptedPaths) {
    ScriptedDialogs dialogs;
    dialogs.answerPath(QStringLiteral("/tmp/a.Mls"));
    dialogs.answerPath(QStringLiteral("/tmp/songs"));
    dialogs.answerPaths({QStringLiteral("/tmp/1.mp3"), QStringLiteral("/tmp/2.wma")});
    EXPECT_EQ(dialogs.openFile(nullptr, QStringLiteral("导入"), QStringLiteral("/tmp"),
                               QStringLiteral("*.Mls")),
              QStringLiteral("/tmp/a.Mls"));
    EXPECT_EQ(dialogs.selectFolder(nullptr, QStringLiteral("请选择歌曲和歌词下载后保存目录"), {}),
              QStringLiteral("/tmp/songs"));
    EXPECT_EQ(dialogs.openFiles(nullptr, QStringLiteral("添加"), {}, {}).size(), 2);
    EXPECT_TRUE(dialogs.saveFile(nullptr, QStringLiteral("导出"), {}, {}).isEmpty());

    const auto asked = dialogs.asked();
    ASSERT_EQ(asked.size(), 4);
    EXPECT_EQ(asked[0].kind, Kind::OpenFile);
    EXPECT_EQ(asked[0].dir, QStringLiteral("/tmp"));
    EXPECT_EQ(asked[0].filter, QStringLiteral("*.Mls"));
    EXPECT_EQ(asked[1].kind, Kind::SelectFolder);
    EXPECT_EQ(asked[1].caption, QStringLiteral("请选择歌曲和歌词下载后保存目录"));
    EXPECT_EQ(asked[2].kind, Kind::OpenFiles);
    EXPECT_EQ(asked[3].kind, Kind::SaveFile);

    dialogs.clear();
    EXPECT_EQ(dialogs.count(), 0);
}

}  // namespace
