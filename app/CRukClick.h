#pragma once
// The view's short-lived tools that pick, move and reshape redline objects.
// They share the entity operations so that the view drives them like a
// markup under construction: the press picks (OnButtonDown), every move
// draws XOR feedback (Track), the release acts (AddPoint). What a tool acts
// on is its pick list; handing the tool to the document's AddEntity makes
// that list the new selection.

#include "entities/CRukEntity.h"
#include "platform/mfc/CObList.h"

class CZumeoDoc;
class CZumeoView;

class CRukClick : public CRukEntity {
public:
    enum State { kStateNone = 0, kStateGrip = 1, kStateMoving = 2 };

    CRukClick();
    CObList* GetPickList() override;
    int GetState() const { return m_state; }
    // The view's cursor square in view space: what the press must meet.
    void SetHitRect(const RECT& rect) { m_hitRect = rect; }

    // 1: Ctrl+click adds an object to the selection or takes a selected one
    // out; 0: every click starts a new selection.
    int m_multiSelect = 1;

protected:
    CRukClick(CZumeoView* view, int kind);

    // The common press: the topmost object under the point joins the pick
    // list (state 2), then the selection follows the click. Redline-only
    // tools never pick the drawing's own groups.
    void PickAndSelect(CDC* dc, CZumeoDoc* document, int x, int y, const CDrawDefaults* settings,
                       UINT flags, bool redlineOnly);
    // The release of a frame: the markups wholly inside it on shown layers
    // become the selection.
    void WindowPick(CZumeoDoc* document, int x, int y);
    // The release of a move: every redline object of the pick list moves by
    // the drag; `moved` receives them.
    void MovePicks(CZumeoDoc* document, int x, int y, CObList& moved);
    // MovePicks on the tool's document, with one undo step for what moved.
    void MovePicksWithUndo(int x, int y);
    // The frame (state 0) or the selection displaced (state 2) from the old
    // to the new point.
    void TrackPick(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                   const CDrawDefaults* settings);
    void RedrawViews() const;

    int m_state = kStateNone;
    CObList m_pickList{10};
    // The document and settings of the press, for the release.
    CZumeoDoc* m_document = nullptr;
    const CDrawDefaults* m_settings = nullptr;
    CZumeoView* m_view = nullptr;
    RECT m_hitRect{0, 0, 0, 0};

private:
    CRukEntity* FindHit(CDC* dc, CZumeoDoc* document, int x, int y, const CDrawDefaults* settings,
                        bool redlineOnly) const;
    void TrackFrame(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY);
    void TrackMoved(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                    const CDrawDefaults* settings);
};

// The document as the tools know it: the view always hands its own.
CZumeoDoc* ToolDocument(CEntityDocument* document);
