#include "scoreboard/modCenterObjects.h"

#include "app/Numbers.h"

#include <algorithm>
#include <cmath>

namespace brimley {
namespace {

// Adding this before rounding to the nearest integer rounds up, leaving exact integers unchanged.
// The exact double matters: its bit pattern is 0x3FDFFFFFFFFFB9A2.
constexpr double RoundUpBias = 0.499999999999;
// The single-precision constant nearest to 0.8: the cells fill this fraction of the limiting direction.
constexpr float FillFraction = 0.8f;

// The measuring template keeps the size it was designed with for the whole run.
constexpr std::int16_t TemplateSize = 55;

double cellScore(std::int32_t n, std::int32_t rows, double BH, double BW, double AH, double AW)
{
    // The area of one cell at the largest size at which the grid still fits.
    const double columns = static_cast<double>(roundHalfEven(static_cast<double>(n) / rows + RoundUpBias));
    if (columns * BW / AW > rows * BH / AH)
        return std::pow(AW / columns, 2) * BH / BW;
    return std::pow(AH / rows, 2) * BW / BH;
}

} // namespace

namespace modCenterObjects {

std::vector<std::int32_t> LayoutGrid(std::int32_t n, std::int32_t BH, std::int32_t BW, std::int32_t AH,
                                     std::int32_t AW)
{
    // A zero or negative length cannot be laid out; treating it as one twip keeps the arithmetic
    // defined and changes nothing for real sizes.
    const double bh = std::max(BH, 1);
    const double bw = std::max(BW, 1);
    const double ah = std::max(AH, 1);
    const double aw = std::max(AW, 1);
    n = std::max(n, 0);

    // The row count at which the grid would have exactly the proportions of the area.
    double w = std::sqrt(ah / aw * n * (bw / bh));
    if (std::floor(w) <= 0)
        w = 1;
    const auto r0 = static_cast<std::int32_t>(std::floor(w));
    const auto r1 = static_cast<std::int32_t>(std::floor(w + 0.99999999));

    // Ties go to fewer rows.
    const std::int32_t rows = cellScore(n, r0, bh, bw, ah, aw) >= cellScore(n, r1, bh, bw, ah, aw) ? r0 : r1;

    std::vector<std::int32_t> rowCounts(static_cast<std::size_t>(rows));
    std::int32_t remaining = n;
    for (std::int32_t i = 1; i <= rows; ++i) {
        const double share = static_cast<double>(remaining) / (rows - i + 1) + RoundUpBias;
        rowCounts[static_cast<std::size_t>(i - 1)] = saturate32(roundHalfEven(share));
        remaining -= rowCounts[static_cast<std::size_t>(i - 1)];
    }
    return rowCounts;
}

} // namespace modCenterObjects

std::int16_t scoreDisplayMax(std::int16_t digitsWide)
{
    const int digits = std::clamp<int>(digitsWide, 1, 4);
    return roundTo16(std::pow(10.0, digits) - 1);
}

LedProperties scoreDisplayProperties(const Settings& settings)
{
    // 2184 pixels is the largest length whose twips fit 16 bits.
    const auto twips = [](std::int16_t pixels) {
        return static_cast<std::int16_t>(std::clamp<int>(pixels, 0, 2184) * TwipsPerPixel);
    };
    LedProperties display;
    display.PaddingH = twips(settings.HPadding);
    display.PaddingI = twips(settings.Spacing);
    display.PaddingV = twips(settings.VPadding);
    display.Max = scoreDisplayMax(settings.DigitsWide);
    display.Size = TemplateSize;
    return display;
}

GridLayout computeGridLayout(std::int32_t n, const Settings& settings, float W, float H)
{
    GridLayout grid;
    grid.templateDisplay = scoreDisplayProperties(settings);
    const QSize templatePixels = LedGeometry::naturalSizePixels(grid.templateDisplay);
    grid.TH = pixelsToTwips(templatePixels.height());
    grid.TW = pixelsToTwips(templatePixels.width());

    // Base cell: the display, plus room for the name strip (half a display high and a gap of 0.05)
    // and for the picture (a square as high as the display and a gap of 0.05).
    grid.BH = roundTo32(grid.TH);
    grid.BW = roundTo32(grid.TW);
    if (settings.PosNameToScore == SideTop || settings.PosNameToScore == SideBottom)
        grid.BH = roundTo32(grid.TH * 0.55 + grid.BH);
    if (settings.PosImgToScore == SideLeft || settings.PosImgToScore == SideRight)
        grid.BW = roundTo32(grid.TH * 1.05 + grid.BW);

    placeCells(grid, n, W, H);
    return grid;
}

void placeCells(GridLayout& grid, std::int32_t n, float W, float H)
{
    grid.RowCounts = modCenterObjects::LayoutGrid(n, grid.BH, grid.BW, roundTo32(H), roundTo32(W));
    const auto R = static_cast<std::int32_t>(grid.RowCounts.size());
    const std::int32_t widest = grid.RowCounts.front();

    // Which direction limits the cells: the fractions of height and width the grid takes at scale 1.
    const float A = static_cast<float>(static_cast<double>(R) / H * grid.BH);
    const float B = static_cast<float>(static_cast<double>(widest) / W * grid.BW);
    if (B >= A) {
        grid.CW = static_cast<float>(static_cast<double>(W) * FillFraction / widest);
        grid.CH = grid.CW * (static_cast<double>(grid.BH) / grid.BW);
    } else {
        grid.CH = static_cast<double>(H) * FillFraction / R;
        grid.CW = grid.CH * (static_cast<double>(grid.BW) / grid.BH);
    }
    grid.CellScale = grid.CH / grid.BH;

    grid.VG = (H - R * grid.CH) / (R + 1);
    grid.HG = roundTo32((W - widest * grid.CW) / (widest + 1));

    grid.cells.clear();
    grid.cells.reserve(static_cast<std::size_t>(std::max(n, 0)));
    for (std::int32_t r = 1; r <= R; ++r) {
        const std::int32_t k = grid.RowCounts[static_cast<std::size_t>(r - 1)];
        for (std::int32_t c = 1; c <= k; ++c) {
            CellRect cell;
            cell.Height = static_cast<float>(grid.CH);
            cell.Width = static_cast<float>(grid.CW);
            cell.Left = static_cast<float>((W - k * (grid.CW + grid.HG) + grid.HG) / 2 +
                                           (c - 1) * (grid.CW + grid.HG));
            cell.Top = static_cast<float>((H - R * (grid.CH + grid.VG) + grid.VG) / 2 +
                                          (r - 1) * (grid.CH + grid.VG));
            grid.cells.push_back(cell);
        }
    }
}

} // namespace brimley
