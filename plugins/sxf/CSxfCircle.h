#pragma once
// The SXF "CIRCLE" feature: one POR circle through its box.

#include "plugins/sxf/CSxfFeature.h"

class CSxfCircle : public CSxfFeature {
public:
    CSxfCircle(int id, const CSxfReader* owner, const SxfCircleData& data)
        : CSxfFeature(id, owner, data.codes), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;

    const SxfCircleData& Data() const { return m_data; }

private:
    SxfCircleData m_data;
};
