#pragma once

#include <QString>

#include <cstdint>

class ConfigStore;
class Dialogs;
class PlayerHandle;
class QWidget;
class SkinEngine;
struct MainState;

// The main window's creation, apart from the widgets: fields, the
// configuration document, the skin and the lyric colours.
class MainWindowSetup {
public:
    static const QString kDefaultSkin;
    static constexpr std::uint32_t kDefaultNormalColour = 0x00bcb6ab;
    static constexpr std::uint32_t kDefaultCurrentColour = 0x00c47f46;

    MainWindowSetup(MainState& state, ConfigStore& config, SkinEngine& skins, Dialogs& dialogs,
                    PlayerHandle& player, QString programDir);

    // Empty queue of random choices, loop off, lyric fields.
    void startFields();
    // Reads the configuration and applies the skin. On failure tells the user,
    // releases the player and returns false: the program must end.
    bool loadConfiguration(QWidget* parent);
    // Lyric colour scheme names and the download flags.
    void finishFields();

private:
    bool readConfiguration();

    MainState& state_;
    ConfigStore& config_;
    SkinEngine& skins_;
    Dialogs& dialogs_;
    PlayerHandle& player_;
    QString programDir_;
};
