#include "app/login/client_name.h"

#include "platform/gbk.h"

#include <gtest/gtest.h>

namespace {

TEST(ClientName, KeepsAtMostTwoHundredGbkBytesOfWholeCharacters) {
    struct Case {
        QString host, kept;
    };
    const Case cases[] = {
        {"studio-pc", "studio-pc"},
        {QString(200, u'a'), QString(200, u'a')},
        {QString(250, u'a'), QString(200, u'a')},
        {QString(150, u'机'), QString(100, u'机')},  // two bytes each
        {QString(199, u'a') + u'机', QString(199, u'a')},  // would end half a character in
        {QString(198, u'a') + u'机' + u'b', QString(198, u'a') + u'机'},
    };
    for (const Case& c : cases) {
        const QString kept = clientNameFrom(c.host);
        EXPECT_EQ(kept, c.kept) << c.host.size();
        EXPECT_LE(gbk::fromUnicode(kept).size(), 200);
    }
}

}  // namespace
