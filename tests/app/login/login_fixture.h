#pragma once

#include "../../platform/local_http_server.h"
#include "config/config_fixture.h"

#include "app/config/config_store.h"
#include "app/login/login_context.h"
#include "app/login/login_view.h"
#include "app/login/player_proxy.h"
#include "app/notify/notification_center.h"
#include "platform/http_clients.h"
#include "platform/scripted_dialogs.h"
#include "platform/workers.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <atomic>
#include <future>
#include <mutex>

#include <thread>

// The dialog and login state as a log of every change, with settings a test sets.
class FakeLoginView : public LoginView {
public:
    QString name, password, pageSizeText = QStringLiteral("30"), folder;
    QString ip, port;
    bool remember = false;
    int mode = 0;
    config::Shortcut boss{Qt::ControlModifier, Qt::Key_M};
    QString login_key, user_name, client_name;
    QStringList log;

    QWidget* widget() override { return nullptr; }
    QString loginName() const override { return name; }
    QString loginPassword() const override { return password; }
    bool rememberPassword() const override { return remember; }
    void setEditsReadOnly(bool readOnly) override { log << QStringLiteral("read-only %1").arg(readOnly); }
    void setNote(const QString& text) override { log << "note " + text; }
    QString pageSize() const override { return pageSizeText; }
    QString downloadFolder() const override { return folder; }
    void setDownloadFolder(const QString& f) override {
        folder = f;
        log << "folder " + f;
    }
    int proxyMode() const override { return mode; }
    QString proxyIp() const override { return ip; }
    QString proxyPort() const override { return port; }
    void focusProxyIp() override { log << "focus ip"; }
    void focusProxyPort() override { log << "focus port"; }
    config::Shortcut bossKey() const override { return boss; }
    void setDialogEnabled(bool enabled) override { log << QStringLiteral("enabled %1").arg(enabled); }
    void closeDialog() override { log << "close"; }
    void setPopupTimeOut(int seconds) override { log << QStringLiteral("timeout %1").arg(seconds); }
    void setLoginKey(const QString& key) override {
        login_key = key;
        log << "login_key " + key;
    }
    void setUserName(const QString& n) override {
        user_name = n;
        log << "user_name " + n;
    }
    void setClientName(const QString& n) override { client_name = n; }
    void setStatusPane(const QString& text) override { log << "sp1 " + text; }
};

// Everything a login needs, against a local server answering under /lyravox3.0/.
class LoginFixture : public ::testing::Test {
protected:
    LoginFixture() {
        config.write(ConfigFixture::tenChildren());
        store.load(config.path());
        QDir().mkpath(config.folder() + "/down");
        view.folder = config.folder() + "/down/";
        view.name = QStringLiteral("listener");
        view.password = QStringLiteral("secret");
    }

    LoginContext context() {
        LoginContext c{view, clients, player, store, center, dialogs,
                       QString::fromStdString(server.url("/lyravox3.0/"))};
        c.prepareMainWindow = [this] { events << "prepare"; };
        c.startOnlineInfo = [this] { view.log << "online info"; };
        c.clock = [] { return QDateTime(QDate(2026, 10, 2), QTime(7, 5)); };
        c.workers = &workers;
        return c;
    }

    // login.php answers body with that status from now on.
    void answerLogin(const std::string& body, int status = 200) {
        {
            std::lock_guard lock(answerMutex_);
            loginBody_ = body;
            loginStatus_ = status;
        }
        if (loginRouted_) return;
        loginRouted_ = true;
        server.server.Get("/lyravox3.0/login.php", [this](const httplib::Request&, httplib::Response& r) {
            std::lock_guard lock(answerMutex_);
            r.status = loginStatus_;
            r.set_content(loginBody_, "text/plain");
        });
    }

    // Lets every worker end, runs what they handed to this thread, then delivers
    // the pending notification as msg_time would.
    void settle() {
        while (workers.running() > 0) std::this_thread::yield();
        // Twice: a notification posted by a handed-over call enables msg_time in a later call.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        if (center.msg_time().isActive()) center.msg_timeTimer();
    }

    std::string readSaved(int position, const QString& attribute) {
        ConfigStore saved;
        if (!saved.load(config.path())) return "<unreadable>";
        return saved.read(position, attribute).value_or(QStringLiteral("<none>")).toStdString();
    }

    LocalHttpServer server;
    ConfigFixture config;
    ConfigStore store;
    FakeLoginView view;
    HttpClients clients;
    HeldPlayerProxy player;
    ScriptedDialogs dialogs;
    QStringList events;  // notification deliveries and main-window calls
    NotificationCenter center{dialogs, nullptr, [this] {
                                  NotificationActions a;
                                  a.playSound = [this](const QString& w) { events << "sound " + w; };
                                  a.showPopup = [this](const QString& t, const QString& x) {
                                      events << "popup " + t + "|" + x;
                                  };
                                  a.startUpdateCheck = [this] { events << "update check"; };
                                  return a;
                              }()};
    WorkerGroup workers;

private:
    std::mutex answerMutex_;
    std::string loginBody_;
    int loginStatus_ = 200;
    bool loginRouted_ = false;
};
