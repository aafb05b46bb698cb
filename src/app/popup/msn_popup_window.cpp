#include "app/popup/msn_popup_window.h"

#include "app/popup/mouse_label.h"
#include "app/popup/msn_popup.h"
#include "app/popup/popup_canvas.h"
#include "app/popup/popup_pictures.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPalette>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kBevel = 2;
constexpr int kSlideTick = 25;  // ms

// Texts arrive with CR LF line breaks; a label breaks on LF alone.
QString displayText(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

}  // namespace

TfrmMSNPopUp::TfrmMSNPopUp(const TMSNPopUpProperties& settings, const PopupSlot& slot,
                           TMSNPopUp* owner)
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                  Qt::WindowDoesNotAcceptFocus),
      settings_(settings),
      slot_(slot),
      motion_(slot.edge, slot.rect, settings.ScrollSpeed,
              settings.Options.testFlag(msnAllowScroll)),
      owner_(owner) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // A notice closing while the main window sits in the tray must not end
    // the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::NoFocus);

    const QSize full(settings_.Width, settings_.Height);
    // Children keep the full size; while the window slides it only clips them.
    pnlBorder = new QFrame(this);
    pnlBorder->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlBorder->setLineWidth(kBevel);
    pnlBorder->setGeometry(QRect(QPoint(0, 0), full));

    imgGradient = new QLabel(pnlBorder);
    imgGradient->setGeometry(pnlBorder->contentsRect());
    imgMsn = new QLabel(pnlBorder);
    imgMsn->setScaledContents(true);
    imgMsn->setGeometry(5, full.height() - kBevel - 3 - 2, std::max(0, full.width() - 10), 3);
    lblTitle = new TMouseLabel(pnlBorder);
    lblText = new TMouseLabel(pnlBorder);
    // Title, icon and background pass their clicks on to the window.
    for (QWidget* w : {static_cast<QWidget*>(imgGradient), static_cast<QWidget*>(imgMsn),
                       static_cast<QWidget*>(lblTitle)})
        w->setAttribute(Qt::WA_TransparentForMouseEvents);

    buildTitle();
    buildBackground();
    buildText();

    tmrExit = new QTimer(this);
    tmrExit->setInterval(std::max(0, settings_.TimeOut) * 1000);
    tmrScroll = new QTimer(this);
    tmrScroll->setInterval(kSlideTick);
    tmrScrollDown = new QTimer(this);
    tmrScrollDown->setInterval(kSlideTick);
    connect(tmrExit, &QTimer::timeout, this, &TfrmMSNPopUp::tmrExitTimer);
    connect(tmrScroll, &QTimer::timeout, this, &TfrmMSNPopUp::tmrScrollTimer);
    connect(tmrScrollDown, &QTimer::timeout, this, &TfrmMSNPopUp::tmrScrollDownTimer);

    setGeometry(motion_.rect());
    if (motion_.phase() == PopupMotion::Phase::SlidingIn)
        tmrScroll->start();
    else
        tmrExit->start();
}

TfrmMSNPopUp::~TfrmMSNPopUp() {
    finish();
}

void TfrmMSNPopUp::applyFont(TMouseLabel* label, const TMSNPopUpFont& font) {
    label->setFont(font.font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     font.color.isValid() ? font.color
                                          : QApplication::palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TfrmMSNPopUp::buildTitle() {
    applyFont(lblTitle, settings_.TitleFont);
    lblTitle->setText(settings_.Title);
    lblTitle->move(settings_.IconBitmap.isNull() ? 8 : 48, 8);
    lblTitle->resize(lblTitle->sizeHint());
}

void TfrmMSNPopUp::buildBackground() {
    imgGradient->setPixmap(
        QPixmap::fromImage(paintNoticeCanvas(imgGradient->size(), settings_)));
    if (settings_.BackgroundImage.isNull()) imgMsn->setPixmap(noticeStripPicture());
}

void TfrmMSNPopUp::buildText() {
    applyFont(lblText, settings_.Font);
    lblText->setWordWrap(true);
    lblText->setAlignment(settings_.TextAlignment | Qt::AlignVCenter);
    lblText->setCursor(settings_.TextCursor);
    lblText->setText(displayText(settings_.Text));

    const int panelWidth = pnlBorder->width();
    const int panelHeight = pnlBorder->height();
    const int width = std::max(0, panelWidth - 15);
    const int height = lblText->heightForWidth(width);
    lblText->setGeometry(int(std::lround((panelWidth - width) / 2.0)),
                         int(std::lround((panelHeight - height) / 2.0)), width, height);

    connect(lblText, &TMouseLabel::mouseReleased, this, &TfrmMSNPopUp::lblTextMouseReleased);
    if (settings_.Options.testFlag(msnAllowHyperlink)) {
        connect(lblText, &TMouseLabel::mouseEntered, this,
                [this] { applyFont(lblText, settings_.HoverFont); });
        connect(lblText, &TMouseLabel::mouseLeft, this,
                [this] { applyFont(lblText, settings_.Font); });
    }
}

void TfrmMSNPopUp::tmrScrollTimer() {
    motion_.slideInStep();
    setGeometry(motion_.rect());
    if (motion_.phase() != PopupMotion::Phase::SlidingIn) {
        tmrScroll->stop();
        tmrExit->start();
    }
}

void TfrmMSNPopUp::tmrExitTimer() {
    tmrExit->stop();
    motion_.timeUp();
    tmrScrollDown->start();
}

void TfrmMSNPopUp::tmrScrollDownTimer() {
    motion_.slideOutStep();
    if (motion_.phase() == PopupMotion::Phase::Closed) {
        tmrScrollDown->stop();
        close();
        return;
    }
    setGeometry(motion_.rect());
}

void TfrmMSNPopUp::lblTextMouseReleased(Qt::MouseButton button, bool inside) {
    if (!inside) return;
    if (settings_.Options.testFlag(msnAllowHyperlink)) {
        if (button != Qt::LeftButton) return;
        const QString url = settings_.URL;
        const bool autoOpen = settings_.Options.testFlag(msnAutoOpenURL);
        fireThenClose([url, autoOpen](TMSNPopUp* owner) { owner->noticeUrlClicked(url, autoOpen); });
        return;
    }
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    fireThenClose([](TMSNPopUp* owner) { owner->noticeClicked(); });
}

void TfrmMSNPopUp::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void TfrmMSNPopUp::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    fireThenClose([](TMSNPopUp* owner) { owner->noticeClicked(); });
}

void TfrmMSNPopUp::fireThenClose(const std::function<void(TMSNPopUp*)>& fire) {
    // Stopped first: a handler that opens a modal dialog runs an event loop.
    tmrScroll->stop();
    tmrExit->stop();
    tmrScrollDown->stop();
    motion_.close();
    const QPointer<TfrmMSNPopUp> self(this);
    if (owner_) fire(owner_);
    // The handler may have taken the component, and this notice, with it.
    if (self) close();
}

void TfrmMSNPopUp::closeEvent(QCloseEvent* event) {
    finish();
    event->accept();
}

void TfrmMSNPopUp::finish() {
    if (finished_) return;
    finished_ = true;
    if (owner_) owner_->noticeClosed(this, slot_);
}
