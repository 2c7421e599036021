#pragma once

// Where the standings table stands on the audience's board: one row per team (rank, name, score), top
// to bottom in as many columns as it takes to keep a row tall enough to read from the back of a room.
// Up to twelve teams stand in one column; forty stand in four. Pixels, relative to the board.

#include "led/LedGeometry.h"

#include <QRect>
#include <QSize>
#include <cstdint>
#include <vector>

namespace brimley::StandingsLayout {

// A row's parts.
struct Row
{
    QRect rank;
    QRect name;
    QRect score;
};

struct Table
{
    std::vector<Row> rows;     // in standings order: column by column, top to bottom
    LedProperties rankDisplay; // the displays' properties at the rows' height
    LedProperties scoreDisplay;
    int namePixelSize = 0; // the names' font size before a long name is fitted
};

constexpr int RowsPerColumn = 12;

// The display properties that give a display of `height` pixels whose largest value is `max`.
LedProperties displayOfHeight(int height, std::int16_t max);

// The table for `count` teams on a board of `area`, the rank displays' largest value `rankMax` and the
// score displays' `scoreMax`.
Table layout(int count, QSize area, std::int16_t rankMax, std::int16_t scoreMax);

} // namespace brimley::StandingsLayout
