#pragma once

#include "app/main_window/main_state.h"
#include "app/startup/base_addresses.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class BusyPanel;
class ConfigStore;
class Dialogs;
class MarqueeLabel;
class PlayerBar;
class PlayerHandle;
class QLabel;
class QMenu;
class QStackedWidget;
class QSystemTrayIcon;
class QTextBrowser;
class QToolButton;
class SkinChooser;
class SkinEngine;
class SkinMenu;

// What the main window is built from.
struct MainFormContext {
    BaseAddresses addresses;
    QString programDir;
    ConfigStore* config = nullptr;
    Dialogs* dialogs = nullptr;
    PlayerHandle* player = nullptr;
    SkinEngine* skins = nullptr;
    bool trayAvailable = false;
};

// The main window: lists, button row, player bar, banner, status bar, menus
// and tray icon. Closing it only hides it; the exit command ends the program.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(const MainFormContext& context, QWidget* parent = nullptr);
    ~TForm1() override;

    // False when the configuration could not be read: the program must end.
    bool created() const { return created_; }

    MainState& state() { return state_; }
    const MainState& state() const { return state_; }

    void ShowMainForm();
    void HideMainForm();
    void PrepareMainWindow();
    // Releases the player and ends the event loop.
    void Exit();
    // A second start asked this instance to come forward.
    void showYourself();
    // Same as the mute button: image 5 mutes, image 6 unmutes.
    void mute_bClick();

    // The tray double click is ignored while this dialog is shown.
    void setLoginDialog(QWidget* dialog) { loginDialog_ = dialog; }
    void trayDoubleClick();

    // Brings the page of that name ("mts1" ... "mts9") forward.
    void showPage(const QString& pageName);
    QString currentPageName() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    QWidget* buildBanner();
    QWidget* buildPages();
    QWidget* buildStatusLine();
    QWidget* buildButtonRow();
    void buildStatusBar();
    void buildMenus();
    void buildTray();
    void connectCommands();
    void placeWindow();
    void centreBusyPanel();
    void openServicesMenu();

    MainFormContext context_;
    MainState state_;
    std::unique_ptr<SkinChooser> skinChooser_;
    bool created_ = false;

    QTextBrowser* banner_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    BusyPanel* busy_ = nullptr;
    QLabel* statusLine_ = nullptr;
    PlayerBar* playerBar_ = nullptr;
    MarqueeLabel* message_ = nullptr;
    QMenu* skinMenu_ = nullptr;
    QMenu* services_ = nullptr;
    QMenu* trayMenu_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QToolButton* servicesButton_ = nullptr;
    QPointer<QWidget> loginDialog_;
};
