#pragma once

#include <QKeyCombination>
#include <QKeySequence>
#include <QString>

namespace config {

// A key with any of Shift, Ctrl and Alt, as the boss key is kept.
struct Shortcut {
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    Qt::Key key = Qt::Key(0);

    bool isNone() const { return key == Qt::Key(0); }
    bool operator==(const Shortcut&) const = default;
};

// "Shift+", "Ctrl+", "Alt+" then the key's name, e.g. "Ctrl+M"; an empty or
// unreadable text gives no key.
Shortcut shortcutFromText(const QString& text);
// Empty for no key or a key without a name.
QString shortcutToText(const Shortcut& shortcut);

QKeySequence toKeySequence(const Shortcut& shortcut);
// Keeps Shift, Ctrl and Alt; a key without a name gives no key.
Shortcut shortcutFromKeyCombination(QKeyCombination combination);

}  // namespace config
