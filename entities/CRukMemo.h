#pragma once
// A multi-line note held in a rectangle (kind 0x40000): the first point is
// the rectangle's top-left corner, the second its bottom-right (y grows
// upwards). The lines of the text ("\n" separates them, "\r" is ignored)
// are drawn from the top-left corner down, and the height can be fitted so
// that the whole text fills the rectangle. The sticky-note markup owns one.

#include "entities/CRukText.h"

#include <vector>

class CRukMemo : public CRukText {
    DECLARE_SERIAL(CRukMemo)

public:
    CRukMemo();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void SetCorner2(int x, int y) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    // Keeps the height when the rectangle or the measured text is empty,
    // where the fit has nothing to go by.
    void FitTextToBox(CEntityDocument* document, CDC* dc, const CString& text,
                      const CDrawDefaults* settings) override;

    // The text's lines: the last one only when it is not empty or the text
    // ends with a line break.
    static std::vector<CString> SplitLines(const CString& text);

private:
    // The widest line and the sum of the line heights, in the DC's units.
    static SIZE MeasureLines(CDC* dc, const std::vector<CString>& lines);
};
