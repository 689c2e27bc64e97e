#pragma once
// The undo records of the redline edits; the caller gives each its label.

#include "app/CUndoRecord.h"

#include <initializer_list>

// A new object and its children ("コントロールの追加"), recorded once it
// is filed. Undo takes them away; redo brings them back.
class CUndoAdd : public CUndoRecord {
public:
    CUndoAdd(CZumeoDoc* document, const CString& name, CRukEntity* object);
    int Undo() override;
    int Redo() override;

private:
    Places m_places;
};

// The selection ("コントロールの削除"), recorded before it is deleted.
class CUndoDelete : public CUndoRecord {
public:
    CUndoDelete(CZumeoDoc* document, const CString& name, const CObList& selection);
    int Undo() override;
    int Redo() override;

private:
    Places m_places;
};

// The selection moved by (dx, dy) ("コントロールの移動").
class CUndoMove : public CUndoRecord {
public:
    CUndoMove(CZumeoDoc* document, const CString& name, const CObList& selection, int dx, int dy);
    int Undo() override;
    int Redo() override;

private:
    void MoveBy(int dx, int dy) const;

    Places m_places;
    int m_dx;
    int m_dy;
};

// An object with its children changed in place or replaced ("コントロール
// の修正", "コントロールの拡張"): recorded before the change, then told the
// result once it is filed.
class CUndoModify : public CUndoRecord {
public:
    CUndoModify(CZumeoDoc* document, const CString& name, CRukEntity* object);
    // Where the changed objects stand now.
    void CaptureResult(CRukEntity* result);
    int Undo() override;
    int Redo() override;

protected:
    CUndoModify(CZumeoDoc* document, const CString& name,
                std::initializer_list<CRukEntity*> sources);

private:
    // The places of the state the document shows, and of the one the
    // snapshot holds.
    Places m_shown;
    Places m_kept;
};

// Two markups turned into a cut-out ("コントロールの中抜き"): undo brings
// the two back in place of the result, redo the result again.
class CUndoCutOut : public CUndoModify {
public:
    CUndoCutOut(CZumeoDoc* document, const CString& name, CRukEntity* outline, CRukEntity* hole);
};

// The selection brought to the front ("最前面") or sent to the back
// ("最背面"): recorded before, then told once the objects stand in their
// new places.
class CUndoReorder : public CUndoRecord {
public:
    CUndoReorder(CZumeoDoc* document, const CString& name, const CObList& selection);
    void CaptureResult();
    int Undo() override;
    int Redo() override;

private:
    void MoveFromTo(const Places& from, const Places& to) const;

    // The objects, between the record and its result.
    std::vector<CRukEntity*> m_objects;
    Places m_before;
    Places m_after;
};
