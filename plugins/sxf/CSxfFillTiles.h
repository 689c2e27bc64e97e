#pragma once
// The SXF "FILL_AREA_STYLE_TILES" feature: a tile pattern in a frame of a
// base point, two vectors, scales and an angle. Two named tile styles are
// drawn as their line segments; any other style fills nothing and keeps
// only its outlines.

#include "plugins/sxf/CSxfFill.h"

class CSxfFillTiles : public CSxfFill {
public:
    CSxfFillTiles(int id, const CSxfReader* owner, const SxfFillTilesData& data);

    std::unique_ptr<CSxfObject> Clone() const override;
    void Transform(const CSxfSfigLocate& placement) override;
    void SetColour(int code) override;
    int GetColour() const override { return m_data.colour; }

protected:
    HatchFill Fill() const override;

private:
    SxfFillTilesData m_data;
};
