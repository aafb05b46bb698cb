#pragma once

#include <QString>

class ConfigStore;
class SkinEngine;
struct MainState;

// Switching the whole program to another installed skin.
class SkinChooser {
public:
    SkinChooser(MainState& state, ConfigStore& config, SkinEngine& engine, QString programDir);

    // Applies the skin of that name, takes its lyric colours when the
    // configuration has a readable pair for it, and saves the choice.
    void choose(const QString& skinName);

private:
    MainState& state_;
    ConfigStore& config_;
    SkinEngine& engine_;
    QString programDir_;
};
