#include "plugins/sxf/CSxfLinearDimension.h"

#include "plugins/sxf/CSxfSfigLocate.h"

CSxfLinearDimension::CSxfLinearDimension(int id, const CSxfReader* owner,
                                         const SxfLinearDimData& data)
    : CSxfAnnotation(id, owner, data.codes), m_data(data),
      m_arrow1Angle(
          EndArrowAngle(data.arrow1.placement, data.startX - data.endX, data.startY - data.endY)),
      m_arrow2Angle(
          EndArrowAngle(data.arrow2.placement, data.endX - data.startX, data.endY - data.startY)) {}

std::unique_ptr<CSxfObject> CSxfLinearDimension::Clone() const {
    return WithParts(std::make_unique<CSxfLinearDimension>(*this));
}

void CSxfLinearDimension::MakeParts() {
    if (m_data.textFlag == 1) {
        AddText(m_data.text);
    }
    AddLine(m_data.startX, m_data.startY, m_data.endX, m_data.endY);
    for (const SxfProjectionData* line : {&m_data.projection1, &m_data.projection2}) {
        if (line->shown == 1) {
            AddLine(line->startX, line->startY, line->endX, line->endY);
        }
    }
}

void CSxfLinearDimension::TransformOwn(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.startX, m_data.startY);
    placement.PlacePoint(m_data.endX, m_data.endY);
    placement.PlacePoint(m_data.arrow1.x, m_data.arrow1.y);
    placement.PlacePoint(m_data.arrow2.x, m_data.arrow2.y);
    placement.TurnAngle(m_arrow1Angle);
    placement.TurnAngle(m_arrow2Angle);
}

void CSxfLinearDimension::WriteArrows(PorBlockWriter& stream) const {
    WriteArrow(stream, m_data.arrow1, m_arrow1Angle);
    WriteArrow(stream, m_data.arrow2, m_arrow2Angle);
}
