#include "app/config/colour_text.h"

#include <QGuiApplication>
#include <QPalette>

#include <array>
#include <limits>

namespace config {
namespace {

struct NamedColour {
    const char* name;
    Colour value;
};

constexpr std::array<NamedColour, 20> namedColours{{
    {"clBlack", 0x00000000},  {"clMaroon", 0x00000080},     {"clGreen", 0x00008000},
    {"clOlive", 0x00008080},  {"clNavy", 0x00800000},       {"clPurple", 0x00800080},
    {"clTeal", 0x00808000},   {"clGray", 0x00808080},       {"clSilver", 0x00C0C0C0},
    {"clRed", 0x000000FF},    {"clLime", 0x0000FF00},       {"clYellow", 0x0000FFFF},
    {"clBlue", 0x00FF0000},   {"clFuchsia", 0x00FF00FF},    {"clAqua", 0x00FFFF00},
    {"clWhite", 0x00FFFFFF},  {"clMoneyGreen", 0x00C0DCC0}, {"clSkyBlue", 0x00F0CAA6},
    {"clCream", 0x00F0FBFF},  {"clMedGray", 0x00A4A0A0},
}};

struct SystemColour {
    const char* name;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Each system colour name stands for the palette role that plays its part here.
// clNone and clDefault have no colour of their own; the window background
// is what shows through.
constexpr std::array<SystemColour, 29> systemColours{{
    {"clActiveBorder", QPalette::Active, QPalette::Window},
    {"clActiveCaption", QPalette::Active, QPalette::Highlight},
    {"clAppWorkSpace", QPalette::Active, QPalette::Dark},
    {"clBackground", QPalette::Active, QPalette::Window},
    {"clBtnFace", QPalette::Active, QPalette::Button},
    {"clBtnHighlight", QPalette::Active, QPalette::Light},
    {"clBtnShadow", QPalette::Active, QPalette::Dark},
    {"clBtnText", QPalette::Active, QPalette::ButtonText},
    {"clCaptionText", QPalette::Active, QPalette::HighlightedText},
    {"clDefault", QPalette::Active, QPalette::Window},
    {"clGradientActiveCaption", QPalette::Active, QPalette::Highlight},
    {"clGradientInactiveCaption", QPalette::Inactive, QPalette::Highlight},
    {"clGrayText", QPalette::Disabled, QPalette::Text},
    {"clHighlight", QPalette::Active, QPalette::Highlight},
    {"clHighlightText", QPalette::Active, QPalette::HighlightedText},
    {"clInactiveBorder", QPalette::Inactive, QPalette::Window},
    {"clInactiveCaption", QPalette::Inactive, QPalette::Highlight},
    {"clInactiveCaptionText", QPalette::Inactive, QPalette::HighlightedText},
    {"clInfoBk", QPalette::Active, QPalette::ToolTipBase},
    {"clInfoText", QPalette::Active, QPalette::ToolTipText},
    {"clMenu", QPalette::Active, QPalette::Window},
    {"clMenuText", QPalette::Active, QPalette::WindowText},
    {"clNone", QPalette::Active, QPalette::Window},
    {"clScrollBar", QPalette::Active, QPalette::Midlight},
    {"cl3DDkShadow", QPalette::Active, QPalette::Shadow},
    {"cl3DLight", QPalette::Active, QPalette::Midlight},
    {"clWindow", QPalette::Active, QPalette::Base},
    {"clWindowFrame", QPalette::Active, QPalette::Shadow},
    {"clWindowText", QPalette::Active, QPalette::Text},
}};

QPalette currentPalette() {
    if (qGuiApp) return QGuiApplication::palette();
    return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

bool allHexDigits(QStringView digits) {
    if (digits.isEmpty()) return false;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        const bool hex = (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        if (!hex) return false;
    }
    return true;
}

bool isDecimal(QStringView text) {
    if (text.startsWith(u'-') || text.startsWith(u'+')) text = text.mid(1);
    if (text.isEmpty()) return false;
    for (const QChar c : text)
        if (c.unicode() < '0' || c.unicode() > '9') return false;
    return true;
}

std::optional<Colour> namedColour(const QString& text) {
    for (const auto& named : namedColours)
        if (text.compare(QLatin1String(named.name), Qt::CaseInsensitive) == 0) return named.value;
    for (const auto& system : systemColours)
        if (text.compare(QLatin1String(system.name), Qt::CaseInsensitive) == 0)
            return fromQColor(currentPalette().color(system.group, system.role));
    return std::nullopt;
}

}  // namespace

std::optional<Colour> colourFromText(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(u'$')) {
        const QStringView digits = QStringView(trimmed).mid(1);
        if (!allHexDigits(digits)) return std::nullopt;
        bool ok = false;
        const qulonglong value = digits.toULongLong(&ok, 16);
        if (!ok || value > std::numeric_limits<Colour>::max()) return std::nullopt;
        return static_cast<Colour>(value);
    }
    if (isDecimal(trimmed)) {
        bool ok = false;
        const qlonglong value = trimmed.toLongLong(&ok, 10);
        // Negative values are the signed reading of the same 32 bits.
        if (!ok || value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<Colour>::max())
            return std::nullopt;
        return static_cast<Colour>(value);
    }
    return namedColour(trimmed);
}

QString colourToText(Colour colour) {
    for (const auto& named : namedColours)
        if (named.value == colour) return QLatin1String(named.name);
    return QStringLiteral("$%1").arg(colour, 8, 16, QLatin1Char('0')).toUpper();
}

std::optional<ColourPair> colourPairFromText(const QString& text) {
    const qsizetype comma = text.indexOf(u',');
    if (comma < 0) return std::nullopt;
    const auto normal = colourFromText(text.left(comma));
    const auto current = colourFromText(text.mid(comma + 1));
    if (!normal || !current) return std::nullopt;
    return ColourPair{*normal, *current};
}

QColor toQColor(Colour colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

Colour fromQColor(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
           (static_cast<Colour>(rgb.blue()) << 16);
}

}  // namespace config
