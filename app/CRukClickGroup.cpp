#include "app/CRukClickGroup.h"

#include "entities/EntityKinds.h"

CRukClickGroup::CRukClickGroup(CZumeoView* view) : CRukClick(view, kKindClick) {}

void CRukClickGroup::OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                                  const CDrawDefaults* settings, UINT flags) {
    // Selecting may take the drawing's own groups; what changes objects
    // keeps to the redlines.
    PickAndSelect(dc, ToolDocument(document), x, y, settings, flags, false);
}

int CRukClickGroup::AddPoint(int x, int y, int) {
    if (m_state == kStateNone && m_document)
        WindowPick(m_document, x, y);
    return 1;
}

void CRukClickGroup::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX,
                           int newY, const CDrawDefaults* settings, UINT) {
    TrackPick(document, dc, oldX, oldY, newX, newY, settings);
}
