#include "app/popup/msn_popup.h"

#include "app/popup/msn_popup_window.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

namespace {

ScreenArea primaryScreenArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {QRect(0, 0, 800, 600), QRect(0, 0, 800, 600)};
    return {screen->geometry(), screen->availableGeometry()};
}

}  // namespace

TMSNPopUp::TMSNPopUp(QObject* parent)
    : QObject(parent),
      screenSource_(primaryScreenArea),
      urlOpener_([](const QString& url) { QDesktopServices::openUrl(QUrl(url)); }) {}

TMSNPopUp::~TMSNPopUp() {
    // Notices are top-level windows of their own; none outlives the component.
    const auto notices = notices_;
    notices_.clear();
    for (const QPointer<TfrmMSNPopUp>& notice : notices) {
        if (!notice) continue;
        notice->detachOwner();
        delete notice.data();
    }
}

bool TMSNPopUp::ShowNotice() {
    const ScreenArea area = screenSource_();
    PopupLayout layout;
    layout.size = QSize(Width, Height);
    layout.startX = PopupStartX;
    layout.startY = PopupStartY;
    layout.marge = PopupMarge;
    layout.cascade = Options.testFlag(msnCascadePopups);

    const std::optional<PopupSlot> slot = placement_.place(area.screen, area.workArea, layout);
    if (!slot) return false;

    auto* notice = new TfrmMSNPopUp(*this, *slot, this);
    notices_.append(notice);
    notice->show();
    return true;
}

void TMSNPopUp::setScreenSource(std::function<ScreenArea()> source) {
    screenSource_ = std::move(source);
}

void TMSNPopUp::setUrlOpener(std::function<void(const QString&)> opener) {
    urlOpener_ = std::move(opener);
}

QList<TfrmMSNPopUp*> TMSNPopUp::openNotices() const {
    QList<TfrmMSNPopUp*> open;
    for (const QPointer<TfrmMSNPopUp>& notice : notices_) {
        if (notice) open.append(notice.data());
    }
    return open;
}

void TMSNPopUp::noticeClosed(TfrmMSNPopUp* notice, const PopupSlot& slot) {
    notices_.removeIf([notice](const QPointer<TfrmMSNPopUp>& p) { return !p || p == notice; });
    placement_.release(slot);
}

void TMSNPopUp::noticeClicked() {
    if (OnClick) OnClick(this);
}

void TMSNPopUp::noticeUrlClicked(const QString& url, bool autoOpen) {
    if (OnURLClick) OnURLClick(this, url);
    if (autoOpen && urlOpener_) urlOpener_(url);
}
