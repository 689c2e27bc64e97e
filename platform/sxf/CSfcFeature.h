#pragma once
// One drawing feature of a ".sfc" file, decoded into the data the library
// hands out under its type name ("LINE", "POLYLINE", ...). A feature that
// could not be decoded keeps its error and is reported when it is read.

#include "platform/sxf/SxfData.h"

#include <string>
#include <variant>

using SxfFeatureData =
    std::variant<std::monostate, SxfLineData, SxfEllipseData, SxfEllipseArcData, SxfPolylineData,
                 SxfSplineData, SxfSfigLocateData, SxfExternalSymbolData, SxfPointMarkerData,
                 SxfCircleData, SxfArcData, SxfClothoidData, SxfTextData, SxfLinearDimData,
                 SxfAngularDimData, SxfRadiusDimData, SxfDiameterDimData, SxfLabelData,
                 SxfBalloonData, SxfExternalHatchData, SxfFillColourData, SxfFillHatchingData,
                 SxfFillTilesData, SxfAttributeData>;

struct CSfcFeature {
    int id = 0;
    std::string typeName;
    SxfFeatureData data;
    std::string error;

    // The active data, null for a feature that could not be decoded.
    void* DataPointer() {
        return std::visit(
            [](auto& value) -> void* {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::monostate>) {
                    return nullptr;
                } else {
                    return &value;
                }
            },
            data);
    }
};
