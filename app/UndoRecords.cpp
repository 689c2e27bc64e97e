#include "app/UndoRecords.h"

#include "app/CZumeoDoc.h"
#include "entities/CRukEntity.h"

CUndoAdd::CUndoAdd(CZumeoDoc* document, const CString& name, CRukEntity* object)
    : CUndoRecord(document, name), m_places(CaptureWidened({object})) {}

int CUndoAdd::Undo() {
    TakeAway(m_places);
    Finish(true);
    return 1;
}

int CUndoAdd::Redo() {
    BringBack(m_places);
    Finish(true);
    return 1;
}

CUndoDelete::CUndoDelete(CZumeoDoc* document, const CString& name, const CObList& selection)
    : CUndoRecord(document, name), m_places(Capture(selection, true)) {
    m_snapshot = MakeSnapshot(ObjectsAt(m_places));
}

int CUndoDelete::Undo() {
    BringBack(m_places);
    Finish(true);
    return 1;
}

int CUndoDelete::Redo() {
    TakeAway(m_places);
    Finish(true);
    return 1;
}

CUndoMove::CUndoMove(CZumeoDoc* document, const CString& name, const CObList& selection, int dx,
                     int dy)
    : CUndoRecord(document, name), m_places(Capture(selection, false)), m_dx(dx), m_dy(dy) {}

void CUndoMove::MoveBy(int dx, int dy) const {
    for (CRukEntity* object : ObjectsAt(m_places)) {
        object->Offset(dx, dy);
        object->RecalcExtents();
    }
}

int CUndoMove::Undo() {
    MoveBy(-m_dx, -m_dy);
    Finish(false);
    return 1;
}

int CUndoMove::Redo() {
    MoveBy(m_dx, m_dy);
    Finish(false);
    return 1;
}

CUndoModify::CUndoModify(CZumeoDoc* document, const CString& name, CRukEntity* object)
    : CUndoModify(document, name, {object}) {}

CUndoModify::CUndoModify(CZumeoDoc* document, const CString& name,
                         std::initializer_list<CRukEntity*> sources)
    : CUndoRecord(document, name), m_shown(CaptureWidened(sources)), m_kept(m_shown) {
    m_snapshot = MakeSnapshot(ObjectsAt(m_kept));
}

void CUndoModify::CaptureResult(CRukEntity* result) {
    m_shown = CaptureWidened({result});
}

int CUndoModify::Undo() {
    Exchange(m_shown, m_kept);
    std::swap(m_shown, m_kept);
    Finish(true);
    return 1;
}

int CUndoModify::Redo() {
    return Undo();
}

CUndoCutOut::CUndoCutOut(CZumeoDoc* document, const CString& name, CRukEntity* outline,
                         CRukEntity* hole)
    : CUndoModify(document, name, {outline, hole}) {}

CUndoReorder::CUndoReorder(CZumeoDoc* document, const CString& name, const CObList& selection)
    : CUndoRecord(document, name), m_objects(Widened(selection)), m_before(Capture(m_objects)) {}

void CUndoReorder::CaptureResult() {
    m_after = Capture(m_objects);
    m_objects.clear();
}

void CUndoReorder::MoveFromTo(const Places& from, const Places& to) const {
    const std::vector<CRukEntity*> objects = ObjectsAt(from);
    Unlink(objects, from);
    Insert(objects, to);
}

int CUndoReorder::Undo() {
    MoveFromTo(m_after, m_before);
    Finish(false);
    return 1;
}

int CUndoReorder::Redo() {
    MoveFromTo(m_before, m_after);
    Finish(false);
    return 1;
}
