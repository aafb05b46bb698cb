#include "app/login/download_folder_check.h"

#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>

DownloadFolderState checkDownloadFolder(const QString& folder) {
    // QDir("") would name the current folder.
    if (folder.isEmpty()) return DownloadFolderState::NotCreated;
    if (QFileInfo(folder).isDir()) return DownloadFolderState::Present;
    if (!QDir().mkpath(folder)) return DownloadFolderState::NotCreated;
    return QFileInfo(folder).isDir() ? DownloadFolderState::Created
                                     : DownloadFolderState::CreatedButMissing;
}

bool downloadFolderReady(const QString& folder, Dialogs& dialogs, QWidget* parent) {
    const QString caption = QStringLiteral("创建下载目录");
    switch (checkDownloadFolder(folder)) {
    case DownloadFolderState::Present:
        return true;
    case DownloadFolderState::Created:
        return false;
    case DownloadFolderState::CreatedButMissing:
        dialogs.message(parent, caption, QStringLiteral("下载目录不能包含非法字符，请重新设置！"),
                        Dialogs::Ok, Dialogs::Icon::Error);
        return false;
    case DownloadFolderState::NotCreated:
        dialogs.message(parent, caption, QStringLiteral("下载目录创建失败，请重新设置！"),
                        Dialogs::Ok, Dialogs::Icon::Error);
        return false;
    }
    return false;
}
