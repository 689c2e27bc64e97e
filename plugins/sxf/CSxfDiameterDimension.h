#pragma once
// The SXF "DIAMETER_DIMENSION" feature: a line dimension with an arrowhead
// at each end.

#include "plugins/sxf/CSxfLineDimension.h"

class CSxfDiameterDimension : public CSxfLineDimension {
public:
    CSxfDiameterDimension(int id, const CSxfReader* owner, const SxfDiameterDimData& data)
        : CSxfLineDimension(id, owner, data.codes, {data.startX, data.startY, data.endX, data.endY},
                            data.arrow1, data.arrow2, data.textFlag, data.text) {}

    std::unique_ptr<CSxfObject> Clone() const override {
        return WithParts(std::make_unique<CSxfDiameterDimension>(*this));
    }
};
