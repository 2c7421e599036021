#include "led/SegmentFont.h"

namespace brimley::SegmentFont {
namespace {

// Proportions of the digit inside its cell, in cell units.
constexpr double Margin = 2.5;    // clear space around the digit, so neighbouring digits never touch
constexpr double Thickness = 5.2; // stroke width of a segment
constexpr double Gap = 0.9;       // space between the pointed ends of two segments
constexpr double Slant = 0.07;    // horizontal shift per unit of height, leaning the digit right

// A segment is a long hexagon with pointed ends, between two points on its centre line.
QPolygonF horizontalSegment(double left, double right, double centreY)
{
    const double half = Thickness / 2;
    return QPolygonF({{left, centreY},
                      {left + half, centreY - half},
                      {right - half, centreY - half},
                      {right, centreY},
                      {right - half, centreY + half},
                      {left + half, centreY + half}});
}

QPolygonF verticalSegment(double centreX, double top, double bottom)
{
    const double half = Thickness / 2;
    return QPolygonF({{centreX, top},
                      {centreX + half, top + half},
                      {centreX + half, bottom - half},
                      {centreX, bottom},
                      {centreX - half, bottom - half},
                      {centreX - half, top + half}});
}

QPolygonF slanted(QPolygonF polygon)
{
    // Lean around the cell's middle so that the slanted digit stays inside the cell.
    for (QPointF& point : polygon)
        point.setX(point.x() + Slant * (CellHeight / 2 - point.y()));
    return polygon;
}

std::array<QPolygonF, SegmentCount> buildPolygons()
{
    const double slantRoom = Slant * (CellHeight / 2 - Margin);
    const double left = Margin + slantRoom + Thickness / 2;
    const double right = CellWidth - Margin - slantRoom - Thickness / 2;
    const double top = Margin + Thickness / 2;
    const double bottom = CellHeight - Margin - Thickness / 2;
    const double middle = CellHeight / 2;

    return {slanted(horizontalSegment(left + Gap, right - Gap, top)),     // a
            slanted(verticalSegment(right, top + Gap, middle - Gap)),     // b
            slanted(verticalSegment(right, middle + Gap, bottom - Gap)),  // c
            slanted(horizontalSegment(left + Gap, right - Gap, bottom)),  // d
            slanted(verticalSegment(left, middle + Gap, bottom - Gap)),   // e
            slanted(verticalSegment(left, top + Gap, middle - Gap)),      // f
            slanted(horizontalSegment(left + Gap, right - Gap, middle))}; // g
}

} // namespace

const std::array<QPolygonF, SegmentCount>& segmentPolygons()
{
    static const std::array<QPolygonF, SegmentCount> polygons = buildPolygons();
    return polygons;
}

std::uint8_t segmentsFor(char character)
{
    static constexpr std::uint8_t digits[10] = {
        SegA | SegB | SegC | SegD | SegE | SegF,        // 0
        SegB | SegC,                                    // 1
        SegA | SegB | SegG | SegE | SegD,               // 2
        SegA | SegB | SegG | SegC | SegD,               // 3
        SegF | SegG | SegB | SegC,                      // 4
        SegA | SegF | SegG | SegC | SegD,               // 5
        SegA | SegF | SegG | SegE | SegC | SegD,        // 6
        SegA | SegB | SegC,                             // 7
        SegA | SegB | SegC | SegD | SegE | SegF | SegG, // 8
        SegA | SegB | SegC | SegD | SegF | SegG,        // 9
    };
    if (character >= '0' && character <= '9')
        return digits[character - '0'];
    if (character == '-')
        return SegG;
    return 0;
}

} // namespace brimley::SegmentFont
