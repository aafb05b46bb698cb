#include "app/main_window/main_window_setup.h"

#include "app/config/colour_text.h"
#include "app/config/config_store.h"
#include "app/main_window/main_state.h"
#include "app/main_window/player_handle.h"
#include "app/skins/skin_catalog.h"
#include "app/skins/skin_engine.h"
#include "platform/dialogs.h"

#include <QFileInfo>

namespace {
// Positions of the configuration document's children.
constexpr int kSkinPosition = 0;
constexpr int kLyricPosition = 3;
constexpr int kListPosition = 4;
constexpr int kSchemePosition = 9;
}  // namespace

const QString MainWindowSetup::kDefaultSkin = QStringLiteral("月神传说");

MainWindowSetup::MainWindowSetup(MainState& state, ConfigStore& config, SkinEngine& skins,
                                 Dialogs& dialogs, PlayerHandle& player, QString programDir)
    : state_(state), config_(config), skins_(skins), dialogs_(dialogs), player_(player),
      programDir_(std::move(programDir)) {}

void MainWindowSetup::startFields() {
    state_.random_played.clear();
    player_.setLoop(false);

    state_.lrc_font_size = 10;
    state_.lrc_timeline = std::make_shared<const QStringList>(
        QStringList{QStringLiteral("         0,Lyravox欢迎您"),
                    QStringLiteral("         0,") + state_.site_url});
    state_.lrc_source.clear();
    state_.lrc_show = true;
    state_.lrc_width = 320;
}

bool MainWindowSetup::loadConfiguration(QWidget* parent) {
    if (readConfiguration()) return true;
    dialogs_.message(parent, QStringLiteral("系统配置初始化"),
                     QStringLiteral("读取系统配置文件出错，请重新安装！"), Dialogs::Ok,
                     Dialogs::Icon::Warning);
    player_.release();
    return false;
}

bool MainWindowSetup::readConfiguration() {
    if (!config_.load(programDir_ + QStringLiteral("/Config.xml"))) return false;
    const auto skin = config_.read(kSkinPosition, QStringLiteral("Skin"));
    const auto style = config_.read(kLyricPosition, QStringLiteral("Style"));
    if (!skin || !style) return false;
    state_.skin_name = *skin;
    state_.lrc_style = *style;

    const QString configured = skinFilePath(programDir_, state_.skin_name);
    if (!state_.skin_name.isEmpty() && QFileInfo::exists(configured)) {
        if (!skins_.load(configured)) return false;
    } else {
        state_.skin_name = kDefaultSkin;
        if (!skins_.load(skinFilePath(programDir_, state_.skin_name))) return false;
        state_.lrc_color_normal = kDefaultNormalColour;
        state_.lrc_color_current = kDefaultCurrentColour;
        state_.lrc_style.clear();
        // Reaches the file with the next save of any other setting.
        config_.write(kSkinPosition, QStringLiteral("Skin"), state_.skin_name);
        config_.write(kLyricPosition, QStringLiteral("Normal"), config::colourToText(state_.lrc_color_normal));
        config_.write(kLyricPosition, QStringLiteral("Current"), config::colourToText(state_.lrc_color_current));
    }

    if (!skins_.isActive()) skins_.activate();
    const auto index = config_.read(kListPosition, QStringLiteral("Index"));
    if (!index) return false;
    state_.cur_list_name = *index;
    return true;
}

void MainWindowSetup::finishFields() {
    state_.lrc_styles.clear();
    const auto schemes = config_.read(kSchemePosition, QStringLiteral("Lrcstyle"));
    if (schemes && !schemes->isEmpty()) state_.lrc_styles = schemes->split(QLatin1Char(','));

    state_.download_stopped = true;
    state_.download_found = false;
}
