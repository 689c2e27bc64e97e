#pragma once
// The SXF "FILL_AREA_STYLE_COLOUR" feature: a solid fill of its outline
// less its holes.

#include "plugins/sxf/CSxfFill.h"

class CSxfFillColour : public CSxfFill {
public:
    CSxfFillColour(int id, const CSxfReader* owner, const SxfFillColourData& data)
        : CSxfFill(id, owner, data.layer, data.boundaries), m_data(data) {}

    std::unique_ptr<CSxfObject> Clone() const override;
    void SetColour(int code) override;
    int GetColour() const override { return m_data.colour; }

protected:
    HatchFill Fill() const override;

private:
    SxfFillColourData m_data;
};
