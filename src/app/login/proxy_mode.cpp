#include "app/login/proxy_mode.h"

#include "app/login/browser_proxy.h"
#include "app/login/ipv4.h"
#include "app/login/login_view.h"
#include "app/login/player_proxy.h"
#include "platform/dialogs.h"
#include "platform/http_clients.h"

namespace {

constexpr int kPlayerNoProxy = 0;
constexpr int kPlayerNamedProxy = 2;

void applyNoProxy(HttpClients& clients, PlayerProxy& player) {
    for (HttpClient* client : {&clients.login_http, &clients.online_info_http, &clients.http,
                               &clients.upview_http, &clients.lrc_http})
        client->setProxy(HttpProxy{QString(), 0});
    for (HttpClient* client : {&clients.download_http, &clients.bead_http, &clients.update_http})
        client->setProxy(HttpProxy{QString(), 80});
    player.setProxySetting(kPlayerNoProxy);
}

void applyNamedProxy(const HttpProxy& proxy, HttpClients& clients, PlayerProxy& player) {
    clients.setProxy(proxy);
    player.setProxySetting(kPlayerNamedProxy);
    player.setProxyName(proxy.host);
    player.setProxyPort(proxy.port);
}

}  // namespace

ProxyMode proxyModeFrom(int index) {
    switch (index) {
    case 1:
        return ProxyMode::Browser;
    case 2:
        return ProxyMode::Http;
    default:
        return ProxyMode::NoProxy;
    }
}

bool proxyFieldsAccepted(LoginView& view, Dialogs& dialogs, const QString& addressCaption) {
    if (!IsValidIPv4(view.proxyIp())) {
        dialogs.message(view.widget(), addressCaption,
                        QStringLiteral("代理服务器IP地址格式错误，请重新设置！"), Dialogs::Ok,
                        Dialogs::Icon::Warning);
        view.focusProxyIp();
        return false;
    }
    if (view.proxyPort().isEmpty()) {
        dialogs.message(view.widget(), QStringLiteral("测试连接"),
                        QStringLiteral("代理服务器端口不能为空，请重新设置！"), Dialogs::Ok,
                        Dialogs::Icon::Warning);
        view.focusProxyPort();
        return false;
    }
    return true;
}

bool applyProxyMode(LoginView& view, HttpClients& clients, PlayerProxy& player, Dialogs& dialogs) {
    switch (proxyModeFrom(view.proxyMode())) {
    case ProxyMode::NoProxy:
        applyNoProxy(clients, player);
        return true;
    case ProxyMode::Browser:
        if (const auto proxy = parseBrowserProxy(browserProxyText()))
            applyNamedProxy(*proxy, clients, player);
        return true;
    case ProxyMode::Http:
        if (!proxyFieldsAccepted(view, dialogs, QStringLiteral("用户登陆"))) return false;
        applyNamedProxy(HttpProxy{view.proxyIp(), view.proxyPort().toInt()}, clients, player);
        return true;
    }
    return true;
}
