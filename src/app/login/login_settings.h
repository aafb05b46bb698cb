#pragma once

#include <QString>

class ConfigStore;
class LoginView;

// After a successful login: writes the dialog's settings as they are now into
// Config.xml and saves it, as one step under the store's lock. A failed save is
// ignored; the values stay in the document.
void saveLoginSettings(ConfigStore& config, const LoginView& view, const QString& name,
                       const QString& password_b64);
