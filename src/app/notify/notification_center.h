#pragma once

#include "app/notify/notification.h"
#include "app/notify/notification_slot.h"
#include "platform/dialogs.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// What delivering a notification may do. An action left empty is not wired yet
// and is skipped.
struct NotificationActions {
    std::function<void(const QString& waveName)> playSound;
    std::function<void(const QString& title, const QString& text)> showPopup;
    std::function<void()> closeLyricWindowIfShown;
    std::function<void(int link)> openWebLink;
    std::function<void()> repeatDirectDownload;
    std::function<void()> startUpdateCheck;
    std::function<void()> startUpdater;  // ends the program
};

// Carries notifications from any thread to the user-interface thread: a posting
// fills the one slot and enables the one-shot timer msg_time; its tick delivers
// whatever is pending then.
class NotificationCenter : public QObject {
    Q_OBJECT
public:
    NotificationCenter(Dialogs& dialogs, QWidget* owner, NotificationActions actions,
                       QObject* parent = nullptr);

    // Any thread.
    void post(int code, const QString& title = {}, const QString& text = {});

    // The message box text of codes 15 and 16 as last delivered.
    QString msg_text() const { return msg_text_; }
    QTimer& msg_time() { return msg_time_; }

    void msg_timeTimer();

private:
    void deliver(const Notification& n);
    void popup(const QString& wave, const QString& title, const QString& text);

    Dialogs& dialogs_;
    QWidget* owner_;
    NotificationActions actions_;
    NotificationSlot slot_;
    QTimer msg_time_;
    QString msg_text_;
};
