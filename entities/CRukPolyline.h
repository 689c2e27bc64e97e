#pragma once
// An open chain of vertices (kind 2). It draws with the line's pen rules,
// but trusts the dashed pen for every line type.

#include "entities/CRukLine.h"
#include "por/PorField.h"

class CRukPolyline : public CRukLine {
    DECLARE_SERIAL(CRukPolyline)

public:
    CRukPolyline();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void SetFirstPoint(int x, int y) override;
    int AppendPoint(int x, int y) override;
    void DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                    double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                    const RECT& clip) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
    void ScaleAbout(int cx, int cy, double sx, double sy) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    // None: the vertices, and the curves drawn through them, are not bounded
    // by the two points of a line.
    std::optional<RECT> ThinOutlineBox() const override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                   double patternFactor, const CDrawDefaults* settings) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;
    void DrawGrips(CDC* dc, int originX, int originY, double scale,
                   const CDrawDefaults* settings) override;
    void DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                   const CDrawDefaults* settings) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    int HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) override;
    int SetPoint(int x, int y, int index) override;

protected:
    // The fields every record of this layout shares, for a record of that
    // type with its points in that field; 0 for another type or a record
    // too short for its fields.
    int FillFromRecord(const PorRecord* record, LONG type, PorPointListField pointsField,
                       int defaultWidth);

private:
    void DrawChain(CDC* dc, const std::vector<POINT>& chain, const CDrawDefaults* settings);
};
