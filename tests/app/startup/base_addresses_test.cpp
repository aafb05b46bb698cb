#include "app/startup/base_addresses.h"

#include <gtest/gtest.h>

namespace {

struct AddressCase {
    QStringList arguments;
    QString site, server, file;
};

class BaseAddressesTest : public ::testing::TestWithParam<AddressCase> {};

TEST_P(BaseAddressesTest, ResolvesTheThreeAddresses) {
    const AddressCase& c = GetParam();
    QString error;
    const auto a = parseBaseAddresses(c.arguments, &error);
    ASSERT_TRUE(a.has_value()) << error.toStdString();
    EXPECT_EQ(a->site_url, c.site);
    EXPECT_EQ(a->server_url, c.server);
    EXPECT_EQ(a->file_url, c.file);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BaseAddressesTest,
    ::testing::Values(
        AddressCase{{}, "http://127.0.0.1:8930/", "http://127.0.0.1:8930/lyravox3.0/",
                    "http://127.0.0.1:8930/files/"},
        AddressCase{{"--site-url", "http://127.0.0.1:9000/"}, "http://127.0.0.1:9000/",
                    "http://127.0.0.1:9000/lyravox3.0/", "http://127.0.0.1:9000/files/"},
        AddressCase{{"--site-url=http://127.0.0.1:9000"}, "http://127.0.0.1:9000/",
                    "http://127.0.0.1:9000/lyravox3.0/", "http://127.0.0.1:9000/files/"},
        AddressCase{{"--file-url", "http://127.0.0.1:9001/songs", "--site-url", "http://127.0.0.1:9000/"},
                    "http://127.0.0.1:9000/", "http://127.0.0.1:9000/lyravox3.0/",
                    "http://127.0.0.1:9001/songs/"}));

TEST(BaseAddressesErrors, RefuseOtherArgumentsAndMissingValues) {
    for (const QStringList& arguments :
         {QStringList{"--port", "1"}, QStringList{"--site-url"}, QStringList{"--file-url="},
          QStringList{"extra"}}) {
        QString error;
        EXPECT_FALSE(parseBaseAddresses(arguments, &error).has_value()) << arguments.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
    }
}

}  // namespace
