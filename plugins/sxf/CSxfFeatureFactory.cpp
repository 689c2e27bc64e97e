#include "plugins/sxf/CSxfFeatureFactory.h"

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfAngularDimension.h"
#include "plugins/sxf/CSxfArc.h"
#include "plugins/sxf/CSxfAttribute.h"
#include "plugins/sxf/CSxfBalloon.h"
#include "plugins/sxf/CSxfCircle.h"
#include "plugins/sxf/CSxfClothoid.h"
#include "plugins/sxf/CSxfCurveDimension.h"
#include "plugins/sxf/CSxfDiameterDimension.h"
#include "plugins/sxf/CSxfEllipse.h"
#include "plugins/sxf/CSxfEllipseArc.h"
#include "plugins/sxf/CSxfExternalHatch.h"
#include "plugins/sxf/CSxfExternalSymbol.h"
#include "plugins/sxf/CSxfFillColour.h"
#include "plugins/sxf/CSxfFillHatching.h"
#include "plugins/sxf/CSxfFillTiles.h"
#include "plugins/sxf/CSxfLabel.h"
#include "plugins/sxf/CSxfLine.h"
#include "plugins/sxf/CSxfLinearDimension.h"
#include "plugins/sxf/CSxfPointMarker.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/CSxfRadiusDimension.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfSpline.h"
#include "plugins/sxf/CSxfText.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

using Creator = std::unique_ptr<CSxfObject> (*)(const void*, int, const CSxfReader*);

template <typename Class, typename Data>
std::unique_ptr<CSxfObject> Make(const void* data, int id, const CSxfReader* owner) {
    return std::make_unique<Class>(id, owner, *static_cast<const Data*>(data));
}

struct FeatureClass {
    std::string_view typeName;
    Creator create;
};

// In the order the names are compared; the first equal one decides.
constexpr FeatureClass Features[] = {
    {"LINE", Make<CSxfLine, SxfLineData>},
    {"CIRCLE", Make<CSxfCircle, SxfCircleData>},
    {"ARC", Make<CSxfArc, SxfArcData>},
    {"ELLIPSE", Make<CSxfEllipse, SxfEllipseData>},
    {"ELLIPSE_ARC", Make<CSxfEllipseArc, SxfEllipseArcData>},
    {"POLYLINE", Make<CSxfPolyLine, SxfPolylineData>},
    {"TEXT", Make<CSxfText, SxfTextData>},
    {"POINT_MARKER", Make<CSxfPointMarker, SxfPointMarkerData>},
    {"SPLINE", Make<CSxfSpline, SxfSplineData>},
    {"CLOTHOID", Make<CSxfClothoid, SxfClothoidData>},
    {"EXTERNALLY_DEFINED_SYMBOL", Make<CSxfExternalSymbol, SxfExternalSymbolData>},
    {"LINEAR_DIMENSION", Make<CSxfLinearDimension, SxfLinearDimData>},
    {"CURVE_DIMENSION", Make<CSxfCurveDimension, SxfAngularDimData>},
    {"ANGULAR_DIMENSION", Make<CSxfAngularDimension, SxfAngularDimData>},
    {"RADIUS_DIMENSION", Make<CSxfRadiusDimension, SxfRadiusDimData>},
    {"DIAMETER_DIMENSION", Make<CSxfDiameterDimension, SxfDiameterDimData>},
    {"LABEL", Make<CSxfLabel, SxfLabelData>},
    {"BALLOON", Make<CSxfBalloon, SxfBalloonData>},
    {"FILL_AREA_STYLE_HATCHING", Make<CSxfFillHatching, SxfFillHatchingData>},
    {"EXTERNALLY_DEFINED_HATCH", Make<CSxfExternalHatch, SxfExternalHatchData>},
    {"FILL_AREA_STYLE_COLOUR", Make<CSxfFillColour, SxfFillColourData>},
    {"FILL_AREA_STYLE_TILES", Make<CSxfFillTiles, SxfFillTilesData>},
    {"SFIG_LOCATE", Make<CSxfSfigLocate, SxfSfigLocateData>},
    {"ATTRIBUTE", Make<CSxfAttribute, SxfAttributeData>},
};

constexpr FeatureClass CurveFeatures[] = {
    {"ARC", Make<CSxfArc, SxfArcData>},
    {"ELLIPSE_ARC", Make<CSxfEllipseArc, SxfEllipseArcData>},
    {"POLYLINE", Make<CSxfPolyLine, SxfPolylineData>},
    {"SPLINE", Make<CSxfSpline, SxfSplineData>},
    {"CLOTHOID", Make<CSxfClothoid, SxfClothoidData>},
};

template <std::size_t N>
std::unique_ptr<CSxfObject> CreateFrom(const FeatureClass (&classes)[N], const char* typeName,
                                       const void* data, int id, const CSxfReader* owner) {
    if (!typeName || !data) {
        return nullptr;
    }
    const auto found = std::find_if(std::begin(classes), std::end(classes),
                                    [&](const FeatureClass& c) { return c.typeName == typeName; });
    return found == std::end(classes) ? nullptr : found->create(data, id, owner);
}

} // namespace

std::unique_ptr<CSxfObject> CSxfFeatureFactory::Create(const char* typeName, const void* data,
                                                       int id, const CSxfReader* owner) {
    return CreateFrom(Features, typeName, data, id, owner);
}

std::unique_ptr<CSxfObject> CSxfFeatureFactory::CreateCurve(const char* typeName, const void* data,
                                                            int id, const CSxfReader* owner) {
    return CreateFrom(CurveFeatures, typeName, data, id, owner);
}
