#include "ui/CSeqPrintListDlg.h"

#include "ui/CSeqPrintDlg.h"

CSeqPrintListDlg::CSeqPrintListDlg(const CString& folder, int kind, PrintRoutine print,
                                   QWidget* parent)
    : CFileLoopDlg(folder, KindEntryOf(CSeqPrintDlg::Kinds(), kind), CSeqPrintDlg::Kinds(),
                   "連続印刷を実行しますか？", "次の図面は印刷できませんでした。", parent),
      m_print(std::move(print)) {
    setWindowTitle(QStringLiteral("連続印刷ファイル一覧"));
}

CFileLoopDlg::Outcome CSeqPrintListDlg::ProcessFile(const CString& path) {
    return m_print(path, kPageLength, kPageWidth);
}
