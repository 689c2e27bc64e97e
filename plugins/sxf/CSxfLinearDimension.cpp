#include "plugins/sxf/CSxfLinearDimension.h"

CSxfLinearDimension::CSxfLinearDimension(int id, const CSxfReader* owner,
                                         const SxfLinearDimData& data)
    : CSxfLineDimension(id, owner, data.codes, {data.startX, data.startY, data.endX, data.endY},
                        data.arrow1, data.arrow2, data.textFlag, data.text),
      m_projections{data.projection1, data.projection2} {}

void CSxfLinearDimension::MakeMoreParts() {
    // The base point of a projection line is not drawn.
    for (const SxfProjectionData& line : m_projections) {
        if (line.shown == 1) {
            AddLine(line.startX, line.startY, line.endX, line.endY);
        }
    }
}
