// The view's batch conversion and continuous printing: a folder dialog and
// a file list that hands every chosen file to the view's worker.
#include "app/CDwgConverter.h"
#include "app/CZumeoView.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"
#include "ui/CBatchConvDlg.h"
#include "ui/CBatchConvListDlg.h"
#include "ui/CSeqPrintDlg.h"
#include "ui/CSeqPrintListDlg.h"

void CZumeoView::OnBatchConvert() {
    const bool dwg = CDwgConverter::IsAvailable(m_settings.m_converterPath);
    for (;;) {
        CBatchConvDlg folder(dwg, this);
        if (CDialogService::Current().RunModal(folder) != QDialog::Accepted)
            return;
        CBatchConvListDlg list(
            folder.m_folder, folder.m_kind,
            [this](const CString& path, const CString& destination, bool overwriteAll) {
                switch (ConvertFileWorker(path, destination, overwriteAll)) {
                case kFailed:
                    return CFileLoopDlg::Outcome::kFailed;
                case kStopBatch:
                    return CFileLoopDlg::Outcome::kStop;
                case kConvertedWithLeftOut:
                    return CFileLoopDlg::Outcome::kDoneWithLeftOut;
                default:
                    return CFileLoopDlg::Outcome::kDone;
                }
            },
            this);
        if (CDialogService::Current().RunModal(list) != CFileLoopDlg::kAbortResult)
            return;
    }
}

void CZumeoView::OnContinuousPrint() {
    const bool dwg = CDwgConverter::IsAvailable(m_settings.m_converterPath);
    const auto printerSetup = [this] { OnPrinterSetup(); };
    for (;;) {
        CSeqPrintDlg folder(dwg, printerSetup, this);
        if (CDialogService::Current().RunModal(folder) != QDialog::Accepted)
            return;
        CSeqPrintListDlg list(
            folder.m_folder, folder.m_kind,
            [this](const CString& path, int, int) {
                switch (PrintFileWorker(path)) {
                case PrintResult::kNotPrinted:
                    return CFileLoopDlg::Outcome::kFailed;
                case PrintResult::kPrintedWithLeftOut:
                    return CFileLoopDlg::Outcome::kDoneWithLeftOut;
                default:
                    return CFileLoopDlg::Outcome::kDone;
                }
            },
            this);
        if (CDialogService::Current().RunModal(list) != CFileLoopDlg::kAbortResult)
            return;
    }
}
