#pragma once
// The two-click gesture of the red shapes: the second click completes the
// shape unless it would make it degenerate, and the rubber band hangs from
// the first point.

#include "platform/win/WinTypes.h"

class CDC;
class CEntityDocument;
class CRukEntity;

class CTwoPointGesture {
public:
    enum Refusal {
        // A line or circle: the second point may not be the first.
        kSamePoint,
        // An ellipse or box: it may share neither x nor y with the first.
        kSameAxis,
    };

    // Whatever the mode: 1 with the point appended as the second defining
    // point, 0 and nothing stored when the rule refuses it.
    static int AddSecond(CRukEntity* markup, int x, int y, Refusal refusal);
    // The band's anchor on the device: point 0 while it is the only one,
    // else (x, y).
    static POINT Anchor(const CRukEntity& markup, CEntityDocument* document, CDC* dc, int x, int y);
};
