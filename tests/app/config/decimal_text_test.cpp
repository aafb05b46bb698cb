#include "app/config/decimal_text.h"

#include <gtest/gtest.h>

namespace {

struct DecimalCase {
    const char* text;
    int expected;
};

class DecimalText : public ::testing::TestWithParam<DecimalCase> {};

TEST_P(DecimalText, ReadsLenientlyWithDefault) {
    EXPECT_EQ(config::decimalOr(QString::fromUtf8(GetParam().text), 8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, DecimalText,
                         ::testing::Values(DecimalCase{"30", 30}, DecimalCase{"-5", -5}, DecimalCase{" 50 ", 50},
                                           DecimalCase{"0", 0}, DecimalCase{"", 8}, DecimalCase{"abc", 8},
                                           DecimalCase{"12x", 8}, DecimalCase{"3.5", 8},
                                           DecimalCase{"99999999999", 8}, DecimalCase{"八", 8}));

}  // namespace
