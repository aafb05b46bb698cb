#include "app/login/connection_test.h"

#include "app/login/login_view.h"
#include "app/login/proxy_mode.h"
#include "app/notify/notification_center.h"
#include "platform/gbk.h"
#include "platform/http_clients.h"
#include "platform/ui_handoff.h"

bool ConnectionTest::daili_testClick() {
    LoginView& view = context_.view;
    if (!proxyFieldsAccepted(view, context_.dialogs, QStringLiteral("测试连接"))) return false;

    const HttpProxy proxy{view.proxyIp(), view.proxyPort().toInt()};
    // Disabled before the worker exists, so a second press cannot slip in.
    view.setNote(QStringLiteral("正在测试网络连接，请稍候..."));
    view.setDialogEnabled(false);
    const auto restore = [&view] {
        view.setDialogEnabled(true);
        view.setNote(QString());
    };

    const LoginContext& c = context_;
    const bool started = c.startWorker([c, proxy, restore](const CancelFlag&) {
        c.clients.login_http.setProxy(proxy);
        const HttpResponse response = c.clients.login_http.get(c.server_url + QStringLiteral("test_net.php"));
        if (response.ok)
            c.notifications.post(7, QString(), gbk::toUnicode(response.body));
        else if (!response.aborted)
            c.notifications.post(6);
        runOnUi(restore);
    }) != nullptr;
    if (!started) restore();
    return started;
}
