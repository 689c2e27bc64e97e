#pragma once
// A markup drawn on a document as the mouse draws it, for the file tests.

#include "app/CZumeoDoc.h"
#include "markups/CRukMark.h"
#include "platform/gdi/CRecordingDC.h"
#include "settings/CDrawDefaults.h"

#include <vector>

// A press at the first click, a point at each further one, a finish request
// when those did not complete the markup, then Finish and filing. False
// when the gesture did not complete or the document did not file it.
inline bool DrawWithClicks(CZumeoDoc& document, CRukMark* mark, const std::vector<POINT>& clicks) {
    mark->OnButtonDown(nullptr, &document, clicks[0].x, clicks[0].y, nullptr, 0);
    int answer = 0;
    for (std::size_t i = 1; i < clicks.size(); ++i)
        answer = mark->AddPoint(clicks[i].x, clicks[i].y, 0);
    if (answer != 1)
        answer = mark->AddPoint(0, 0, 1);
    if (answer != 1)
        return false;
    CRecordingDC dc;
    CDrawDefaults settings;
    mark->Finish(&document, &dc, &settings);
    return document.AddFinishedMarkup(mark);
}
