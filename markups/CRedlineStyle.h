#pragma once
// The current redline style that the redline palette writes and new
// markups read when they are made and build their children, with the
// fixed proportions of the flag, hand and callout markups.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CRedlineStyle {
public:
    COLORREF m_redPenColor = 0x00FF0000;
    // Bulge factor of new clouds' arcs: tan 27.5 degrees, 110-degree arcs.
    double m_cloudArcRatio = 0.52056705;
    // 0.01 mm.
    int m_redPenWidth = 15;
    // 0 no line.
    int m_redLineType = 1;
    int m_redLineTypeScale = 1000;
    // Non-zero: closed children filled solid and opaque.
    int m_redSolidFill = 0;
    // 0 none, 1, 3, 4..9 hatches, 99.
    int m_redFillType = 0;
    // CRukEntity::kNoFillColor takes the background.
    COLORREF m_redFillColor = 0x00FF0000;
    COLORREF m_redHatchColor = 0x00FF0000;
    int m_redTransparent = 0;
    CString m_redFaceName;
    int m_redPolyMode = 0;
    // Label frame of new leader marks: 1 circle, 2 none, 3 rectangle.
    int m_labelFrame = 1;
    // Non-zero: the leader starts at the shape's centre.
    int m_leaderTipAtCentre = 1;
    int m_noteFrameLine = 1;

    double m_flagLength = 5.0;
    double m_flagFootRatio = 0.1;
    double m_pennantRatio = 0.5;
    int m_pennantSide = 0;
    double m_fingerScale = 0.5;
    double m_calloutGapRatio = 0.5;
};
