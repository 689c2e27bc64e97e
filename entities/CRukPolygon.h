#pragma once
// A closed chain of vertices (kind 0x10), filled or not. Its outline is
// dashed round the closing edge too.

#include "entities/CRukEntity.h"
#include "entities/CShapeOutput.h"
#include "por/PorField.h"

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

protected:
    // The fields every record of this layout shares, for a record of that
    // type with its points in that field; 0 for another type or a record
    // too short for its fields.
    int FillFromRecord(const PorRecord* record, LONG type, PorPointListField pointsField,
                       int defaultWidth);
    // The body of the closed curves, schema 0 alone: the vertices and the
    // fields up to the tag, without third colour and transparent flag (those
    // keep their defaults when read). Loading brings the saved colours up to
    // date; the caller's part follows.
    void SerializeCurveBody(CArchive& ar);
    // The box of the vertices united with the closed spline through them;
    // unchanged without vertices.
    void RecalcClosedSplineExtents();

private:
    // The chain with the first vertex again at its end.
    static std::vector<POINT> Closed(std::vector<POINT> chain);
};
