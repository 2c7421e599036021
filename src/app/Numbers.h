#pragma once

// The three conversions that all window geometry goes through. Lengths are kept in twips (15 to the
// pixel) and rounded the way stored layouts expect: to the nearest integer, a half to the even
// neighbour. The original arithmetic held many of these values in 16 bits; where a modern screen
// needs more, the wider result is kept, and values that must stay 16-bit saturate instead of wrapping.

#include <cmath>
#include <cstdint>
#include <limits>

namespace brimley {

constexpr int TwipsPerPixel = 15;

// Nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Values beyond the
// 64-bit range and NaN saturate (NaN to 0) rather than invoking undefined behaviour.
inline std::int64_t roundHalfEven(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double limit = 9.2e18;
    if (value >= limit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -limit)
        return std::numeric_limits<std::int64_t>::min();
    const double floorValue = std::floor(value);
    const double fraction = value - floorValue;
    auto result = static_cast<std::int64_t>(floorValue);
    if (fraction > 0.5 || (fraction == 0.5 && (result % 2 != 0)))
        ++result;
    return result;
}

template <typename Int> constexpr Int saturateTo(std::int64_t value)
{
    if (value > std::numeric_limits<Int>::max())
        return std::numeric_limits<Int>::max();
    if (value < std::numeric_limits<Int>::min())
        return std::numeric_limits<Int>::min();
    return static_cast<Int>(value);
}

constexpr std::int16_t saturate16(std::int64_t value)
{
    return saturateTo<std::int16_t>(value);
}
constexpr std::int32_t saturate32(std::int64_t value)
{
    return saturateTo<std::int32_t>(value);
}

// A floating-point value stored into a 16-bit integer: rounded, then saturated.
inline std::int16_t roundTo16(double value)
{
    return saturate16(roundHalfEven(value));
}
// The same for the places where a wider integer replaces a 16-bit one that large screens overflow.
inline std::int32_t roundTo32(double value)
{
    return saturate32(roundHalfEven(value));
}

// Twips to whole pixels, for applying a computed length to a widget.
inline int twipsToPixels(double twips)
{
    return roundTo32(twips / TwipsPerPixel);
}
constexpr double pixelsToTwips(double pixels)
{
    return pixels * TwipsPerPixel;
}

} // namespace brimley
