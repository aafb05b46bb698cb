#include "form_fixture.h"

#include "app/main_window/close_policy.h"
#include "app/main_window/marquee_label.h"

#include <QApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

TEST(ClosePolicy, Table) {
    EXPECT_EQ(closeAction(true, true), CloseAction::Close);
    EXPECT_EQ(closeAction(true, false), CloseAction::Close);
    EXPECT_EQ(closeAction(false, true), CloseAction::HideToTray);
    EXPECT_EQ(closeAction(false, false), CloseAction::MinimiseOnly);
    EXPECT_TRUE(startsMaximised({800, 600}));
    EXPECT_FALSE(startsMaximised({1024, 768}));
    EXPECT_FALSE(startsMaximised({800, 601}));
}

TEST(Lifecycle, CloseHidesInsteadOfEnding) {
    FormFixture f;
    ASSERT_TRUE(f.form->created());
    f.form->show();
    QSignalSpy quitting(qApp, &QCoreApplication::aboutToQuit);
    EXPECT_FALSE(f.form->close());
    EXPECT_FALSE(f.form->isVisible());
    f.form->ShowMainForm();
    EXPECT_TRUE(f.form->isVisible());
    f.form->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_FALSE(f.form->isVisible());
    f.form->trayDoubleClick();
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_FALSE(f.form->isMinimized());
    f.form->trayDoubleClick();
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(quitting.count(), 0);
}

TEST(Lifecycle, WithoutTrayCloseAndMinimiseKeepTheWindowReachable) {
    FormFixture f(false);
    f.form->show();
    EXPECT_FALSE(f.form->close());
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_TRUE(f.form->isMinimized());
    f.form->ShowMainForm();
    f.form->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f.form->isVisible());
}

TEST(Lifecycle, SessionEndLetsTheWindowClose) {
    FormFixture f;
    f.form->show();
    f.form->state().shutdown_pending = true;
    EXPECT_TRUE(f.form->close());
}

TEST(Lifecycle, TrayDoubleClickIgnoredWhileLoginDialogShows) {
    FormFixture f;
    QWidget login;
    f.form->setLoginDialog(&login);
    login.show();
    f.form->show();
    f.form->trayDoubleClick();
    EXPECT_TRUE(f.form->isVisible());
}

TEST(Lifecycle, ShowYourselfRaisesAndUnmutes) {
    FormFixture f;
    f.form->mute_bClick();
    ASSERT_TRUE(f.player.muted());
    f.form->HideMainForm();
    f.form->showYourself();
    EXPECT_TRUE(f.form->isVisible());
    EXPECT_FALSE(f.player.muted());
    f.form->showYourself();
    EXPECT_FALSE(f.player.muted());
}

TEST(Lifecycle, ExitReleasesThePlayer) {
    FormFixture f;
    f.form->Exit();
    EXPECT_TRUE(f.player.released());
    EXPECT_TRUE(f.form->state().shutdown_pending);
}

TEST(Marquee, ClickStopsAndRestartsScrolling) {
    FormFixture f;
    auto* pane = f.find<MarqueeLabel>("sp3");
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->text(), QStringLiteral("传情信息台"));
    EXPECT_EQ(pane->scrollDelay(), 30);
    pane->toggleScrolling();
    EXPECT_EQ(pane->scrollDelay(), 0);
    pane->toggleScrolling();
    EXPECT_EQ(pane->scrollDelay(), 30);
}

}  // namespace
