#include "app/CRukClick.h"

#include "app/CFeedbackPen.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/MouseKeys.h"
#include "settings/CDrawDefaults.h"

namespace {

// Whether the object's pixel box, one pixel wider, meets the rectangle.
bool BoxMeets(CRukEntity* object, CEntityDocument* document, const RECT& rect) {
    RECT box;
    object->GetDeviceRect(document, &box);
    InflateRect(&box, 1, 1);
    RECT common;
    return IntersectRect(&common, &box, &rect) != 0;
}

} // namespace

CZumeoDoc* ToolDocument(CEntityDocument* document) {
    return static_cast<CZumeoDoc*>(static_cast<CCommonDoc*>(document));
}

CRukClick::CRukClick() : CRukClick(nullptr, kKindClick) {}

CRukClick::CRukClick(CZumeoView* view, int kind) : m_view(view) {
    m_kind = kind;
}

CObList* CRukClick::GetPickList() {
    return &m_pickList;
}

void CRukClick::RedrawViews() const {
    if (m_view)
        m_view->Redraw();
}

CRukEntity* CRukClick::FindHit(CDC* dc, CZumeoDoc* document, int x, int y,
                               const CDrawDefaults* settings, bool redlineOnly) const {
    if (!settings->m_showRedlines)
        return nullptr;
    for (POSITION position = document->m_topObjects.GetTailPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(document->m_topObjects.GetPrev(position));
        if (object->IsVisible() != 1 || (redlineOnly && object->m_redline != 1))
            continue;
        if (BoxMeets(object, document, m_hitRect) && object->HitTest(dc, document, x, y))
            return object;
    }
    return nullptr;
}

void CRukClick::PickAndSelect(CDC* dc, CZumeoDoc* document, int x, int y,
                              const CDrawDefaults* settings, UINT flags, bool redlineOnly) {
    m_document = document;
    m_settings = settings;
    m_x1 = x;
    m_y1 = y;
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    CRukEntity* hit = FindHit(dc, document, x, y, settings, redlineOnly);
    if (hit) {
        hit->CollectShownExtents(document, &m_pickList, &minX, &minY, &maxX, &maxY, settings);
        m_state = kStateMoving;
    }
    CObList& selection = document->m_selection;
    if (hit && m_multiSelect) {
        const bool selected = selection.Find(hit) != nullptr;
        if (!(flags & MK_CONTROL) && !selected) {
            document->ClearSelection();
        } else if ((flags & MK_CONTROL) && selected) {
            selection.RemoveAt(selection.Find(hit));
            m_pickList.RemoveAll();
            RedrawViews();
            return;
        }
    } else if (hit) {
        document->ClearSelection();
    }
    if (!m_pickList.IsEmpty()) {
        m_minX = minX;
        m_minY = minY;
        m_maxX = maxX;
        m_maxY = maxY;
        document->AddEntity(this);
        m_pickList.RemoveAll();
        for (POSITION position = selection.GetHeadPosition(); position;)
            m_pickList.AddTail(selection.GetNext(position));
    } else if (!hit && !selection.IsEmpty()) {
        document->ClearSelection();
    }
}

void CRukClick::WindowPick(CZumeoDoc* document, int x, int y) {
    m_x2 = x;
    m_y2 = y;
    RECT frame;
    const POINT first = document->LogicalToDevicePoint(m_x1, m_y1);
    const POINT second = document->LogicalToDevicePoint(x, y);
    SetRect(&frame, std::min(first.x, second.x), std::min(first.y, second.y),
            std::max(first.x, second.x), std::max(first.y, second.y));
    for (POSITION position = document->m_drawOrder.GetTailPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(document->m_drawOrder.GetPrev(position));
        if (CCommonDoc::IsMarkup(object) && object->IsVisible() == 1 && object->m_childFlag != 3 &&
            object->m_childFlag != 4 && object->IsInsideRect(document, frame) &&
            document->GetLayerState(object->GetLayerName()) == 1)
            m_pickList.AddTail(object);
    }
    document->AddEntity(this);
}

void CRukClick::MovePicksWithUndo(int x, int y) {
    CObList moved;
    MovePicks(m_document, x, y, moved);
    if (moved.IsEmpty())
        return;
    m_document->m_undo.Push(
        new CUndoMove(m_document, UndoLabels::Move(), moved, x - m_x1, y - m_y1));
    m_document->m_redlineModified = 1;
}

void CRukClick::MovePicks(CZumeoDoc* document, int x, int y, CObList& moved) {
    m_x2 = x;
    m_y2 = y;
    const int dx = x - m_x1;
    const int dy = y - m_y1;
    for (POSITION position = m_pickList.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_pickList.GetNext(position));
        // The drawing's own objects stay as the drawing gave them.
        if (!document->IsRedlineObject(object))
            continue;
        object->Offset(dx, dy);
        object->RecalcExtents();
        moved.AddTail(object);
    }
}

void CRukClick::TrackPick(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX,
                          int newY, const CDrawDefaults* settings) {
    if (m_state == kStateNone) {
        CFeedbackPen pen(dc, settings, R2_XORPEN);
        TrackFrame(document, dc, oldX, oldY, newX, newY);
    } else if (m_state == kStateMoving) {
        CFeedbackPen pen(dc, settings, R2_NOTXORPEN);
        TrackMoved(document, dc, oldX, oldY, newX, newY, settings);
    }
}

void CRukClick::TrackFrame(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX,
                           int newY) {
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    const POINT first = document->LogicalToDevicePoint(m_x1, m_y1);
    const POINT before = document->LogicalToDevicePoint(oldX, oldY);
    const POINT after = document->LogicalToDevicePoint(newX, newY);
    dc->Rectangle(first.x, first.y, before.x, before.y);
    dc->Rectangle(first.x, first.y, after.x, after.y);
    dc->SelectObject(oldBrush);
}

void CRukClick::TrackMoved(CEntityDocument* document, CDC* dc, int oldX, int oldY, int newX,
                           int newY, const CDrawDefaults* settings) {
    CZumeoDoc* doc = ToolDocument(document);
    for (POSITION position = doc->m_selection.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(doc->m_selection.GetNext(position));
        if (!doc->IsRedlineObject(object))
            continue;
        object->DrawMoved(document, dc, oldX - m_x1, oldY - m_y1, settings);
        object->DrawMoved(document, dc, newX - m_x1, newY - m_y1, settings);
    }
}
