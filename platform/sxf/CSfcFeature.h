#pragma once
// One drawing feature of a ".sfc" file, decoded into the data the library
// hands out under its type name ("LINE", "POLYLINE", ...). A feature that
// could not be decoded keeps its error and is reported when it is read.
// The data are held apart, each in its own size: the kinds differ
// hundredfold in size, and a drawing holds hundreds of thousands.

#include "platform/sxf/SxfData.h"

#include <memory>
#include <string>
#include <string_view>
#include <variant>

using SxfFeatureData =
    std::variant<std::monostate, std::unique_ptr<SxfLineData>, std::unique_ptr<SxfEllipseData>,
                 std::unique_ptr<SxfEllipseArcData>, std::unique_ptr<SxfPolylineData>,
                 std::unique_ptr<SxfSplineData>, std::unique_ptr<SxfSfigLocateData>,
                 std::unique_ptr<SxfExternalSymbolData>, std::unique_ptr<SxfPointMarkerData>,
                 std::unique_ptr<SxfCircleData>, std::unique_ptr<SxfArcData>,
                 std::unique_ptr<SxfClothoidData>, std::unique_ptr<SxfTextData>,
                 std::unique_ptr<SxfLinearDimData>, std::unique_ptr<SxfAngularDimData>,
                 std::unique_ptr<SxfRadiusDimData>, std::unique_ptr<SxfDiameterDimData>,
                 std::unique_ptr<SxfLabelData>, std::unique_ptr<SxfBalloonData>,
                 std::unique_ptr<SxfExternalHatchData>, std::unique_ptr<SxfFillColourData>,
                 std::unique_ptr<SxfFillHatchingData>, std::unique_ptr<SxfFillTilesData>,
                 std::unique_ptr<SxfAttributeData>>;

struct CSfcFeature {
    int id = 0;
    std::string_view typeName; // one of the decoder's names, which live as long as the program
    SxfFeatureData data;
    std::string error;

    // The active data, null for a feature that could not be decoded.
    void* DataPointer() {
        return std::visit(
            [](auto& value) -> void* {
                if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::monostate>) {
                    return nullptr;
                } else {
                    return value.get();
                }
            },
            data);
    }

    // The data when they are of that kind, else null.
    template <typename Data> const Data* Get() const {
        const auto* box = std::get_if<std::unique_ptr<Data>>(&data);
        return box ? box->get() : nullptr;
    }
};
