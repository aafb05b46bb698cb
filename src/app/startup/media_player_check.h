#pragma once

#include <QString>

#include <functional>

class Dialogs;

// Start-up refusal on a machine without the media player. Returns true when
// the player is there. Otherwise asks whether to open the download page,
// opens it on OK, and returns false: the program then ends.
bool ensureMediaPlayer(bool available, Dialogs& dialogs, const QString& site_url,
                       const std::function<void(const QString&)>& openUrl);
