#pragma once

// Colours are kept as 0x00BBGGRR integers (red in the low byte), the form stored in scoreboard files.

#include "app/Settings.h"

#include <QColor>

namespace brimley {

inline QColor toQColor(Colour colour)
{
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

inline Colour fromQColor(const QColor& colour)
{
    return static_cast<Colour>(colour.red() | (colour.green() << 8) | (colour.blue() << 16));
}

} // namespace brimley
