#pragma once
// A block reference whose block was not yet defined when it was read.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <memory>

class CPorStream;

struct CDxfPendingInsert {
    // Longer block names are cut to this many bytes, never splitting a
    // two-byte character.
    static constexpr int MaxNameLength = 255;

    double x = 0.0; // drawing units
    double y = 0.0;
    double xScale = 1.0;
    double yScale = 1.0;
    double rotation = 0.0; // degrees
    CString blockName;
    int lineType = 1;
    COLORREF color = 0;
    // A dimension's own drawing, put in the reference's place when its
    // block turns out missing or empty; none for other references.
    std::shared_ptr<const CPorStream> missingBlockDrawing;
};
