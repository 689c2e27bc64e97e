#pragma once
// A list of untyped pointers (CList<void*>), a CObject as in the class
// library; it is not archivable and never deletes what it points at.

#include "platform/mfc/CList.h"
#include "platform/mfc/CObject.h"

#include <cstddef>

class CPtrList : public CObject, public CList<void*, void*> {
    DECLARE_DYNAMIC(CPtrList)
public:
    explicit CPtrList(INT_PTR blockSize = 10) : CList<void*, void*>(blockSize) {}

    using CList<void*, void*>::AddHead;
    using CList<void*, void*>::AddTail;
    void AddHead(CPtrList* newList) {
        CList<void*, void*>::AddHead(static_cast<CList<void*, void*>*>(newList));
    }
    void AddTail(CPtrList* newList) {
        CList<void*, void*>::AddTail(static_cast<CList<void*, void*>*>(newList));
    }
    // A null element (a plain nullptr would fit both overloads).
    POSITION AddHead(std::nullptr_t) {
        return CList<void*, void*>::AddHead(static_cast<void*>(nullptr));
    }
    POSITION AddTail(std::nullptr_t) {
        return CList<void*, void*>::AddTail(static_cast<void*>(nullptr));
    }
};
