#include "platform/sxf/CSfcFeatureDecoder.h"

#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <string_view>

namespace {

template <typename Data> SxfFeatureData Boxed(Data data) {
    return std::make_unique<Data>(std::move(data));
}

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
    return Boxed(SxfLineData{Codes(p), p.Double(4), p.Double(5), p.Double(6), p.Double(7)});
}

SxfFeatureData Ellipse(const CSfcParameters& p) {
    return Boxed(
        SxfEllipseData{Codes(p), p.Double(4), p.Double(5), p.Double(6), p.Double(7), p.Double(8)});
}

SxfFeatureData EllipseArc(const CSfcParameters& p) {
    return Boxed(SxfEllipseArcData{Codes(p), p.Double(4), p.Double(5), p.Double(6), p.Double(7),
                                   p.Int(8), p.Double(9), p.Double(10), p.Double(11)});
}

SxfFeatureData Polyline(const CSfcParameters& p) {
    SxfPolylineData data{Codes(p), 0, {}, {}};
    data.count = Vertices(p, 4, data.x, data.y);
    return Boxed(std::move(data));
}

SxfFeatureData Spline(const CSfcParameters& p) {
    SxfSplineData data{Codes(p), p.Int(4), 0, {}, {}};
    data.count = Vertices(p, 5, data.x, data.y);
    return Boxed(std::move(data));
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
    return Boxed(std::move(data));
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
    return Boxed(std::move(data));
}

// Reads the parameters one after the other into the fields given, in their
// order; a block (codes, text, arrow, projection line, boundaries) takes as
// many parameters as it has fields.
class Sequence {
public:
    explicit Sequence(const CSfcParameters& p) : m_p(p) {}

    template <typename... Fields> void Read(Fields&... fields) { (ReadOne(fields), ...); }

    // The vertex count, then the x and the y list.
    void Read(int& count, std::vector<double>& x, std::vector<double>& y) {
        count = Vertices(m_p, m_at, x, y);
        m_at += 3;
    }

    std::vector<double> List() { return m_p.DoubleList(m_at++); }
    void Refuse(const std::string& reason) const { m_p.Refuse(reason); }

private:
    void ReadOne(int& value) { value = m_p.Int(m_at++); }
    void ReadOne(double& value) { value = m_p.Double(m_at++); }
    template <std::size_t N> void ReadOne(char (&text)[N]) { m_p.CopyText(m_at++, text, N); }
    void ReadOne(SxfStyleCodes& c) { Read(c.layer, c.colour, c.lineType, c.width); }
    void ReadOne(SxfTextBlock& b) {
        Read(b.font, b.text, b.x, b.y, b.height, b.width, b.spacing, b.angle, b.slant, b.anchor,
             b.direction);
    }
    void ReadOne(SxfArrowData& a) { Read(a.code, a.placement, a.x, a.y, a.size); }
    void ReadOne(SxfProjectionData& l) {
        Read(l.shown, l.baseX, l.baseY, l.startX, l.startY, l.endX, l.endY);
    }
    // The outer curve, the hole count and the holes' list, agreeing.
    void ReadOne(SxfBoundaryIds& ids) {
        Read(ids.outer, ids.holeCount);
        ids.holes = m_p.IntList(m_at++);
        if (ids.holeCount < 0 || ids.holes.size() != static_cast<std::size_t>(ids.holeCount)) {
            m_p.Refuse("hole count " + std::to_string(ids.holeCount) + " does not match its list");
        }
    }

    const CSfcParameters& m_p;
    std::size_t m_at = 0;
};

// A feature whose parameters are its fields in order.
template <typename Data, typename... Fields>
SxfFeatureData ReadAll(const CSfcParameters& p, Data& data, Fields&... fields) {
    Sequence(p).Read(fields...);
    return Boxed(std::move(data));
}

SxfFeatureData PointMarker(const CSfcParameters& p) {
    SxfPointMarkerData d{};
    return ReadAll(p, d, d.layer, d.colour, d.x, d.y, d.code, d.angle, d.scale);
}

SxfFeatureData Circle(const CSfcParameters& p) {
    SxfCircleData d{};
    return ReadAll(p, d, d.codes, d.centreX, d.centreY, d.radius);
}

SxfFeatureData Arc(const CSfcParameters& p) {
    SxfArcData d{};
    return ReadAll(p, d, d.codes, d.centreX, d.centreY, d.radius, d.direction, d.startAngle,
                   d.endAngle);
}

SxfFeatureData Clothoid(const CSfcParameters& p) {
    SxfClothoidData d{};
    return ReadAll(p, d, d.codes, d.baseX, d.baseY, d.parameter, d.direction, d.angle,
                   d.startLength, d.endLength);
}

SxfFeatureData Text(const CSfcParameters& p) {
    SxfTextData d{};
    return ReadAll(p, d, d.layer, d.colour, d.block);
}

SxfFeatureData LinearDim(const CSfcParameters& p) {
    SxfLinearDimData d{};
    return ReadAll(p, d, d.codes, d.startX, d.startY, d.endX, d.endY, d.projection1, d.projection2,
                   d.arrow1, d.arrow2, d.textFlag, d.text);
}

SxfFeatureData AngularDim(const CSfcParameters& p) {
    SxfAngularDimData d{};
    return ReadAll(p, d, d.codes, d.centreX, d.centreY, d.radius, d.startAngle, d.endAngle,
                   d.projection1, d.projection2, d.arrow1, d.arrow2, d.textFlag, d.text);
}

SxfFeatureData RadiusDim(const CSfcParameters& p) {
    SxfRadiusDimData d{};
    return ReadAll(p, d, d.codes, d.startX, d.startY, d.endX, d.endY, d.arrow, d.textFlag, d.text);
}

SxfFeatureData DiameterDim(const CSfcParameters& p) {
    SxfDiameterDimData d{};
    return ReadAll(p, d, d.codes, d.startX, d.startY, d.endX, d.endY, d.arrow1, d.arrow2,
                   d.textFlag, d.text);
}

SxfFeatureData Label(const CSfcParameters& p) {
    Sequence s(p);
    SxfLabelData d{};
    s.Read(d.codes);
    s.Read(d.count, d.x, d.y);
    s.Read(d.arrowCode, d.arrowSize, d.textFlag, d.text);
    return Boxed(std::move(d));
}

SxfFeatureData Balloon(const CSfcParameters& p) {
    Sequence s(p);
    SxfBalloonData d{};
    s.Read(d.codes);
    s.Read(d.count, d.x, d.y);
    s.Read(d.centreX, d.centreY, d.radius, d.arrowCode, d.arrowSize, d.textFlag, d.text);
    return Boxed(std::move(d));
}

SxfFeatureData ExternalHatch(const CSfcParameters& p) {
    SxfExternalHatchData d{};
    return ReadAll(p, d, d.layer, d.name, d.boundaries);
}

SxfFeatureData FillColour(const CSfcParameters& p) {
    SxfFillColourData d{};
    return ReadAll(p, d, d.layer, d.colour, d.boundaries);
}

// Each hatch line is one list item: colour, line type, width, base x, base
// y, spacing, angle. Lines past the fourth are read and dropped.
SxfFeatureData FillHatching(const CSfcParameters& p) {
    Sequence s(p);
    SxfFillHatchingData d{};
    s.Read(d.layer, d.count);
    if (d.count < 0) {
        s.Refuse("hatch line count " + std::to_string(d.count) + " is negative");
    }
    for (int i = 0; i < d.count; ++i) {
        const std::vector<double> item = s.List();
        const auto code = [&](double value) {
            return value == std::trunc(value) && std::fabs(value) <= 1e9;
        };
        if (item.size() != 7 || !code(item[0]) || !code(item[1]) || !code(item[2])) {
            s.Refuse("hatch line " + std::to_string(i + 1) +
                     " is not three codes and four numbers");
        }
        if (i < SxfMaxHatchLines) {
            d.lines[i] = {static_cast<int>(item[0]),
                          static_cast<int>(item[1]),
                          static_cast<int>(item[2]),
                          item[3],
                          item[4],
                          item[5],
                          item[6]};
        }
    }
    s.Read(d.boundaries);
    return Boxed(std::move(d));
}

SxfFeatureData FillTiles(const CSfcParameters& p) {
    SxfFillTilesData d{};
    return ReadAll(p, d, d.layer, d.name, d.colour, d.baseX, d.baseY, d.vector1Length,
                   d.vector1Angle, d.vector2Length, d.vector2Angle, d.scaleX, d.scaleY, d.angle,
                   d.boundaries);
}

SxfFeatureData Attribute(const CSfcParameters& p) {
    SxfAttributeData d{};
    auto& t = d.texts;
    return ReadAll(p, d, t[0], t[1], t[2], t[3], t[4], t[5], t[6], d.year, d.month, d.day,
                   d.contractor, d.owner);
}

struct FeatureKind {
    std::string_view sfcName;
    std::string_view typeName;
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
