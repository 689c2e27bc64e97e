#pragma once
// What circles, ellipses and their arcs share: an outline computed from
// the four corners of their bounding square or parallelogram, drawn as one
// polygon (closed shapes, with the filled-shape recipe) or one polyline
// (arcs), dashed along the same points.

#include "entities/CRukEntity.h"

#include <optional>
#include <vector>

struct PorPen;

class CRukConic : public CRukEntity {
public:
    void DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) override;
    void DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
               double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
               const RECT& clip) override;
    void TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) override;
    // The outline's box, when nothing fills it.
    std::optional<RECT> ThinOutlineBox() const override;
    void TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
                const RECT& clip, BOOL boxOnly) override;
    void LineTypeB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                   double patternFactor, const CDrawDefaults* settings) override;
    void LineTypeA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                   double patternFactor, const CDrawDefaults* settings, const RECT& clip) override;

protected:
    CRukConic() = default;

    // What is drawn, in drawing units; nothing without the four corners.
    virtual std::vector<POINT> Outline() const = 0;
    virtual bool IsClosed() const = 0;
    // A box in drawing units that holds every point of the outline, where
    // one is known without computing the outline.
    virtual std::optional<RECT> OutlineBox() const { return std::nullopt; }
    // The outline in view units for a context that drops points repeating
    // the pixel before them, computed only where the pixel changes; false
    // where the conic has no such shortcut.
    virtual bool PixelOutline(const CDC&, int /*originX*/, int /*originY*/, double /*scale*/,
                              std::vector<POINT>& /*chain*/) const {
        return false;
    }
    // One polygon for a closed outline, one polyline for an arc.
    void Draw(CDC* dc, const std::vector<POINT>& chain) const;

    // The body of both arcs: corners, start and end, the open shapes'
    // fields (schemas 0 to 2). Loading brings the saved colour up to date.
    void SerializeArcBody(CArchive& ar);
    // The pen block of a record: a negative width takes the default.
    void TakePen(const PorPen& pen, int defaultWidth);
    // An arc record of that type: corners, ends, pen, names; 0 for another
    // type or a record too short for its fields.
    int FillFromArcRecord(const PorRecord* record, LONG type, int defaultWidth);
    // Red grip boxes at the points, and the index of the first whose box
    // lies under the point.
    void DrawGripsAt(CDC* dc, const std::vector<POINT>& grips, int originX, int originY,
                     double scale) const;
    int HitGripAt(CDC* dc, CEntityDocument* document, const std::vector<POINT>& grips, int x, int y,
                  int* grip) const;
};
