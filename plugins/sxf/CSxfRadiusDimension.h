#pragma once
// The SXF "RADIUS_DIMENSION" feature: a line dimension with one arrowhead,
// at the line's end.

#include "plugins/sxf/CSxfLineDimension.h"

class CSxfRadiusDimension : public CSxfLineDimension {
public:
    CSxfRadiusDimension(int id, const CSxfReader* owner, const SxfRadiusDimData& data)
        : CSxfLineDimension(id, owner, data.codes, {data.startX, data.startY, data.endX, data.endY},
                            std::nullopt, data.arrow, data.textFlag, data.text) {}

    std::unique_ptr<CSxfObject> Clone() const override {
        return WithParts(std::make_unique<CSxfRadiusDimension>(*this));
    }
};
