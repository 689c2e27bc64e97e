#pragma once
// A filled region of an imported drawing (kind 0x80000): boundary loops of
// typed edges, filled solid, with families of pattern lines, or with one
// tile. All loops are traced into one point array with a count per loop; a
// solid hatch paints them as one polygon set, the others clip to it and let
// their fill objects draw inside, within whatever clip the caller had set,
// which comes back afterwards. The hatch owns its boundaries and fills.

#include "entities/CHatchMapping.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CObList.h"

#include <functional>
#include <vector>

class CHatchFill;
class CRukHatchBoundary;

class CRukHatch : public CRukEntity {
    DECLARE_SERIAL(CRukHatch)

public:
    static constexpr int kPatternKind = 0;
    static constexpr int kSolidKind = 1;
    static constexpr int kTileKind = 2;

    CRukHatch();
    ~CRukHatch() override;
    CRukHatch(const CRukHatch&) = delete;
    CRukHatch& operator=(const CRukHatch&) = delete;

    // Boundaries and fills are read as new objects of this hatch's own.
    void Serialize(CArchive& ar) override;
    // The union of the boundaries' extents; (0, 0, 0, 0) without boundaries.
    void RecalcExtents() override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;

    // 0 pattern lines, 1 solid, 2 tile.
    int m_hatchKind = kPatternKind;
    CObList m_boundaries{10};
    // Patterns, or the one tile.
    CObList m_fills{10};

private:
    // The pen and brush of the colour selected around one trace.
    template <class Trace> void WithPenAndBrush(CDC* dc, COLORREF color, Trace trace);
    // The loops (device units) painted as one polygon set, or made the clip
    // that each fill object draws in with drawFill. Loops of fewer than two
    // points are left out.
    void Paint(CDC* dc, const std::vector<std::vector<POINT>>& loops,
               const std::function<void(CHatchFill& fill, const CHatchBox& box)>& drawFill);
    // The colour dots are set in.
    COLORREF FillColor(CDC* dc, const CDrawDefaults* settings) const;
    CHatchBox Box() const;
};
