#pragma once

#include <QString>

class Dialogs;
class LoginView;
class PlayerProxy;
class QWidget;
struct HttpClients;

// The index of daili_list; any other value counts as NoProxy.
enum class ProxyMode { NoProxy = 0, Browser = 1, Http = 2 };
ProxyMode proxyModeFrom(int index);

// Gives every HTTP client and the media player the proxy of the mode chosen on
// the dialog. False only when the HTTP proxy's address or port is refused (the
// user has been told, the focus moved): then nothing is changed and no login
// may start. A browser proxy that cannot be read leaves every proxy as it was.
bool applyProxyMode(LoginView& view, HttpClients& clients, PlayerProxy& player, Dialogs& dialogs);

// The two checks of an HTTP proxy's address and port box shared by the login
// and the connection test; they differ only in the caption of the address box's
// message. Shows the message and moves the focus when a check fails.
bool proxyFieldsAccepted(LoginView& view, Dialogs& dialogs, const QString& addressCaption);
