#include "plugins/sxf/CSxfRadiusDimension.h"

#include "plugins/sxf/CSxfSfigLocate.h"

CSxfRadiusDimension::CSxfRadiusDimension(int id, const CSxfReader* owner,
                                         const SxfRadiusDimData& data)
    : CSxfAnnotation(id, owner, data.codes), m_data(data),
      m_arrowAngle(
          EndArrowAngle(data.arrow.placement, data.endX - data.startX, data.endY - data.startY)) {}

std::unique_ptr<CSxfObject> CSxfRadiusDimension::Clone() const {
    return WithParts(std::make_unique<CSxfRadiusDimension>(*this));
}

void CSxfRadiusDimension::MakeParts() {
    if (m_data.textFlag == 1) {
        AddText(m_data.text);
    }
    AddLine(m_data.startX, m_data.startY, m_data.endX, m_data.endY);
}

void CSxfRadiusDimension::TransformOwn(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.startX, m_data.startY);
    placement.PlacePoint(m_data.endX, m_data.endY);
    placement.PlacePoint(m_data.arrow.x, m_data.arrow.y);
    placement.TurnAngle(m_arrowAngle);
}

void CSxfRadiusDimension::WriteArrows(PorBlockWriter& stream) const {
    WriteArrow(stream, m_data.arrow, m_arrowAngle);
}
