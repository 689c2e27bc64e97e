#include "entities/CEntityIdIndex.h"

#include "entities/CRukEntity.h"

void CEntityIdIndex::Add(CRukEntity* entity) {
    if (entity && !entity->m_id.IsEmpty())
        m_entities.try_emplace(entity->m_id.str(), entity);
}

CRukEntity* CEntityIdIndex::Find(const CString& id) const {
    const auto found = m_entities.find(id.str());
    return found == m_entities.end() ? nullptr : found->second;
}
