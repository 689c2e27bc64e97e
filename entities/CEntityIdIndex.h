#pragma once
// The drawing's entities by id, so that group members are found without
// walking the drawing once per member. The first entity added under an id
// keeps it, as a walk in drawing order would find it first. Entities with
// an empty id are not indexed: no member is looked up by one. The index
// does not own the entities; its owner clears it before they go.
//
// Most drawings have no groups, so the table is built only when the first
// id is looked up: until then an entity costs one pointer, kept in chunks so
// that a long drawing is never copied as the list grows. An entity's id must
// not change once it is added.

#include "platform/mfc/CString.h"

#include <deque>
#include <string>
#include <unordered_map>

class CRukEntity;

class CEntityIdIndex {
public:
    void Add(CRukEntity* entity);
    CRukEntity* Find(const CString& id) const;
    void Clear();

private:
    // Files the entities added since the last look-up.
    void CatchUp() const;

    mutable std::unordered_map<std::string, CRukEntity*> m_entities;
    mutable std::deque<CRukEntity*> m_pending;
};
