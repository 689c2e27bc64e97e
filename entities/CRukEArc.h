#pragma once
// The counter-clockwise arc (kind 8) of an ellipse from its start point
// (the first point) to its end point (the second point).

#include "entities/CRukEllipse.h"

class CRukEArc : public CRukEllipse {
    DECLARE_SERIAL(CRukEArc)

public:
    CRukEArc();

    void Serialize(CArchive& ar) override;
    // Start, the arc points between, end.
    void RecalcExtents() override;
    int CreateFromRecord(const PorRecord* record, CEntityDocument* document,
                         int defaultWidth) override;

protected:
    std::vector<POINT> Outline() const override;
    bool IsClosed() const override { return false; }
};
