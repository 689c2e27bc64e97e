#pragma once
// The SXF "CURVE_DIMENSION" feature: the angular dimension's twin.

#include "plugins/sxf/CSxfAngularDimension.h"

class CSxfCurveDimension : public CSxfAngularDimension {
public:
    using CSxfAngularDimension::CSxfAngularDimension;

    std::unique_ptr<CSxfObject> Clone() const override {
        return WithParts(std::make_unique<CSxfCurveDimension>(*this));
    }
};
