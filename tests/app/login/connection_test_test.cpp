#include "login_fixture.h"

#include "app/login/connection_test.h"
#include "platform/gbk.h"

namespace {

class ConnectionTestTest : public LoginFixture {
protected:
    ConnectionTestTest() {
        view.ip = "127.0.0.1";
        view.port = QString::number(server.port());
    }
    // Only the proxy, the local server, is ever reached.
    LoginContext throughProxy() {
        LoginContext c = context();
        c.server_url = "http://127.0.0.1:1/lyravox3.0/";
        return c;
    }
};

TEST_F(ConnectionTestTest, AnswerIsShownAndLoginHttpKeepsTheProxy) {
    const QString answer = QStringLiteral("连接测试成功！");
    server.server.Get(".*", [answer](const httplib::Request&, httplib::Response& r) {
        r.set_content(gbk::fromUnicode(answer).toStdString(), "text/plain");
    });
    EXPECT_TRUE(ConnectionTest(throughProxy()).daili_testClick());
    settle();
    EXPECT_EQ(server.last().target, "http://127.0.0.1:1/lyravox3.0/test_net.php");
    ASSERT_EQ(dialogs.count(), 1);
    EXPECT_EQ(dialogs.last().caption, "测试连接");
    EXPECT_EQ(dialogs.last().text, answer);
    EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Information);
    EXPECT_EQ(view.log, QStringList({"note 正在测试网络连接，请稍候...", "enabled 0", "enabled 1", "note "}));
    EXPECT_EQ(clients.login_http.proxy(), HttpProxy({"127.0.0.1", server.port()}));
    EXPECT_EQ(clients.http.proxy(), HttpProxy{});
}

TEST_F(ConnectionTestTest, FailureIsCodeSixAndTheDialogComesBack) {
    server.server.Get(".*", [](const httplib::Request&, httplib::Response& r) { r.status = 502; });
    EXPECT_TRUE(ConnectionTest(throughProxy()).daili_testClick());
    settle();
    ASSERT_EQ(dialogs.count(), 1);
    EXPECT_EQ(dialogs.last().text, "连接服务器失败，请重新设置！");
    EXPECT_EQ(view.log.last(2), QStringList({"enabled 1", "note "}));
}

TEST_F(ConnectionTestTest, RefusedAddressOrPortStartsNothing) {
    struct Case {
        QString ip, port, text, focus;
    };
    const Case cases[] = {
        {"1..2.3", "80", "代理服务器IP地址格式错误，请重新设置！", "focus ip"},
        {"1.2.3.4.5", "80", "代理服务器IP地址格式错误，请重新设置！", "focus ip"},
        {"1.2.3.4", "", "代理服务器端口不能为空，请重新设置！", "focus port"},
    };
    for (const Case& c : cases) {
        view.ip = c.ip;
        view.port = c.port;
        view.log.clear();
        dialogs.clear();
        EXPECT_FALSE(ConnectionTest(throughProxy()).daili_testClick());
        ASSERT_EQ(dialogs.count(), 1);
        EXPECT_EQ(dialogs.last().caption, "测试连接");
        EXPECT_EQ(dialogs.last().text, c.text);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
        EXPECT_EQ(view.log, QStringList({c.focus}));
    }
    settle();
    EXPECT_TRUE(server.seen().empty());
}

}  // namespace
