#include "app/config/colour_text.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>

using config::Colour;

namespace {

struct ReadCase {
    const char* text;
    Colour value;
};

class ColourTextReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ColourTextReads, GivesTheValue) {
    const auto colour = config::colourFromText(QString::fromUtf8(GetParam().text));
    ASSERT_TRUE(colour.has_value());
    EXPECT_EQ(*colour, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(AllNotations, ColourTextReads,
                         ::testing::Values(ReadCase{"$00bcb6ab", 0x00BCB6AB}, ReadCase{"$00C47F46", 0x00C47F46},
                                           ReadCase{"$ff", 0x000000FF}, ReadCase{"$FFFFFFFF", 0xFFFFFFFF},
                                           ReadCase{"12367531", 0x00BCB6AB}, ReadCase{"0", 0},
                                           ReadCase{"-1", 0xFFFFFFFF}, ReadCase{"clRed", 0x000000FF},
                                           ReadCase{"clred", 0x000000FF}, ReadCase{"clNavy", 0x00800000},
                                           ReadCase{"clMoneyGreen", 0x00C0DCC0}, ReadCase{"clSkyBlue", 0x00F0CAA6},
                                           ReadCase{"clCream", 0x00F0FBFF}, ReadCase{"clMedGray", 0x00A4A0A0},
                                           ReadCase{" $00bcb6ab", 0x00BCB6AB}));

class ColourTextRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(ColourTextRejects, AsUnreadable) {
    EXPECT_FALSE(config::colourFromText(QString::fromUtf8(GetParam())).has_value());
}

INSTANTIATE_TEST_SUITE_P(BadTexts, ColourTextRejects,
                         ::testing::Values("", "$", "$00bcb6ag", "$1FFFFFFFF", "$-1", "4294967296", "12abc",
                                           "clPink", "0x10", "红色", "$00bcb6ab,$00c47f46"));

struct WriteCase {
    Colour value;
    const char* text;
};

class ColourTextWrites : public ::testing::TestWithParam<WriteCase> {};

TEST_P(ColourTextWrites, ByNameElseEightHexDigits) {
    EXPECT_EQ(config::colourToText(GetParam().value), QString::fromLatin1(GetParam().text));
    EXPECT_EQ(config::colourFromText(config::colourToText(GetParam().value)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(WriteRule, ColourTextWrites,
                         ::testing::Values(WriteCase{0x00BCB6AB, "$00BCB6AB"}, WriteCase{0x00C47F46, "$00C47F46"},
                                           WriteCase{0x00000001, "$00000001"}, WriteCase{0x01000000, "$01000000"},
                                           WriteCase{0x00000000, "clBlack"}, WriteCase{0x000000FF, "clRed"},
                                           WriteCase{0x00FFFFFF, "clWhite"}, WriteCase{0x00A4A0A0, "clMedGray"},
                                           WriteCase{0x00F0FBFF, "clCream"}));

TEST(ColourText, SystemNamesFollowThePalette) {
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0x12, 0x34, 0x56));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x65, 0x43, 0x21));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0x01, 0x02, 0x03));
    QGuiApplication::setPalette(palette);

    EXPECT_EQ(config::colourFromText("clWindow"), Colour(0x563412));
    EXPECT_EQ(config::colourFromText("clBtnFace"), Colour(0x214365));
    EXPECT_EQ(config::colourFromText("clHighlight"), Colour(0x030201));

    QGuiApplication::setPalette(saved);
}

TEST(ColourText, EverySystemNameIsReadable) {
    for (const char* name :
         {"clActiveBorder", "clActiveCaption", "clAppWorkSpace", "clBackground", "clBtnFace", "clBtnHighlight",
          "clBtnShadow", "clBtnText", "clCaptionText", "clDefault", "clGradientActiveCaption",
          "clGradientInactiveCaption", "clGrayText", "clHighlight", "clHighlightText", "clInactiveBorder",
          "clInactiveCaption", "clInactiveCaptionText", "clInfoBk", "clInfoText", "clMenu", "clMenuText", "clNone",
          "clScrollBar", "cl3DDkShadow", "cl3DLight", "clWindow", "clWindowFrame", "clWindowText"})
        EXPECT_TRUE(config::colourFromText(name).has_value()) << name;
}

TEST(ColourPair, SplitsAtTheFirstComma) {
    const auto pair = config::colourPairFromText("$00bcb6ab,$00c47f46");
    ASSERT_TRUE(pair.has_value());
    EXPECT_EQ(pair->normal, Colour(0x00BCB6AB));
    EXPECT_EQ(pair->current, Colour(0x00C47F46));

    const auto named = config::colourPairFromText("clSilver,255");
    ASSERT_TRUE(named.has_value());
    EXPECT_EQ(named->normal, Colour(0x00C0C0C0));
    EXPECT_EQ(named->current, Colour(0x000000FF));
}

TEST(ColourPair, FailsWithoutCommaOrWithABadSide) {
    for (const char* text : {"", "$00bcb6ab", "$00bcb6ab,", ",$00c47f46", "clRed,clPink", "clRed,clBlue,clLime"})
        EXPECT_FALSE(config::colourPairFromText(text).has_value()) << text;
}

TEST(ColourText, QColorKeepsRedGreenBlue) {
    EXPECT_EQ(config::toQColor(0x00BCB6AB), QColor(0xAB, 0xB6, 0xBC));
    EXPECT_EQ(config::fromQColor(QColor(0x46, 0x7F, 0xC4)), Colour(0x00C47F46));
}

}  // namespace
