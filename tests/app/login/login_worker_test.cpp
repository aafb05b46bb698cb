#include "login_fixture.h"

#include "app/login/client_name.h"
#include "app/login/greeting.h"
#include "app/login/login_command.h"
#include "platform/gbk.h"

#include <QSysInfo>

namespace {

using LoginWorkerTest = LoginFixture;

const QString kKey = QString(40, u'a');

TEST_F(LoginWorkerTest, OnlyAnAnswerOfFortyCharactersLogsIn) {
    struct Case {
        std::string body;  // GBK bytes
        bool loggedIn;
    };
    const Case cases[] = {
        {std::string(40, 'f'), true},
        {gbk::fromUnicode(QString(40, u'钥')).toStdString(), true},  // 80 bytes, 40 characters
        {std::string(39, 'f'), false},
        {std::string(41, 'f'), false},
        {"", false},
    };
    for (const Case& c : cases) {
        view.log.clear();
        events.clear();
        view.login_key.clear();
        answerLogin(c.body);
        LoginCommand(context()).login_submitClick();
        settle();
        EXPECT_EQ(view.log.contains("close"), c.loggedIn) << c.body;
        EXPECT_EQ(view.login_key, c.loggedIn ? gbk::toUnicode(QByteArray::fromStdString(c.body)) : QString())
            << c.body;
        if (c.loggedIn) continue;
        EXPECT_EQ(events, QStringList({"prepare", "sound alert.wav", "popup 登陆失败|登陆服务器失败!"}))
            << c.body;
        EXPECT_TRUE(view.log.contains("note 连接服务器超时，请重试！")) << c.body;
        EXPECT_EQ(view.log.mid(view.log.size() - 2), QStringList({"read-only 0", "note "})) << c.body;
    }
}

TEST_F(LoginWorkerTest, WrongPasswordShowsOnlyTheMessageOfCodeTen) {
    answerLogin("auth_wrong");
    LoginCommand(context()).login_submitClick();
    settle();
    ASSERT_EQ(dialogs.count(), 1);
    EXPECT_EQ(dialogs.last().caption, "登陆失败");
    EXPECT_EQ(dialogs.last().text, "用户名或密码错误，请核对后重新登陆！");
    EXPECT_EQ(events, QStringList({"prepare"}));  // no popup of 9
    EXPECT_EQ(view.log.mid(view.log.indexOf("note 连接服务器超时，请重试！")),
              QStringList({"note 连接服务器超时，请重试！", "note ", "read-only 0", "note "}));
    EXPECT_TRUE(view.login_key.isEmpty());
}

TEST_F(LoginWorkerTest, FailedRequestsPopUpLoginFailed) {
    answerLogin("oops", 500);
    const LoginContext refusedContext = [this] {
        LoginContext c = context();
        c.server_url = QStringLiteral("http://127.0.0.1:1/lyravox3.0/");  // nothing listens there
        return c;
    }();
    for (const LoginContext& c : {context(), refusedContext}) {
        view.log.clear();
        events.clear();
        LoginCommand(c).login_submitClick();
        settle();
        EXPECT_EQ(events, QStringList({"prepare", "sound alert.wav", "popup 登陆失败|登陆服务器失败!"}))
            << c.server_url.toStdString();
        EXPECT_EQ(view.log.mid(view.log.size() - 3),
                  QStringList({"note 网络连接失败，请重试！", "read-only 0", "note "}));
        EXPECT_FALSE(view.log.contains("close"));
    }
    EXPECT_EQ(readSaved(1, "Name"), "");
}

TEST_F(LoginWorkerTest, EmptyNameOrPasswordSendsNothing) {
    answerLogin(std::string(40, 'k'));
    for (auto [name, password] : {std::pair{"", "pw"}, std::pair{"me", ""}}) {
        view.name = name;
        view.password = password;
        view.log.clear();
        dialogs.clear();
        LoginCommand(context()).login_submitClick();
        settle();
        ASSERT_EQ(dialogs.count(), 1);
        EXPECT_EQ(dialogs.last().text, "请输入用户名和密码！");
        EXPECT_EQ(view.log, QStringList({"timeout 4", "read-only 0", "note "}));
    }
    EXPECT_TRUE(server.seen().empty());
}

TEST_F(LoginWorkerTest, QuerySendsTheNameAsRawGbkAndThePasswordInBase64) {
    answerLogin("auth_wrong");
    view.name = QStringLiteral("张三a&b");
    view.password = QStringLiteral("密码pw");
    LoginCommand(context()).login_submitClick();
    settle();
    const std::string client = gbk::fromUnicode(clientNameFrom(QSysInfo::machineHostName())).toStdString();
    EXPECT_EQ(server.last().target, "/lyravox3.0/login.php?net_name=" +
                                        gbk::fromUnicode(view.name).toStdString() + "&net_password=" +
                                        gbk::fromUnicode(view.password).toBase64().toStdString() +
                                        "&net_client=" + client);
}

TEST_F(LoginWorkerTest, SuccessChangesTheDialogInOrderThenPostsTheWelcome) {
    answerLogin(kKey.toStdString());
    EXPECT_TRUE(LoginCommand(context()).login_submitClick());
    settle();
    const QString shown = config.folder() + "/down";
    EXPECT_EQ(view.log, QStringList({"timeout 4", "read-only 1", "note 正在尝试登陆，请稍候...",
                                     "note 登陆成功，正在初始化请稍候...", "login_key " + kKey,
                                     "user_name listener", "sp1 listener", "online info", "folder " + shown,
                                     "close", "read-only 0", "note "}));
    const QString text = greeting::loginPopupText("listener", QDateTime(QDate(2026, 10, 2), QTime(7, 5)));
    EXPECT_EQ(events, QStringList({"prepare", "sound succeed.wav", "popup 登陆成功|" + text, "update check"}));
    EXPECT_EQ(readSaved(5, "Mydownload"), (shown + "/").toStdString());  // saved as typed
}

TEST_F(LoginWorkerTest, SettingsAreReadWhenTheAnswerArrives) {
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> asked{false};
    server.server.Get("/lyravox3.0/login.php", [&, released](const httplib::Request&, httplib::Response& r) {
        asked = true;
        released.wait();
        r.set_content(kKey.toStdString(), "text/plain");
    });
    LoginCommand(context()).login_submitClick();
    while (!asked) std::this_thread::yield();
    view.pageSizeText = "150";
    view.remember = true;
    release.set_value();
    settle();
    EXPECT_EQ(readSaved(0, "N"), "150");
    EXPECT_EQ(readSaved(1, "Rec"), "1");
}

TEST_F(LoginWorkerTest, TwoQuickPressesBothLogInAndLeaveAReadableConfig) {
    answerLogin(kKey.toStdString());
    view.remember = true;
    LoginCommand command(context());
    EXPECT_TRUE(command.login_submitClick());
    EXPECT_TRUE(command.login_submitClick());
    settle();
    EXPECT_EQ(server.seen().size(), 2u);
    EXPECT_EQ(view.log.count("close"), 2);
    EXPECT_EQ(readSaved(1, "Name"), "listener");
    EXPECT_EQ(readSaved(1, "Pwd"), gbk::fromUnicode("secret").toBase64().toStdString());
}

}  // namespace
