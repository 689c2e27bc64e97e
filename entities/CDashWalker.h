#pragma once
// Walks a dash pattern (dash, gap, dash, ... lengths) along a chain of
// device points, for devices where a dashed pen cannot be used. Straight
// chains become the end points of every dash piece; curves become points one
// unit apart, of which the pattern picks runs. A pattern of odd length runs
// twice per period, the second time with dashes and gaps swapped, as a GDI
// pen style does. Output coordinates are rounded (x + 0.5, truncated).

#include "geometry/Geometry.h"
#include "platform/win/WinTypes.h"

#include <utility>
#include <vector>

class CDashWalker {
public:
    // The most points one walk produces: a guard against huge chains drawn
    // with tiny dashes at extreme zoom.
    static constexpr INT_PTR kMaxPoints = 1 << 22;

    // The start and end point of every dash piece, in pairs; a dash that
    // crosses a vertex becomes two pieces. Segments of zero length are
    // skipped. Nothing for fewer than 2 points or a pattern without length.
    static std::vector<POINT> Segments(const DPOINT* chain, int count, const DWORD* dashes,
                                       int dashCount);
    // Points at 1, 2, 3, ... units from each segment's start, up to the
    // first that reaches or passes its end.
    static std::vector<POINT> UnitSteps(const DPOINT* chain, int count);
    // The runs [first, last] of consecutive unit steps that the dashes
    // cover, one unit per step. A pattern without length covers all steps.
    static std::vector<std::pair<int, int>> StepRuns(int stepCount, const DWORD* dashes,
                                                     int dashCount);
};
