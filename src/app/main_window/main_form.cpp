#include "app/main_window/main_form.h"

#include "app/main_window/close_policy.h"
#include "app/main_window/main_window_setup.h"
#include "app/main_window/player_bar.h"
#include "app/main_window/player_handle.h"
#include "app/skins/skin_catalog.h"
#include "app/skins/skin_chooser.h"
#include "app/skins/skin_menu.h"
#include "platform/sound_volume.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QScreen>
#include <QSlider>
#include <QStackedWidget>
#include <QWindowStateChangeEvent>

TForm1::TForm1(const MainFormContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Lyravox"));
    state_.site_url = context_.addresses.site_url;
    buildLayout();

    MainWindowSetup setup(state_, *context_.config, *context_.skins, *context_.dialogs,
                          *context_.player, context_.programDir);
    placeWindow();
    pages_->setCurrentWidget(pages_->findChild<QWidget*>(QStringLiteral("mts9")));
    setup.startFields();
    playerBar_->volume()->setValue(sound_volume::sliderPosition(sound_volume::readOutput()));
    state_.server_url = context_.addresses.server_url;
    state_.file_url = context_.addresses.file_url;
    if (!setup.loadConfiguration(this)) return;

    skinChooser_ = std::make_unique<SkinChooser>(state_, *context_.config, *context_.skins,
                                                 context_.programDir);
    new SkinMenu(skinMenu_, skinsFolder(context_.programDir), state_.skin_name,
                 [this](const QString& caption) { skinChooser_->choose(caption); });
    setup.finishFields();

    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { state_.shutdown_pending = true; });
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { state_.shutdown_pending = true; });
    created_ = true;
}

TForm1::~TForm1() = default;

void TForm1::placeWindow() {
    setMinimumSize(796, 595);
    resize(796, 566);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    move(screen->availableGeometry().center() - rect().center());
    if (startsMaximised(screen->size())) setWindowState(Qt::WindowMaximized);
}

void TForm1::ShowMainForm() {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TForm1::HideMainForm() {
    hide();
}

void TForm1::PrepareMainWindow() {
    QDir program(context_.programDir);
    if (!program.exists(QStringLiteral("Mls"))) program.mkdir(QStringLiteral("Mls"));
}

void TForm1::Exit() {
    context_.player->release();
    state_.shutdown_pending = true;
    QCoreApplication::quit();
}

void TForm1::showYourself() {
    ShowMainForm();
    if (context_.player->muted()) mute_bClick();
}

void TForm1::mute_bClick() {
    const bool muting = playerBar_->muteImage() == PlayerBar::kSoundOnImage;
    context_.player->setMuted(muting);
    playerBar_->setMuteImage(muting ? PlayerBar::kMutedImage : PlayerBar::kSoundOnImage);
}

void TForm1::trayDoubleClick() {
    if (loginDialog_ && loginDialog_->isVisible()) return;
    if (isVisible()) HideMainForm();
    else ShowMainForm();
}

void TForm1::showPage(const QString& pageName) {
    if (auto* page = pages_->findChild<QWidget*>(pageName)) pages_->setCurrentWidget(page);
}

QString TForm1::currentPageName() const {
    return pages_->currentWidget() ? pages_->currentWidget()->objectName() : QString();
}

void TForm1::closeEvent(QCloseEvent* event) {
    switch (closeAction(state_.shutdown_pending, context_.trayAvailable)) {
    case CloseAction::Close:
        event->accept();
        QCoreApplication::quit();
        return;
    case CloseAction::HideToTray:
        event->ignore();
        HideMainForm();
        return;
    case CloseAction::MinimiseOnly:
        event->ignore();
        showMinimized();
        return;
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !isMinimized()) return;
    if (!minimiseHidesToTray(context_.trayAvailable)) return;
    // Queued: a minimise that comes with a show would otherwise show the window again.
    QMetaObject::invokeMethod(this, [this] {
        if (!isMinimized()) return;
        HideMainForm();
        pages_->setFocus();
    }, Qt::QueuedConnection);
}
