#pragma once
// A list of CObject pointers (CList<CObject*>) that is itself an archivable
// CObject, as in the class library. The list never deletes the objects.
//
// Serialize: storing writes the count (WriteCount) and each object through
// WriteObject; loading reads the count and appends each object read with
// ReadObject (no class expected). When loading fails midway, the objects read
// so far are in the list and belong to the caller.

#include "platform/mfc/CList.h"
#include "platform/mfc/CObject.h"

#include <cstddef>

class CObList : public CObject, public CList<CObject*, CObject*> {
    DECLARE_SERIAL(CObList)
public:
    explicit CObList(INT_PTR blockSize = 10) : CList<CObject*, CObject*>(blockSize) {}

    using CList<CObject*, CObject*>::AddHead;
    using CList<CObject*, CObject*>::AddTail;
    void AddHead(CObList* newList) {
        CList<CObject*, CObject*>::AddHead(static_cast<CList<CObject*, CObject*>*>(newList));
    }
    void AddTail(CObList* newList) {
        CList<CObject*, CObject*>::AddTail(static_cast<CList<CObject*, CObject*>*>(newList));
    }
    // A null element (a plain nullptr would fit both overloads).
    POSITION AddHead(std::nullptr_t) {
        return CList<CObject*, CObject*>::AddHead(static_cast<CObject*>(nullptr));
    }
    POSITION AddTail(std::nullptr_t) {
        return CList<CObject*, CObject*>::AddTail(static_cast<CObject*>(nullptr));
    }

    void Serialize(CArchive& ar) override;
};
