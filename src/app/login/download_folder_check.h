#pragma once

#include <QString>

class Dialogs;
class QWidget;

enum class DownloadFolderState {
    Present,            // the login may go on
    Created,            // made just now: this press ends here, the next one logs in
    CreatedButMissing,  // reported as made, yet not there
    NotCreated,         // includes an empty folder text
};

// Creates the folder with every missing parent when it does not exist.
DownloadFolderState checkDownloadFolder(const QString& folder);

// Checks the folder and tells the user what went wrong; true only when the
// folder was there already.
bool downloadFolderReady(const QString& folder, Dialogs& dialogs, QWidget* parent);
