#pragma once
// A closed chain of vertices (kind 0x10), filled or not. Its outline is
// dashed round the closing edge too.

#include "entities/CRukEntity.h"
#include "entities/CShapeOutput.h"

#include <vector>

class CRukPolygon : public CRukEntity {
    DECLARE_SERIAL(CRukPolygon)

public:
    CRukPolygon();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void SetFirstPoint(int x, int y) override;
    int AppendPoint(int x, int y) override;
    void MoveVertex(int dx, int dy, int index, int x, int y, UINT flags) override;
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

private:
    void DrawFilled(CDC* dc, const CDrawDefaults* settings, COLORREF penColor, COLORREF fillColor,
                    COLORREF thirdColor, int width, const CShapeOutput& output);
    // The chain with the first vertex again at its end.
    static std::vector<POINT> Closed(std::vector<POINT> chain);
};
