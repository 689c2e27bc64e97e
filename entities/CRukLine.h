#pragma once
// A straight segment between the first and second point (kind 1). Its pen
// choice is the model of every open shape: the polyline reuses it with its
// own geometry.

#include "entities/CRukEntity.h"
#include "entities/CShapeOutput.h"

class CRukLine : public CRukEntity {
    DECLARE_SERIAL(CRukLine)

public:
    CRukLine();

    void Serialize(CArchive& ar) override;
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
    // The segment between the two points.
    std::optional<RECT> ThinOutlineBox() const override;

    static constexpr int kWideLineType = 100;

protected:
    // The fields after the geometry, shared with the polyline's body: layer
    // name, line type (16 bits), line-type scale (from schema 1), line width
    // (16 bits), colour, child flag (8 bits) and tag. Loading also brings
    // the saved colour and the extents up to date.
    void StoreAttributes(CArchive& ar) const;
    void LoadAttributes(CArchive& ar, UINT schema);

    // The pen rules of the open shapes. styledPens: the line type's own pen
    // is used (dashed pens are trusted on this output); emulateFineDots:
    // types 5 to 7 are dashed by the emulation under a solid pen instead;
    // wideJoin: the join of the geometric pen of the wide line type.
    void DrawOpenShape(CDC* dc, const CDrawDefaults* settings, COLORREF color, int width,
                       const CShapeOutput& output, bool styledPens, bool emulateFineDots,
                       DWORD wideJoin);
    // The wide line type is stroked as a path where geometric pens are not
    // trusted outside paths.
    bool StrokesAsPath(const CDrawDefaults* settings) const;

private:
    void DrawSegment(CDC* dc, POINT from, POINT to, bool chained, const CDrawDefaults* settings);
};
