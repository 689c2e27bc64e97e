#include "plugins/sxf/CSxfEllipseArc.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfEdgeWords.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

#include <cmath>

namespace {

constexpr std::size_t LayerNameAt = 108;
constexpr std::size_t FixedAndName = 125;
constexpr std::array<std::array<int, 2>, 4> CornerOrder = {{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
constexpr LONG EllipseArcEdge = 3;
constexpr LONG BoxCornerCount = 4;

} // namespace

CSxfEllipseArc::CSxfEllipseArc(int id, const CSxfReader* owner, const SxfEllipseArcData& data)
    : CSxfFeature(id, owner, data.codes), m_data(data) {
    Derive();
}

void CSxfEllipseArc::Derive() {
    const SxfEllipseArcData& d = m_data;
    m_corners =
        SxfEllipseBox::Of(d.centreX, d.centreY, d.radiusX, d.radiusY, d.rotation, CornerOrder);
    // The angles are parametric angles of the ellipse, not polar ones.
    const double c = std::cos(d.rotation * SxfRadiansPerDegree);
    const double s = std::sin(d.rotation * SxfRadiansPerDegree);
    const auto at = [&](double angle, double& x, double& y) {
        const double u = d.radiusX * std::cos(angle * SxfRadiansPerDegree);
        const double v = d.radiusY * std::sin(angle * SxfRadiansPerDegree);
        x = d.centreX + u * c - v * s;
        y = d.centreY + u * s + v * c;
    };
    at(d.startAngle, m_startX, m_startY);
    at(d.endAngle, m_endX, m_endY);
}

std::unique_ptr<CSxfObject> CSxfEllipseArc::Clone() const {
    auto copy = std::make_unique<CSxfEllipseArc>(*this);
    copy->Derive();
    return copy;
}

void CSxfEllipseArc::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.centreX, m_data.centreY);
    placement.ScalePair(m_data.radiusX, m_data.radiusY);
    placement.TurnAngle(m_data.rotation);
    placement.TurnAngle(m_data.startAngle);
    placement.TurnAngle(m_data.endAngle);
    for (std::size_t i = 0; i < 4; ++i) {
        placement.PlacePoint(m_corners.x[i], m_corners.y[i]);
    }
    placement.PlacePoint(m_startX, m_startY);
    placement.PlacePoint(m_endX, m_endY);
}

int CSxfEllipseArc::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    const POINT start = SxfToPor(m_startX, m_startY, scale);
    const POINT end = SxfToPor(m_endX, m_endY, scale);
    PorRecordBuilder record(PorEArc::Type);
    record.Set(PorEArc::Corners, m_corners.ToPor(scale));
    record.Set(PorEArc::Start, Clockwise() ? end : start);
    record.Set(PorEArc::End, Clockwise() ? start : end);
    record.Set(PorEArc::Pen, MakePen());
    record.PadTo(LayerNameAt);
    const CString layer = LayerName();
    record.Set(PorEArc::Layer, layer);
    record.PadTo(SxfPadded(FixedAndName + static_cast<std::size_t>(layer.GetLength())));
    stream.Append(record);
    return 1;
}

std::vector<BYTE> CSxfEllipseArc::MakeBoundaryEdge() const {
    const int scale = UnitScale();
    const POINT start = SxfToPor(m_startX, m_startY, scale);
    const POINT end = SxfToPor(m_endX, m_endY, scale);
    const POINT first = Clockwise() ? end : start;
    const POINT second = Clockwise() ? start : end;
    std::vector<LONG> words = {
        EllipseArcEdge, Clockwise() ? 0 : 1, first.x, first.y, second.x, second.y, 0,
        BoxCornerCount};
    for (const POINT& corner : m_corners.ToPor(scale)) {
        words.push_back(corner.x);
        words.push_back(corner.y);
    }
    return SxfEdgeWords(words);
}
