#include "login_fixture.h"

#include "app/login/download_folder_check.h"
#include "app/login/login_command.h"
#include "app/login/login_worker.h"

#include <QFile>
#include <QFileInfo>

namespace {

using DownloadFolderTest = LoginFixture;

TEST_F(DownloadFolderTest, AMissingFolderIsOnlyCreatedByTheFirstPress) {
    answerLogin(std::string(40, 'k'));
    view.folder = config.folder() + "/a/b/c";
    LoginCommand command(context());
    EXPECT_FALSE(command.login_submitClick());
    settle();
    EXPECT_TRUE(QFileInfo(view.folder).isDir());
    EXPECT_EQ(dialogs.count(), 0);
    EXPECT_TRUE(events.isEmpty());  // not even the main window is prepared
    EXPECT_TRUE(server.seen().empty());

    EXPECT_TRUE(command.login_submitClick());
    settle();
    EXPECT_EQ(server.seen().size(), 1u);
    EXPECT_TRUE(view.log.contains("close"));
}

TEST_F(DownloadFolderTest, AFolderThatCannotBeMadeIsReported) {
    QFile file(config.folder() + "/plain-file");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    for (const QString& folder : {file.fileName() + "/sub", QString()}) {
        dialogs.clear();
        view.folder = folder;
        EXPECT_EQ(checkDownloadFolder(folder), DownloadFolderState::NotCreated);
        EXPECT_FALSE(LoginCommand(context()).login_submitClick());
        ASSERT_EQ(dialogs.count(), 1) << folder.toStdString();
        EXPECT_EQ(dialogs.last().caption, "创建下载目录");
        EXPECT_EQ(dialogs.last().text, "下载目录创建失败，请重新设置！");
        EXPECT_EQ(dialogs.last().buttons, Dialogs::Ok);
        EXPECT_EQ(dialogs.last().icon, Dialogs::Icon::Error);
    }
    settle();
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(server.seen().empty());
}

TEST(DownloadFolderShown, LosesOneTrailingSeparatorUnlessItIsTheRoot) {
    EXPECT_EQ(shownDownloadFolder("/home/u/songs/"), "/home/u/songs");
    EXPECT_EQ(shownDownloadFolder("D:\\songs\\"), "D:\\songs");
    EXPECT_EQ(shownDownloadFolder("/home/u/songs"), "/home/u/songs");
    EXPECT_EQ(shownDownloadFolder("/"), "/");
}

}  // namespace
