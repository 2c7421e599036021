#pragma once

// The grid of team cells: how many rows, how many cells in each, and where every cell sits inside the
// scoreboard's drawing area. Pure arithmetic in twips; the scoreboard window applies the results.
//
// The formulas reproduce the original layout to the last rounding, so that a stored scoreboard looks
// the same. The original held base sizes and areas in 16 bits, which modern screens (a 2560-pixel-wide
// window is 38400 twips) overflow; here they are 32-bit, and agree wherever the 16-bit values fit.

#include "app/Settings.h"
#include "led/LedGeometry.h"

#include <cstdint>
#include <vector>

namespace brimley {
namespace modCenterObjects {

// Number of cells in each row, top row first; the counts never increase downwards and add up to n.
// With n = 0 the result is a single row of 0 cells.
std::vector<std::int32_t> LayoutGrid(std::int32_t n, std::int32_t BH, std::int32_t BW, std::int32_t AH,
                                     std::int32_t AW);

} // namespace modCenterObjects

// Position and size of one cell, in single-precision twips as the controls receive them.
struct CellRect
{
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

struct GridLayout
{
    LedProperties templateDisplay; // the measuring template after the settings were applied to it
    double TH = 0;                 // its height and width in twips
    double TW = 0;
    std::int32_t BH = 0; // one cell at scale 1
    std::int32_t BW = 0;
    std::vector<std::int32_t> RowCounts;
    double CW = 0; // size of every cell
    double CH = 0;
    double CellScale = 0;        // CH / BH
    double VG = 0;               // vertical gap
    std::int32_t HG = 0;         // horizontal gap
    std::vector<CellRect> cells; // cell 1 first, row by row, left to right
};

// The template display with the settings applied: paddings and spacing in twips, the maximum from the
// digit count. A digit count outside 1 to 4 and paddings beyond what 16-bit twips hold (2184 pixels),
// possible only from a hand-edited file, are brought to the nearest usable value; the model keeps them.
LedProperties scoreDisplayProperties(const Settings& settings);

// The largest value of a display: 10 to the power DigitsWide, minus 1.
std::int16_t scoreDisplayMax(std::int16_t digitsWide);

// Sizes and places n cells of base size BW x BH in a drawing area of W x H twips: the cells fill 80 %
// of the limiting direction, with equal gaps around them, and every row is centred. Fills every field
// from RowCounts on. Needs a drawing area of positive size.
void placeCells(GridLayout& grid, std::int32_t n, float W, float H);

// The whole grid for n cells: the template display measured with the settings, the base cell with
// room for the name and the picture where they are shown, and the cells placed by placeCells.
GridLayout computeGridLayout(std::int32_t n, const Settings& settings, float W, float H);

} // namespace brimley
