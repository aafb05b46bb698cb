#pragma once

#include <QColor>
#include <QString>

#include <cstdint>
#include <optional>

namespace config {

// A colour as settings store it: 0x00BBGGRR (blue, green, red bytes).
using Colour = std::uint32_t;

// "$" and hex digits, a decimal number, or a colour name (named colours and
// the system colours, which resolve to the current palette). nullopt when the
// text is none of these.
std::optional<Colour> colourFromText(const QString& text);

// The colour's name when it equals one of the named colours, else "$" and
// eight upper-case hex digits.
QString colourToText(Colour colour);

// The colour pair of a skin or lyric scheme: "normal,current".
struct ColourPair {
    Colour normal;
    Colour current;
};

// nullopt without a "," or when either side is not a colour.
std::optional<ColourPair> colourPairFromText(const QString& text);

QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);

}  // namespace config
