#include "app/notify/notification_center.h"
#include "platform/scripted_dialogs.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>
#include <QThread>

#include <thread>

namespace {

// Records every action a delivery takes, in order.
struct Recorder {
    QStringList log;
    NotificationActions actions() {
        NotificationActions a;
        a.playSound = [this](const QString& w) { log << "sound " + w; };
        a.showPopup = [this](const QString& t, const QString& x) { log << "popup " + t + "|" + x; };
        a.closeLyricWindowIfShown = [this] { log << "close lyrics"; };
        a.openWebLink = [this](int n) { log << QStringLiteral("link %1").arg(n); };
        a.repeatDirectDownload = [this] { log << "download again"; };
        a.startUpdateCheck = [this] { log << "update check"; };
        a.startUpdater = [this] { log << "updater"; };
        return a;
    }
};

struct Fixture {
    ScriptedDialogs dialogs;
    Recorder recorder;
    NotificationCenter center{dialogs, nullptr, recorder.actions()};

    void deliverNow() {
        QCoreApplication::processEvents();  // the queued enabling of msg_time
        ASSERT_TRUE(center.msg_time().isActive());
        center.msg_timeTimer();
    }
};

struct PopupCase {
    int code;
    QString title, text;  // as posted
    QString expected;     // the log line of the popup
    QString sound;
};

TEST(NotificationCenter, PopupCodesPlayTheirSoundThenShowTheirTexts) {
    const PopupCase cases[] = {
        {0, "", "", "popup 搜索失败|请输入搜索关键词!", "alert.wav"},
        {1, "", "", "popup 获取失败|没找到相关内容!", "alert.wav"},
        {2, "", "", "popup 获取失败|已经是最后一页了!", "alert.wav"},
        {3, "", "", "popup 获取失败|已经是第一页了!", "alert.wav"},
        {9, "登陆失败", "登陆服务器失败!", "popup 登陆失败|登陆服务器失败!", "alert.wav"},
        {13, "下载完毕", "a-b已完成下载!", "popup 下载完毕|a-b已完成下载!", "download.wav"},
        {14, "放弃下载", "a-b已完成下载!", "popup 放弃下载|a-b已完成下载!", "alert.wav"},
    };
    for (const PopupCase& c : cases) {
        Fixture f;
        f.center.post(c.code, c.title, c.text);
        f.deliverNow();
        EXPECT_EQ(f.recorder.log, QStringList({"sound " + c.sound, c.expected})) << c.code;
        EXPECT_EQ(f.dialogs.count(), 0) << c.code;
    }
}

struct BoxCase {
    int code;
    QString text;  // as posted
    QString caption, shown;
    Dialogs::Buttons buttons;
    Dialogs::Icon icon;
};

TEST(NotificationCenter, MessageBoxCodesAskWithTheirExactTexts) {
    const BoxCase cases[] = {
        {6, "", "测试连接", "连接服务器失败，请重新设置！", Dialogs::Ok, Dialogs::Icon::Warning},
        {7, "net ok & fine", "测试连接", "net ok & fine", Dialogs::Ok, Dialogs::Icon::Information},
        {10, "", "登陆失败", "用户名或密码错误，请核对后重新登陆！", Dialogs::Ok, Dialogs::Icon::Warning},
        {11, "", "登陆失败", "请输入用户名和密码！", Dialogs::Ok, Dialogs::Icon::Warning},
        {15, "琴珠余额不足", "琴珠不足", "琴珠余额不足\r想知道哪几种方法能获得琴珠吗？",
         Dialogs::Yes | Dialogs::No, Dialogs::Icon::Information},
        {15, "", "琴珠不足", "\r想知道哪几种方法能获得琴珠吗？", Dialogs::Yes | Dialogs::No,
         Dialogs::Icon::Information},
        {16, "", " 下载确认", "连接到服务器出错，需要重新连接吗？", Dialogs::Yes | Dialogs::No,
         Dialogs::Icon::Warning},
        {17, "", "自动检查更新", "侦测到服务器有更新版本发布，请点确定升级!", Dialogs::Ok,
         Dialogs::Icon::Information},
    };
    for (const BoxCase& c : cases) {
        Fixture f;
        f.center.post(c.code, QString(), c.text);
        f.deliverNow();
        ASSERT_EQ(f.dialogs.count(), 1) << c.code;
        const ScriptedDialogs::Question q = f.dialogs.last();
        EXPECT_EQ(q.caption, c.caption) << c.code;
        EXPECT_EQ(q.text, c.shown) << c.code;
        EXPECT_EQ(q.buttons, c.buttons) << c.code;
        EXPECT_EQ(q.icon, c.icon) << c.code;
        EXPECT_FALSE(f.recorder.log.contains("sound alert.wav")) << c.code;
    }
}

TEST(NotificationCenter, FollowUpsRunOnlyOnTheirAnswer) {
    struct Case {
        int code;
        Dialogs::Button answer;
        QStringList expected;
    };
    const Case cases[] = {
        {15, Dialogs::Yes, {"close lyrics", "link 16"}},
        {15, Dialogs::No, {"close lyrics"}},
        {16, Dialogs::Yes, {"close lyrics", "download again"}},
        {16, Dialogs::No, {"close lyrics"}},
        {17, Dialogs::Ok, {"close lyrics", "updater"}},
        {17, Dialogs::Cancel, {"close lyrics", "updater"}},  // cannot be declined
    };
    for (const Case& c : cases) {
        Fixture f;
        f.dialogs.answerMessage(c.answer);
        f.center.post(c.code);
        f.deliverNow();
        EXPECT_EQ(f.recorder.log, c.expected) << c.code;
    }
}

TEST(NotificationCenter, SuccessPopupThenStartsTheUpdateCheck) {
    Fixture f;
    f.center.post(18, "登陆成功", "x");
    f.deliverNow();
    EXPECT_EQ(f.recorder.log,
              QStringList({"sound succeed.wav", "popup 登陆成功|x", "update check"}));
}

TEST(NotificationCenter, LaterPostingReplacesThePendingOne) {
    Fixture f;
    f.center.post(9, "登陆失败", "登陆服务器失败!");
    f.center.post(10);
    f.deliverNow();
    EXPECT_TRUE(f.recorder.log.isEmpty());  // no popup of 9
    ASSERT_EQ(f.dialogs.count(), 1);
    EXPECT_EQ(f.dialogs.last().text, "用户名或密码错误，请核对后重新登陆！");
    EXPECT_FALSE(f.center.msg_time().isActive());
    f.center.msg_timeTimer();  // nothing left to deliver
    EXPECT_EQ(f.dialogs.count(), 1);
}

TEST(NotificationCenter, UnusedAndOutOfRangeCodesShowNothing) {
    for (int code : {4, 5, 8, 12, 19, -1, 1000}) {
        Fixture f;
        f.center.post(code);
        f.deliverNow();
        EXPECT_FALSE(f.center.msg_time().isActive());
        EXPECT_TRUE(f.recorder.log.isEmpty()) << code;
        EXPECT_EQ(f.dialogs.count(), 0) << code;
    }
}

TEST(NotificationCenter, PostingFromAWorkerThreadEnablesTheTimerOnTheUiThread) {
    Fixture f;
    std::thread worker([&] { f.center.post(2); });
    worker.join();
    f.deliverNow();
    EXPECT_EQ(f.recorder.log.value(1), "popup 获取失败|已经是最后一页了!");
}

}  // namespace
