#include "app/config/config_store.h"
#include "app/forms/about_form.h"
#include "app/forms/login_form.h"
#include "app/forms/lyric_form.h"
#include "app/main_window/main_form.h"
#include "app/main_window/player_handle.h"
#include "app/skins/skin_engine.h"
#include "app/startup/base_addresses.h"
#include "app/startup/media_player_check.h"
#include "platform/desktop.h"
#include "platform/media_probe.h"
#include "platform/qt_dialogs.h"
#include "platform/single_instance.h"
#include "platform/workers.h"

#include <QApplication>
#include <QSystemTrayIcon>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lyravox"));
    // The program ends through its exit command, not when its windows hide.
    QApplication::setQuitOnLastWindowClosed(false);

    QString error;
    const auto addresses = parseBaseAddresses(QApplication::arguments().mid(1), &error);
    if (!addresses) {
        std::fprintf(stderr, "lyravox: %s\nusage: lyravox [--site-url URL] [--file-url URL]\n",
                     qPrintable(error));
        return 2;
    }

    SingleInstance instance(SingleInstance::defaultServerName());
    if (instance.anotherRuns()) return 0;

    QtDialogs dialogs;
    if (!ensureMediaPlayer(mediaPlayerAvailable(), dialogs, addresses->site_url,
                           [](const QString& url) { desktop::openUrl(url); }))
        return 1;

    ConfigStore config;
    IdlePlayer player;
    StyleSheetSkinEngine skins;
    MainFormContext context;
    context.addresses = *addresses;
    context.programDir = QApplication::applicationDirPath();
    context.config = &config;
    context.dialogs = &dialogs;
    context.player = &player;
    context.skins = &skins;
    context.trayAvailable = QSystemTrayIcon::isSystemTrayAvailable();

    TForm1 mainForm(context);
    if (!mainForm.created()) return 1;
    TForm3 lyricForm;
    TForm2 loginForm(&mainForm);
    Taboutform aboutForm(&mainForm);
    mainForm.setLoginDialog(&loginForm);
    QObject::connect(&instance, &SingleInstance::showYourselfRequested, &mainForm,
                     &TForm1::showYourself);

    mainForm.show();
    const int result = app.exec();
    Workers::shutdown();
    return result;
}
