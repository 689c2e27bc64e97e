#include "app/CRukMove.h"

#include "app/CZumeoDoc.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/EntityKinds.h"

CRukMove::CRukMove(CZumeoView* view) : CRukClick(view, kKindMove) {}

void CRukMove::OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                            const CDrawDefaults* settings, UINT flags) {
    PickAndSelect(dc, ToolDocument(document), x, y, settings, flags, true);
}

int CRukMove::AddPoint(int x, int y, int) {
    if (!m_document)
        return 1;
    if (m_state == kStateNone) {
        WindowPick(m_document, x, y);
    } else if (m_state == kStateMoving) {
        CObList moved;
        MovePicks(m_document, x, y, moved);
        if (!moved.IsEmpty()) {
            m_document->m_undo.Push(
                new CUndoMove(m_document, UndoLabels::Move(), moved, x - m_x1, y - m_y1));
            m_document->m_redlineModified = 1;
        }
    }
    return 1;
}

void CRukMove::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                     const CDrawDefaults* settings, UINT) {
    TrackPick(document, dc, oldX, oldY, newX, newY, settings);
}
