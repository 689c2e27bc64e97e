#pragma once
// The LAYER table in file order; names are compared exactly and the first
// entry of a name wins.

#include "plugins/dxf/CDxfLayer.h"

#include <string_view>
#include <vector>

class CDxfLayerTable {
public:
    // The colour of an entity whose layer is not in the table.
    static constexpr COLORREF UnknownLayerColor = 0xFFFFFF;

    void Add(CDxfLayer layer) { m_layers.push_back(std::move(layer)); }
    const std::vector<CDxfLayer>& Layers() const { return m_layers; }

    const CDxfLayer* Find(std::string_view name) const;
    COLORREF GetLayerColor(std::string_view name) const;
    // 0 for a layer that is not in the table.
    int GetLayerLineWeight(std::string_view name) const;

private:
    std::vector<CDxfLayer> m_layers;
};
