#pragma once
// The counter-clockwise arc (kind 4) of a circle from its start point (the
// first point) to its end point (the second point). Equal whole-degree
// angles give the full circle through both points.

#include "entities/CRukCircle.h"
#include "entities/CShapeOutput.h"

#include <utility>

class CRukArc : public CRukCircle {
    DECLARE_SERIAL(CRukArc)

public:
    CRukArc();

    void Serialize(CArchive& ar) override;
    void RecalcExtents() override;
    void ScaleAbout(int cx, int cy, double sx, double sy) override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    int HitTest(CDC* dc, CEntityDocument* document, int x, int y) override;
    void SetStartPoint(int x, int y) override;
    void SetEndPoint(int x, int y) override;

    // The start point, the circle's points at the step between the start
    // and end angles, the end point; none without the corners.
    std::vector<POINT> Chain(int step) const;

protected:
    std::vector<POINT> Outline() const override;
    // The circle's square and the two ends, which the chain holds as given.
    std::optional<RECT> OutlineBox() const override;
    // The ends as given and the circle's points between them a quarter of
    // the circle at a time.
    bool PixelOutline(const CDC& dc, int originX, int originY, double scale,
                      std::vector<POINT>& chain) const override;
    bool IsClosed() const override { return false; }

private:
    // The whole-degree angles of the start and the end, the end beyond the
    // start by up to a turn.
    std::pair<int, int> Angles() const;
    void DrawOpen(CDC* dc, const CDrawDefaults* settings, COLORREF color, int width,
                  const CShapeOutput& output, bool styledPens);
};
