#include "plugins/sxf/CSxfLine.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

namespace {

constexpr std::size_t LayerNameAt = 92;

} // namespace

CSxfLine::CSxfLine(int id, const CSxfReader* owner, const SxfLineData& data)
    : CSxfFeature(id, owner, data.codes), m_startX(data.startX), m_startY(data.startY),
      m_endX(data.endX), m_endY(data.endY) {}

std::unique_ptr<CSxfObject> CSxfLine::Clone() const {
    return std::make_unique<CSxfLine>(*this);
}

void CSxfLine::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_startX, m_startY);
    placement.PlacePoint(m_endX, m_endY);
}

int CSxfLine::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    PorRecordBuilder record(PorLine::Type);
    record.Set(PorLine::Start, SxfToPor(m_startX, m_startY, scale));
    record.Set(PorLine::End, SxfToPor(m_endX, m_endY, scale));
    record.Set(PorLine::Pen, MakePen());
    record.PadTo(LayerNameAt);
    record.Set(PorLine::Layer, LayerName());
    record.PadTo(SxfPadded(record.Size()));
    stream.Append(record);
    return 1;
}
