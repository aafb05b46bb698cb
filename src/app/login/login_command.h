#pragma once

#include "app/login/login_context.h"

#include <QString>

// The login button "登　陆" of TForm2, run on the user-interface thread.
class LoginCommand {
public:
    explicit LoginCommand(LoginContext context) : context_(std::move(context)) {}

    // Checks the download folder, reads the computer's name, applies the proxy
    // mode, starts a login worker and prepares the main window. Every press
    // repeats this and may start a further worker. True when a worker started.
    bool login_submitClick();

    // The computer's name as last read; kept when it cannot be read.
    const QString& client_name() const { return client_name_; }

private:
    LoginContext context_;
    QString client_name_;
};
