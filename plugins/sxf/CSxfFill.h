#pragma once
// What the fills and the externally defined hatch share: a layer, the
// numbers of their outline and holes, and the outlines resolved when the
// object is copied for writing. A fill writes one POR hatch record of its
// outlines and its fill, then the outlines that are drawn as well.

#include "plugins/sxf/CSxfBoundaryLoops.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfFill : public CSxfObject {
public:
    CSxfFill(int id, const CSxfReader* owner, int layer, const SxfBoundaryIds& ids)
        : CSxfObject(id, owner), m_layer(layer), m_ids(ids) {}

    void Transform(const CSxfSfigLocate& placement) override;
    int WritePOR(PorBlockWriter& stream) const override;
    // The outline curves count as copied with the fill.
    std::size_t PointCount() const override;
    // A layer reaches the fill and every outline curve.
    void SetLayer(int code) override;
    int GetLayer() const override { return m_layer; }

    const CSxfBoundaryLoops& Loops() const { return m_loops; }

protected:
    // The fill part of the hatch record.
    struct HatchFill {
        LONG kind = 0;
        COLORREF colour = 0;
        LONG patternCount = 0;
        std::vector<LONG> data;
        bool padded = true;
    };

    virtual HatchFill Fill() const = 0;
    // Takes the layer of the object copied and resolves the outlines.
    void ResolveBoundaries(const CSxfFill& from);
    // The colour code's COLORREF.
    COLORREF ColourOf(int code) const;

    CSxfBoundaryLoops m_loops;

private:
    int m_layer;
    SxfBoundaryIds m_ids;
};
