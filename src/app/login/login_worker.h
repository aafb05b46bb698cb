#pragma once

#include <QString>

struct LoginContext;

// What one login attempt sends: the name and password as the boxes held them
// when the login button was pressed, and the computer's name.
struct LoginAttempt {
    QString name;
    QString password;
    QString client_name;
};

// Starts one loginThread: the request on a worker, every change of the dialog
// and of the login state handed to the user-interface thread in order, the
// outcome posted as notification 9, 10, 11 or 18. False when the launcher
// refuses new work (the program is ending).
bool startLoginWorker(const LoginContext& context, const LoginAttempt& attempt);

// The folder as my_download shows it after a login: one trailing "\" or "/"
// removed, except from a folder that is nothing but that separator.
QString shownDownloadFolder(const QString& folder);

// A login answer of this length is the login key.
constexpr int kLoginKeyLength = 40;
