#pragma once

#include <QString>

class QKeyEvent;

// Checks on the proxy address and port boxes of the login dialog.

// Four parts separated by three dots, each one or more decimal digits with a
// value from 0 to 255; leading zeros are allowed.
bool IsValidIPv4(const QString& text);

// Whether a typed character may enter the port box holding `box`: Backspace
// and Enter pass, a digit passes while the box holds fewer than 5
// characters, anything else is discarded.
bool portCharAccepted(const QString& box, QChar typed);

// The same rule for a key press. Keys that type no character (arrows, Home,
// Delete) are not filtered.
bool portKeyAccepted(const QString& box, const QKeyEvent& event);
