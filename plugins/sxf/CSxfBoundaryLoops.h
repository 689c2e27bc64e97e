#pragma once
// The outlines of a fill or hatch: for its outer curve and each hole, copies
// of the members of the composite curve of that number, in the composite
// curve's colour and width and on the fill's layer. A number that names no
// composite curve gives no outline.

#include "platform/sxf/SxfData.h"
#include "plugins/sxf/CSxfObject.h"

class CSxfReader;

class CSxfBoundaryLoops {
public:
    struct FillBoundary {
        // Set when the composite curve is drawn as well as filled.
        bool display = false;
        CSxfObjectList curves;
    };

    void Resolve(const CSxfReader* reader, const SxfBoundaryIds& ids, int layer);

    void Transform(const CSxfSfigLocate& placement);
    void SetColour(int code);
    void SetLayer(int code);

    // The words of the boundary blocks: per outline 0, 0, 0, the edge count
    // and the edges of the curves that give one.
    std::vector<LONG> Blocks() const;
    // The curves of the displayed outlines, each as its own records.
    void WriteShown(PorBlockWriter& stream) const;

    const std::vector<FillBoundary>& Boundaries() const { return m_boundaries; }

private:
    std::vector<FillBoundary> m_boundaries;
};
