#include "platform/http_url.h"

#include <gtest/gtest.h>

namespace {

TEST(HttpUrlTest, CutsWhereTheTargetBegins) {
    struct Case {
        QByteArray url, origin, target;
    };
    for (const Case& c : {
             Case{"http://127.0.0.1:8930/lyravox3.0/get_q.php?q=%C4%E3&p=1",
                  "http://127.0.0.1:8930", "/lyravox3.0/get_q.php?q=%C4%E3&p=1"},
             Case{"http://host?a=/b", "http://host", "/?a=/b"},
             Case{"http://host", "http://host", "/"},
             Case{"HTTP://Host/x/../y", "HTTP://Host", "/x/../y"},
             Case{"127.0.0.1:8930/files/a b", "http://127.0.0.1:8930", "/files/a b"},
             Case{"http://h/\xC5\xB7\xC3\xC0", "http://h", "/\xC5\xB7\xC3\xC0"},
         }) {
        const HttpUrlParts parts = splitHttpUrl(c.url);
        EXPECT_EQ(parts.origin, c.origin) << c.url.constData();
        EXPECT_EQ(parts.target, c.target) << c.url.constData();
    }
}

}  // namespace
