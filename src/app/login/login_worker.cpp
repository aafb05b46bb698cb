#include "app/login/login_worker.h"

#include "app/config/password_text.h"
#include "app/login/greeting.h"
#include "app/login/login_context.h"
#include "app/login/login_settings.h"
#include "app/login/login_view.h"
#include "app/notify/notification_center.h"
#include "platform/gbk.h"
#include "platform/http_clients.h"
#include "platform/ui_handoff.h"

namespace {

const QString kFailedTitle = QStringLiteral("登陆失败");
const QString kFailedText = QStringLiteral("登陆服务器失败!");

// Steps 1 to 7 of a successful login, on the user-interface thread; the dialog's
// settings are read now, so a change made during the request is what is stored.
void completeLogin(const LoginContext& c, const QString& name, const QString& password_b64,
                   const QString& login_key) {
    LoginView& view = c.view;
    view.setNote(QStringLiteral("登陆成功，正在初始化请稍候..."));
    view.setLoginKey(login_key);
    view.setUserName(name);
    const QString title = QStringLiteral("登陆成功");
    const QString text = greeting::loginPopupText(name, c.now());
    view.setStatusPane(name);
    if (c.startOnlineInfo) c.startOnlineInfo();
    saveLoginSettings(c.config, view, name, password_b64);
    view.setDownloadFolder(shownDownloadFolder(view.downloadFolder()));
    view.closeDialog();
    c.notifications.post(18, title, text);
}

void runAttempt(const LoginContext& c, const LoginAttempt& a) {
    LoginView& view = c.view;
    runOnUi([&view] { view.setPopupTimeOut(4); });
    const auto finish = [&view] {
        runOnUi([&view] {
            view.setEditsReadOnly(false);
            view.setNote(QString());
        });
    };
    if (a.name.isEmpty() || a.password.isEmpty()) {
        c.notifications.post(11);
        finish();
        return;
    }
    runOnUi([&view] {
        view.setEditsReadOnly(true);
        view.setNote(QStringLiteral("正在尝试登陆，请稍候..."));
    });
    const QString password_b64 = config::passwordToBase64(a.password);
    // The values go in as they are: the name as raw GBK bytes, the password in Base64.
    const HttpResponse response =
        c.clients.login_http.get(c.server_url + QStringLiteral("login.php?net_name=") + a.name +
                                 QStringLiteral("&net_password=") + password_b64 +
                                 QStringLiteral("&net_client=") + a.client_name);
    if (response.aborted) {  // the program is ending
        finish();
        return;
    }
    if (!response.ok) {
        c.notifications.post(9, kFailedTitle, kFailedText);
        runOnUi([&view] { view.setNote(QStringLiteral("网络连接失败，请重试！")); });
        finish();
        return;
    }
    const QString login_answer = gbk::toUnicode(response.body);
    if (login_answer.size() == kLoginKeyLength) {
        runOnUi([c, name = a.name, password_b64, login_answer] {
            completeLogin(c, name, password_b64, login_answer);
        });
        finish();
        return;
    }
    c.notifications.post(9, kFailedTitle, kFailedText);
    runOnUi([&view] { view.setNote(QStringLiteral("连接服务器超时，请重试！")); });
    if (login_answer == QStringLiteral("auth_wrong")) {
        c.notifications.post(10);  // replaces the pending 9
        runOnUi([&view] { view.setNote(QString()); });
    }
    finish();
}

}  // namespace

QString shownDownloadFolder(const QString& folder) {
    if (folder.size() > 1 && (folder.endsWith(u'\\') || folder.endsWith(u'/'))) return folder.chopped(1);
    return folder;
}

bool startLoginWorker(const LoginContext& context, const LoginAttempt& attempt) {
    return context.startWorker([context, attempt](const CancelFlag&) { runAttempt(context, attempt); }) !=
           nullptr;
}
