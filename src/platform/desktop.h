#pragma once

#include <QString>

// The desktop shell: addresses in the default browser, other programs.
namespace desktop {

// The address is handed over as built; false when no program took it.
bool openUrl(const QString& address);

// Starts a program on its own; false when it could not be started.
bool startProgram(const QString& path);

}  // namespace desktop
