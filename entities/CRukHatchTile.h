#pragma once
// The one fill object of a tile hatch: a motif of line segments (points 2k
// and 2k + 1 of the point list) repeated on a lattice given by an origin,
// the row step and direction, and the offset from one row to the next; the
// motif is scaled and turned before it is placed.

#include "entities/CHatchFill.h"

class CRukHatchTile : public CHatchFill {
    DECLARE_SERIAL(CRukHatchTile)

public:
    CRukHatchTile();

    void Serialize(CArchive& ar) override;
    // From the tile at the start of the part; the angles and scales are
    // divided by the unit. False when the tile does not lie in the record.
    bool ReadTile(const PorRecord& tile, UINT unit);

    LONG m_originX = 0;
    LONG m_originY = 0;
    LONG m_rowStep = 0;
    double m_rowAngle = 0.0;
    LONG m_offsetLength = 0;
    double m_offsetAngle = 0.0;
    double m_scaleX = 1.0;
    double m_scaleY = 1.0;
    double m_motifAngle = 0.0;

protected:
    void Fill(CDC* dc, const CHatchMapping& mapping, const CHatchBox& box,
              COLORREF fillColor) override;
};
