#pragma once
// Resolves an entity's colour, line type and lineweight from its own groups
// and its layer. The entity's own values win over the layer's wherever they
// stand among its groups; a colour or line type "by layer" is the layer's.

#include "platform/win/WinTypes.h"
#include "plugins/dxf/CDxfPen.h"

struct CDxfEntityGroups;
class CDxfLayerTable;
class CDxfLineTypeTable;
class CPorStream;

class CDxfEntityStyle {
public:
    CDxfEntityStyle(const CDxfLayerTable& layers, CDxfLineTypeTable& lineTypes)
        : m_layers(layers), m_lineTypes(lineTypes) {}

    // No colour of its own (or 256): the layer's colour, white when the layer
    // is unknown or has none. 0 stays the by-block marker.
    COLORREF Color(const CDxfEntityGroups& groups) const;
    // As Color, but a layer-0 entity of a BLOCK that has a block colour takes
    // that colour.
    COLORREF BlockRuleColor(const CDxfEntityGroups& groups, const CPorStream& target) const;
    int LineType(const CDxfEntityGroups& groups);
    // Group 370, else the layer's lineweight (0 for an unknown layer).
    int LineWeight(const CDxfEntityGroups& groups) const;

    // Line type, line-type scale, lineweight and colour.
    CDxfPen Pen(const CDxfEntityGroups& groups);

private:
    const CDxfLayerTable& m_layers;
    CDxfLineTypeTable& m_lineTypes;
};
