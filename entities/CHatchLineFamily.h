#pragma once
// Draws one family of parallel, equally spaced, optionally dashed hatch
// lines over a box (drawing units) with the DC's current pen; dots are set
// pixel by pixel in the fill colour. Vertical and horizontal families step
// through the box by whole offsets; slanted ones walk the line equations.
//
// The angle is taken modulo 360 and angles within a millionth of a degree
// of an axis draw as that axis. Whatever the data, the work is bounded:
// lines closer than the mapping's smallest step are thinned to that step,
// a dash pattern shorter than it draws as a plain line, a pattern of dots
// alone (no length) draws nothing, and a family stops after a fixed number
// of steps.

#include "entities/CHatchMapping.h"
#include "platform/win/WinTypes.h"

#include <vector>

class CDC;
class CHatchMapping;

class CHatchLineFamily {
public:
    // offset is the step from one line to the next; neither of its parts
    // may be 0.
    CHatchLineFamily(double angleDegrees, POINT base, POINT offset, std::vector<LONG> dashes);

    void Draw(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box, COLORREF fillColor);

    // The angle in [0, 360) with near-axis angles made exact.
    static double NormalisedAngle(double degrees);

private:
    // Vertical (true) or horizontal lines, the dash list walked forward or
    // backward.
    void DrawAxis(bool vertical, bool forward);
    // The dashed line at the fixed coordinate whose pattern starts at start.
    void DashedAxis(bool vertical, long long fixed, long long start, bool forward);
    void DrawSlanted();
    void SolidSlanted(double c);
    void DashedSlanted(double c, double originX);
    // The ends of y = t x + c inside the box; false when it misses the box.
    bool ClipSlanted(double c, POINT& left, POINT& right) const;
    // A point of the line clamped into the box along the line.
    POINT ClampAlong(double x, double c) const;

    // The output, in drawing units; false once the family has used its steps.
    bool Step();
    void Line(POINT from, POINT to);
    void Dot(POINT point);
    bool HasDashes() const;

    double m_angle;
    POINT m_base;
    POINT m_offset;
    std::vector<LONG> m_dashes;
    long long m_length = 0; // the pattern's length: the sum of |dash|

    // The drawing in progress.
    CDC* m_dc = nullptr;
    const CHatchMapping* m_mapping = nullptr;
    CHatchBox m_box{};
    COLORREF m_fillColor = 0;
    double m_tan = 0.0;
    double m_cos = 1.0;
    long m_steps = 0;
};
