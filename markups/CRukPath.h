#pragma once
// The cut-out: a closed redline shape with holes. Its children are whole
// markups: the first is the outer shape, every further one a hole. It is
// drawn through one clip region, the outer outline minus every hole
// outline, filled and outlined inside it, so that the holes stay clear and
// only the inner half of each outline shows. It keeps its own line and fill
// attributes instead of passing them to the children. A hit on a child
// markup makes that child the one later edits act on; a hit inside the
// filled area, the whole cut-out.

#include "markups/CRukMark.h"

#include <functional>

class CRgn;

class CRukPath : public CRukMark {
    DECLARE_SERIAL(CRukPath)

public:
    CRukPath();

    void Serialize(CArchive& ar) override;
    void SetLineType(int lineType) override { CRukEntity::SetLineType(lineType); }
    int GetLineType() const override { return CRukEntity::GetLineType(); }
    void SetColor(COLORREF color) override { CRukEntity::SetColor(color); }
    void RestoreColor() override { CRukEntity::RestoreColor(); }
    void SetFillColor(COLORREF color) override { CRukEntity::SetFillColor(color); }
    void RestoreFillColor() override { CRukEntity::RestoreFillColor(); }
    COLORREF GetFillColor() const override { return CRukEntity::GetFillColor(); }
    void SetFillType(int fillType) override { CRukEntity::SetFillType(fillType); }
    int GetFillType() const override { return CRukEntity::GetFillType(); }
    void SetLineWidth(int width) override { CRukEntity::SetLineWidth(width); }
    int GetLineWidth() const override { return CRukEntity::GetLineWidth(); }
    void SetLayerName(const CString& name) override;
    CString GetLayerName() const override { return CRukEntity::GetLayerName(); }
    void SetLineTypeScale(int scale) override { CRukEntity::SetLineTypeScale(scale); }
    int GetLineTypeScale() const override { return CRukEntity::GetLineTypeScale(); }
    void SetTransparent(int transparent) override { CRukEntity::SetTransparent(transparent); }
    int GetTransparent() const override { return CRukEntity::GetTransparent(); }
    void SetVisible(int visible) override { CRukEntity::SetVisible(visible); }
    void SetThirdColor(COLORREF color) override { CRukEntity::SetThirdColor(color); }
    COLORREF GetThirdColor() const override { return CRukEntity::GetThirdColor(); }
    void RecalcExtents() override;
    void Draw(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
              COLORREF color, const CDrawDefaults* settings, const RECT& clip) override;
    // By its own fill, its area shown in the colour.
    CSelectionLook::Look SelectionLook(int selectMode) const override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void Offset(int dx, int dy) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    void SetGripCursor(int grip) override;
    int GetHitChild() const override { return m_hitChild; }

    // Traces one outline's bare geometry into the context's open path.
    using Tracer = std::function<void(CRukEntity& outline)>;
    // The region of the outlines: the first outline of the first child
    // minus every later one, each traced into a path of its own. False,
    // with nothing built, when there is no outline. *outer receives the
    // outer outline.
    bool BuildRegion(CDC* dc, const Tracer& trace, CRgn* region, CRukEntity** outer) const;
    // The region a markup or a cut-out covers in view units through the
    // context: a cut-out's region, a markup's outline. False when it has none.
    static bool RegionOf(CRukEntity& object, CDC* dc, int originX, int originY, double scale,
                         const CDrawDefaults* settings, CRgn* region);

    int m_hitChild = 0;

private:
    // The child at that position; null when the list is shorter.
    CRukEntity* ChildAtPosition(int position) const;
    // The output drawing through a pen rule and tracer (screen or printer).
    void DrawOutput(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings,
                    BOOL drawBlack, bool printer, const Tracer& trace,
                    const std::function<void(CPen*, COLORREF, int)>& linePen);
};
