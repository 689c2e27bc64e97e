// The view's commands on the selected redlines: select all, delete, bring
// to front and send to back, and handing the drawing to another program.

#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/CRukEntity.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <vector>

namespace {

bool IsPickMode(int mode) {
    return mode == CZumeoView::kToolSelect || mode == CZumeoView::kToolMove ||
           mode == CZumeoView::kToolNone;
}

// A member of another object (a cut-out's outline or hole, a stored part)
// is selected only through its owner.
bool IsPartOfAnother(const CRukEntity* object) {
    return object->m_childFlag == 1 || object->m_childFlag == 3 || object->m_childFlag == 4;
}

std::vector<CRukEntity*> Entities(const CObList& list) {
    std::vector<CRukEntity*> entities;
    for (POSITION position = list.GetHeadPosition(); position;)
        entities.push_back(static_cast<CRukEntity*>(list.GetNext(position)));
    return entities;
}

} // namespace

void CZumeoView::RefreshLayerBar() {
    if (m_onLayersChanged)
        m_onLayersChanged();
}

bool CZumeoView::CanEditSelection() const {
    return HasDrawing() && IsPickMode(m_toolMode) && !m_document->m_selection.IsEmpty() &&
           CCommonDoc::IsMarkup(static_cast<const CRukEntity*>(m_document->m_selection.GetHead()));
}

void CZumeoView::OnSelectAll() {
    if (!m_document)
        return;
    if (!IsPickMode(m_toolMode)) {
        DeleteTool();
        m_toolMode = kToolNone;
        RestartSelectionBlink();
        UpdateCursor();
    }
    if (m_settings.m_showRedlines) {
        for (CRukEntity* object : Entities(m_document->m_drawOrder)) {
            // An object already selected stays there once: a second entry
            // would be deleted twice.
            if (CCommonDoc::IsMarkup(object) && !IsPartOfAnother(object) &&
                object->IsVisible() == 1 &&
                m_document->GetLayerState(object->GetLayerName()) == 1 &&
                !m_document->m_selection.Find(object))
                m_document->m_selection.AddTail(object);
        }
    }
    Redraw();
}

void CZumeoView::OnEditDelete() {
    if (!m_document)
        return;
    if (AfxMessageBox(CString::FromUtf8("選択されたオブジェクトを削除しますか？"),
                      MB_YESNO | MB_ICONQUESTION) == IDYES)
        DeleteSelection();
    ResetRedlinePalette();
}

void CZumeoView::DeleteSelection() {
    if (!m_document || m_document->m_selection.IsEmpty())
        return;
    DeleteTool();
    m_document->m_undo.Push(
        new CUndoDelete(m_document, UndoLabels::Delete(), m_document->m_selection));
    const std::vector<CRukEntity*> selected = Entities(m_document->m_selection);
    m_document->ClearSelection();
    for (CRukEntity* object : selected)
        m_document->DeleteEntity(object);
    m_document->RemoveEmptyLayers();
    RefreshLayerBar();
    Redraw();
}

void CZumeoView::OnBringToFront() {
    ReorderSelection(false);
}

void CZumeoView::OnSendToBack() {
    ReorderSelection(true);
}

void CZumeoView::ReorderSelection(bool toBack) {
    if (!m_document || m_document->m_selection.IsEmpty())
        return;
    auto* record = new CUndoReorder(
        m_document, toBack ? UndoLabels::ToBack() : UndoLabels::ToFront(), m_document->m_selection);
    const std::vector<CRukEntity*> selected = Entities(m_document->m_selection);
    // Sent to the back last first, so that the selection keeps its own order.
    if (toBack)
        for (auto object = selected.rbegin(); object != selected.rend(); ++object)
            m_document->SendToBack(*object);
    else
        for (CRukEntity* object : selected)
            m_document->BringToFront(object);
    record->CaptureResult();
    m_document->m_undo.Push(record);
    m_document->RemoveEmptyLayers();
    RefreshLayerBar();
    m_document->ClearSelection();
    Redraw();
    ResetRedlinePalette();
}

bool CZumeoView::CanOpenWithApp() const {
    return HasDrawing() && !CCommonDoc::IsOwnDrawingName(m_document->m_drawingPath);
}

void CZumeoView::OnOpenWithApp() {
    const CString& path = m_document->m_drawingPath;
    if (!FileExists(path))
        return;
    if (!CDialogService::Current().OpenWithShell(path.ToFilePath()))
        AfxMessageBox(
            CString::FromUtf8("関連付けされたアプリケーションで開くことができませんでした。"));
}
