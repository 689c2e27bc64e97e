#pragma once
// The program's document: the common document with the state of what is
// open, the undo-record look-ups and the fit test of the view.

#include "app/CCommonDoc.h"
#include "app/CListCursor.h"

class CZumeoDoc : public CCommonDoc {
    DECLARE_DYNCREATE(CZumeoDoc)

public:
    CZumeoDoc() = default;

    // As the common document's, and the redlines count as modified.
    BOOL MoveToLayer(CRukEntity* object, const CString& name) override;

    // The index of the object in the list, searching on from the cursor;
    // -1 when absent.
    int FindInDrawOrder(const CObject* object, CListCursor& cursor) const;
    int FindInTopObjects(const CObject* object, CListCursor& cursor) const;
    // The index of the object in the named layer's list; -1 when absent.
    int FindInLayer(const CObject* object, const CString& layerName) const;

    // The selection (or the given list) with every child of its markups,
    // in drawing order, followed by the objects outside the drawing order
    // in their own order. Without a markup it is the list itself.
    void GetSelectionInOrder(CObList& out, const CObList* selection = nullptr) const;

    // True when a view with that window extent and origin shows exactly the
    // fit of the drawing: the extent of the shown entities when a layer is
    // hidden, else the whole drawing, over the screen span.
    bool IsFitView(SIZE windowExtent, POINT origin, BOOL windowsNT) const;

    enum OpenState { kOpenNew = 0, kOpenOwnFile = 1, kOpenImported = 2, kOpenBaseImage = 3 };
    int m_openState = kOpenNew;
};
