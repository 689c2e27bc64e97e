#include "plugins/sxf/CSxfAngularDimension.h"

#include "plugins/sxf/CSxfArc.h"
#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"

#include <cmath>

namespace {

// The arrowhead of a projection line lies across it: flag 1 turns it from
// the end nearer the centre outwards, flag 2 the other way.
double ProjectionArrowAngle(int flag, const SxfAngularDimData& d, const SxfProjectionData& line) {
    const double toStart = std::hypot(line.startX - d.centreX, line.startY - d.centreY);
    const double toEnd = std::hypot(line.endX - d.centreX, line.endY - d.centreY);
    const double alongX = line.endX - line.startX;
    const double alongY = line.endY - line.startY;
    bool reversed = false;
    if (flag == 1) {
        reversed = toStart < toEnd;
    } else if (flag == 2) {
        reversed = toStart > toEnd;
    }
    return reversed ? SxfVectorAngle(-alongX, -alongY) + 90 : SxfVectorAngle(alongX, alongY) + 90;
}

} // namespace

CSxfAngularDimension::CSxfAngularDimension(int id, const CSxfReader* owner,
                                           const SxfAngularDimData& data)
    : CSxfAnnotation(id, owner, data.codes), m_data(data),
      m_arrow1Angle(ProjectionArrowAngle(data.arrow1.placement, data, data.projection1)),
      m_arrow2Angle(ProjectionArrowAngle(data.arrow2.placement, data, data.projection2)) {}

std::unique_ptr<CSxfObject> CSxfAngularDimension::Clone() const {
    return WithParts(std::make_unique<CSxfAngularDimension>(*this));
}

void CSxfAngularDimension::MakeParts() {
    if (m_data.textFlag == 1) {
        AddText(m_data.text);
    }
    AddPart(
        std::make_unique<CSxfArc>(0, nullptr,
                                  SxfArcData{Codes(), m_data.centreX, m_data.centreY, m_data.radius,
                                             0, m_data.startAngle, m_data.endAngle}));
    for (const SxfProjectionData* line : {&m_data.projection1, &m_data.projection2}) {
        if (line->shown == 1) {
            AddLine(line->startX, line->startY, line->endX, line->endY);
        }
    }
}

void CSxfAngularDimension::TransformOwn(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_data.arrow1.x, m_data.arrow1.y);
    placement.PlacePoint(m_data.arrow2.x, m_data.arrow2.y);
    placement.TurnAngle(m_arrow1Angle);
    placement.TurnAngle(m_arrow2Angle);
}

void CSxfAngularDimension::WriteArrows(PorBlockWriter& stream) const {
    WriteArrow(stream, m_data.arrow1, m_arrow1Angle);
    WriteArrow(stream, m_data.arrow2, m_arrow2Angle);
}
