#include "plugins/dxf/CDxfLayerTable.h"

#include <algorithm>

const CDxfLayer* CDxfLayerTable::Find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        m_layers, [name](const CDxfLayer& layer) { return layer.name.view() == name; });
    return found != m_layers.end() ? &*found : nullptr;
}

COLORREF CDxfLayerTable::GetLayerColor(std::string_view name) const {
    const CDxfLayer* layer = Find(name);
    return layer ? layer->color : UnknownLayerColor;
}

int CDxfLayerTable::GetLayerLineWeight(std::string_view name) const {
    const CDxfLayer* layer = Find(name);
    return layer ? layer->lineWeight : 0;
}
