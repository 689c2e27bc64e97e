#include "app/CObjectListReader.h"

#include "entities/CChildForest.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CArchiveException.h"

#include <unordered_set>

CObjectListReader::~CObjectListReader() {
    if (m_finished)
        return;
    // No object read deletes another, so each is freed once here; the
    // parts old bodies built are named by no entry of the archive.
    for (CObject* object : m_ar.GetLoadedObjects())
        delete object;
    for (CObject* object : m_ar.GetBuiltObjects())
        delete object;
}

void CObjectListReader::Read(CObList& list, Accept accept) {
    m_lists.emplace_back(&list, accept);
    list.Serialize(m_ar);
}

void CObjectListReader::Finish() {
    if (!IsSound())
        AfxThrowArchiveException(CArchiveException::badClass,
                                 m_ar.GetFile() ? m_ar.GetFile()->GetFilePath().c_str() : nullptr);
    m_finished = true;
}

bool CObjectListReader::IsSound() const {
    // Each object once, and in the list of its own classes: the document
    // owns and deletes every one of them.
    std::unordered_set<const CObject*> listed;
    for (const auto& [list, accept] : m_lists)
        for (POSITION position = list->GetHeadPosition(); position;) {
            const CObject* object = list->GetNext(position);
            if (!object || !accept(object) || !listed.insert(object).second)
                return false;
        }
    std::vector<const CRukEntity*> entities;
    for (const CObject* object : m_ar.GetLoadedObjects())
        if (const auto* entity = dynamic_cast<const CRukEntity*>(object))
            entities.push_back(entity);
    return CChildForest::IsSound(entities);
}
