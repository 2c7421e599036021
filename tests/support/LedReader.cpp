#include "support/LedReader.h"

#include "led/SegmentFont.h"

#include <algorithm>
#include <vector>

using namespace brimley;

namespace LedReader {
namespace {

int distance(QRgb pixel, QColor colour) // squared
{
    const int r = qRed(pixel) - colour.red(), g = qGreen(pixel) - colour.green(),
              b = qBlue(pixel) - colour.blue();
    return r * r + g * g + b * b;
}
bool differs(QRgb pixel, QColor colour, int tolerance) // in any channel
{
    return std::max({std::abs(qRed(pixel) - colour.red()), std::abs(qGreen(pixel) - colour.green()),
                     std::abs(qBlue(pixel) - colour.blue())}) > tolerance;
}

} // namespace

std::optional<Reading> read(const QImage& source, QColor lit, QColor background, int digits)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QRect display;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!differs(image.pixel(x, y), background, 0))
                display |= QRect(x, y, 1, 1);
    if (display.width() < 8 || display.height() < 8)
        return std::nullopt;

    // The focus cue keeps to a thin band along the edge, reaching into the corners; the segments
    // stand well inside the padding.
    const bool focusCue = differs(image.pixel(display.topLeft()), background, 8);
    const int band = std::max(2, display.height() / 30);
    const QRect inner = display.adjusted(band, band, -band, -band);
    const auto drawn = [&](int x, int y) {
        return differs(image.pixel(x, y), background, 8);
    };

    // Each digit is a run of columns holding segment pixels (unlit segments are drawn too).
    std::vector<std::pair<int, int>> runs;
    for (int x = inner.left(); x <= inner.right(); ++x) {
        bool any = false;
        for (int y = inner.top(); y <= inner.bottom() && !any; ++y)
            any = drawn(x, y);
        if (any && !runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else if (any)
            runs.emplace_back(x, x);
    }
    if (static_cast<int>(runs.size()) != digits)
        return std::nullopt;

    const auto& polygons = SegmentFont::segmentPolygons();
    QRectF unit; // where the segments stand in the unit digit cell
    for (const QPolygonF& polygon : polygons)
        unit |= polygon.boundingRect();

    QString text;
    for (const auto& [left, right] : runs) {
        int top = inner.bottom(), bottom = inner.top();
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = left; x <= right; ++x)
                if (drawn(x, y)) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        const QRectF found(left, top, right - left + 1, bottom - top + 1);
        std::uint8_t litSegments = 0;
        for (int segment = 0; segment < SegmentCount; ++segment) {
            const QPointF centre = polygons[std::size_t(segment)].boundingRect().center();
            const QPointF at(found.left() + (centre.x() - unit.left()) * found.width() / unit.width(),
                             found.top() + (centre.y() - unit.top()) * found.height() / unit.height());
            const QRgb pixel = image.pixel(at.toPoint()); // lit when nearer the lit colour
            if (distance(pixel, lit) < distance(pixel, background))
                litSegments |= std::uint8_t(1 << segment);
        }
        const QByteArray known("0123456789- ");
        const auto c = std::find_if(known.begin(), known.end(),
                                    [&](char k) { return SegmentFont::segmentsFor(k) == litSegments; });
        text += QLatin1Char(c == known.end() ? '?' : *c);
    }
    text = text.trimmed();
    return Reading{display, text.isEmpty() ? QStringLiteral("-1") : text, focusCue};
}

} // namespace LedReader
