#pragma once
// The SXF "LINEAR_DIMENSION" feature: a line dimension whose shown
// projection lines are drawn after the dimension line.

#include "plugins/sxf/CSxfLineDimension.h"

class CSxfLinearDimension : public CSxfLineDimension {
public:
    CSxfLinearDimension(int id, const CSxfReader* owner, const SxfLinearDimData& data);

    std::unique_ptr<CSxfObject> Clone() const override {
        return WithParts(std::make_unique<CSxfLinearDimension>(*this));
    }

protected:
    void MakeMoreParts() override;

private:
    SxfProjectionData m_projections[2];
};
