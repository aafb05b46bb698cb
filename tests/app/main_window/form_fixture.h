#pragma once

#include "app/config/config_store.h"
#include "app/main_window/main_form.h"
#include "app/main_window/player_handle.h"
#include "app/skins/skin_engine.h"
#include "platform/scripted_dialogs.h"
#include "program_folder.h"

#include <memory>

// A main window created from a throw-away program folder.
struct FormFixture {
    ProgramFolder folder;
    ConfigStore config;
    ScriptedDialogs dialogs;
    IdlePlayer player;
    StyleSheetSkinEngine skins;
    std::unique_ptr<TForm1> form;

    explicit FormFixture(bool trayAvailable = true) {
        folder.writeSkin(QStringLiteral("月神传说.skn"), QStringLiteral("QWidget {}"));
        folder.writeStandardConfig(QStringLiteral("月神传说"));
        MainFormContext context;
        context.addresses = defaultBaseAddresses();
        context.programDir = folder.path();
        context.config = &config;
        context.dialogs = &dialogs;
        context.player = &player;
        context.skins = &skins;
        context.trayAvailable = trayAvailable;
        form = std::make_unique<TForm1>(context);
    }

    template <typename T>
    T* find(const QString& name) const {
        return form->findChild<T*>(name);
    }
};
