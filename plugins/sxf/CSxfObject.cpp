#include "plugins/sxf/CSxfObject.h"

#include "plugins/sxf/CSxfReader.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <array>
#include <cmath>
#include <span>

IMPLEMENT_DYNAMIC(CSxfObject, CObject)

namespace {

constexpr LONG PenLineTypeScale = 350;
constexpr LONG FilledKind = 3;
// Where the marker records keep their layer names.
constexpr std::size_t MarkerLineNameAt = 92;
constexpr std::size_t MarkerCircleNameAt = 108;
constexpr std::size_t MarkerArcNameAt = 124;

struct Local {
    double u;
    double v;
};

constexpr Local Arrowhead[] = {{0, 0}, {-7.5, -1.25}, {-7.5, 1.25}};
constexpr Local Square[] = {{-1.25, -1.25}, {1.25, -1.25}, {1.25, 1.25}, {-1.25, 1.25}};
constexpr Local HalfEllipseBox[] = {{2.5, -0.625}, {2.5, 0.625}, {0, 0.625}, {0, -0.625}};
constexpr Local HalfEllipseEnds[] = {{2.5, 0}, {0, 0}};
constexpr Local Stroke[] = {{2.5, 2.5}, {-2.5, -2.5}};

// Places local marker points: turned by the angle, scaled by the size and
// moved to (x, y), in POR units.
class MarkerFrame {
public:
    MarkerFrame(double angle, double x, double y, double size, int scale)
        : m_cos(std::cos(angle * SxfRadiansPerDegree)),
          m_sin(std::sin(angle * SxfRadiansPerDegree)), m_x(x), m_y(y), m_size(size),
          m_scale(scale) {}

    POINT Place(Local local) const {
        const double u = local.u * m_size;
        const double v = local.v * m_size;
        return SxfToPor(m_x + u * m_cos - v * m_sin, m_y + u * m_sin + v * m_cos, m_scale);
    }

    std::vector<POINT> Place(std::span<const Local> locals) const {
        std::vector<POINT> points;
        for (const Local& local : locals) {
            points.push_back(Place(local));
        }
        return points;
    }

private:
    double m_cos;
    double m_sin;
    double m_x;
    double m_y;
    double m_size;
    int m_scale;
};

} // namespace

std::unique_ptr<CSxfObject> CSxfObject::Clone() const {
    return std::make_unique<CSxfObject>(m_id, m_owner);
}

int CSxfObject::UnitScale() const {
    return m_owner ? m_owner->UnitScale() : CSxfReader::DefaultUnitScale;
}

CString CSxfObject::LayerName() const {
    return m_owner ? m_owner->LayerName(GetLayer()) : CString(CSxfReader::DefaultLayerName);
}

PorPen CSxfObject::MakePen() const {
    PorPen pen;
    if (!m_owner) {
        return pen;
    }
    pen.lineType = m_owner->LineTypeId(GetLineType());
    pen.lineTypeScale = PenLineTypeScale;
    pen.width = SxfToPor(m_owner->LineWidth(GetWidth()), m_owner->PenWidthRate());
    pen.color = m_owner->Colour(GetColour());
    return pen;
}

int CSxfObject::MakeMarker(PorBlockWriter& stream, int type, double angle, double x, double y,
                           double size) const {
    const int scale = UnitScale();
    const PorPen pen = MakePen();
    const CString layer = LayerName();
    const MarkerFrame frame(angle, x, y, size, scale);

    const auto polygon = [&](std::span<const Local> shape, bool filled) {
        PorRecordBuilder record(PorPolygon::Type);
        record.Set(PorPolygon::Pen, pen);
        record.Set(PorPolygon::Fill, PorFill{filled ? FilledKind : 0, pen.color});
        record.Set(PorPolygon::Points, frame.Place(shape));
        record.Set(PorPolygon::Layer, layer);
        stream.Append(record);
    };
    const auto circle = [&](bool filled) {
        const double r = 1.25 * size;
        const std::array<POINT, 4> corners = {
            SxfToPor(x - r, y + r, scale), SxfToPor(x - r, y - r, scale),
            SxfToPor(x + r, y - r, scale), SxfToPor(x + r, y + r, scale)};
        PorRecordBuilder record(PorCircle::Type);
        record.Set(PorCircle::Corners, corners);
        record.Set(PorCircle::Pen, pen);
        record.Set(PorCircle::Fill, PorFill{filled ? FilledKind : 0, pen.color});
        record.PadTo(MarkerCircleNameAt);
        record.Set(PorCircle::Layer, layer);
        record.PadTo(SxfPadded(record.Size()));
        stream.Append(record);
    };
    const auto line = [&](Local from, Local to) {
        PorRecordBuilder record(PorLine::Type);
        record.Set(PorLine::Start, frame.Place(from));
        record.Set(PorLine::End, frame.Place(to));
        record.Set(PorLine::Pen, pen);
        record.PadTo(MarkerLineNameAt);
        record.Set(PorLine::Layer, layer);
        record.PadTo(SxfPadded(record.Size()));
        stream.Append(record);
    };
    const auto halfEllipse = [&](double turn) {
        const MarkerFrame turned(angle + turn, x, y, size, scale);
        const std::vector<POINT> corners = turned.Place(HalfEllipseBox);
        PorRecordBuilder record(PorEArc::Type);
        record.Set(PorEArc::Corners, corners);
        record.Set(PorEArc::Start, turned.Place(HalfEllipseEnds[0]));
        record.Set(PorEArc::End, turned.Place(HalfEllipseEnds[1]));
        record.Set(PorEArc::Pen, pen);
        record.PadTo(MarkerArcNameAt);
        record.Set(PorEArc::Layer, layer);
        record.PadTo(SxfPadded(record.Size()));
        stream.Append(record);
    };

    switch (type) {
    case 1:
    case 11:
        polygon(Arrowhead, false);
        break;
    case 2:
        polygon(Square, false);
        break;
    case 3:
    case 4:
        circle(false);
        break;
    case 5:
        polygon(Square, true);
        break;
    case 6:
        polygon(Arrowhead, true);
        break;
    case 7:
        circle(true);
        break;
    case 8:
        halfEllipse(45);
        halfEllipse(225);
        break;
    case 10:
        line(Stroke[0], Stroke[1]);
        break;
    default:
        line(Arrowhead[0], Arrowhead[1]);
        line(Arrowhead[0], Arrowhead[2]);
        break;
    }
    return 1;
}
