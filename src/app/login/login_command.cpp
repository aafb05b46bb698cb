#include "app/login/login_command.h"

#include "app/login/client_name.h"
#include "app/login/download_folder_check.h"
#include "app/login/login_view.h"
#include "app/login/login_worker.h"
#include "app/login/proxy_mode.h"

#include <QSysInfo>

bool LoginCommand::login_submitClick() {
    LoginView& view = context_.view;
    if (!downloadFolderReady(view.downloadFolder(), context_.dialogs, view.widget())) return false;

    if (const QString host = QSysInfo::machineHostName(); !host.isEmpty()) {
        client_name_ = clientNameFrom(host);
        view.setClientName(client_name_);
    }

    bool started = false;
    if (applyProxyMode(view, context_.clients, context_.player, context_.dialogs))
        started = startLoginWorker(context_, {view.loginName(), view.loginPassword(), client_name_});

    if (context_.prepareMainWindow) context_.prepareMainWindow();
    return started;
}
