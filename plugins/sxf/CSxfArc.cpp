#include "plugins/sxf/CSxfArc.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfCircleBox.h"
#include "plugins/sxf/SxfEdgeWords.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

#include <cmath>

namespace {

constexpr std::size_t LayerNameAt = 124;
constexpr LONG ArcEdge = 2;
constexpr LONG BoxCornerCount = 4;

} // namespace

std::unique_ptr<CSxfObject> CSxfArc::Clone() const {
    return std::make_unique<CSxfArc>(*this);
}

void CSxfArc::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.centreX, m_data.centreY);
    placement.ScalePair(m_data.radius);
    placement.TurnAngle(m_data.startAngle);
    placement.TurnAngle(m_data.endAngle);
}

std::array<POINT, 2> CSxfArc::Ends(int scale) const {
    const auto at = [&](double angle) {
        const double a = angle * SxfRadiansPerDegree;
        return SxfToPor(m_data.centreX + m_data.radius * std::cos(a),
                        m_data.centreY + m_data.radius * std::sin(a), scale);
    };
    const POINT start = at(m_data.startAngle);
    const POINT end = at(m_data.endAngle);
    return m_data.direction == 1 ? std::array<POINT, 2>{end, start}
                                 : std::array<POINT, 2>{start, end};
}

int CSxfArc::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    const auto ends = Ends(scale);
    PorRecordBuilder record(PorArc::Type);
    record.Set(PorArc::Corners, SxfCircleBox(m_data.centreX, m_data.centreY, m_data.radius, scale));
    record.Set(PorArc::Start, ends[0]);
    record.Set(PorArc::End, ends[1]);
    record.Set(PorArc::Pen, MakePen());
    record.PadTo(LayerNameAt);
    record.Set(PorArc::Layer, LayerName());
    record.PadTo(SxfPadded(record.Size()));
    stream.Append(record);
    return 1;
}

std::vector<BYTE> CSxfArc::MakeBoundaryEdge() const {
    const int scale = UnitScale();
    const auto ends = Ends(scale);
    std::vector<LONG> words = {
        ArcEdge,       m_data.direction == 0 ? 1 : 0, ends[0].x, ends[0].y, ends[1].x, ends[1].y, 0,
        BoxCornerCount};
    for (const POINT& corner : SxfCircleBox(m_data.centreX, m_data.centreY, m_data.radius, scale)) {
        words.push_back(corner.x);
        words.push_back(corner.y);
    }
    return SxfEdgeWords(words);
}
