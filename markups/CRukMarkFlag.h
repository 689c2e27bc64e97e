#pragma once
// The flag: a pole of fixed length from the foot point toward the cursor,
// a small filled circle at the foot, and a triangular pennant at the top of
// the pole, on one side or the other by the document's pennant side.

#include "markups/CRukFixedLengthMark.h"

#include <array>

class CRukMarkFlag : public CRukFixedLengthMark {
    DECLARE_SERIAL(CRukMarkFlag)

public:
    CRukMarkFlag();

    void Finish(CEntityDocument* document, CDC* dc, const CDrawDefaults* settings) override;
    double FixedLength(const CMarkupDocument& document) const override;
    void DrawFigure(CTrackSurface& surface, const CMarkupDocument& document,
                    POINT cursor) const override;

    // The flag planted at the foot with its top at `top` (drawing units).
    struct Figure {
        int m_footRadius = 0;
        // Top of the pole, base point on the pole, tip.
        std::array<POINT, 3> m_pennant{};
    };
    static Figure Plant(const CMarkupDocument& document, POINT foot, POINT top);

protected:
    void RebuildPoints() override;
};
