#include "app/main_window/close_policy.h"

CloseAction closeAction(bool shutdownPending, bool trayAvailable) {
    if (shutdownPending) return CloseAction::Close;
    return trayAvailable ? CloseAction::HideToTray : CloseAction::MinimiseOnly;
}

bool minimiseHidesToTray(bool trayAvailable) {
    return trayAvailable;
}

bool startsMaximised(QSize screen) {
    return screen == QSize(800, 600);
}
