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

// Reads the parameters one after the other, for features of many fields.
class Sequence {
public:
    explicit Sequence(const CSfcParameters& p) : m_p(p) {}

    int Int() { return m_p.Int(m_at++); }
    double Double() { return m_p.Double(m_at++); }
    void Text(char* buffer, std::size_t size) { m_p.CopyText(m_at++, buffer, size); }
    SxfStyleCodes Codes() { return {Int(), Int(), Int(), Int()}; }

    int VertexLists(std::vector<double>& x, std::vector<double>& y) {
        const int count = Vertices(m_p, m_at, x, y);
        m_at += 3;
        return count;
    }

    SxfTextBlock TextBlock() {
        SxfTextBlock block{};
        block.font = Int();
        Text(block.text, sizeof block.text);
        block.x = Double();
        block.y = Double();
        block.height = Double();
        block.width = Double();
        block.spacing = Double();
        block.angle = Double();
        block.slant = Double();
        block.anchor = Int();
        block.direction = Int();
        return block;
    }

    SxfArrowData Arrow() {
        SxfArrowData arrow{};
        arrow.code = Int();
        arrow.placement = Int();
        arrow.x = Double();
        arrow.y = Double();
        arrow.size = Double();
        return arrow;
    }

    SxfProjectionData Projection() {
        SxfProjectionData line{};
        line.shown = Int();
        line.baseX = Double();
        line.baseY = Double();
        line.startX = Double();
        line.startY = Double();
        line.endX = Double();
        line.endY = Double();
        return line;
    }

    // The outer curve, the hole count and the holes' list, agreeing.
    SxfBoundaryIds Boundaries() {
        SxfBoundaryIds ids{};
        ids.outer = Int();
        ids.holeCount = Int();
        ids.holes = m_p.IntList(m_at++);
        if (ids.holeCount < 0 || ids.holes.size() != static_cast<std::size_t>(ids.holeCount)) {
            m_p.Refuse("hole count " + std::to_string(ids.holeCount) + " does not match its list");
        }
        return ids;
    }

    std::vector<double> List() { return m_p.DoubleList(m_at++); }
    void Refuse(const std::string& reason) const { m_p.Refuse(reason); }

private:
    const CSfcParameters& m_p;
    std::size_t m_at = 0;
};

SxfFeatureData PointMarker(const CSfcParameters& p) {
    Sequence s(p);
    SxfPointMarkerData data{};
    data.layer = s.Int();
    data.colour = s.Int();
    data.x = s.Double();
    data.y = s.Double();
    data.code = s.Int();
    data.angle = s.Double();
    data.scale = s.Double();
    return data;
}

SxfFeatureData Circle(const CSfcParameters& p) {
    return SxfCircleData{Codes(p), p.Double(4), p.Double(5), p.Double(6)};
}

SxfFeatureData Arc(const CSfcParameters& p) {
    return SxfArcData{Codes(p), p.Double(4), p.Double(5), p.Double(6),
                      p.Int(7), p.Double(8), p.Double(9)};
}

SxfFeatureData Clothoid(const CSfcParameters& p) {
    return SxfClothoidData{Codes(p), p.Double(4), p.Double(5), p.Double(6),
                           p.Int(7), p.Double(8), p.Double(9), p.Double(10)};
}

SxfFeatureData Text(const CSfcParameters& p) {
    Sequence s(p);
    SxfTextData data{};
    data.layer = s.Int();
    data.colour = s.Int();
    data.block = s.TextBlock();
    return data;
}

SxfFeatureData LinearDim(const CSfcParameters& p) {
    Sequence s(p);
    SxfLinearDimData data{};
    data.codes = s.Codes();
    data.startX = s.Double();
    data.startY = s.Double();
    data.endX = s.Double();
    data.endY = s.Double();
    data.projection1 = s.Projection();
    data.projection2 = s.Projection();
    data.arrow1 = s.Arrow();
    data.arrow2 = s.Arrow();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData AngularDim(const CSfcParameters& p) {
    Sequence s(p);
    SxfAngularDimData data{};
    data.codes = s.Codes();
    data.centreX = s.Double();
    data.centreY = s.Double();
    data.radius = s.Double();
    data.startAngle = s.Double();
    data.endAngle = s.Double();
    data.projection1 = s.Projection();
    data.projection2 = s.Projection();
    data.arrow1 = s.Arrow();
    data.arrow2 = s.Arrow();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData RadiusDim(const CSfcParameters& p) {
    Sequence s(p);
    SxfRadiusDimData data{};
    data.codes = s.Codes();
    data.startX = s.Double();
    data.startY = s.Double();
    data.endX = s.Double();
    data.endY = s.Double();
    data.arrow = s.Arrow();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData DiameterDim(const CSfcParameters& p) {
    Sequence s(p);
    SxfDiameterDimData data{};
    data.codes = s.Codes();
    data.startX = s.Double();
    data.startY = s.Double();
    data.endX = s.Double();
    data.endY = s.Double();
    data.arrow1 = s.Arrow();
    data.arrow2 = s.Arrow();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData Label(const CSfcParameters& p) {
    Sequence s(p);
    SxfLabelData data{};
    data.codes = s.Codes();
    data.count = s.VertexLists(data.x, data.y);
    data.arrowCode = s.Int();
    data.arrowSize = s.Double();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData Balloon(const CSfcParameters& p) {
    Sequence s(p);
    SxfBalloonData data{};
    data.codes = s.Codes();
    data.count = s.VertexLists(data.x, data.y);
    data.centreX = s.Double();
    data.centreY = s.Double();
    data.radius = s.Double();
    data.arrowCode = s.Int();
    data.arrowSize = s.Double();
    data.textFlag = s.Int();
    data.text = s.TextBlock();
    return data;
}

SxfFeatureData ExternalHatch(const CSfcParameters& p) {
    Sequence s(p);
    SxfExternalHatchData data{};
    data.layer = s.Int();
    s.Text(data.name, sizeof data.name);
    data.boundaries = s.Boundaries();
    return data;
}

SxfFeatureData FillColour(const CSfcParameters& p) {
    Sequence s(p);
    SxfFillColourData data{};
    data.layer = s.Int();
    data.colour = s.Int();
    data.boundaries = s.Boundaries();
    return data;
}

// Each hatch line is one list item: colour, line type, width, base x, base
// y, spacing, angle. Lines past the fourth are read and dropped.
SxfFeatureData FillHatching(const CSfcParameters& p) {
    Sequence s(p);
    SxfFillHatchingData data{};
    data.layer = s.Int();
    data.count = s.Int();
    if (data.count < 0) {
        s.Refuse("hatch line count " + std::to_string(data.count) + " is negative");
    }
    for (int i = 0; i < data.count; ++i) {
        const std::vector<double> item = s.List();
        if (item.size() != 7) {
            s.Refuse("hatch line " + std::to_string(i + 1) + " does not have 7 values");
        }
        if (i < SxfMaxHatchLines) {
            data.lines[i] = {static_cast<int>(item[0]),
                             static_cast<int>(item[1]),
                             static_cast<int>(item[2]),
                             item[3],
                             item[4],
                             item[5],
                             item[6]};
        }
    }
    data.boundaries = s.Boundaries();
    return data;
}

SxfFeatureData FillTiles(const CSfcParameters& p) {
    Sequence s(p);
    SxfFillTilesData data{};
    data.layer = s.Int();
    s.Text(data.name, sizeof data.name);
    data.colour = s.Int();
    data.baseX = s.Double();
    data.baseY = s.Double();
    data.vector1Length = s.Double();
    data.vector1Angle = s.Double();
    data.vector2Length = s.Double();
    data.vector2Angle = s.Double();
    data.scaleX = s.Double();
    data.scaleY = s.Double();
    data.angle = s.Double();
    data.boundaries = s.Boundaries();
    return data;
}

SxfFeatureData Attribute(const CSfcParameters& p) {
    Sequence s(p);
    SxfAttributeData data{};
    for (auto& text : data.texts) {
        s.Text(text, sizeof text);
    }
    data.year = s.Int();
    data.month = s.Int();
    data.day = s.Int();
    s.Text(data.contractor, sizeof data.contractor);
    s.Text(data.owner, sizeof data.owner);
    return data;
}

struct FeatureKind {
    std::string_view sfcName;
    const char* typeName;
    SxfFeatureData (*decode)(const CSfcParameters&);
};

constexpr FeatureKind Kinds[] = {
    {"point_marker_feature", "POINT_MARKER", PointMarker},
    {"line_feature", "LINE", Line},
    {"polyline_feature", "POLYLINE", Polyline},
    {"circle_feature", "CIRCLE", Circle},
    {"arc_feature", "ARC", Arc},
    {"ellipse_feature", "ELLIPSE", Ellipse},
    {"ellipse_arc_feature", "ELLIPSE_ARC", EllipseArc},
    {"text_string_feature", "TEXT", Text},
    {"spline_feature", "SPLINE", Spline},
    {"clothoid_feature", "CLOTHOID", Clothoid},
    {"sfig_locate_feature", "SFIG_LOCATE", SfigLocate},
    {"externally_defined_symbol_feature", "EXTERNALLY_DEFINED_SYMBOL", ExternalSymbol},
    {"linear_dim_feature", "LINEAR_DIMENSION", LinearDim},
    {"curve_dim_feature", "CURVE_DIMENSION", AngularDim},
    {"angular_dim_feature", "ANGULAR_DIMENSION", AngularDim},
    {"radius_dim_feature", "RADIUS_DIMENSION", RadiusDim},
    {"diameter_dim_feature", "DIAMETER_DIMENSION", DiameterDim},
    {"label_feature", "LABEL", Label},
    {"balloon_feature", "BALLOON", Balloon},
    {"externally_defined_hatch_feature", "EXTERNALLY_DEFINED_HATCH", ExternalHatch},
    {"fill_area_style_colour_feature", "FILL_AREA_STYLE_COLOUR", FillColour},
    {"fill_area_style_hatching_feature", "FILL_AREA_STYLE_HATCHING", FillHatching},
    {"fill_area_style_tiles_feature", "FILL_AREA_STYLE_TILES", FillTiles},
    {"drawing_attribute_feature", "ATTRIBUTE", Attribute},
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
    try {
        feature.data = kind->decode(CSfcParameters(statement));
    } catch (const CSfcError& error) {
        feature.error = error.what();
    }
    return feature;
}
