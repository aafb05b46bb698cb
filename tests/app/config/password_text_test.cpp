#include "app/config/password_text.h"

#include <gtest/gtest.h>

namespace {

TEST(PasswordText, ChinesePasswordIsBase64OfItsGbkBytes) {
    // GBK bytes C3 DC C2 EB 31 32 33.
    EXPECT_EQ(config::passwordToBase64(QString::fromUtf8("密码123")), QString("w9zC6zEyMw=="));
    EXPECT_EQ(config::passwordFromBase64("w9zC6zEyMw=="), QString::fromUtf8("密码123"));
}

TEST(PasswordText, RoundTrips) {
    for (const char* password : {"", "a", "ab", "secret", "张三的密码!", "p@ss word"}) {
        const QString text = QString::fromUtf8(password);
        EXPECT_EQ(config::passwordFromBase64(config::passwordToBase64(text)), text) << password;
    }
    EXPECT_EQ(config::passwordToBase64("ab"), QString("YWI="));
}

TEST(PasswordText, InvalidBase64GivesNoPassword) {
    for (const char* text : {"!!!!", "w9zC6zEyMw==x", "密码"})
        EXPECT_TRUE(config::passwordFromBase64(QString::fromUtf8(text)).isEmpty()) << text;
}

}  // namespace
