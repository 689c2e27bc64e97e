#include "app/CRukMove.h"

#include "app/CZumeoDoc.h"
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
        MovePicksWithUndo(x, y);
    }
    return 1;
}

void CRukMove::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                     const CDrawDefaults* settings, UINT) {
    TrackPick(document, dc, oldX, oldY, newX, newY, settings);
}
