#include "entities/CEntityIdIndex.h"

#include "entities/CRukEntity.h"

void CEntityIdIndex::Add(CRukEntity* entity) {
    if (entity && !entity->m_id.IsEmpty())
        m_pending.push_back(entity);
}

CRukEntity* CEntityIdIndex::Find(const CString& id) const {
    CatchUp();
    const auto found = m_entities.find(id.str());
    return found == m_entities.end() ? nullptr : found->second;
}

void CEntityIdIndex::Clear() {
    m_entities.clear();
    m_pending.clear();
    m_pending.shrink_to_fit();
}

void CEntityIdIndex::CatchUp() const {
    if (m_pending.empty())
        return;
    m_entities.reserve(m_entities.size() + m_pending.size());
    for (CRukEntity* entity : m_pending)
        m_entities.try_emplace(entity->m_id.str(), entity);
    m_pending.clear();
    m_pending.shrink_to_fit();
}
