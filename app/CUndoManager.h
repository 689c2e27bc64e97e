#pragma once
// The document's undo history: a bounded list of records, the last one
// done marked current; the records after it can be redone. It keeps the
// Edit menu's undo and redo items telling what they would do.

#include "app/CUndoRecord.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <functional>
#include <memory>
#include <vector>

class CUndoManager {
public:
    // Sets a menu item's text and enabling.
    using MenuTextSink = std::function<void(UINT id, const CString& text, bool enabled)>;

    // The limit from the profile (UNDO/MAXCNT, default 50), at least 1.
    CUndoManager();
    CUndoManager(const CUndoManager&) = delete;
    CUndoManager& operator=(const CUndoManager&) = delete;

    // Takes the record over. At the limit the oldest record goes; every
    // record that could be redone goes.
    void Push(CUndoRecord* record);
    // 1 when the current record was undone (or the next redone).
    int Undo();
    int Redo();
    void RemoveAll();
    bool CanUndo() const { return m_current >= 0; }
    bool CanRedo() const { return m_current + 1 < static_cast<int>(m_records.size()); }

    void SetMenu(MenuTextSink sink, UINT undoId, UINT redoId);
    // The undo and redo items as the history stands; nothing without a menu.
    void UpdateMenu() const;

    int GetLimit() const { return m_limit; }
    int GetCount() const { return static_cast<int>(m_records.size()); }
    // The label of the record that undo would undo; empty for none.
    CString GetUndoName() const;
    CString GetRedoName() const;

    static constexpr int kDefaultLimit = 50;

private:
    std::vector<std::unique_ptr<CUndoRecord>> m_records;
    // The index of the last record done; -1 when none is.
    int m_current = -1;
    int m_limit;
    MenuTextSink m_menu;
    UINT m_undoId = 0;
    UINT m_redoId = 0;
};
