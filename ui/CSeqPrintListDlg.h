#pragma once
// Continuous printing's file list: prints the checked files one after
// another. A file that cannot be printed is passed over and named at the end,
// as is one printed with items left out of its drawing.

#include "ui/CFileLoopDlg.h"

#include <functional>

class CSeqPrintListDlg : public CFileLoopDlg {
public:
    // The routine prints one file on a page of the given length and width
    // in millimetres; kFailed when nothing was printed.
    using PrintRoutine = std::function<Outcome(const CString& path, int length, int width)>;
    static constexpr int kPageLength = 297;
    static constexpr int kPageWidth = 210;

    CSeqPrintListDlg(const CString& folder, int kind, PrintRoutine print,
                     QWidget* parent = nullptr);

protected:
    Outcome ProcessFile(const CString& path) override;

private:
    PrintRoutine m_print;
};
