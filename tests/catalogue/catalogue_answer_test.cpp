#include "catalogue/catalogue_answer.h"

#include <gtest/gtest.h>

namespace {

struct AnswerCase {
    const char* name;
    QByteArray body;
    AnswerKind page;
    AnswerKind singers;
};

class AnswerKinds : public ::testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerKinds, AfterTrimming) {
    const QByteArray trimmed = trimmedAnswer(GetParam().body);
    EXPECT_EQ(classifyPageAnswer(trimmed), GetParam().page);
    EXPECT_EQ(classifySingerAnswer(trimmed), GetParam().singers);
}

using K = AnswerKind;
INSTANTIATE_TEST_SUITE_P(
    Bodies, AnswerKinds,
    ::testing::Values(AnswerCase{"nill", "nill", K::NothingFound, K::Document},
                      AnswerCase{"paddedNill", " \r\n\tnill \r\n", K::NothingFound, K::Document},
                      AnswerCase{"eof", "\neof\n", K::BeyondLast, K::Document},
                      AnswerCase{"upperCase", "NILL", K::Document, K::Document},
                      AnswerCase{"oneMore", "nill.", K::Document, K::Document},
                      AnswerCase{"innerBlank", "e of", K::Document, K::Document},
                      AnswerCase{"empty", "", K::Empty, K::Empty},
                      AnswerCase{"onlyBlanks", QByteArray(" \x01\r\n\x20", 5), K::Empty, K::Empty},
                      AnswerCase{"xml", "<a/>", K::Document, K::Document}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TrimmedAnswer, KeepsInnerBytesAndHighBytes) {
    EXPECT_EQ(trimmedAnswer(QByteArray("\x00 <a> b </a>\xA1\xA1 \n", 16)), QByteArray("<a> b </a>\xA1\xA1"));
}

}  // namespace
