#pragma once

#include "app/config/shortcut_text.h"

#include <QString>

class QWidget;

// What the login logic reads and changes on the login dialog TForm2 and on the
// main window's login state. Every call happens on the user-interface thread.
class LoginView {
public:
    virtual ~LoginView() = default;

    // Owner of the message boxes the login asks; may be null.
    virtual QWidget* widget() = 0;

    virtual QString loginName() const = 0;
    virtual QString loginPassword() const = 0;
    virtual bool rememberPassword() const = 0;  // cb "记住密码"
    virtual void setEditsReadOnly(bool readOnly) = 0;  // login_name and login_password
    virtual void setNote(const QString& text) = 0;

    // The selected entry of nc ("30" ... "200"); empty when none is selected.
    virtual QString pageSize() const = 0;
    virtual QString downloadFolder() const = 0;  // my_download
    virtual void setDownloadFolder(const QString& folder) = 0;

    virtual int proxyMode() const = 0;  // index of daili_list
    virtual QString proxyIp() const = 0;  // daili_ip
    virtual QString proxyPort() const = 0;  // daili_port
    virtual void focusProxyIp() = 0;
    virtual void focusProxyPort() = 0;

    virtual config::Shortcut bossKey() const = 0;  // boss_HotKey

    virtual void setDialogEnabled(bool enabled) = 0;
    // Only called once login_key holds its 40 characters.
    virtual void closeDialog() = 0;

    // Seconds the next popup notices stay (MSNPopUp1.TimeOut).
    virtual void setPopupTimeOut(int seconds) = 0;

    // The main window's side.
    virtual void setLoginKey(const QString& login_key) = 0;
    virtual void setUserName(const QString& user_name) = 0;
    virtual void setClientName(const QString& client_name) = 0;
    virtual void setStatusPane(const QString& text) = 0;  // sp1
};
