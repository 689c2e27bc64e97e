#pragma once
// An entity of any kind code for the document tests: a box, a layer, and
// a child list that stands in for a group's, a markup's or a tool's picks.

#include "entities/CRukEntity.h"
#include "platform/mfc/CObList.h"

class TestEntity : public CRukEntity {
public:
    explicit TestEntity(int kind, const char* layer = "0") {
        m_kind = kind;
        m_layerName = layer;
    }

    void SetBox(int x1, int y1, int x2, int y2) {
        m_x1 = x1;
        m_y1 = y1;
        m_x2 = x2;
        m_y2 = y2;
        RecalcExtents();
    }
    void Add(CRukEntity* child) { m_children.AddTail(child); }

    POSITION GetHeadPosition() const override { return m_children.GetHeadPosition(); }
    POSITION GetTailPosition() const override { return m_children.GetTailPosition(); }
    CRukEntity* GetNext(POSITION& position) const override {
        return static_cast<CRukEntity*>(m_children.GetNext(position));
    }
    CRukEntity* GetPrev(POSITION& position) const override {
        return static_cast<CRukEntity*>(m_children.GetPrev(position));
    }
    int GetCount() const override { return static_cast<int>(m_children.GetCount()); }
    CObList* GetPickList() override { return &m_children; }

    CObList m_children;
};
