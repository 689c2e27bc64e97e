#pragma once
// One family of pattern lines of a pattern hatch: angle, base point, the
// offset from one line to the next and the dash list (positive a dash,
// negative a gap, 0 a dot), in drawing units. Its width and colour are kept
// and archived but do not draw; the hatch draws it inside its loops.

#include "entities/CHatchFill.h"
#include "platform/mfc/CArray.h"

class CRukHatchPattern : public CHatchFill {
    DECLARE_SERIAL(CRukHatchPattern)

public:
    CRukHatchPattern();

    void Serialize(CArchive& ar) override;
    // From the pattern line at the start of the part; false when it does
    // not lie in the record.
    bool ReadLine(const PorRecord& line);

    // Degrees as stored, any sign; drawing takes it modulo 360.
    double m_angle = 0.0;
    LONG m_baseX = 0;
    LONG m_baseY = 0;
    LONG m_dx = 0;
    LONG m_dy = 0;
    CArray<int, int> m_dashes;

protected:
    // A zero offset part is made 1 first.
    void Fill(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box,
              COLORREF fillColor) override;
};
