#include "platform/gbk.h"

#include <gtest/gtest.h>

TEST(Gbk, RoundTripsChineseAndAscii) {
    const QString text = QStringLiteral("月神传说 abc");
    const QByteArray bytes = gbk::fromUnicode(text);
    EXPECT_EQ(bytes, QByteArray("\xd4\xc2\xc9\xf1\xb4\xab\xcb\xb5 abc"));
    EXPECT_EQ(gbk::toUnicode(bytes), text);
}

TEST(Gbk, CharacterGbkLacksBecomesQuestionMark) {
    EXPECT_EQ(gbk::fromUnicode(QStringLiteral("a\U0001F600b\uD55Cc")), QByteArray("a?b?c"));
}

TEST(Gbk, InvalidBytesBecomeQuestionMarks) {
    EXPECT_EQ(gbk::toUnicode(QByteArray("a\xff" "b")), QStringLiteral("a?b"));
    // A lead byte cut off at the end.
    EXPECT_EQ(gbk::toUnicode(QByteArray("ab\xd4")), QStringLiteral("ab?"));
}

TEST(Gbk, IdeographicSpaceAndEmpty) {
    EXPECT_EQ(gbk::fromUnicode(QStringLiteral("\u3000")), QByteArray("\xa1\xa1"));
    EXPECT_TRUE(gbk::fromUnicode(QString()).isEmpty());
    EXPECT_TRUE(gbk::toUnicode(QByteArray()).isEmpty());
}
