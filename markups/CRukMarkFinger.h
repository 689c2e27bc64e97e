#pragma once
// The pointing hand: a fixed 23-vertex outline with its fingertip at the
// first point, turned toward the second and mirrored when it points to the
// left, so that its thumb stays on the upper side.

#include "markups/CRukFixedLengthMark.h"

#include <array>
#include <vector>

class CRukMarkFinger : public CRukFixedLengthMark {
    DECLARE_SERIAL(CRukMarkFinger)

public:
    CRukMarkFinger();

    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    double GetHandSize() const override;
    int GetPoint(int* x, int* y, int index) const override;
    double FixedLength(const CMarkupDocument& document) const override;
    // The line from the first point to the cursor and the hand turned
    // toward it.
    void DrawFigure(CTrackSurface& surface, const CMarkupDocument& document,
                    POINT cursor) const override;

    // The hand's vertices, fingertip at `tip`, lying toward `toward`, of
    // size S (drawing units).
    std::vector<POINT> HandVertices(POINT tip, POINT toward, double size) const;

    // The outline in units of the hand size, fingertip at the origin, the
    // hand's axis along +x.
    std::array<DPOINT, 23> m_outline;

protected:
    void RebuildPoints() override;
};
