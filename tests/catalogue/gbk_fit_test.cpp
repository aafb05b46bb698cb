#include "catalogue/gbk_fit.h"

#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace {

QString viaGbk(const QString& text) {
    return gbk::toUnicode(gbk::fromUnicode(text));
}

TEST(GbkFit, SameAsTripThroughGbk) {
    for (const QString& text : {QStringLiteral("abc"), QStringLiteral("夜幕星河"), QStringLiteral("€5"),
                                QStringLiteral("ก月"), QStringLiteral("月ก月ก"), QStringLiteral("a😀b"),
                                QStringLiteral("ก😀"), QStringLiteral("・·―—～"), QString()}) {
        EXPECT_EQ(gbkFit(text), viaGbk(text)) << text.toStdString();
    }
}

// Every character of the basic plane, so that the per-character shortcut can never
// drift from the converter.
TEST(GbkFit, WholeBasicPlaneAgreesWithConverter) {
    QString all;
    for (char32_t c = 0x80; c <= 0xFFFF; ++c)
        if (!QChar::isSurrogate(c)) all.append(QChar(char16_t(c)));
    EXPECT_EQ(gbkFit(all), viaGbk(all));
}

}  // namespace
