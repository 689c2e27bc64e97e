#include "plugins/dxf/CDxfEntityStyle.h"

#include "plugins/dxf/CDxfEntityGroups.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfColor.h"

namespace {

bool IsByLayer(const CString& lineType) {
    return lineType.CompareNoCase("BYLAYER") == 0;
}

} // namespace

COLORREF CDxfEntityStyle::Color(const CDxfEntityGroups& groups) const {
    if (groups.aci) {
        const COLORREF own = AciToColor(*groups.aci);
        if (own != PorByLayerColor) {
            return own;
        }
    }
    const CDxfLayer* layer = m_layers.Find(groups.layer.view());
    // The program knows no by-layer marker: a layer without a colour is
    // treated like an unknown one.
    return layer && layer->color != PorByLayerColor ? layer->color
                                                    : CDxfLayerTable::UnknownLayerColor;
}

COLORREF CDxfEntityStyle::BlockRuleColor(const CDxfEntityGroups& groups,
                                         const CPorStream& target) const {
    const bool ownColor = groups.aci && AciToColor(*groups.aci) != PorByLayerColor;
    if (!ownColor && target.IsBlock() && target.BlockColor() && groups.layer == "0") {
        return *target.BlockColor();
    }
    return Color(groups);
}

int CDxfEntityStyle::LineType(const CDxfEntityGroups& groups) {
    if (groups.lineType && !IsByLayer(*groups.lineType)) {
        return m_lineTypes.GetLineTypeNo(groups.lineType->view());
    }
    const CDxfLayer* layer = m_layers.Find(groups.layer.view());
    return layer ? layer->lineType : CDxfLineTypeTable::Solid;
}

int CDxfEntityStyle::LineWeight(const CDxfEntityGroups& groups) const {
    return groups.lineWeight ? *groups.lineWeight
                             : m_layers.GetLayerLineWeight(groups.layer.view());
}

CDxfPen CDxfEntityStyle::Pen(const CDxfEntityGroups& groups) {
    return {LineType(groups), groups.lineTypeScale, LineWeight(groups), Color(groups)};
}
