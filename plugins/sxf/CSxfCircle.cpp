#include "plugins/sxf/CSxfCircle.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfCircleBox.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

namespace {

constexpr std::size_t LayerNameAt = 108;

} // namespace

std::unique_ptr<CSxfObject> CSxfCircle::Clone() const {
    return std::make_unique<CSxfCircle>(*this);
}

void CSxfCircle::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.centreX, m_data.centreY);
    placement.ScalePair(m_data.radius);
}

int CSxfCircle::WritePOR(PorBlockWriter& stream) const {
    const int scale = UnitScale();
    PorRecordBuilder record(PorCircle::Type);
    record.Set(PorCircle::Corners,
               SxfCircleBox(m_data.centreX, m_data.centreY, m_data.radius, scale));
    record.Set(PorCircle::Pen, MakePen());
    record.Set(PorCircle::Transparent, 1);
    record.PadTo(LayerNameAt);
    record.Set(PorCircle::Layer, LayerName());
    record.PadTo(SxfPadded(record.Size()));
    stream.Append(record);
    return 1;
}
