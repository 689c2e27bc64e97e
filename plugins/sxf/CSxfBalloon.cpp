#include "plugins/sxf/CSxfBalloon.h"

#include "plugins/sxf/CSxfCircle.h"

CSxfBalloon::CSxfBalloon(int id, const CSxfReader* owner, const SxfBalloonData& data)
    : CSxfAnnotation(id, owner, data.codes), m_data(data),
      m_leader(SxfVertices::Of(data.count, data.x, data.y)), m_leaderAngle(LeaderAngle(m_leader)) {}

std::unique_ptr<CSxfObject> CSxfBalloon::Clone() const {
    return WithParts(std::make_unique<CSxfBalloon>(*this));
}

void CSxfBalloon::MakeParts() {
    if (m_data.textFlag != 0) {
        AddText(m_data.text);
    }
    AddPolyLine(m_leader);
    AddPart(std::make_unique<CSxfCircle>(
        0, nullptr, SxfCircleData{Codes(), m_data.centreX, m_data.centreY, m_data.radius}));
}

void CSxfBalloon::TransformOwn(const CSxfSfigLocate& placement) {
    TransformLeader(placement, m_leader, m_data.text, m_leaderAngle);
}

void CSxfBalloon::WriteArrows(PorBlockWriter& stream) const {
    WriteLeaderArrow(stream, m_leader, m_data.arrowCode, m_leaderAngle, m_data.arrowSize);
}
