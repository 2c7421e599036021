#pragma once

// The shapes of an LED digit, as data: seven segments drawn as polygons in a unit digit cell 31 units
// wide and 55 high (the proportions of the display's digit cell), and which segments each character
// lights. The display scales these shapes to its digit size, so they stay crisp at every size.

#include <QPolygonF>
#include <array>
#include <cstdint>

namespace brimley {

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle.
enum Segment : std::uint8_t {
    SegA = 1 << 0,
    SegB = 1 << 1,
    SegC = 1 << 2,
    SegD = 1 << 3,
    SegE = 1 << 4,
    SegF = 1 << 5,
    SegG = 1 << 6,
};
constexpr int SegmentCount = 7;

namespace SegmentFont {

constexpr double CellWidth = 31.0;
constexpr double CellHeight = 55.0;

// The polygon of segment i (0 = a ... 6 = g) in unit cell coordinates, slanted slightly like a
// real LED digit and with small gaps where segments meet.
const std::array<QPolygonF, SegmentCount>& segmentPolygons();

// Segments lit for a character: digits, '-' (middle bar) and ' ' (none). Anything else lights none.
std::uint8_t segmentsFor(char character);

} // namespace SegmentFont
} // namespace brimley
