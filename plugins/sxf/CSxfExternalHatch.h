#pragma once
// The SXF "EXTERNALLY_DEFINED_HATCH" feature: a hatch whose pattern is only
// named. Its pattern is not drawn; the outlines whose composite curve is
// displayed are written as their own curves.

#include "plugins/sxf/CSxfFill.h"

class CSxfExternalHatch : public CSxfFill {
public:
    CSxfExternalHatch(int id, const CSxfReader* owner, const SxfExternalHatchData& data)
        : CSxfFill(id, owner, data.layer, data.boundaries), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    int WritePOR(PorBlockWriter& stream) const override;
    // The outlines take the colour; the hatch keeps none.
    void SetColour(int code) override { m_loops.SetColour(code); }

protected:
    HatchFill Fill() const override { return {}; }

private:
    SxfExternalHatchData m_data;
};
