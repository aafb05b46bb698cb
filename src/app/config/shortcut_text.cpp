#include "app/config/shortcut_text.h"

#include <array>

namespace config {
namespace {

struct NamedKey {
    const char* name;
    Qt::Key key;
};

constexpr std::array<NamedKey, 15> namedKeys{{
    {"BkSp", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},       {"Esc", Qt::Key_Escape},
    {"Enter", Qt::Key_Return},   {"Space", Qt::Key_Space},   {"PgUp", Qt::Key_PageUp},
    {"PgDn", Qt::Key_PageDown},  {"End", Qt::Key_End},       {"Home", Qt::Key_Home},
    {"Left", Qt::Key_Left},      {"Up", Qt::Key_Up},         {"Right", Qt::Key_Right},
    {"Down", Qt::Key_Down},      {"Ins", Qt::Key_Insert},    {"Del", Qt::Key_Delete},
}};

struct Modifier {
    const char* prefix;
    Qt::KeyboardModifier modifier;
};

constexpr std::array<Modifier, 3> modifiers{{
    {"Shift+", Qt::ShiftModifier},
    {"Ctrl+", Qt::ControlModifier},
    {"Alt+", Qt::AltModifier},
}};

constexpr Qt::KeyboardModifiers kept = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;

Qt::Key keyFromName(QStringView name) {
    if (name.size() == 1) {
        const char16_t c = name.front().toUpper().unicode();
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return Qt::Key(c);
        return Qt::Key(0);
    }
    if (name.size() <= 3 && name.front().toUpper() == u'F' && name[1] >= u'1' && name[1] <= u'9') {
        const QStringView digits = name.mid(1);
        if (digits.size() == 2 && (digits[1] < u'0' || digits[1] > u'9')) return Qt::Key(0);
        const int number = digits.toInt();
        if (number >= 1 && number <= 12) return Qt::Key(Qt::Key_F1 + number - 1);
        return Qt::Key(0);
    }
    for (const auto& named : namedKeys)
        if (name.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) return named.key;
    return Qt::Key(0);
}

QString nameOfKey(Qt::Key key) {
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QString(QChar(char16_t(key)));
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    for (const auto& named : namedKeys)
        if (named.key == key) return QLatin1String(named.name);
    return {};
}

}  // namespace

Shortcut shortcutFromText(const QString& text) {
    QStringView rest(text);
    Qt::KeyboardModifiers found = Qt::NoModifier;
    for (bool matched = true; matched;) {
        matched = false;
        for (const auto& m : modifiers) {
            const QLatin1String prefix(m.prefix);
            if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
                found |= m.modifier;
                rest = rest.mid(prefix.size());
                matched = true;
            }
        }
    }
    if (rest.isEmpty()) return {};
    const Qt::Key key = keyFromName(rest);
    if (key == Qt::Key(0)) return {};
    return Shortcut{found, key};
}

QString shortcutToText(const Shortcut& shortcut) {
    const QString name = nameOfKey(shortcut.key);
    if (name.isEmpty()) return {};
    QString text;
    for (const auto& m : modifiers)
        if (shortcut.modifiers & m.modifier) text += QLatin1String(m.prefix);
    return text + name;
}

QKeySequence toKeySequence(const Shortcut& shortcut) {
    if (shortcut.isNone()) return {};
    return QKeySequence(QKeyCombination(shortcut.modifiers & kept, shortcut.key));
}

Shortcut shortcutFromKeyCombination(QKeyCombination combination) {
    Qt::Key key = combination.key();
    if (key == Qt::Key_Enter) key = Qt::Key_Return;
    if (nameOfKey(key).isEmpty()) return {};
    return Shortcut{combination.keyboardModifiers() & kept, key};
}

}  // namespace config
