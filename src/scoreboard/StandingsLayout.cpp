#include "scoreboard/StandingsLayout.h"

#include "app/Numbers.h"

#include <algorithm>

namespace brimley::StandingsLayout {

LedProperties displayOfHeight(int height, std::int16_t max)
{
    // The board's own proportions: a tenth of the height as padding, the gap between digits a sixth of
    // a digit's height.
    const int digitHeight = std::max(1, height * 8 / 10);
    const double padding = (height - digitHeight) / 2.0 * TwipsPerPixel;
    LedProperties display;
    display.Max = max;
    display.Size = saturate16(digitHeight);
    display.PaddingV = roundTo16(padding);
    display.PaddingH = roundTo16(padding);
    display.PaddingI = roundTo16(digitHeight * TwipsPerPixel / 6.0);
    return display;
}

Table layout(int count, QSize area, std::int16_t rankMax, std::int16_t scoreMax)
{
    Table table;
    if (count <= 0 || area.isEmpty())
        return table;
    const int columns = (count + RowsPerColumn - 1) / RowsPerColumn;
    const int rowsPerColumn = (count + columns - 1) / columns;
    // A margin of a twentieth all round; a few teams do not get rows taller than an eighth of the board.
    const int marginX = area.width() / 20;
    const int marginY = area.height() / 20;
    const int innerWidth = area.width() - 2 * marginX;
    const int innerHeight = area.height() - 2 * marginY;
    const int rowHeight = std::min(innerHeight / rowsPerColumn, innerHeight / 8 + 1);
    const int columnGap = columns > 1 ? innerWidth / 40 : 0;
    const int columnWidth = (innerWidth - (columns - 1) * columnGap) / columns;
    const int top = marginY + (innerHeight - rowsPerColumn * rowHeight) / 2;

    const int displayHeight = std::max(1, rowHeight * 85 / 100);
    table.rankDisplay = displayOfHeight(displayHeight, rankMax);
    table.scoreDisplay = displayOfHeight(displayHeight, scoreMax);
    table.namePixelSize = std::max(1, displayHeight / 2);
    const QSize rankSize = LedGeometry::naturalSizePixels(table.rankDisplay);
    const QSize scoreSize = LedGeometry::naturalSizePixels(table.scoreDisplay);
    const int gap = std::max(1, displayHeight / 5);

    for (int i = 0; i < count; ++i) {
        const int column = i / rowsPerColumn;
        const int row = i % rowsPerColumn;
        const int left = marginX + column * (columnWidth + columnGap);
        const int y = top + row * rowHeight + (rowHeight - rankSize.height()) / 2;
        Row parts;
        parts.rank = QRect(QPoint(left, y), rankSize);
        parts.score = QRect(QPoint(left + columnWidth - scoreSize.width(), y), scoreSize);
        const int nameLeft = parts.rank.right() + 1 + gap;
        parts.name = QRect(nameLeft, y, std::max(0, parts.score.left() - gap - nameLeft), rankSize.height());
        table.rows.push_back(parts);
    }
    return table;
}

} // namespace brimley::StandingsLayout
