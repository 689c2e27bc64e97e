#pragma once
// One family of pattern lines of a pattern hatch: angle, base point, the
// offset from one line to the next and the dash list (positive a dash,
// negative a gap, 0 a dot), in drawing units. Its width and colour are kept
// and archived but do not draw; the hatch draws it inside its loops.

#include "entities/CHatchMapping.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CArray.h"

class CRukHatchPattern : public CRukEntity {
    DECLARE_SERIAL(CRukHatchPattern)

public:
    CRukHatchPattern();

    void Serialize(CArchive& ar) override;
    // From the pattern line at the start of the part; false when it does
    // not lie in the record.
    bool ReadLine(const PorRecord& line);

    using CRukEntity::DrawA;
    using CRukEntity::DrawB;
    // The family over the box with the selected pen, dots in the fill
    // colour: view units (A) or printer units (B). A zero offset part is
    // made 1 first.
    void DrawA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults* settings,
               const CHatchBox& box, COLORREF fillColor);
    void DrawB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings,
               const CHatchBox& box, COLORREF fillColor);

    // Degrees as stored, any sign; drawing takes it modulo 360.
    double m_angle = 0.0;
    LONG m_baseX = 0;
    LONG m_baseY = 0;
    LONG m_dx = 0;
    LONG m_dy = 0;
    CArray<int, int> m_dashes;

private:
    void Draw(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box, COLORREF fillColor);
};
