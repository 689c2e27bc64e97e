#include "plugins/sxf/CSxfFeatureFactory.h"

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfEllipse.h"
#include "plugins/sxf/CSxfEllipseArc.h"
#include "plugins/sxf/CSxfExternalSymbol.h"
#include "plugins/sxf/CSxfLine.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/CSxfSpline.h"

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
    {"ELLIPSE", Make<CSxfEllipse, SxfEllipseData>},
    {"ELLIPSE_ARC", Make<CSxfEllipseArc, SxfEllipseArcData>},
    {"POLYLINE", Make<CSxfPolyLine, SxfPolylineData>},
    {"SPLINE", Make<CSxfSpline, SxfSplineData>},
    {"EXTERNALLY_DEFINED_SYMBOL", Make<CSxfExternalSymbol, SxfExternalSymbolData>},
    {"SFIG_LOCATE", Make<CSxfSfigLocate, SxfSfigLocateData>},
};

constexpr FeatureClass CurveFeatures[] = {
    {"ELLIPSE_ARC", Make<CSxfEllipseArc, SxfEllipseArcData>},
    {"POLYLINE", Make<CSxfPolyLine, SxfPolylineData>},
    {"SPLINE", Make<CSxfSpline, SxfSplineData>},
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
