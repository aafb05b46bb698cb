#pragma once

#include "platform/workers.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

class ConfigStore;
class Dialogs;
struct HttpClients;
class LoginView;
class NotificationCenter;
class PlayerProxy;

// What the login and the connection test work with. Everything referred to must
// outlive the workers started from it (the program shuts its workers down first).
struct LoginContext {
    LoginContext(LoginView& view, HttpClients& clients, PlayerProxy& player, ConfigStore& config,
                 NotificationCenter& notifications, Dialogs& dialogs, QString server_url)
        : view(view), clients(clients), player(player), config(config), notifications(notifications),
          dialogs(dialogs), server_url(std::move(server_url)) {}

    LoginView& view;
    HttpClients& clients;
    PlayerProxy& player;
    ConfigStore& config;
    NotificationCenter& notifications;
    Dialogs& dialogs;
    QString server_url;

    // The main window's content, filled after every press that passed the folder check.
    std::function<void()> prepareMainWindow;
    // The online info request and its 60-second repetition; optional.
    std::function<void()> startOnlineInfo;
    // Local time of the welcome popup; the wall clock when empty.
    std::function<QDateTime()> clock;
    // The program's launcher when null.
    WorkerGroup* workers = nullptr;

    std::shared_ptr<CancelFlag> startWorker(WorkerGroup::Job job) const {
        return workers ? workers->start(std::move(job)) : Workers::start(std::move(job));
    }
    QDateTime now() const { return clock ? clock() : QDateTime::currentDateTime(); }
};
