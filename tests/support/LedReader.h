#pragma once

// Reads an LED score display off a screenshot, so that a test can see the score exactly as the
// audience does. The display is found by its background colour; its digits are found where its
// segments (lit or unlit, both drawn) stand, and each segment is read at its centre.

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace LedReader {

struct Reading
{
    QRect display;         // in the image
    QString value;         // the number shown; "-1" for a blank display (the cleared value)
    bool focusCue = false; // a mark in the display's corner
};

// Nothing when no display with that many digits is found. The image must show one display only.
std::optional<Reading> read(const QImage& image, QColor lit, QColor background, int digits);

} // namespace LedReader
