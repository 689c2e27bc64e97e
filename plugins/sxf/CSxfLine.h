#pragma once
// The SXF "LINE" feature: one POR line.

#include "plugins/sxf/CSxfFeature.h"

class CSxfLine : public CSxfFeature {
public:
    CSxfLine() = default;
    CSxfLine(int id, const CSxfReader* owner, const SxfLineData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

    double m_startX = 0, m_startY = 0, m_endX = 0, m_endY = 0;
};
