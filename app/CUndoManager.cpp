#include "app/CUndoManager.h"

#include "platform/win/CProfile.h"

#include <algorithm>

// A limit below 1 would leave no room for the record being pushed.
CUndoManager::CUndoManager()
    : m_limit(
          std::max(1, static_cast<int>(CProfile::GetProfileInt("UNDO", "MAXCNT", kDefaultLimit)))) {
}

void CUndoManager::Push(CUndoRecord* record) {
    std::unique_ptr<CUndoRecord> owned(record);
    if (static_cast<int>(m_records.size()) >= m_limit) {
        m_records.erase(m_records.begin());
        // The oldest was current: nothing is done any more.
        m_current = std::max(m_current - 1, -1);
        if (m_current < 0)
            m_records.clear();
    }
    m_records.resize(static_cast<std::size_t>(m_current + 1));
    m_records.push_back(std::move(owned));
    m_current = static_cast<int>(m_records.size()) - 1;
    UpdateMenu();
}

int CUndoManager::Undo() {
    if (!CanUndo() || !m_records[static_cast<std::size_t>(m_current)]->Undo())
        return 0;
    --m_current;
    UpdateMenu();
    return 1;
}

int CUndoManager::Redo() {
    if (!CanRedo() || !m_records[static_cast<std::size_t>(m_current + 1)]->Redo())
        return 0;
    ++m_current;
    UpdateMenu();
    return 1;
}

void CUndoManager::RemoveAll() {
    m_records.clear();
    m_current = -1;
}

void CUndoManager::SetMenu(MenuTextSink sink, UINT undoId, UINT redoId) {
    m_menu = std::move(sink);
    m_undoId = undoId;
    m_redoId = redoId;
}

CString CUndoManager::GetUndoName() const {
    return CanUndo() ? m_records[static_cast<std::size_t>(m_current)]->GetName() : CString();
}

CString CUndoManager::GetRedoName() const {
    return CanRedo() ? m_records[static_cast<std::size_t>(m_current + 1)]->GetName() : CString();
}

void CUndoManager::UpdateMenu() const {
    if (!m_menu)
        return;
    if (CanUndo())
        m_menu(m_undoId, CString::FromUtf8("元に戻す(&N) ") + GetUndoName() + "\tCtrl+Z", true);
    else
        m_menu(m_undoId, CString::FromUtf8("元に戻す(&N)\tCtrl+Z"), false);
    if (CanRedo())
        m_menu(m_redoId, CString::FromUtf8("やり直し(&O) ") + GetRedoName() + "\tCtrl+Y", true);
    else
        m_menu(m_redoId, CString::FromUtf8("やり直し(&O)\tCtrl+Y"), false);
}
