#include "app/login/ipv4.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    const char16_t* text;
    bool valid;
};

class IPv4 : public ::testing::TestWithParam<AddressCase> {};

TEST_P(IPv4, AcceptsFourDecimalPartsUpTo255) {
    const QString text = QString::fromUtf16(GetParam().text);
    EXPECT_EQ(IsValidIPv4(text), GetParam().valid) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, IPv4,
    ::testing::Values(AddressCase{u"127.0.0.1", true}, AddressCase{u"0.0.0.0", true},
                      AddressCase{u"255.255.255.255", true},
                      AddressCase{u"010.001.000.099", true},  // leading zeros
                      AddressCase{u"0000000000255.1.1.1", true},
                      AddressCase{u"", false}, AddressCase{u"...", false},
                      AddressCase{u"1.2.3", false}, AddressCase{u"1.2.3.4.5", false},
                      AddressCase{u"1..3.4", false}, AddressCase{u".2.3.4", false},
                      AddressCase{u"1.2.3.", false}, AddressCase{u"256.1.1.1", false},
                      AddressCase{u"1.2.3.300", false},
                      AddressCase{u"1.2.3.99999999999999999999", false},
                      AddressCase{u"1.2.3.4a", false}, AddressCase{u" 1.2.3.4", false},
                      AddressCase{u"1.2.3.4 ", false}, AddressCase{u"-1.2.3.4", false},
                      AddressCase{u"+1.2.3.4", false}, AddressCase{u"1.2.3.4:80", false},
                      AddressCase{u"１.2.3.4", false},  // full-width digit
                      AddressCase{u"localhost", false}));

struct PortCase {
    const char* box;
    char16_t typed;
    bool accepted;
};

class PortBox : public ::testing::TestWithParam<PortCase> {};

TEST_P(PortBox, TakesAtMostFiveDigits) {
    EXPECT_EQ(portCharAccepted(QString::fromLatin1(GetParam().box), QChar(GetParam().typed)),
              GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, PortBox,
    ::testing::Values(PortCase{"", u'0', true}, PortCase{"", u'9', true},
                      PortCase{"1234", u'5', true}, PortCase{"12345", u'6', false},
                      PortCase{"12345", u'\b', true}, PortCase{"12345", u'\r', true},
                      PortCase{"", u'a', false}, PortCase{"80", u'-', false},
                      PortCase{"80", u' ', false}, PortCase{"80", u'.', false},
                      PortCase{"80", u'\x16', false},  // Ctrl+V
                      PortCase{"80", u'\uFF15', false}, PortCase{"80", u'\u0663', false}));

TEST(PortBoxKeys, CharacterKeysFollowTheRuleAndOthersPass) {
    const QString full = QStringLiteral("65535");
    EXPECT_FALSE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_5, {}, "5")));
    EXPECT_TRUE(portKeyAccepted("8", QKeyEvent(QEvent::KeyPress, Qt::Key_0, {}, "0")));
    EXPECT_FALSE(portKeyAccepted("8", QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, "a")));
    EXPECT_TRUE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_Backspace, {}, "\b")));
    EXPECT_TRUE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_Return, {}, "\r")));
    EXPECT_TRUE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_Enter, {}, "")));
    EXPECT_TRUE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_Left, {})));
    EXPECT_TRUE(portKeyAccepted(full, QKeyEvent(QEvent::KeyPress, Qt::Key_Delete, {})));
}

}  // namespace
