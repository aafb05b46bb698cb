#include "platform/wave_player.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

TEST(WavePlayer, MissingFileFallsBackToTheBeep) {
    QTemporaryDir dir;
    WavePlayer player(dir.path());
    EXPECT_FALSE(player.play("alert.wav"));
}

TEST(WavePlayer, PlaysAProgramFolderSoundWithoutBlocking) {
    qputenv("LYRAVOX_AO", "null");
    WavePlayer player(LYRAVOX_PROGRAM_DIR);
    EXPECT_TRUE(player.play("succeed.wav"));
    EXPECT_TRUE(player.play("alert.wav"));  // replaces the one still playing
}
