#include "app/notify/notification_center.h"

#include "platform/ui_handoff.h"

#include <QPointer>

NotificationCenter::NotificationCenter(Dialogs& dialogs, QWidget* owner,
                                       NotificationActions actions, QObject* parent)
    : QObject(parent), dialogs_(dialogs), owner_(owner), actions_(std::move(actions)) {
    msg_time_.setObjectName(QStringLiteral("msg_time"));
    msg_time_.setInterval(60);
    msg_time_.setSingleShot(true);
    connect(&msg_time_, &QTimer::timeout, this, &NotificationCenter::msg_timeTimer);
}

void NotificationCenter::post(int code, const QString& title, const QString& text) {
    slot_.put(Notification{code, title, text});
    QPointer<NotificationCenter> self(this);
    runOnUi([self] {
        // A posting while one is pending replaces it; it does not delay it.
        if (self && !self->msg_time_.isActive()) self->msg_time_.start();
    });
}

void NotificationCenter::msg_timeTimer() {
    msg_time_.stop();
    if (std::optional<Notification> n = slot_.take()) deliver(*n);
}

void NotificationCenter::popup(const QString& wave, const QString& title, const QString& text) {
    if (actions_.playSound) actions_.playSound(wave);
    if (actions_.showPopup) actions_.showPopup(title, text);
}

void NotificationCenter::deliver(const Notification& n) {
    const QString alert = QStringLiteral("alert.wav");
    auto closeLyrics = [this] {
        if (actions_.closeLyricWindowIfShown) actions_.closeLyricWindowIfShown();
    };
    switch (n.code) {
    case 0:
        popup(alert, QStringLiteral("搜索失败"), QStringLiteral("请输入搜索关键词!"));
        break;
    case 1:
        popup(alert, QStringLiteral("获取失败"), QStringLiteral("没找到相关内容!"));
        break;
    case 2:
        popup(alert, QStringLiteral("获取失败"), QStringLiteral("已经是最后一页了!"));
        break;
    case 3:
        popup(alert, QStringLiteral("获取失败"), QStringLiteral("已经是第一页了!"));
        break;
    case 6:
        dialogs_.message(owner_, QStringLiteral("测试连接"), QStringLiteral("连接服务器失败，请重新设置！"),
                         Dialogs::Ok, Dialogs::Icon::Warning);
        break;
    case 7:
        dialogs_.message(owner_, QStringLiteral("测试连接"), n.text, Dialogs::Ok,
                         Dialogs::Icon::Information);
        break;
    case 9:
    case 14:
        popup(alert, n.title, n.text);
        break;
    case 10:
        dialogs_.message(owner_, QStringLiteral("登陆失败"),
                         QStringLiteral("用户名或密码错误，请核对后重新登陆！"), Dialogs::Ok,
                         Dialogs::Icon::Warning);
        break;
    case 11:
        dialogs_.message(owner_, QStringLiteral("登陆失败"), QStringLiteral("请输入用户名和密码！"),
                         Dialogs::Ok, Dialogs::Icon::Warning);
        break;
    case 13:
        popup(QStringLiteral("download.wav"), n.title, n.text);
        break;
    case 15:
        closeLyrics();
        msg_text_ = n.text + QChar(13) + QStringLiteral("想知道哪几种方法能获得琴珠吗？");
        if (dialogs_.message(owner_, QStringLiteral("琴珠不足"), msg_text_,
                             Dialogs::Yes | Dialogs::No,
                             Dialogs::Icon::Information) == Dialogs::Yes &&
            actions_.openWebLink)
            actions_.openWebLink(16);
        break;
    case 16:
        closeLyrics();
        msg_text_ = QStringLiteral("连接到服务器出错，需要重新连接吗？");
        if (dialogs_.message(owner_, QStringLiteral(" 下载确认"), msg_text_,
                             Dialogs::Yes | Dialogs::No, Dialogs::Icon::Warning) == Dialogs::Yes &&
            actions_.repeatDirectDownload)
            actions_.repeatDirectDownload();
        break;
    case 17:
        closeLyrics();
        dialogs_.message(owner_, QStringLiteral("自动检查更新"),
                         QStringLiteral("侦测到服务器有更新版本发布，请点确定升级!"), Dialogs::Ok,
                         Dialogs::Icon::Information);
        if (actions_.startUpdater) actions_.startUpdater();
        break;
    case 18:
        popup(QStringLiteral("succeed.wav"), n.title, n.text);
        if (actions_.startUpdateCheck) actions_.startUpdateCheck();
        break;
    default:  // 4, 5, 8, 12 and anything outside 0..18 are never shown
        break;
    }
}
