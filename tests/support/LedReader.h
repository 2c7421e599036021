#pragma once

// Reads an LED score display off a screenshot, as the audience sees it: the display is found by its
// background colour, its digits where their segments (unlit ones are drawn too) stand, and each
// segment is read at its centre.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace LedReader {

// The display's place in the image, the number shown ("-1" for a blank display, the cleared value)
// and whether the focus cue marks its corners.
struct Reading
{
    QRect display;
    QString value;
    bool focusCue = false;
};

// Nothing when no display with that many digits is found. The image must show one display only.
std::optional<Reading> read(const QImage& image, QColor lit, QColor background, int digits);

} // namespace LedReader
