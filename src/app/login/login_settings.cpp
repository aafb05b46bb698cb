#include "app/login/login_settings.h"

#include "app/config/config_store.h"
#include "app/config/shortcut_text.h"
#include "app/login/login_view.h"
#include "app/login/proxy_mode.h"

namespace {
constexpr int kPageSizePosition = 0;
constexpr int kLoginPosition = 1;
constexpr int kProxyPosition = 2;
constexpr int kDownloadPosition = 5;
constexpr int kBossKeyPosition = 8;
}  // namespace

void saveLoginSettings(ConfigStore& config, const LoginView& view, const QString& name,
                       const QString& password_b64) {
    const auto lock = config.lock();
    config.write(kLoginPosition, QStringLiteral("Name"), name);
    const bool remember = view.rememberPassword();
    config.write(kLoginPosition, QStringLiteral("Rec"), remember ? QStringLiteral("1") : QStringLiteral("0"));
    config.write(kLoginPosition, QStringLiteral("Pwd"), remember ? password_b64 : QString());
    const ProxyMode mode = proxyModeFrom(view.proxyMode());
    config.write(kProxyPosition, QStringLiteral("ProxyEnable"), QString::number(int(mode)));
    if (mode == ProxyMode::Http) {
        config.write(kProxyPosition, QStringLiteral("ProxyIp"), view.proxyIp());
        config.write(kProxyPosition, QStringLiteral("ProxyPort"), view.proxyPort());
    }
    if (const QString pageSize = view.pageSize(); !pageSize.isEmpty())
        config.write(kPageSizePosition, QStringLiteral("N"), pageSize);
    config.write(kDownloadPosition, QStringLiteral("Mydownload"), view.downloadFolder());
    config.write(kBossKeyPosition, QStringLiteral("Boss_key"), config::shortcutToText(view.bossKey()));
    config.save();
}
