#include "catalogue/url_escape.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase {
    const char* name;
    QString text;
    QByteArray escaped;
};

class UrlEscapeTable : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(UrlEscapeTable, EscapesGbkBytes) {
    EXPECT_EQ(urlEscape(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UrlEscapeTable,
    ::testing::Values(
        EscapeCase{"letters", QStringLiteral("abc"), "abc"},
        EscapeCase{"percent", QStringLiteral("50%"), "50%25"},
        EscapeCase{"blank", QStringLiteral("a b"), "a%20b"},
        EscapeCase{"chinese", QStringLiteral("中文"), "%D6%D0%CE%C4"},
        EscapeCase{"euroIsByte80Kept", QStringLiteral("€"), "\x80"},
        EscapeCase{"eightSpecials", QStringLiteral(" #%*<>[]"), "%20%23%25%2A%3C%3E%5B%5D"},
        EscapeCase{"addressPunctuationKept", QStringLiteral("http://h:1/a?b&c=d+e"),
                   "http://h:1/a?b&c=d+e"},
        EscapeCase{"controlsAndTab", QStringLiteral("\t\n!"), "%09%0A!"},
        EscapeCase{"empty", QString(), ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UrlEscapeBytes, BoundaryBytesAroundThresholds) {
    EXPECT_EQ(urlEscapeBytes(QByteArray("\x20\x21\x7E\x7F", 4)), "%20!~\x7F");
    EXPECT_EQ(urlEscapeBytes(QByteArray("\x80\x81\xFF", 3)), "\x80%81%FF");
    EXPECT_EQ(urlEscapeBytes(QByteArray("\0", 1)), "%00");
}

}  // namespace
