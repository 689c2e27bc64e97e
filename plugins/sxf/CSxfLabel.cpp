#include "plugins/sxf/CSxfLabel.h"

CSxfLabel::CSxfLabel(int id, const CSxfReader* owner, const SxfLabelData& data)
    : CSxfAnnotation(id, owner, data.codes), m_data(data),
      m_leader(SxfVertices::Of(data.count, data.x, data.y)), m_arrowAngle(LeaderAngle(m_leader)) {}

std::unique_ptr<CSxfObject> CSxfLabel::Clone() const {
    return WithParts(std::make_unique<CSxfLabel>(*this));
}

void CSxfLabel::MakeParts() {
    if (m_data.textFlag == 1) {
        AddText(m_data.text);
    }
    AddPolyLine(m_leader);
}

void CSxfLabel::TransformOwn(const CSxfSfigLocate& placement) {
    TransformLeader(placement, m_leader, m_data.text, m_arrowAngle);
}

void CSxfLabel::WriteArrows(PorBlockWriter& stream) const {
    WriteLeaderArrow(stream, m_leader, m_data.arrowCode, m_arrowAngle, m_data.arrowSize);
}
