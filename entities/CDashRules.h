#pragma once
// The dash and gap lengths of a line type, in device units for screen pens
// and in printer units for printed ones: the standard patterns (types 2..25
// and 200) scaled by one of two rules, and the document's own line types
// (1000 and up). Types 0, 1 and every other number draw solid; type 5 is
// dashed only above line-type scale 300, type 6 above 100. Lengths from a
// pattern of more than kMaxDashes values are taken from its first
// kMaxDashes; negative lengths count by their size.

#include "entities/CDashScaling.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <vector>

class CDashTable;
class CEntityDocument;

constexpr int kMaxDashes = 32;
using CDashArray = std::array<DWORD, kMaxDashes>;

class CDashRules {
public:
    explicit CDashRules(const CEntityDocument& document);

    // The factor of the dash lengths: the document scale for a metric
    // drawing, per inch otherwise; the fixed 1.0 or 1/25.4 when redline
    // objects do not follow the drawing's scale.
    static double PatternFactor(double documentScale, int scaleMode, int scaleMarkups);

    // Each fills dashes[0 .. count - 1] and returns true when the line type
    // draws dashed; false means a solid line (count then tells how much was
    // filled on the way).
    //
    // Screen pens and their emulation. With the pen-scale flag a length that
    // truncates to 0 makes the line solid; without it it becomes 1.
    bool ForScreen(int lineType, int lineTypeScale, const CDashScaling& scaling, CDashArray& dashes,
                   int& count) const;
    // Printer pens: lengths below 2 make the line solid.
    bool ForPrinterPen(int lineType, int lineTypeScale, const CDashScaling& scaling,
                       CDashArray& dashes, int& count) const;
    // The printer's dash emulation: always the pen-scale rule, no thresholds
    // for types 5 and 6.
    bool ForPrinterEmulation(int lineType, int lineTypeScale, const CDashScaling& scaling,
                             CDashArray& dashes, int& count) const;

private:
    const std::vector<LONG>* TableEntry(int lineType, int penScaleFlag) const;
    const std::vector<LONG>* OwnPattern(int lineType) const;

    const CEntityDocument& m_document;
};
