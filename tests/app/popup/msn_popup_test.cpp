#include "app/popup/main_window_popup.h"
#include "app/popup/mouse_label.h"
#include "app/popup/msn_popup.h"
#include "app/popup/msn_popup_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QRect kScreen(0, 0, 1280, 1024);
const QRect kBottomWork(0, 0, 1280, 994);

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class MSNPopUpTest : public ::testing::Test {
protected:
    MSNPopUpTest() {
        configureMSNPopUp1(popup);
        popup.setScreenSource([this] { return ScreenArea{kScreen, work}; });
        popup.setUrlOpener([this](const QString& url) { opened.push_back(url); });
    }
    ~MSNPopUpTest() override { flushDeletes(); }

    TfrmMSNPopUp* show(const QString& title = QStringLiteral("登陆成功")) {
        popup.Title = title;
        EXPECT_TRUE(popup.ShowNotice());
        return popup.openNotices().isEmpty() ? nullptr : popup.openNotices().last();
    }

    TMSNPopUp popup;
    QRect work = kBottomWork;
    std::vector<QString> opened;
};

TEST_F(MSNPopUpTest, MainWindowNoticeAppearsAtOnceInTheCornerAndNeverTakesFocus) {
    TfrmMSNPopUp* notice = show();
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->geometry(), QRect(1104, 902, 160, 90));
    EXPECT_TRUE(notice->isVisible());
    const Qt::WindowFlags flags = notice->windowFlags();
    for (Qt::WindowType f : {Qt::Tool, Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint,
                             Qt::WindowDoesNotAcceptFocus})
        EXPECT_TRUE(flags.testFlag(f)) << f;
    EXPECT_TRUE(notice->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(notice->testAttribute(Qt::WA_QuitOnClose));
    EXPECT_FALSE(notice->tmrScroll->isActive());
    EXPECT_TRUE(notice->tmrExit->isActive());
    EXPECT_EQ(notice->tmrExit->interval(), 4000);
}

TEST_F(MSNPopUpTest, AfterTimeOutItShrinksInNineStepsAndClosesOnTheTenth) {
    TfrmMSNPopUp* notice = show();
    notice->tmrExitTimer();
    EXPECT_FALSE(notice->tmrExit->isActive());
    EXPECT_TRUE(notice->tmrScrollDown->isActive());
    EXPECT_EQ(notice->tmrScrollDown->interval(), 25);
    for (int i = 1; i <= 9; ++i) {
        notice->tmrScrollDownTimer();
        EXPECT_EQ(notice->geometry(), QRect(1104, 902 + 9 * i, 160, 90 - 9 * i)) << i;
    }
    EXPECT_EQ(popup.placement().openCount(), 1);
    notice->tmrScrollDownTimer();
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(popup.placement().openCount(), 0);
    EXPECT_TRUE(popup.openNotices().isEmpty());
}

TEST_F(MSNPopUpTest, WithScrollItSlidesUpFromTheTaskbarThenStays) {
    popup.Options |= msnAllowScroll;
    TfrmMSNPopUp* notice = show();
    EXPECT_EQ(notice->geometry(), QRect(1104, 991, 160, 1));
    EXPECT_TRUE(notice->tmrScroll->isActive());
    EXPECT_FALSE(notice->tmrExit->isActive());
    for (int i = 1; i <= 9; ++i) notice->tmrScrollTimer();
    EXPECT_EQ(notice->geometry(), QRect(1104, 910, 160, 82));
    notice->tmrScrollTimer();
    EXPECT_EQ(notice->geometry(), QRect(1104, 902, 160, 90));
    EXPECT_FALSE(notice->tmrScroll->isActive());
    EXPECT_TRUE(notice->tmrExit->isActive());
}

TEST_F(MSNPopUpTest, ThreeNoticesStackAndTheNextAfterAllClosedTakesTheLowestPlace) {
    std::vector<TfrmMSNPopUp*> notices;
    for (int i = 0; i < 3; ++i) notices.push_back(show());
    EXPECT_EQ(notices[0]->y(), 902);
    EXPECT_EQ(notices[1]->y(), 810);
    EXPECT_EQ(notices[2]->y(), 718);

    // A click closes one at once; the others stay where they are.
    QTest::mouseClick(notices[1], Qt::LeftButton, {}, QPoint(100, 50));
    EXPECT_FALSE(notices[1]->isVisible());
    EXPECT_EQ(notices[0]->geometry(), QRect(1104, 902, 160, 90));
    EXPECT_EQ(notices[2]->geometry(), QRect(1104, 718, 160, 90));
    EXPECT_EQ(show()->y(), 626);  // above the highest, not into the freed place

    for (TfrmMSNPopUp* n : popup.openNotices()) n->close();
    EXPECT_EQ(popup.placement().openCount(), 0);
    EXPECT_EQ(show()->y(), 902);
}

TEST_F(MSNPopUpTest, NoRoomMeansNoWindow) {
    work = QRect(0, 0, 1280, 200);
    EXPECT_TRUE(popup.ShowNotice());
    EXPECT_TRUE(popup.ShowNotice());
    EXPECT_FALSE(popup.ShowNotice());
    EXPECT_EQ(popup.openNotices().size(), 2);
}

TEST_F(MSNPopUpTest, TaskbarMovedToTheTopStartsAtTheTop) {
    show();
    show();
    work = QRect(0, 30, 1280, 994);
    EXPECT_EQ(show()->geometry(), QRect(1104, 32, 160, 90));
}

enum class Target { Text, Panel, Window };

struct ClickCase {
    const char* name;
    Target target;
    Qt::MouseButton button;
};

class ClickCloses : public MSNPopUpTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ClickCloses, FiresOnClickThenCloses) {
    int clicks = 0;
    QObject* sender = nullptr;
    popup.OnClick = [&](QObject* s) {
        ++clicks;
        sender = s;
    };
    TfrmMSNPopUp* notice = show();
    QWidget* target = notice;
    if (GetParam().target == Target::Text) target = notice->lblText;
    if (GetParam().target == Target::Panel) target = notice->pnlBorder;
    QTest::mouseClick(target, GetParam().button, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(sender, &popup);
    EXPECT_FALSE(notice->isVisible());
    EXPECT_EQ(popup.placement().openCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Targets, ClickCloses,
                         ::testing::Values(ClickCase{"text_left", Target::Text, Qt::LeftButton},
                                           ClickCase{"text_right", Target::Text, Qt::RightButton},
                                           ClickCase{"panel_right", Target::Panel, Qt::RightButton},
                                           ClickCase{"window_left", Target::Window, Qt::LeftButton},
                                           ClickCase{"window_middle", Target::Window, Qt::MiddleButton}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MSNPopUpTest, ClickWhileSlidingInClosesAtOnce) {
    popup.Options |= msnAllowScroll;
    TfrmMSNPopUp* notice = show();
    notice->tmrScrollTimer();
    QTest::mouseClick(notice, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_FALSE(notice->isVisible());
    EXPECT_FALSE(notice->tmrScroll->isActive());
    EXPECT_FALSE(notice->tmrExit->isActive());
}

TEST_F(MSNPopUpTest, HyperlinkTextReportsTheUrlAndOpensItWhenAsked) {
    popup.Options = msnAllowHyperlink | msnAutoOpenURL;
    popup.URL = QStringLiteral("http://127.0.0.1/help");
    QString reported;
    popup.OnURLClick = [&](QObject*, const QString& url) { reported = url; };
    TfrmMSNPopUp* notice = show();
    popup.URL = QStringLiteral("http://127.0.0.1/later");  // an open notice keeps its own
    QTest::mouseClick(notice->lblText, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(reported, QStringLiteral("http://127.0.0.1/help"));
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://127.0.0.1/help")});
    EXPECT_FALSE(notice->isVisible());
}

TEST_F(MSNPopUpTest, HyperlinkWithoutAutoOpenOnlyReports) {
    popup.Options = msnAllowHyperlink;
    TfrmMSNPopUp* notice = show();
    QTest::mouseClick(notice->lblText, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(opened.empty());
}

TEST_F(MSNPopUpTest, TextsAreShownAsTypedAndKeptFromCreation) {
    popup.Text = QStringLiteral("Tom & Jerry\r\n2026/10/02");
    TfrmMSNPopUp* notice = show(QStringLiteral("A&B"));
    popup.Title = QStringLiteral("changed");
    EXPECT_EQ(notice->lblTitle->text(), QStringLiteral("A&B"));
    EXPECT_EQ(notice->lblText->text(), QStringLiteral("Tom & Jerry\n2026/10/02"));

    // A mnemonic would swallow the ampersand and leave the width of "AB".
    TMouseLabel plain;
    plain.setFont(notice->lblTitle->font());
    plain.setText(QStringLiteral("AB"));
    EXPECT_GT(notice->lblTitle->sizeHint().width(), plain.sizeHint().width());
}

TEST_F(MSNPopUpTest, TitleSitsRightOfTheIconOrAtTheSideWithoutOne) {
    EXPECT_EQ(show()->lblTitle->pos(), QPoint(48, 8));
    popup.IconBitmap = QPixmap();
    EXPECT_EQ(show()->lblTitle->pos(), QPoint(8, 8));
}

TEST_F(MSNPopUpTest, TextIsCentredInThePanelWithAMarginOfFifteen) {
    TfrmMSNPopUp* notice = show();
    const QRect text = notice->lblText->geometry();
    EXPECT_EQ(text.width(), 145);
    EXPECT_EQ(text.x(), 8);  // 7.5 rounded
    EXPECT_LE(std::abs(text.y() + text.height() / 2 - 45), 1);
}

TEST(MSNPopUpDefaults, ComponentDefaultsSlideAndLinkAndUseTheirOwnSizes) {
    TMSNPopUp popup;
    EXPECT_EQ(popup.Title, QStringLiteral("title"));
    EXPECT_EQ(popup.Text, QStringLiteral("text"));
    EXPECT_EQ(popup.Options, msnAutoOpenURL | msnCascadePopups | msnAllowScroll | msnAllowHyperlink);
    EXPECT_EQ(QSize(popup.Width, popup.Height), QSize(148, 121));
    EXPECT_EQ(popup.TimeOut, 10);
    EXPECT_EQ(QPoint(popup.IconLeft, popup.IconTop), QPoint(8, 8));
    EXPECT_EQ(popup.GradientColor1, QColor(153, 204, 255));
    EXPECT_TRUE(popup.HoverFont.font.underline());
    EXPECT_TRUE(popup.TitleFont.font.bold());
}

TEST(MSNPopUpLifetime, ComponentTakesItsOpenNoticesWithIt) {
    QPointer<TfrmMSNPopUp> notice;
    {
        TMSNPopUp popup;
        popup.setScreenSource([] { return ScreenArea{kScreen, kBottomWork}; });
        popup.ShowNotice();
        notice = popup.openNotices().value(0);
        ASSERT_TRUE(notice);
    }
    EXPECT_TRUE(notice.isNull());
}

}  // namespace
