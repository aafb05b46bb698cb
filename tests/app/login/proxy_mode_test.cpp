#include "login_fixture.h"

#include "app/login/browser_proxy.h"
#include "app/login/login_command.h"
#include "app/login/proxy_mode.h"

#include <QtGlobal>

namespace {

using ProxyModeTest = LoginFixture;

// The environment variables of one test, restored afterwards.
class ProxyEnvironment {
public:
    ProxyEnvironment(const char* lower, const char* upper) {
        set("http_proxy", lower);
        set("HTTP_PROXY", upper);
    }
    ~ProxyEnvironment() {
        restore("http_proxy", savedLower_);
        restore("HTTP_PROXY", savedUpper_);
    }

private:
    static void set(const char* name, const char* value) {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    static void restore(const char* name, const QByteArray& value) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    QByteArray savedLower_ = qEnvironmentVariableIsSet("http_proxy") ? qgetenv("http_proxy") : QByteArray();
    QByteArray savedUpper_ = qEnvironmentVariableIsSet("HTTP_PROXY") ? qgetenv("HTTP_PROXY") : QByteArray();
};

std::vector<HttpProxy> proxiesOf(HttpClients& clients) {
    std::vector<HttpProxy> proxies;
    for (HttpClient* client : clients.all()) proxies.push_back(client->proxy());
    return proxies;
}

TEST(BrowserProxy, TextIsAddressColonDecimalPort) {
    struct Case {
        QString text;
        std::optional<HttpProxy> proxy;
    };
    const Case cases[] = {
        {"127.0.0.1:3128", HttpProxy{"127.0.0.1", 3128}},
        {"proxy.lan:8080", HttpProxy{"proxy.lan", 8080}},
        {"a:1:2", std::nullopt},  // the port runs to the end
        {"http=a:1;ftp=b:2", std::nullopt},
        {"127.0.0.1", std::nullopt},
        {"127.0.0.1:", std::nullopt},
        {"127.0.0.1:80x", std::nullopt},
        {"127.0.0.1: 80", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parseBrowserProxy(c.text), c.proxy) << c.text.toStdString();
}

TEST(BrowserProxy, LowerCaseVariableFirstWithoutSchemeOrTrailingSlash) {
    struct Case {
        const char* lower;
        const char* upper;
        QString text;
    };
    const Case cases[] = {
        {"http://127.0.0.1:3128/", "10.0.0.1:1", "127.0.0.1:3128"},
        {nullptr, "HTTPS://10.0.0.1:8080", "10.0.0.1:8080"},
        {"", "10.0.0.1:8080/", "10.0.0.1:8080"},
        {nullptr, nullptr, ""},
    };
    for (const Case& c : cases) {
        ProxyEnvironment environment(c.lower, c.upper);
        EXPECT_EQ(browserProxyText(), c.text) << c.text.toStdString();
    }
}

TEST_F(ProxyModeTest, NoProxyClearsEveryClientAndThePlayer) {
    clients.setProxy({"10.0.0.1", 3128});
    player.setProxySetting(2);
    view.mode = 0;
    EXPECT_TRUE(applyProxyMode(view, clients, player, dialogs));
    const std::vector<HttpProxy> expected = {{"", 0}, {"", 0}, {"", 0}, {"", 0},
                                             {"", 0}, {"", 80}, {"", 80}, {"", 80}};
    EXPECT_EQ(proxiesOf(clients), expected);  // in the order of HttpClients::all()
    EXPECT_EQ(player.proxySetting(), 0);
}

TEST_F(ProxyModeTest, BrowserProxyFromTheEnvironmentOrNothingChanges) {
    view.mode = 1;
    {
        ProxyEnvironment environment("http://127.0.0.9:3128/", nullptr);
        EXPECT_TRUE(applyProxyMode(view, clients, player, dialogs));
        EXPECT_EQ(proxiesOf(clients), std::vector<HttpProxy>(8, {"127.0.0.9", 3128}));
        EXPECT_EQ(player.proxySetting(), 2);
        EXPECT_EQ(player.proxyName(), "127.0.0.9");
        EXPECT_EQ(player.proxyPort(), 3128);
    }
    for (const char* text : {"http=a:1;ftp=b:2", ""}) {
        ProxyEnvironment environment(text, nullptr);
        EXPECT_TRUE(applyProxyMode(view, clients, player, dialogs));
        EXPECT_EQ(proxiesOf(clients), std::vector<HttpProxy>(8, {"127.0.0.9", 3128})) << text;
    }
}

TEST_F(ProxyModeTest, HttpProxyRefusalsAskAndStartNoLogin) {
    struct Case {
        QString ip, port;
        QString caption, text, focus;
    };
    const Case cases[] = {
        {"256.1.1.1", "80", "用户登陆", "代理服务器IP地址格式错误，请重新设置！", "focus ip"},
        {"1.2.3", "80", "用户登陆", "代理服务器IP地址格式错误，请重新设置！", "focus ip"},
        {"", "", "用户登陆", "代理服务器IP地址格式错误，请重新设置！", "focus ip"},
        {"1.2.3.4", "", "测试连接", "代理服务器端口不能为空，请重新设置！", "focus port"},
    };
    view.mode = 2;
    for (const Case& c : cases) {
        view.ip = c.ip;
        view.port = c.port;
        view.log.clear();
        dialogs.clear();
        events.clear();
        EXPECT_FALSE(LoginCommand(context()).login_submitClick());
        ASSERT_EQ(dialogs.count(), 1);
        EXPECT_EQ(dialogs.last().caption, c.caption);
        EXPECT_EQ(dialogs.last().text, c.text);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Warning);
        EXPECT_EQ(view.log, QStringList({c.focus}));
        EXPECT_EQ(events, QStringList({"prepare"}));  // the main window is prepared anyway
    }
    settle();
    EXPECT_TRUE(server.seen().empty());
    EXPECT_EQ(proxiesOf(clients), std::vector<HttpProxy>(8, HttpProxy{}));
}

// The local server stands in for the proxy: it answers whatever it is asked.
TEST_F(ProxyModeTest, HttpProxyCarriesTheLoginAndIsStored) {
    server.server.Get(".*", [](const httplib::Request&, httplib::Response& r) {
        r.set_content(std::string(40, '7'), "text/plain");
    });
    view.mode = 2;
    view.ip = "127.0.0.1";
    view.port = QString::number(server.port());
    LoginContext c = context();
    c.server_url = "http://127.0.0.1:1/lyravox3.0/";  // reached only through the proxy
    EXPECT_TRUE(LoginCommand(c).login_submitClick());
    settle();
    EXPECT_EQ(server.last().target.rfind("http://127.0.0.1:1/lyravox3.0/login.php?", 0), 0u);
    EXPECT_EQ(proxiesOf(clients), std::vector<HttpProxy>(8, {"127.0.0.1", server.port()}));
    EXPECT_EQ(player.proxySetting(), 2);
    EXPECT_EQ(player.proxyName(), "127.0.0.1");
    EXPECT_EQ(player.proxyPort(), server.port());
    EXPECT_EQ(readSaved(2, "ProxyEnable"), "2");
    EXPECT_EQ(readSaved(2, "ProxyPort"), std::to_string(server.port()));
}

}  // namespace
