// The view's mouse, cursor, tooltip, context menu and timer handling: the
// work of the tool modes.

#include "app/CPointSnap.h"
#include "app/CRukClickGroup.h"
#include "app/CRukMeasureTracker.h"
#include "app/CRukMove.h"
#include "app/CRukPEdit.h"
#include "app/CViewCursors.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/CRukRubberBand.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMark.h"
#include "markups/CRukRedImage.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/CProfile.h"
#include "platform/win/Cursors.h"
#include "platform/win/MouseKeys.h"
#include "settings/CDrawDefaults.h"
#include "ui/CMeasureDlg.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedlinePalette.h"

#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kDragOutStep = 1.0204;
constexpr double kDragInStep = 0.98;
constexpr int kSelectModeBlink = 2;
// Half the side of the cursor's hit square, in pixels.
constexpr int kCursorHalf = 5;

// The point-edit mode's pop-up menu; 0 a separator.
struct ContextItem {
    UINT id;
    const char* text;
};

constexpr ContextItem kContextItems[] = {
    {CommandIds::kEditDelete, "削除"},
    {CommandIds::kProperties, "プロパティ..."},
    {0, nullptr},
    {CommandIds::kBringToFront, "最前面"},
    {CommandIds::kSendToBack, "最背面"},
    {0, nullptr},
    {CommandIds::kFit, "全体表示(&F)"},
    {CommandIds::kPan, "画面移動(&P)"},
    {CommandIds::kZoom, "ズーム＋-(&Z)"},
    {CommandIds::kPreviousView, "前のビュー(&B)"},
    {CommandIds::kWindowZoom, "窓ズーム(&R)"},
    {CommandIds::kRedraw, "再描画(&D)"},
};

constexpr int kNoteKind = MarkupKind(0x05);
constexpr int kFreehandKind = MarkupKind(0x13);

// The markups a double click may finish, and those among them that finish
// on it also outside the polyline mode.
bool FinishesOnDoubleClick(int kind) {
    return (kind >= MarkupKind(0x00) && kind <= MarkupKind(0x04)) || kind == MarkupKind(0x06) ||
           kind == MarkupKind(0x0B) || kind == MarkupKind(0x0C) || kind == MarkupKind(0x0F) ||
           kind == MarkupKind(0x13);
}

bool TakesFixedLengthPoint(int kind) {
    return kind == MarkupKind(0x05) || kind == MarkupKind(0x0D) || kind == MarkupKind(0x0E);
}

bool IsPolyGesture(int kind) {
    return kind == MarkupKind(0x03) || kind == MarkupKind(0x06) || kind == MarkupKind(0x0B) ||
           kind == MarkupKind(0x0C);
}

// The leader marks whose label and leader follow a filing.
bool IsLabelledLeaderMark(int kind) {
    return kind >= MarkupKind(0x00) && kind <= MarkupKind(0x02);
}

bool IsPickMode(int mode) {
    return mode == CZumeoView::kToolSelect || mode == CZumeoView::kToolMove ||
           mode == CZumeoView::kToolNone;
}

CRukClick* AsPickTool(CRukEntity* tool) {
    if (!tool)
        return nullptr;
    const int kind = tool->GetKind();
    return kind == kKindClick || kind == kKindMove || kind == kKindPEdit
               ? static_cast<CRukClick*>(tool)
               : nullptr;
}

bool BoxMeets(CRukEntity* object, CEntityDocument* document, const RECT& rect) {
    RECT box;
    object->GetDeviceRect(document, &box);
    InflateRect(&box, 1, 1);
    RECT common;
    return IntersectRect(&common, &box, &rect) != 0;
}

} // namespace

// ---- Conversions

POINT CZumeoView::ToDrawing(POINT viewPoint) const {
    return m_document->DeviceToLogicalPoint(viewPoint.x, viewPoint.y);
}

POINT CZumeoView::ToWindow(POINT viewPoint) const {
    POINT point = viewPoint;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    if (PrepareDC(&dc))
        dc.LPtoDP(&point);
    return point;
}

void CZumeoView::UpdateCursorSquare(POINT windowPoint) {
    const POINT viewPoint = ToViewSpace(windowPoint);
    const POINT low = ToViewSpace({windowPoint.x - kCursorHalf, windowPoint.y + kCursorHalf});
    const POINT high = ToViewSpace({windowPoint.x + kCursorHalf, windowPoint.y - kCursorHalf});
    SetRect(&m_rcCursor, std::min(low.x, high.x), std::min(low.y, high.y), std::max(low.x, high.x),
            std::max(low.y, high.y));
    m_cursorPoint = ToDrawing(viewPoint);
}

POINT CZumeoView::SnapPoint(UINT flags, POINT point) {
    if ((m_toolMode != kToolRedline && m_toolMode != kToolMeasure) || !m_pTool)
        return point;
    CImageDC dc(m_surface);
    PrepareDC(&dc);
    const POINT reference =
        m_pTool->AdjustPoint(m_document, &dc, m_snapReference.x, m_snapReference.y);
    m_snapReference = reference;
    if (flags & MK_SHIFT)
        return CPointSnap::Orthogonal(reference, point);
    return CPointSnap::Angle(reference, point, m_snapRays);
}

void CZumeoView::TrackTool(POINT fromView, POINT toView, UINT flags) {
    if (m_surface.isNull())
        return;
    {
        CImageDC dc(m_surface);
        PrepareDC(&dc);
        const POINT from = ToDrawing(fromView);
        const POINT to = ToDrawing(toView);
        m_pTool->Track(m_document, &dc, from.x, from.y, to.x, to.y, &m_settings, flags);
    }
    update();
}

// ---- Button press

void CZumeoView::OnLButtonDown(UINT flags, POINT point) {
    if (!m_document || !HasDrawingArea())
        return;
    if ((m_toolMode == kToolRedline || m_toolMode == kToolMeasure) && m_pTool)
        point = m_lastMouse;
    m_lastMouse = m_dragStart = point;
    m_bButtonDown = 1;
    const POINT viewPoint = ToViewSpace(point);
    UpdateCursorSquare(point);
    switch (m_toolMode) {
    case kToolPan:
        break;
    case kToolDragZoom:
        SaveView();
        m_zoomCentre = GetClientCentre();
        m_lastDragY = point.y;
        break;
    case kToolWindowZoom:
        m_lastPoint = viewPoint;
        if (!m_pTool) {
            m_pTool = std::make_unique<CRukRubberBand>();
            m_paintedOrigin.reset();
            m_pTool->SetOrigin(viewPoint.x, viewPoint.y);
        }
        break;
    case kToolSelect:
    case kToolMove:
    case kToolNone:
        if (!m_pTool)
            StartPickTool(flags, viewPoint);
        break;
    case kToolRedline:
        if (!m_pTool)
            StartMarkup(flags, viewPoint);
        break;
    case kToolMeasure:
        if (!m_pTool)
            StartMeasure(viewPoint);
        break;
    default:
        break;
    }
    UpdateCursor();
}

void CZumeoView::StartMarkup(UINT flags, POINT viewPoint) {
    // A picture is placed only after InsertImage has asked for its file,
    // and the palette checks its style there: checked here as well, a
    // refused style would be reported twice.
    if (m_document->m_markupKind == CPaletteStyle::kImage)
        return;
    // The palette's style becomes the document's before a markup is made;
    // a style it refuses makes none.
    if (CRedlinePalette* palette = CRedlinePalette::Current(); palette && !palette->ValidatePage())
        return;
    if (m_document->m_markupKind == CPaletteStyle::kNote && m_document->m_noteText.IsEmpty())
        return;
    std::unique_ptr<CRukEntity> markup(CMarkupKinds::CreateForTool(m_document->m_markupKind));
    if (!markup)
        return;
    markup->SetText(m_document->m_noteText);
    if (m_document->m_markupKind == CPaletteStyle::kBalloon)
        markup->SetEndMarkFlag(m_document->m_style.m_labelFrame != 0 ? 1 : 0);
    if (!m_document->m_fontFace.IsEmpty())
        markup->SetFaceName(m_document->m_fontFace);
    markup->SetCharSet(static_cast<int>(m_document->FontCharSet(markup->GetFaceName())));
    markup->SetPolyMode(m_document->m_style.m_redPolyMode);
    CImageDC dc(m_surface);
    PrepareDC(&dc);
    const POINT point = ToDrawing(viewPoint);
    markup->OnButtonDown(&dc, m_document, point.x, point.y, &m_settings, flags);
    m_pTool = std::move(markup);
    m_paintedOrigin.reset();
    m_lastPoint = viewPoint;
}

void CZumeoView::FileMarkup() {
    {
        CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
        PrepareDC(&dc);
        m_pTool->Finish(m_document, &dc, &m_settings);
    }
    // A markup that built nothing is not kept.
    if (!m_document->AddFinishedMarkup(m_pTool.get())) {
        m_pTool.reset();
        Redraw();
        return;
    }
    CRukEntity* markup = m_pTool.release();
    m_document->RefreshLayerBar();
    if (IsLabelledLeaderMark(markup->GetKind())) {
        SetMarkupLabel(markup, markup->GetLabelText());
        markup->UpdateLeader(m_document);
    }
    m_document->m_undo.Push(new CUndoAdd(m_document, UndoLabels::Add(), markup));
    if (CRedlinePalette* palette = CRedlinePalette::Current()) {
        RememberFiledTexts(*markup);
        palette->RefreshLayerCombos();
    }
    // The view goes back to point editing, so the palette keeps no kind; it
    // is reset first, as its reset empties the selection.
    ResetRedlinePalette();
    if (SelectNewMarkup(markup)) {
        m_toolMode = kToolNone;
        RestartSelectionBlink();
    }
    Redraw();
}

void CZumeoView::RememberFiledTexts(const CRukEntity& markup) const {
    CZumeoApp* app = CZumeoApp::Instance();
    if (!app)
        return;
    const int kind = markup.GetKind();
    if (kind == kNoteKind)
        app->AddRecentRedlineText(m_document->m_noteText);
    else if (kind != kFreehandKind) // a freehand stroke carries no text
        app->AddRecentMarkupText(m_document->m_noteText);
    app->AddRecentTooltipText(markup.GetName());
    app->AddRecentLayerName(m_document->GetCurLayerName());
}

void CZumeoView::StartPickTool(UINT flags, POINT viewPoint) {
    SetRectEmpty(&m_rcHighlight);
    AccumulateDirtyRect(m_document->m_selection);
    std::unique_ptr<CRukClick> tool;
    if (m_toolMode == kToolSelect)
        tool = std::make_unique<CRukClickGroup>(this);
    else if (m_toolMode == kToolMove)
        tool = std::make_unique<CRukMove>(this);
    else
        tool = std::make_unique<CRukPEdit>(this);
    tool->SetHitRect(m_rcCursor);
    {
        CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
        PrepareDC(&dc);
        const POINT point = ToDrawing(viewPoint);
        tool->OnButtonDown(&dc, m_document, point.x, point.y, &m_settings, flags);
    }
    m_lastPoint = viewPoint;
    const bool hit = tool->GetState() != CRukClick::kStateNone;
    const bool picked = !tool->GetPickList()->IsEmpty();
    if (hit)
        ShowPickInPalette();
    // A click in select mode is done at once; a hit in the other modes
    // starts a drag, as does a press on empty space (the frame).
    if (!(hit && (m_toolMode == kToolSelect || !picked)))
        m_pTool = std::move(tool);
    Redraw();
}

void CZumeoView::StartMeasure(POINT viewPoint) {
    Redraw();
    auto tracker = std::make_unique<CRukMeasureTracker>();
    tracker->m_measureKind = static_cast<int>(CProfile::GetProfileInt("MEASURE", "KIND", 0));
    CImageDC dc(m_surface);
    PrepareDC(&dc);
    const POINT point = ToDrawing(viewPoint);
    tracker->OnButtonDown(&dc, m_document, point.x, point.y, &m_settings, 0);
    m_snapReference = tracker->AdjustPoint(m_document, &dc, 0, 0);
    m_pTool = std::move(tracker);
    // The tracking drawn over the image stays in it after the tool is gone.
    m_paintedOrigin.reset();
    m_lastPoint = viewPoint;
}

// ---- Mouse move

void CZumeoView::OnMouseMove(UINT flags, POINT point) {
    if (!m_document || !HasDrawingArea())
        return;
    if ((flags & MK_MBUTTON) && m_middleDrag) {
        m_dragOffset = {m_dragStart.x - point.x, m_dragStart.y - point.y};
        RedrawPanned();
        if ((m_toolMode == kToolRedline || m_toolMode == kToolMeasure) && m_pTool) {
            CImageDC dc(m_surface);
            PrepareDC(&dc);
            const POINT last = ToDrawing(m_lastPoint);
            m_pTool->TrackAt(m_document, &dc, last.x, last.y, &m_settings);
        }
        return;
    }
    point = SnapPoint(flags, point);
    const POINT viewPoint = ToViewSpace(point);
    m_document->ShowCursorPosition(viewPoint.x, viewPoint.y);
    UpdateCursorSquare(point);
    m_lastMouse = point;
    const bool moved = viewPoint.x != m_lastPoint.x || viewPoint.y != m_lastPoint.y;
    switch (m_toolMode) {
    case kToolPan:
        if (m_bButtonDown) {
            m_dragOffset = {m_dragStart.x - point.x, m_dragStart.y - point.y};
            RedrawPanned();
        }
        break;
    case kToolDragZoom:
        if (m_bButtonDown && point.y != m_lastDragY) {
            const int step = m_lastDragY - point.y;
            ZoomByFactor(step < 0 ? std::pow(kDragOutStep, -step) : std::pow(kDragInStep, step));
            m_lastDragY = point.y;
        }
        break;
    case kToolWindowZoom:
        // The frame follows the mouse, also after a click without a drag.
        if (m_pTool && !m_surface.isNull()) {
            {
                CImageDC dc(m_surface);
                PrepareDC(&dc);
                m_pTool->Track(m_document, &dc, m_lastPoint.x, m_lastPoint.y, viewPoint.x,
                               viewPoint.y, &m_settings, flags);
            }
            update();
        }
        break;
    case kToolRedline:
        if (m_pTool && moved) {
            GrowFreehand(viewPoint);
            TrackTool(m_lastPoint, viewPoint, flags);
        }
        break;
    case kToolSelect:
    case kToolMove:
    case kToolNone:
        if (m_pTool && moved)
            TrackTool(m_lastPoint, viewPoint, flags);
        break;
    case kToolMeasure:
        if (m_pTool && moved) {
            TrackTool(m_lastPoint, viewPoint, flags);
            if (m_pMeasureDlg)
                m_pMeasureDlg->SetPoints(0, m_cursorPoint.x, m_cursorPoint.y);
        }
        break;
    default:
        break;
    }
    m_lastPoint = viewPoint;
    UpdateCursor();
}

// ---- Button release

void CZumeoView::OnLButtonUp(UINT flags, POINT point) {
    if (!m_bButtonDown)
        return;
    m_bButtonDown = 0;
    if (m_toolMode == kToolRedline || (m_toolMode == kToolMeasure && (flags & MK_SHIFT)))
        point = m_lastMouse;
    const POINT viewPoint = ToViewSpace(point);
    switch (m_toolMode) {
    case kToolPan:
        FinishPan(point);
        break;
    case kToolDragZoom:
        m_bSavedView = 1;
        break;
    case kToolWindowZoom:
        if (m_pTool)
            FinishWindowZoom(viewPoint);
        break;
    case kToolSelect:
    case kToolMove:
    case kToolNone:
        if (m_pTool)
            ReleasePickTool(viewPoint);
        break;
    case kToolRedline:
        if (m_pTool)
            ReleaseMarkup(viewPoint);
        else if (m_document->m_markupKind == CPaletteStyle::kImage && !InsertImage())
            m_toolMode = kToolNone;
        break;
    case kToolMeasure:
        if (m_pTool) {
            const POINT drawing = ToDrawing(viewPoint);
            if (!m_pTool->HitTestPoint(m_document, drawing.x, drawing.y))
                m_pTool->AddPoint(drawing.x, drawing.y, 0);
        }
        break;
    default:
        break;
    }
    CollectBlinkRect();
    UpdateCursor();
}

void CZumeoView::GrowFreehand(POINT viewPoint) {
    if (m_pTool->GetKind() != kFreehandKind)
        return;
    const POINT drawing = ToDrawing(viewPoint);
    if (!m_pTool->HitTestPoint(m_document, drawing.x, drawing.y))
        m_pTool->AddPoint(drawing.x, drawing.y, 0);
}

void CZumeoView::ReleaseMarkup(POINT viewPoint) {
    POINT drawing = ToDrawing(viewPoint);
    // A release on the last point adds no vertex.
    if (m_pTool->HitTestPoint(m_document, drawing.x, drawing.y))
        return;
    // The note, the flag and the hand choose their second point themselves
    // from the release.
    if (TakesFixedLengthPoint(m_pTool->GetKind())) {
        CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
        PrepareDC(&dc);
        drawing = ToDrawing(m_pTool->FixedLengthPoint(&dc, m_document, drawing.x, drawing.y));
    }
    if (m_pTool->AddPoint(drawing.x, drawing.y, 0) == 1) {
        // A picture without a file name is dropped, not filed.
        const auto* image = dynamic_cast<const CRukRedImage*>(m_pTool.get());
        if (image && image->m_imagePath.IsEmpty()) {
            m_pTool.reset();
            Redraw();
            return;
        }
        FileMarkup();
        return;
    }
    // The freehand stroke ends with the button.
    if (m_pTool->GetKind() == kFreehandKind && m_pTool->AddPoint(drawing.x, drawing.y, 1) == 1)
        FileMarkup();
}

void CZumeoView::ReleasePickTool(POINT viewPoint) {
    CRukClick* tool = AsPickTool(m_pTool.get());
    if (!tool)
        return;
    const POINT point = ToDrawing(viewPoint);
    const bool onPress = tool->HitTestPoint(m_document, point.x, point.y) != 0;
    switch (tool->GetState()) {
    case CRukClick::kStateNone:
        if (!onPress)
            tool->AddPoint(point.x, point.y, 1);
        ShowPickInPalette();
        break;
    case CRukClick::kStateGrip:
        tool->AddPoint(point.x, point.y, 1);
        tool->RefreshLabels(m_document);
        tool->UpdateLeader(m_document);
        break;
    case CRukClick::kStateMoving:
        // A click without a drag moves nothing and records nothing.
        if (!onPress)
            tool->AddPoint(point.x, point.y, 1);
        break;
    default:
        break;
    }
    m_pTool.reset();
    Redraw();
}

// ---- Double click and right button

void CZumeoView::OnLButtonDblClk(UINT, POINT point) {
    if (!m_document || !HasDrawingArea())
        return;
    if (m_toolMode == kToolRedline) {
        if (!m_pTool)
            return;
        const int kind = m_pTool->GetKind();
        const auto* markup = dynamic_cast<const CRukMark*>(m_pTool.get());
        if (!FinishesOnDoubleClick(kind) || !markup ||
            (markup->m_polyMode == 0 && !IsPolyGesture(kind)))
            return;
        const POINT viewPoint = ToViewSpace(point);
        const POINT drawing = ToDrawing(viewPoint);
        if (m_pTool->AddPoint(drawing.x, drawing.y, 1) == 1) {
            FileMarkup();
            return;
        }
        {
            CImageDC dc(m_surface);
            PrepareDC(&dc);
            const POINT last = ToDrawing(m_lastPoint);
            m_pTool->TrackPending(m_document, &dc, last.x, last.y, &m_settings);
        }
        update();
        m_lastPoint = viewPoint;
    } else if (m_toolMode == kToolMeasure) {
        if (!m_pTool)
            return;
        const POINT drawing = ToDrawing(ToViewSpace(point));
        if (m_pTool->AddPoint(drawing.x, drawing.y, 1) == 1) {
            if (m_pMeasureDlg)
                m_pMeasureDlg->SetPoints(1, drawing.x, drawing.y);
            m_pTool.reset();
            Redraw();
        }
    } else if (IsPickMode(m_toolMode) && m_onCommand) {
        m_onCommand(CommandIds::kProperties);
    }
}

int CZumeoView::EraseToolPoint(POINT point) {
    int left = 0;
    {
        CImageDC dc(m_surface);
        PrepareDC(&dc);
        const POINT drawing = ToDrawing(ToViewSpace(point));
        left = m_pTool->EraseTracking(m_document, &dc, drawing.x, drawing.y, &m_settings);
    }
    if (left > 0) {
        // The band goes on from the point before.
        m_dragStart = ToWindow(m_document->LogicalToDevicePoint(m_pTool->m_x1, m_pTool->m_y1));
        update();
    } else {
        m_pTool.reset();
        Redraw();
    }
    return left;
}

bool CZumeoView::OnRButtonDown(UINT flags, POINT point) {
    if (!m_document || !HasDrawingArea())
        return true;
    point = SnapPoint(flags, point);
    if (m_toolMode == kToolRedline)
        return !m_pTool || EraseToolPoint(point) < 0;
    if (m_toolMode == kToolMeasure) {
        const bool ended = !m_pTool || EraseToolPoint(point) == 0;
        if (ended && m_pMeasureDlg)
            m_pMeasureDlg->Reset();
        if (!m_pTool)
            Redraw();
        return false;
    }
    if (m_pTool) {
        m_pTool.reset();
        Redraw();
    }
    return true;
}

void CZumeoView::OnMButtonDown(POINT point) {
    if (!m_document || !HasDrawingArea() || m_middleDrag)
        return;
    m_middleDrag = true;
    m_dragStart = point;
    setCursor(CViewCursors::Shape(CViewCursors::kPanGrab));
}

void CZumeoView::OnMButtonUp(POINT point) {
    if (!m_middleDrag)
        return;
    m_middleDrag = false;
    FinishPan(point);
}

// ---- Context menu

std::unique_ptr<QMenu> CZumeoView::CreateContextMenu() const {
    auto menu = std::make_unique<QMenu>();
    for (const ContextItem& item : kContextItems) {
        if (item.id == 0) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(QString::fromUtf8(item.text));
        action->setData(item.id);
        action->setEnabled(!m_isCommandEnabled || m_isCommandEnabled(item.id));
    }
    return menu;
}

void CZumeoView::OnContextMenu(POINT screenPoint) {
    if (m_pTool)
        return;
    if (m_toolMode != kToolNone) {
        m_toolMode = kToolNone;
        UpdateMeasureDialog();
        RestartSelectionBlink();
        UpdateCursor();
        return;
    }
    const std::unique_ptr<QMenu> menu = CreateContextMenu();
    const QAction* chosen = menu->exec(QPoint(screenPoint.x, screenPoint.y));
    if (chosen && m_onCommand)
        m_onCommand(chosen->data().toUInt());
}

// ---- Cursor and tooltip

CRukEntity* CZumeoView::FindPickable(bool tagOnly) {
    if (!m_document || !HasDrawingArea())
        return nullptr;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    PrepareDC(&dc);
    for (POSITION position = m_document->m_topObjects.GetTailPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_document->m_topObjects.GetPrev(position));
        if (object->m_redline == 1 && !m_settings.m_showRedlines)
            continue;
        if (BoxMeets(object, m_document, m_rcCursor) &&
            object->HitTest(&dc, m_document, m_cursorPoint.x, m_cursorPoint.y) &&
            m_document->GetLayerState(object->GetLayerName()) == 1 &&
            !(tagOnly && m_settings.m_cursorMode == 1 && object->m_tag.IsEmpty()))
            return object;
    }
    return nullptr;
}

CRukEntity* CZumeoView::FindGripUnderCursor(int* grip) {
    if (!m_document || m_document->m_selection.GetCount() != 1 || !HasDrawingArea())
        return nullptr;
    auto* object = static_cast<CRukEntity*>(m_document->m_selection.GetHead());
    if (!m_document->IsRedlineObject(object) || object->IsVisible() != 1 ||
        !BoxMeets(object, m_document, m_rcCursor) ||
        m_document->GetLayerState(object->GetLayerName()) != 1)
        return nullptr;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    PrepareDC(&dc);
    return object->HitGrip(&dc, m_document, m_cursorPoint.x, m_cursorPoint.y, grip) ? object
                                                                                    : nullptr;
}

int CZumeoView::GetCursorId() {
    switch (m_toolMode) {
    case kToolPan:
        return m_bButtonDown ? CViewCursors::kPanGrab : CViewCursors::kPanOpen;
    case kToolDragZoom:
        return CViewCursors::kZoom;
    case kToolWindowZoom:
    case kToolRedline:
    case kToolMeasure:
        return IDC_CROSS;
    case kToolMove: {
        CRukEntity* object = FindPickable(true);
        if (object && m_document->m_selection.Find(object))
            return IDC_SIZEALL;
        return object ? CViewCursors::kPick : IDC_ARROW;
    }
    case kToolNone: {
        int grip = -1;
        if (CRukEntity* object = FindGripUnderCursor(&grip)) {
            object->SetGripCursor(grip);
            if (const HCURSOR cursor = GetCursor())
                return cursor->id;
        }
        return FindPickable(true) ? CViewCursors::kPick : IDC_ARROW;
    }
    default:
        return FindPickable(true) ? CViewCursors::kPick : IDC_ARROW;
    }
}

CString CZumeoView::GetToolTipText() {
    if (!IsPickMode(m_toolMode))
        return CString();
    const CRukEntity* object = FindPickable(false);
    return object ? object->GetName() : CString();
}

// ---- Markup labels and the tooltip list

void CZumeoView::AddLabelText(const CString& text) {
    if (m_onTooltipText && !text.IsEmpty())
        m_onTooltipText(text);
}

void CZumeoView::RegisterMarkup(CRukEntity* markup) {
    AddLabelText(markup->GetName());
}

void CZumeoView::SetMarkupLabel(CRukEntity* markup, const CString& text) {
    if (!m_document)
        return;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    PrepareDC(&dc);
    markup->SetLabelText(m_document, &dc, text, &m_settings);
}

// ---- Timers and highlight areas

void CZumeoView::RestartSelectionBlink() {
    if (m_toolMode == kToolSelect && m_settings.m_selectMode == kSelectModeBlink) {
        m_selectionBlinkPeriod = std::max(m_settings.m_blinkTime, 1);
        m_selectionBlink.start(m_selectionBlinkPeriod, this);
        m_paintedOrigin.reset();
        return;
    }
    m_selectionBlink.stop();
    if (m_toolMode == kToolSelect && m_bBlinkPhase) {
        m_bBlinkPhase = 0;
        Redraw();
    }
    m_bBlinkPhase = 0;
}

void CZumeoView::OnSelectionBlink() {
    if (m_toolMode != kToolSelect || !m_document || m_surface.isNull())
        return;
    CDrawDefaults colours = m_settings;
    colours.m_curSelColor = m_bBlinkPhase ? m_settings.m_curSelColor : m_settings.m_bkColor;
    m_bBlinkPhase = m_bBlinkPhase ? 0 : 1;
    {
        CImageDC dc(m_surface);
        ComputeViewOrigin();
        if (!PrepareDC(&dc))
            return;
        RECT clip;
        dc.GetClipBox(&clip);
        if (clip.left > clip.right)
            std::swap(clip.left, clip.right);
        if (clip.top > clip.bottom)
            std::swap(clip.top, clip.bottom);
        m_document->PaintSelection(&dc, clip, colours);
    }
    update();
}

void CZumeoView::SetHighlightTimer(int on) {
    if (on == 1 && m_settings.m_showRedlines && m_document) {
        SetRectEmpty(&m_rcHighlight);
        AccumulateDirtyRect(m_document->m_drawOrder);
        m_highlightBlink.start(kHighlightBlinkPeriod, this);
        m_paintedOrigin.reset();
        return;
    }
    m_highlightBlink.stop();
    m_highlightPhase = 0;
    Redraw();
}

void CZumeoView::OnHighlightBlink() {
    if (m_toolMode == kToolRedline || m_toolMode == kToolMeasure)
        return;
    m_highlightPhase = m_highlightPhase ? 0 : 1;
    // The phases differ only in the redlines, so on a large drawing each is
    // painted once; an image something else painted over is not kept.
    const bool shownIsPhase =
        m_blinkShownKey && *m_blinkShownKey == m_surface.cacheKey() && !m_pTool;
    if (shownIsPhase && m_blinkOther.size() == m_surface.size()) {
        std::swap(m_surface, m_blinkOther);
        m_blinkShownKey = m_surface.cacheKey();
        update();
        return;
    }
    QImage shown = shownIsPhase ? m_surface : QImage();
    Redraw();
    m_blinkOther = std::move(shown);
    m_blinkShownKey = m_surface.cacheKey();
}

int CZumeoView::AccumulateDirtyRect(const CObList& objects) {
    if (!m_document)
        return 0;
    for (POSITION position = objects.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(objects.GetNext(position));
        RECT box;
        object->GetDeviceRect(m_document, &box);
        const POINT a = ToWindow({box.left, box.top});
        const POINT b = ToWindow({box.right, box.bottom});
        RECT pixels;
        SetRect(&pixels, std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                std::max(a.y, b.y));
        if (IsRectEmpty(&m_rcHighlight))
            m_rcHighlight = pixels;
        else
            UnionRect(&m_rcHighlight, &m_rcHighlight, &pixels);
    }
    return static_cast<int>(objects.GetCount());
}

int CZumeoView::CollectBlinkRect() {
    if (m_toolMode == kToolRedline || m_toolMode == kToolMeasure)
        return m_toolMode;
    // Only a running blink has an area, and only the redlines on shown
    // layers blink.
    if (!m_highlightBlink.isActive() || !m_document)
        return 0;
    CObList blinking;
    for (POSITION position = m_document->m_drawOrder.GetHeadPosition(); position;) {
        auto* object = static_cast<CRukEntity*>(m_document->m_drawOrder.GetNext(position));
        if (m_document->GetLayerState(object->GetLayerName()) == 1)
            blinking.AddTail(object);
    }
    SetRectEmpty(&m_rcHighlight);
    return AccumulateDirtyRect(blinking);
}

void CZumeoView::RedrawDirtyRect() {
    RECT area = m_rcHighlight;
    InflateRect(&area, 5, 5);
    Redraw();
    repaint(QRect(area.left, area.top, area.right - area.left, area.bottom - area.top));
}

int CZumeoView::SelectNewMarkup(CRukEntity* markup) {
    if (!m_document)
        return 0;
    SetRectEmpty(&m_rcHighlight);
    AccumulateDirtyRect(m_document->m_selection);
    CRukClickGroup group(this);
    if (!m_document->m_topObjects.Find(markup))
        return 0;
    group.GetPickList()->AddTail(markup);
    m_document->AddEntity(&group);
    Redraw();
    return 1;
}
