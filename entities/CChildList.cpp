#include "entities/CChildList.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"
#include "platform/mfc/CArchive.h"

#include <algorithm>

void CChildList::Add(CRukEntity* child) {
    m_list.push_back(child);
}

bool CChildList::Remove(const CRukEntity* child) {
    const auto found = std::find(m_list.begin(), m_list.end(), child);
    if (found == m_list.end())
        return false;
    m_list.erase(found);
    return true;
}

void CChildList::SetColor(COLORREF color) const {
    ForEach([color](CRukEntity& child) { child.SetColor(color); });
}

void CChildList::RestoreColor() const {
    ForEach([](CRukEntity& child) { child.RestoreColor(); });
}

void CChildList::SetFillColor(COLORREF color) const {
    ForEach([color](CRukEntity& child) { child.SetFillColor(color); });
}

void CChildList::RestoreFillColor() const {
    ForEach([](CRukEntity& child) { child.RestoreFillColor(); });
}

CRukEntity* CChildList::GetFirst() const {
    return m_list.empty() ? nullptr : m_list.front();
}

CRukEntity* CChildList::GetNext(POSITION& position) const {
    const std::size_t index = IndexOf(position);
    position = index + 1 < m_list.size() ? PositionOf(index + 1) : nullptr;
    return m_list[index];
}

CRukEntity* CChildList::GetPrev(POSITION& position) const {
    const std::size_t index = IndexOf(position);
    position = index > 0 ? PositionOf(index - 1) : nullptr;
    return m_list[index];
}

void CChildList::Fit() {
    m_list.shrink_to_fit();
}

template <class Counts>
bool CChildList::Union(Counts counts, int* minX, int* minY, int* maxX, int* maxY) const {
    bool any = false;
    ForEach([&](const CRukEntity& child) {
        if (!counts(child))
            return;
        if (any)
            child.UnionExtents(minX, minY, maxX, maxY);
        else
            child.GetExtents(minX, minY, maxX, maxY);
        any = true;
    });
    return any;
}

bool CChildList::UnionExtents(int* minX, int* minY, int* maxX, int* maxY) const {
    return Union([](const CRukEntity&) { return true; }, minX, minY, maxX, maxY);
}

bool CChildList::UnionShownExtents(const CEntityDocument& document, int* minX, int* minY, int* maxX,
                                   int* maxY) const {
    return Union(
        [&document](const CRukEntity& child) {
            return document.GetLayerState(child.GetLayerName()) == 1;
        },
        minX, minY, maxX, maxY);
}

void CChildList::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_list.size()));
        ForEach([&](const CRukEntity& child) { ar << &child; });
        return;
    }
    const auto isEntity = [](const CObject* object) {
        return dynamic_cast<const CRukEntity*>(object) != nullptr;
    };
    for (DWORD_PTR count = ar.ReadCount(); count > 0; --count) {
        // Whole: the owner's Serialize walks its children once they are read.
        if (CObject* child = ar.ReadWholeObjectIf(isEntity))
            m_list.push_back(static_cast<CRukEntity*>(child));
    }
}
