#pragma once
// Continuous printing's file list: prints the checked files one after
// another. A file that cannot be printed is passed over.

#include "ui/CFileLoopDlg.h"

#include <functional>

class CSeqPrintListDlg : public CFileLoopDlg {
public:
    // The routine prints one file on a page of the given length and width
    // in millimetres.
    using PrintRoutine = std::function<void(const CString& path, int length, int width)>;
    static constexpr int kPageLength = 297;
    static constexpr int kPageWidth = 210;

    CSeqPrintListDlg(const CString& folder, int kind, PrintRoutine print,
                     QWidget* parent = nullptr);

protected:
    bool ProcessFile(const CString& path) override;

private:
    PrintRoutine m_print;
};
