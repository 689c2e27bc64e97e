#pragma once
// The one drawing interface of a markup's rubber-band feedback: XOR lines
// and outlines in view units, and the size of a label in the label font.
// Drawing the same figure twice leaves the surface as it was. The view's
// surface is a CDCTrackSurface; tests record the calls.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <vector>

// The label font of a markup: a character height in view units (the
// font's negative height), its character set and face.
struct CLabelFont {
    int m_height = 0;
    int m_charSet = 128;
    CString m_faceName;
};

class CTrackSurface {
public:
    virtual ~CTrackSurface() = default;

    // An open chain of segments.
    virtual void Polyline(const std::vector<POINT>& points) = 0;
    // A closed outline, not filled.
    virtual void Polygon(const std::vector<POINT>& points) = 0;
    // A wide stroke with square ends from one view point to another;
    // lineWidth in 0.01 mm. A surface without wide pens draws a line.
    virtual void Stroke(POINT from, POINT to, int) { Polyline({from, to}); }
    // The extent of the text in the font, in view units.
    virtual SIZE MeasureLabel(const CString& text, const CLabelFont& font) = 0;
};
