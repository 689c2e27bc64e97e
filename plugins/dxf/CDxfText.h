#pragma once
// One TEXT or MTEXT as the text readers hand it to the text emitter.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorRecords.h"

struct CDxfText {
    double x = 0.0; // insertion point, drawing units, relative to the block base
    double y = 0.0;
    double height = 0.0;
    double widthFactor = 1.0;
    CString text;              // CP932, special characters already replaced
    double rotation = 0.0;     // degrees
    double obliqueAngle = 0.0; // degrees
    int verticalAlign = 0;     // 0 base line, 1 bottom, 2 middle, 3 top
    int horizontalAlign = 0;   // 0 left, 1 centre, 2 right
    COLORREF color = PorByLayerColor;
    CString layer = "0";
    CString id;
    CString face; // only a leading "@" (vertical face) is used
    int vertical = 0;
    double lineSpacing = 1.0;
    int lineSpacingStyle = 1; // 1: a line step is at least the text height
};
