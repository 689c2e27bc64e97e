#pragma once
// The children of a group or a block reference: entities the document owns,
// in order. The list never deletes them.

#include "platform/mfc/CObList.h"
#include "platform/win/WinTypes.h"

class CArchive;
class CDrawDefaults;
class CEntityDocument;
class CRukEntity;

class CChildList {
public:
    void Add(CRukEntity* child);
    // Takes the child out of the list; false when it is not there.
    bool Remove(const CRukEntity* child);
    int GetCount() const { return static_cast<int>(m_list.GetCount()); }
    // The first child; null when there is none.
    CRukEntity* GetFirst() const;

    POSITION GetHeadPosition() const { return m_list.GetHeadPosition(); }
    POSITION GetTailPosition() const { return m_list.GetTailPosition(); }
    CRukEntity* GetNext(POSITION& position) const;
    CRukEntity* GetPrev(POSITION& position) const;

    template <class Visit> void ForEach(Visit visit) const {
        for (POSITION position = m_list.GetHeadPosition(); position;)
            visit(*GetNext(position));
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

    CObList m_list{10};
};
