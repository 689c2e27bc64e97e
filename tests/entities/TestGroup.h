#pragma once
// An entity with children, as groups and markups have, for the colour
// drawing entry.

#include "entities/CRukEntity.h"
#include "platform/mfc/CObList.h"

class TestGroup : public CRukEntity {
public:
    TestGroup() { m_kind = 0x100; }

    void AddChild(CRukEntity* child) { m_children.AddTail(child); }

    POSITION GetHeadPosition() const override { return m_children.GetHeadPosition(); }
    CRukEntity* GetNext(POSITION& position) const override {
        return static_cast<CRukEntity*>(m_children.GetNext(position));
    }

private:
    CObList m_children;
};
