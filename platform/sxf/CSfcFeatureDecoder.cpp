#include "platform/sxf/CSfcFeatureDecoder.h"

#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <iterator>
#include <string_view>

namespace {

SxfStyleCodes Codes(const CSfcParameters& p) {
    return {p.Int(0), p.Int(1), p.Int(2), p.Int(3)};
}

// The vertex count, then the x and the y list, all three agreeing.
int Vertices(const CSfcParameters& p, std::size_t first, std::vector<double>& x,
             std::vector<double>& y) {
    const int count = p.Int(first);
    x = p.DoubleList(first + 1);
    y = p.DoubleList(first + 2);
    if (count < 0 || x.size() != static_cast<std::size_t>(count) || y.size() != x.size()) {
        p.Refuse("vertex count " + std::to_string(count) + " does not match its lists");
    }
    return count;
}

SxfFeatureData Line(const CSfcParameters& p) {
    return SxfLineData{Codes(p), p.Double(4), p.Double(5), p.Double(6), p.Double(7)};
}

SxfFeatureData Ellipse(const CSfcParameters& p) {
    return SxfEllipseData{Codes(p),    p.Double(4), p.Double(5),
                          p.Double(6), p.Double(7), p.Double(8)};
}

SxfFeatureData EllipseArc(const CSfcParameters& p) {
    return SxfEllipseArcData{Codes(p), p.Double(4), p.Double(5),  p.Double(6), p.Double(7),
                             p.Int(8), p.Double(9), p.Double(10), p.Double(11)};
}

SxfFeatureData Polyline(const CSfcParameters& p) {
    SxfPolylineData data{Codes(p), 0, {}, {}};
    data.count = Vertices(p, 4, data.x, data.y);
    return data;
}

SxfFeatureData Spline(const CSfcParameters& p) {
    SxfSplineData data{Codes(p), p.Int(4), 0, {}, {}};
    data.count = Vertices(p, 5, data.x, data.y);
    return data;
}

SxfFeatureData SfigLocate(const CSfcParameters& p) {
    SxfSfigLocateData data{};
    data.layer = p.Int(0);
    p.CopyText(1, data.name, sizeof data.name);
    data.x = p.Double(2);
    data.y = p.Double(3);
    data.angle = p.Double(4);
    data.ratioX = p.Double(5);
    data.ratioY = p.Double(6);
    return data;
}

SxfFeatureData ExternalSymbol(const CSfcParameters& p) {
    SxfExternalSymbolData data{};
    data.layer = p.Int(0);
    data.colourFlag = p.Int(1);
    data.colour = p.Int(2);
    p.CopyText(3, data.name, sizeof data.name);
    data.x = p.Double(4);
    data.y = p.Double(5);
    data.angle = p.Double(6);
    data.scale = p.Double(7);
    return data;
}

struct FeatureKind {
    std::string_view sfcName;
    const char* typeName;
    // Null for features whose data are handed out as none yet.
    SxfFeatureData (*decode)(const CSfcParameters&);
};

constexpr FeatureKind Kinds[] = {
    {"point_marker_feature", "POINT_MARKER", nullptr},
    {"line_feature", "LINE", Line},
    {"polyline_feature", "POLYLINE", Polyline},
    {"circle_feature", "CIRCLE", nullptr},
    {"arc_feature", "ARC", nullptr},
    {"ellipse_feature", "ELLIPSE", Ellipse},
    {"ellipse_arc_feature", "ELLIPSE_ARC", EllipseArc},
    {"text_string_feature", "TEXT", nullptr},
    {"spline_feature", "SPLINE", Spline},
    {"clothoid_feature", "CLOTHOID", nullptr},
    {"sfig_locate_feature", "SFIG_LOCATE", SfigLocate},
    {"externally_defined_symbol_feature", "EXTERNALLY_DEFINED_SYMBOL", ExternalSymbol},
    {"linear_dim_feature", "LINEAR_DIMENSION", nullptr},
    {"curve_dim_feature", "CURVE_DIMENSION", nullptr},
    {"angular_dim_feature", "ANGULAR_DIMENSION", nullptr},
    {"radius_dim_feature", "RADIUS_DIMENSION", nullptr},
    {"diameter_dim_feature", "DIAMETER_DIMENSION", nullptr},
    {"label_feature", "LABEL", nullptr},
    {"balloon_feature", "BALLOON", nullptr},
    {"externally_defined_hatch_feature", "EXTERNALLY_DEFINED_HATCH", nullptr},
    {"fill_area_style_colour_feature", "FILL_AREA_STYLE_COLOUR", nullptr},
    {"fill_area_style_hatching_feature", "FILL_AREA_STYLE_HATCHING", nullptr},
    {"fill_area_style_tiles_feature", "FILL_AREA_STYLE_TILES", nullptr},
    {"drawing_attribute_feature", "ATTRIBUTE", nullptr},
};

} // namespace

std::optional<CSfcFeature> CSfcFeatureDecoder::Decode(const CSfcStatement& statement) {
    const auto kind = std::find_if(std::begin(Kinds), std::end(Kinds), [&](const FeatureKind& k) {
        return k.sfcName == statement.name;
    });
    if (kind == std::end(Kinds)) {
        return std::nullopt;
    }
    CSfcFeature feature;
    feature.id = static_cast<int>(statement.id);
    feature.typeName = kind->typeName;
    if (kind->decode) {
        try {
            feature.data = kind->decode(CSfcParameters(statement));
        } catch (const CSfcError& error) {
            feature.error = error.what();
        }
    }
    return feature;
}
