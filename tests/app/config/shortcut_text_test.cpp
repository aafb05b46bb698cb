#include "app/config/shortcut_text.h"

#include <gtest/gtest.h>

using config::Shortcut;

namespace {

struct ShortcutCase {
    const char* text;
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
};

class ShortcutRoundTrip : public ::testing::TestWithParam<ShortcutCase> {};

TEST_P(ShortcutRoundTrip, ReadsAndWritesTheSameText) {
    const Shortcut expected{GetParam().modifiers, GetParam().key};
    EXPECT_EQ(config::shortcutFromText(GetParam().text), expected);
    EXPECT_EQ(config::shortcutToText(expected), QString::fromLatin1(GetParam().text));
}

constexpr auto shift = Qt::ShiftModifier;
constexpr auto ctrl = Qt::ControlModifier;
constexpr auto alt = Qt::AltModifier;

INSTANTIATE_TEST_SUITE_P(
    Texts, ShortcutRoundTrip,
    ::testing::Values(ShortcutCase{"Ctrl+M", ctrl, Qt::Key_M}, ShortcutCase{"Shift+Ctrl+Alt+F12", shift | ctrl | alt, Qt::Key_F12},
                      ShortcutCase{"Alt+BkSp", alt, Qt::Key_Backspace}, ShortcutCase{"Enter", Qt::NoModifier, Qt::Key_Return},
                      ShortcutCase{"Shift+PgDn", shift, Qt::Key_PageDown}, ShortcutCase{"Ctrl+Alt+Del", ctrl | alt, Qt::Key_Delete},
                      ShortcutCase{"Ctrl+0", ctrl, Qt::Key_0}, ShortcutCase{"F1", Qt::NoModifier, Qt::Key_F1},
                      ShortcutCase{"Shift+F10", shift, Qt::Key_F10}, ShortcutCase{"Alt+Space", alt, Qt::Key_Space},
                      ShortcutCase{"Ctrl+Esc", ctrl, Qt::Key_Escape}, ShortcutCase{"Tab", Qt::NoModifier, Qt::Key_Tab},
                      ShortcutCase{"Ctrl+PgUp", ctrl, Qt::Key_PageUp}, ShortcutCase{"Home", Qt::NoModifier, Qt::Key_Home},
                      ShortcutCase{"End", Qt::NoModifier, Qt::Key_End}, ShortcutCase{"Shift+Ins", shift, Qt::Key_Insert},
                      ShortcutCase{"Left", Qt::NoModifier, Qt::Key_Left}, ShortcutCase{"Up", Qt::NoModifier, Qt::Key_Up},
                      ShortcutCase{"Right", Qt::NoModifier, Qt::Key_Right}, ShortcutCase{"Down", Qt::NoModifier, Qt::Key_Down},
                      ShortcutCase{"Shift+Z", shift, Qt::Key_Z}));

TEST(ShortcutText, ReadsModifiersInAnyOrderAndCase) {
    EXPECT_EQ(config::shortcutFromText("ctrl+m"), (Shortcut{ctrl, Qt::Key_M}));
    EXPECT_EQ(config::shortcutToText(config::shortcutFromText("Alt+Ctrl+x")), QString("Ctrl+Alt+X"));
}

TEST(ShortcutText, UnreadableMeansNoKey) {
    for (const char* text : {"", "Ctrl+", "Ctrl", "Ctrl+Foo", "F13", "F0", "F01", "Ctrl+MM", "Win+M", "+", "Ctrl+%"})
        EXPECT_TRUE(config::shortcutFromText(text).isNone()) << text;
    EXPECT_TRUE(config::shortcutToText(Shortcut{}).isEmpty());
    EXPECT_TRUE(config::shortcutToText(Shortcut{ctrl, Qt::Key_Percent}).isEmpty());
}

TEST(ShortcutText, KeySequenceBothWays) {
    EXPECT_EQ(config::toKeySequence(config::shortcutFromText("Ctrl+M")), QKeySequence("Ctrl+M"));
    EXPECT_TRUE(config::toKeySequence(Shortcut{}).isEmpty());
    EXPECT_EQ(config::shortcutFromKeyCombination(QKeyCombination(ctrl | Qt::MetaModifier, Qt::Key_Enter)),
              (Shortcut{ctrl, Qt::Key_Return}));
    EXPECT_TRUE(config::shortcutFromKeyCombination(QKeyCombination(ctrl, Qt::Key_Percent)).isNone());
}

}  // namespace
