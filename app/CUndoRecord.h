#pragma once
// One undoable redline edit. A record finds the objects it concerns by
// where they stand in the document's lists (the drawing order, the top
// objects, their layer's list), never by pointer: undoing another record
// may have rebuilt them. Objects that disappear are kept as a snapshot, the
// object list serialised into a global memory block.

#include "platform/mfc/CObList.h"
#include "platform/mfc/CString.h"
#include "platform/win/GlobalMemory.h"

#include <initializer_list>
#include <vector>

class CRukEntity;
class CZumeoDoc;

class CUndoRecord {
public:
    CUndoRecord(CZumeoDoc* document, const CString& name);
    virtual ~CUndoRecord();
    CUndoRecord(const CUndoRecord&) = delete;
    CUndoRecord& operator=(const CUndoRecord&) = delete;

    // 1 when done; 0 leaves the record where it stands in the history.
    virtual int Undo();
    virtual int Redo();
    // The label the Edit menu shows.
    CString GetName() const { return m_name; }

    // Where one object stands; -1 where it is not listed.
    struct Place {
        int order = -1;
        int top = -1;
        CString layer;
        int layerIndex = -1;
    };
    using Places = std::vector<Place>;

protected:
    // The objects with every child of their markups, in drawing order.
    std::vector<CRukEntity*> Widened(const CObList& objects) const;
    // The places of those objects that stand in the drawing order, in their
    // order; with widen, of the Widened objects.
    Places Capture(const std::vector<CRukEntity*>& objects) const;
    Places Capture(const CObList& objects, bool widen) const;
    Places CaptureWidened(std::initializer_list<CRukEntity*> objects) const;
    // The objects at the places' drawing-order positions.
    std::vector<CRukEntity*> ObjectsAt(const Places& places) const;
    // Takes the objects out of every list of the document.
    void Unlink(const std::vector<CRukEntity*>& objects, const Places& places) const;
    // Files the objects at their places, flagged as redline objects.
    void Insert(const std::vector<CRukEntity*>& objects, const Places& places) const;
    static void Delete(const std::vector<CRukEntity*>& objects);
    // The objects serialised into a new memory block.
    static HGLOBAL MakeSnapshot(const std::vector<CRukEntity*>& objects);
    // New objects from the snapshot, which the record keeps.
    std::vector<CRukEntity*> Rebuild() const;
    // The objects at the places out of the document and deleted, the
    // snapshot made of them first when there is none.
    void TakeAway(const Places& places);
    // The snapshot's objects back at their places.
    void BringBack(const Places& places) const;
    // The objects at `now` replaced by the snapshot's at `then`; the
    // snapshot then holds the replaced ones.
    void Exchange(const Places& now, const Places& then);
    // What every record does once the lists changed.
    void Finish(bool layersChanged) const;

    CString m_name;
    CZumeoDoc* m_doc;
    HGLOBAL m_snapshot = nullptr;
};
