#include "plugins/sxf/CSxfEllipse.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecords.h"

namespace {

constexpr std::size_t LayerNameAt = 108;
constexpr std::array<std::array<int, 2>, 4> CornerOrder = {{{-1, -1}, {-1, 1}, {1, 1}, {1, -1}}};

} // namespace

CSxfEllipse::CSxfEllipse(int id, const CSxfReader* owner, const SxfEllipseData& data)
    : CSxfFeature(id, owner, data.codes), m_data(data) {
    DeriveCorners();
}

void CSxfEllipse::DeriveCorners() {
    m_corners = SxfEllipseBox::Of(m_data.centreX, m_data.centreY, m_data.radiusX, m_data.radiusY,
                                  m_data.rotation, CornerOrder);
}

std::unique_ptr<CSxfObject> CSxfEllipse::Clone() const {
    auto copy = std::make_unique<CSxfEllipse>(*this);
    copy->DeriveCorners();
    return copy;
}

void CSxfEllipse::Transform(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.centreX, m_data.centreY);
    placement.TurnAngle(m_data.rotation);
    placement.ScalePair(m_data.radiusX, m_data.radiusY);
    for (std::size_t i = 0; i < 4; ++i) {
        placement.PlacePoint(m_corners.x[i], m_corners.y[i]);
    }
}

int CSxfEllipse::WritePOR(PorBlockWriter& stream) const {
    PorRecordBuilder record(PorEllipse::Type);
    record.Set(PorEllipse::Corners, m_corners.ToPor(UnitScale()));
    record.Set(PorEllipse::Pen, MakePen());
    record.Set(PorEllipse::Transparent, 1);
    record.PadTo(LayerNameAt);
    record.Set(PorEllipse::Layer, LayerName());
    record.PadTo(SxfPadded(record.Size()));
    stream.Append(record);
    return 1;
}
