#pragma once
// How the fill objects of a hatch reach the device: drawing points to the
// logical points of the screen and metafile route (view units, y negated on
// a metafile) or of the printer route (printer units), and how many drawing
// units the smallest visible step (one device pixel, at least one logical
// unit) spans, so that no family of lines is drawn finer than the device
// can show.

#include "platform/win/WinTypes.h"

class CDC;

// The box a fill covers, in drawing units: minimum and maximum x and y.
struct CHatchBox {
    LONG x0;
    LONG y0;
    LONG x1;
    LONG y1;
};

class CHatchMapping {
public:
    static CHatchMapping ForView(CDC* dc, int originX, int originY, double scale);
    static CHatchMapping ForPrint(CDC* dc, int unitDivisor, double scale);

    POINT ToLogical(POINT point) const;
    double MinStep() const { return m_minStep; }

private:
    CHatchMapping() = default;
    // Sets the smallest step from the logical units per drawing unit.
    void TakeResolution(CDC* dc, double logicalPerUnit);

    bool m_print = false;
    bool m_metafile = false;
    int m_originX = 0;
    int m_originY = 0;
    int m_divisor = 1;
    double m_scale = 1.0;
    double m_minStep = 1.0;
};
