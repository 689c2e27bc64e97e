#pragma once
// The copy of the settings record that the settings dialog edits; it goes
// back into the record only when the dialog ends with OK.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CDrawDefaults;

struct CSettingsValues {
    COLORREF bkColor = 0xFFFFFF;
    COLORREF selColor = 0x808080;
    int mono = 0;
    int viewMarginBottom = 0;
    int viewMarginLeft = 0;
    int viewMarginRight = 0;
    int viewMarginTop = 0;
    int fitRange = 1;
    int viewOrder = 1;
    int printMarginBottom = 0;
    int printMarginLeft = 0;
    int printMarginRight = 0;
    int printMarginTop = 0;
    int printRange = 0;
    int printColorMode = 0;
    int textLarge = 0;
    int textStandard = 0;
    int textSmall = 0;
    int arrowLarge = 0;
    int arrowStandard = 0;
    int arrowSmall = 0;
    int cloudSpace = 0;
    int imageStretchMode = 0;
    int imageTransparent = 0;
    CString converterPath;
    int undoMax = 10;
    int saveConfirm = 1;

    // The record's values; the sizes cut to whole numbers.
    static CSettingsValues FromRecord(const CDrawDefaults& record);
    // Puts every value back; the colours also become the current ones.
    void ApplyTo(CDrawDefaults& record) const;
};
