#pragma once
// The children of a group or a block reference: entities the document owns,
// in order. The list never deletes them. A drawing holds block references by
// the hundred thousand, most with a few children: the list is one array, and
// a position is an index into it (1 the first child).

#include "platform/win/WinTypes.h"

#include <cstdint>
#include <vector>

class CArchive;
class CDrawDefaults;
class CEntityDocument;
class CRukEntity;

class CChildList {
public:
    void Add(CRukEntity* child);
    // Takes the child out of the list; false when it is not there.
    bool Remove(const CRukEntity* child);
    // Gives back the room kept for more children.
    void Fit();
    int GetCount() const { return static_cast<int>(m_list.size()); }
    // The first child; null when there is none.
    CRukEntity* GetFirst() const;

    POSITION GetHeadPosition() const { return m_list.empty() ? nullptr : PositionOf(0); }
    POSITION GetTailPosition() const {
        return m_list.empty() ? nullptr : PositionOf(m_list.size() - 1);
    }
    CRukEntity* GetNext(POSITION& position) const;
    CRukEntity* GetPrev(POSITION& position) const;

    template <class Visit> void ForEach(Visit visit) const {
        for (CRukEntity* child : m_list)
            visit(*child);
    }

    // The union of the children's extents: the first child's extents,
    // widened by the others. False, with the outputs untouched, when empty.
    // Colour operations passed on to every child.
    void SetColor(COLORREF color) const;
    void RestoreColor() const;
    void SetFillColor(COLORREF color) const;
    void RestoreFillColor() const;

    bool UnionExtents(int* minX, int* minY, int* maxX, int* maxY) const;
    // The same over the children whose layer the document shows.
    bool UnionShownExtents(const CEntityDocument& document, int* minX, int* minY, int* maxX,
                           int* maxY) const;

    // As CObList::Serialize writes the list: a count, then each child as
    // an object or a reference back. Loading appends; an object that is not
    // an entity is refused (badClass), as is a reference to the owner or to
    // an object that holds it (badIndex: they are still being read), and null
    // entries are left out. The reader of a file checks the lists it read as
    // a whole (CChildForest): a child met twice is only seen there.
    void Serialize(CArchive& ar);

private:
    template <class Counts>
    bool Union(Counts counts, int* minX, int* minY, int* maxX, int* maxY) const;

    static POSITION PositionOf(std::size_t index) {
        return reinterpret_cast<POSITION>(static_cast<std::uintptr_t>(index + 1));
    }
    static std::size_t IndexOf(POSITION position) {
        return reinterpret_cast<std::uintptr_t>(position) - 1;
    }

    std::vector<CRukEntity*> m_list;
};
