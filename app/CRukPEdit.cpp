#include "app/CRukPEdit.h"

#include "app/CFeedbackPen.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/RectFunctions.h"

namespace {

// The leader marks (circle, ellipse, square, balloon) and, for the label,
// the sticky note.
bool HasLeader(const CRukEntity* object) {
    const int kind = object->GetKind();
    return (kind >= MarkupKind(0) && kind <= MarkupKind(2)) || kind == MarkupKind(4);
}

bool HasLabel(const CRukEntity* object) {
    return HasLeader(object) || object->GetKind() == MarkupKind(5);
}

} // namespace

CRukPEdit::CRukPEdit(CZumeoView* view) : CRukClick(view, kKindPEdit) {
    m_minX = m_minY = m_maxX = m_maxY = 0;
}

bool CRukPEdit::PickGrip(CDC* dc, CZumeoDoc* document, int x, int y,
                         const CDrawDefaults* settings) {
    if (document->m_selection.GetCount() != 1)
        return false;
    auto* object = static_cast<CRukEntity*>(document->m_selection.GetHead());
    // Only redline objects change; a selected drawing group has no grips here.
    if (!document->IsRedlineObject(object) || object->IsVisible() != 1 ||
        document->GetLayerState(object->GetLayerName()) != 1 ||
        (settings->m_cursorMode == 1 && object->m_tag.IsEmpty()))
        return false;
    RECT box;
    object->GetDeviceRect(document, &box);
    InflateRect(&box, 1, 1);
    RECT common;
    int grip = -1;
    if (!IntersectRect(&common, &box, &m_hitRect) || !object->HitGrip(dc, document, x, y, &grip))
        return false;
    m_grip = grip;
    object->GetExtents(&m_minX, &m_minY, &m_maxX, &m_maxY);
    m_pickList.AddTail(object);
    m_state = kStateGrip;
    object->SetGripCursor(grip);
    return true;
}

void CRukPEdit::OnButtonDown(CDC* dc, CEntityDocument* document, int x, int y,
                             const CDrawDefaults* settings, UINT flags) {
    CZumeoDoc* doc = ToolDocument(document);
    m_document = doc;
    m_settings = settings;
    m_x1 = x;
    m_y1 = y;
    if (!PickGrip(dc, doc, x, y, settings))
        PickAndSelect(dc, doc, x, y, settings, flags, true);
}

int CRukPEdit::AddPoint(int x, int y, int) {
    if (!m_document)
        return 1;
    if (m_state == kStateNone) {
        if (m_settings && m_settings->m_showRedlines)
            WindowPick(m_document, x, y);
    } else if (m_state == kStateMoving) {
        MovePicksWithUndo(x, y);
    }
    return 1;
}

void CRukPEdit::Track(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX, int newY,
                      const CDrawDefaults* settings, UINT flags) {
    if (m_state != kStateGrip) {
        TrackPick(document, dc, oldX, oldY, newX, newY, settings);
        return;
    }
    CZumeoDoc* doc = ToolDocument(document);
    // The snapshot is taken before the first change: a click on a grip
    // that never moves changes nothing and records nothing.
    if (!m_reshaped && (newX != oldX || newY != oldY)) {
        doc->m_undo.Push(new CUndoModify(doc, UndoLabels::Extend(),
                                         static_cast<CRukEntity*>(m_pickList.GetHead())));
        doc->m_redlineModified = 1;
        m_reshaped = true;
    }
    CFeedbackPen pen(dc, settings, R2_NOTXORPEN);
    for (POSITION position = doc->m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(doc->m_selection.GetNext(position));
        if (!doc->IsRedlineObject(object))
            continue;
        object->DrawMoved(document, dc, 0, 0, settings);
        object->MoveVertex(newX - oldX, newY - oldY, m_grip, oldX, oldY, flags);
        object->DrawMoved(document, dc, 0, 0, settings);
    }
}

void CRukPEdit::RefreshLabels(CEntityDocument* document) {
    if (!m_reshaped)
        return;
    CZumeoDoc* doc = ToolDocument(document);
    for (POSITION position = doc->m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(doc->m_selection.GetNext(position));
        if (HasLabel(object) && m_view)
            m_view->SetMarkupLabel(object, object->GetLabelText());
    }
}

void CRukPEdit::UpdateLeader(CEntityDocument* document) {
    if (!m_reshaped)
        return;
    CZumeoDoc* doc = ToolDocument(document);
    for (POSITION position = doc->m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(doc->m_selection.GetNext(position));
        if (HasLeader(object))
            object->UpdateLeader(document);
    }
}
