#pragma once
// The second dialog of continuous printing and batch conversion: the files
// of the folder with check boxes, and the loop that hands every checked one
// to the operation with a progress bar and an abort button. The loop keeps
// the window responsive between files so that "中止" is seen; the files
// that failed, and those done with items left out of their drawing, are
// named in one message when it ends.

#include "controls/CBkDialog.h"
#include "platform/mfc/CString.h"
#include "ui/CFolderFileList.h"

#include <span>

class QGridLayout;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

class CFileLoopDlg : public CBkDialog {
public:
    enum ControlId { kFolderId = 1024, kProgressId = 1034, kListId = 1032 };
    // The result of a dialog closed by "中止" while idle: the folder dialog
    // is shown again.
    static constexpr int kAbortResult = 3;
    // What became of one file.
    enum class Outcome { kDone, kFailed, kStop, kDoneWithLeftOut };
    // At most this many files of each kind are named; the rest are counted.
    static constexpr int kMaxNamedFailures = 10;

    // Lists the files of the folder that the kind's entry keeps.
    CFileLoopDlg(const CString& folder, const CFileKindEntry& kind,
                 std::span<const CFileKindEntry> kinds, const char* question, const char* failure,
                 QWidget* parent);

    // "開始": asks, then runs the loop over the checked files.
    void OnStart();
    // "中止": closes the idle or stopped dialog, stops a running loop before
    // the next file. A stopped loop leaves only this way out.
    void OnAbort();
    // Escape or the window's close box while the loop runs stops it instead.
    void reject() override;

    int m_abort = 1;

protected:
    // The operation on one file; kStop stops the loop with the dialog open.
    virtual Outcome ProcessFile(const CString& path) = 0;
    // False, after saying why, when the loop cannot start.
    virtual bool CanStart() { return true; }
    // The dialog's own controls that may not change while the loop runs.
    virtual void EnableInputs(bool enable) { (void)enable; }

    // Where a dialog puts controls of its own, below the list.
    QGridLayout* m_grid;
    QPushButton* m_start;

private:
    void Report(const QStringList& failed, const QStringList& leftOut) const;

    CString m_folder;
    const char* m_question;
    const char* m_failure;
    QLineEdit* m_folderEdit;
    QListWidget* m_list;
    QProgressBar* m_progress;
    QPushButton* m_cancel;
    QPushButton* m_abortButton;
};
