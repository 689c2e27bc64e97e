#pragma once
// A document for entity tests: view space is the drawing shifted by an
// origin and scaled, and layers are shown as the test sets them.

#include "entities/CEntityDocument.h"
#include "geometry/Geometry.h"

#include <map>
#include <string>

class FakeDocument : public CEntityDocument {
public:
    POINT LogicalToDevicePoint(LONG x, LONG y) const override {
        return ToViewPoint(x, y, m_originX, m_originY, m_viewScale);
    }
    int GetLayerState(const CString& layerName) const override {
        const auto found = m_layerStates.find(layerName.str());
        return found == m_layerStates.end() ? 0 : found->second;
    }

    LONG m_originX = 0;
    LONG m_originY = 0;
    double m_viewScale = 1.0;
    std::map<std::string, int> m_layerStates{{"0", 1}};
};
