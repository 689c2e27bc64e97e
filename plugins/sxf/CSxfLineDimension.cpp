#include "plugins/sxf/CSxfLineDimension.h"

#include "plugins/sxf/CSxfSfigLocate.h"
#include "plugins/sxf/SxfUnits.h"

namespace {

// The direction of the arrowhead at one end of the line, given the vector
// from the other end to it: placement 1 points along it, 2 back, anything
// else 0.
double EndArrowAngle(int placement, double outwardsX, double outwardsY) {
    if (placement == 1) {
        return SxfVectorAngle(outwardsX, outwardsY);
    }
    if (placement == 2) {
        return SxfVectorAngle(-outwardsX, -outwardsY);
    }
    return 0;
}

} // namespace

CSxfLineDimension::CSxfLineDimension(int id, const CSxfReader* owner, const SxfStyleCodes& codes,
                                     Line line, std::optional<SxfArrowData> startArrow,
                                     std::optional<SxfArrowData> endArrow, int textFlag,
                                     const SxfTextBlock& text)
    : CSxfAnnotation(id, owner, codes), m_line(line), m_textFlag(textFlag), m_text(text) {
    const double dx = line.startX - line.endX;
    const double dy = line.startY - line.endY;
    if (startArrow) {
        m_arrows[0] = {*startArrow, EndArrowAngle(startArrow->placement, dx, dy)};
    }
    if (endArrow) {
        m_arrows[1] = {*endArrow, EndArrowAngle(endArrow->placement, -dx, -dy)};
    }
}

void CSxfLineDimension::MakeParts() {
    if (m_textFlag == 1) {
        AddText(m_text);
    }
    AddLine(m_line.startX, m_line.startY, m_line.endX, m_line.endY);
    MakeMoreParts();
}

void CSxfLineDimension::TransformOwn(const CSxfSfigLocate& placement) {
    placement.PlacePoint(m_line.startX, m_line.startY);
    placement.PlacePoint(m_line.endX, m_line.endY);
    for (EndArrow& end : m_arrows) {
        placement.PlacePoint(end.arrow.x, end.arrow.y);
        placement.TurnAngle(end.angle);
    }
}

void CSxfLineDimension::WriteArrows(PorBlockWriter& stream) const {
    for (const EndArrow& end : m_arrows) {
        WriteArrow(stream, end.arrow, end.angle);
    }
}
