#include "platform/desktop.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace desktop {

bool openUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

bool startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

}  // namespace desktop
