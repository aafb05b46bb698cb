#pragma once

#include <QSize>

// What a close request or a minimise does to the main window.
enum class CloseAction {
    Close,         // the session is ending: really close
    HideToTray,    // keep running in the notification area
    MinimiseOnly,  // no notification area: stay reachable in the task bar
};

CloseAction closeAction(bool shutdownPending, bool trayAvailable);

// Whether minimising hides the window into the notification area.
bool minimiseHidesToTray(bool trayAvailable);

// The window starts maximised on a screen of exactly 800 by 600.
bool startsMaximised(QSize screen);
