#pragma once
// Conversions the SXF plug-in applies to every length and angle it writes.

#include "platform/win/WinTypes.h"

#include <cmath>
#include <limits>

// Degrees to radians, as the plug-in has always converted them.
constexpr double SxfRadiansPerDegree = 0.017453292222222222;

// trunc(value x scale) in a POR word; values beyond a word's range are held
// at its ends and a value that is no number gives 0.
inline LONG SxfToPor(double value, int scale) {
    const double scaled = std::trunc(value * scale);
    if (std::isnan(scaled)) {
        return 0;
    }
    constexpr double Low = std::numeric_limits<LONG>::min();
    constexpr double High = std::numeric_limits<LONG>::max();
    return static_cast<LONG>(scaled < Low ? Low : (scaled > High ? High : scaled));
}

inline POINT SxfToPor(double x, double y, int scale) {
    return POINT{SxfToPor(x, scale), SxfToPor(y, scale)};
}

// A record size made a multiple of 4.
constexpr std::size_t SxfPadded(std::size_t size) {
    return (size + 3) / 4 * 4;
}

constexpr double SxfDegreesPerRadian = 57.295780490442965;

// The direction of a vector in degrees, from 0 up to 360; 0 for a zero
// vector. A full turn is taken as 6.283185308, as the plug-in always did.
inline double SxfVectorAngle(double dx, double dy) {
    if (dx == 0 && dy == 0) {
        return 0;
    }
    // Adding 0 turns -0 into 0, which atan2 would take for a turn below 0.
    double radians = std::atan2(dy + 0.0, dx + 0.0);
    if (radians < 0) {
        radians += 6.283185308;
    }
    return radians * SxfDegreesPerRadian;
}
