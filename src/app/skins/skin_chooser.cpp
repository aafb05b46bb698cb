#include "app/skins/skin_chooser.h"

#include "app/config/colour_text.h"
#include "app/config/config_store.h"
#include "app/main_window/main_state.h"
#include "app/skins/skin_catalog.h"
#include "app/skins/skin_engine.h"

namespace {
constexpr int kLyricPosition = 3;
constexpr int kSkinColourPosition = 7;
}  // namespace

SkinChooser::SkinChooser(MainState& state, ConfigStore& config, SkinEngine& engine,
                         QString programDir)
    : state_(state), config_(config), engine_(engine), programDir_(std::move(programDir)) {}

void SkinChooser::choose(const QString& skinName) {
    state_.skin_name = skinName;
    engine_.load(skinFilePath(programDir_, skinName));
    if (!engine_.isActive()) engine_.activate();

    const auto guard = config_.lock();
    const auto pairText = config_.read(kSkinColourPosition, skinName);
    if (pairText) {
        if (const auto pair = config::colourPairFromText(*pairText)) {
            state_.lrc_color_normal = pair->normal;
            state_.lrc_color_current = pair->current;
            state_.lrc_style.clear();
        }
    }
    config_.write(kLyricPosition, QStringLiteral("Normal"), config::colourToText(state_.lrc_color_normal));
    config_.write(kLyricPosition, QStringLiteral("Current"), config::colourToText(state_.lrc_color_current));
    config_.write(0, QStringLiteral("Skin"), state_.skin_name);
    config_.write(kLyricPosition, QStringLiteral("Style"), state_.lrc_style);
    config_.save();
}
