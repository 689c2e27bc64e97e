#pragma once
// A document for entity tests: view space is the drawing shifted by an
// origin and scaled, layers are shown as the test sets them, and entities
// built from records are kept in order and filed by their layer names.

#include "entities/CEntityDocument.h"
#include "entities/CEntityIdIndex.h"
#include "entities/CRukEntity.h"
#include "geometry/Geometry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class FakeDocument : public CEntityDocument {
public:
    POINT LogicalToDevicePoint(LONG x, LONG y) const override {
        return ToViewPoint(x, y, m_originX, m_originY, m_viewScale);
    }
    int GetLayerState(const CString& layerName) const override {
        const auto found = m_layerStates.find(layerName.str());
        return found == m_layerStates.end() ? 0 : found->second;
    }
    void AddRecordEntity(CRukEntity* entity) override {
        m_entities.emplace_back(entity);
        m_layerEntities[entity->GetLayerName().str()].push_back(entity);
        m_ids.Add(entity);
    }
    CRukEntity* FindEntityById(const CString& id) const override { return m_ids.Find(id); }
    UINT GetUnit() const override { return m_unit; }
    double ViewScale() const override { return m_viewScale; }

    // Takes an entity made by the test as the drawing's own.
    CRukEntity* Own(std::unique_ptr<CRukEntity> entity) {
        CRukEntity* owned = entity.get();
        AddRecordEntity(entity.release());
        return owned;
    }

    LONG m_originX = 0;
    LONG m_originY = 0;
    double m_viewScale = 1.0;
    UINT m_unit = 1000;
    std::map<std::string, int> m_layerStates{{"0", 1}};
    std::vector<std::unique_ptr<CRukEntity>> m_entities;
    // The entities filed under each layer name, in filing order.
    std::map<std::string, std::vector<CRukEntity*>> m_layerEntities;
    CEntityIdIndex m_ids;
};
