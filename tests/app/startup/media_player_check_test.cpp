#include "app/startup/media_player_check.h"

#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(MediaPlayerCheck, PlayerPresentAsksNothing) {
    ScriptedDialogs dialogs;
    QStringList opened;
    EXPECT_TRUE(ensureMediaPlayer(true, dialogs, "http://127.0.0.1:8930/",
                                  [&](const QString& url) { opened << url; }));
    EXPECT_EQ(dialogs.count(), 0);
    EXPECT_TRUE(opened.isEmpty());
}

TEST(MediaPlayerCheck, MissingPlayerAsksAndOpensTheDownloadPageOnlyOnOk) {
    for (const auto answer : {Dialogs::Ok, Dialogs::Cancel}) {
        ScriptedDialogs dialogs;
        dialogs.answerMessage(answer);
        QStringList opened;
        EXPECT_FALSE(ensureMediaPlayer(false, dialogs, "http://127.0.0.1:8930/",
                                       [&](const QString& url) { opened << url; }));
        const auto q = dialogs.last();
        EXPECT_EQ(q.caption, QStringLiteral("Media Player 版本检查"));
        EXPECT_EQ(q.text, QStringLiteral("检测到您电脑上的 Media Player 版本太低，无法正常享受在线听歌服务！\n\r"
                                         "点确定我们将帮你引导到最新版本 Media Player  下载页面 ：）"));
        EXPECT_EQ(q.buttons, Dialogs::Ok | Dialogs::Cancel);
        EXPECT_EQ(q.icon, Dialogs::Icon::Question);
        EXPECT_EQ(opened, answer == Dialogs::Ok ? QStringList{"http://127.0.0.1:8930/download.php"}
                                                : QStringList{});
    }
}

}  // namespace
