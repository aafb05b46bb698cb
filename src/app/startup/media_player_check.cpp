#include "app/startup/media_player_check.h"

#include "platform/dialogs.h"

bool ensureMediaPlayer(bool available, Dialogs& dialogs, const QString& site_url,
                       const std::function<void(const QString&)>& openUrl) {
    if (available) return true;
    const QString text = QStringLiteral("检测到您电脑上的 Media Player 版本太低，无法正常享受在线听歌服务！") +
                         QStringLiteral("\n\r") +
                         QStringLiteral("点确定我们将帮你引导到最新版本 Media Player  下载页面 ：）");
    const auto answer = dialogs.message(nullptr, QStringLiteral("Media Player 版本检查"), text,
                                        Dialogs::Ok | Dialogs::Cancel, Dialogs::Icon::Question);
    if (answer == Dialogs::Ok) openUrl(site_url + QStringLiteral("download.php"));
    return false;
}
