// The view's opening of drawings: the one dispatcher every route goes
// through, the merge of an SXF redline file into its base drawing, and the
// batch conversion and continuous printing of one file.

#include "app/CDrawingOpener.h"
#include "app/CPlugIn.h"
#include "app/CPlugInList.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"
#include "ui/CFolderFileList.h"

#include <QApplication>
#include <QPrinter>

#include <utility>

namespace {

// The wait cursor for as long as it lives.
class CWaitCursor {
public:
    CWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CWaitCursor() { QApplication::restoreOverrideCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

const CPlugInList& NoPlugIns() {
    static const CPlugInList none;
    return none;
}

} // namespace

int CZumeoView::OpenDrawing(const CString& path) {
    if (!m_document)
        return 0;
    m_document->TakeLeftOut();
    const int opened = OpenDrawingRoute(path);
    CZumeoDoc::TellLeftOut(m_document->TakeLeftOut());
    return opened;
}

int CZumeoView::OpenDrawingRoute(const CString& path) {
    const CWaitCursor wait;
    CDrawingOpener opener(*m_document, m_plugIns ? *m_plugIns : NoPlugIns(), m_settings);
    const CDrawingOpener::Route route = opener.RouteOf(path);
    if (!opener.IsSxfFile(path) ||
        (route != CDrawingOpener::Route::PlugIn && route != CDrawingOpener::Route::Sxf))
        return opener.Open(path);
    CDrawingOpener::EnterWorkingFolder(path);
    CString base;
    if (route != CDrawingOpener::Route::PlugIn || !CDrawingOpener::FindBaseDrawing(path, &base))
        return opener.Open(path);
    base = CDrawingOpener::FindExistingSxfBase(base);
    if (base.IsEmpty()) {
        AfxMessageBox(CString::FromUtf8("朱書きファイルに対する元図が見つかりません。"),
                      MB_ICONEXCLAMATION);
        return 0;
    }
    if (!opener.Open(base))
        return 0;
    // The base drawing is open; a red file that cannot be read has said so.
    MergeRedlineDrawing(path);
    return 1;
}

bool CZumeoView::MergeRedlineDrawing(const CString& path) {
    if (!m_document || !m_plugIns)
        return false;
    const CWaitCursor wait;
    const CPlugIn* plugIn = m_plugIns->FindByExt(path);
    if (!plugIn || !m_document->MergeByPlugin(plugIn->GetPath(), path))
        return false;
    m_windowExtX = m_document->GetDeviceWidth();
    m_windowExtY = m_document->GetDeviceHeight();
    m_panX = m_panY = 0;
    Redraw();
    return true;
}

CZumeoView::ConvertResult CZumeoView::ConvertFileWorker(const CString& path, const CString& folder,
                                                        bool overwriteAll) {
    if (!m_document)
        return kFailed;
    const CString name = GetFileTitleExt(path);
    const CString output = ReplaceExtension(JoinFolderPath(folder, name.ToFilePath()), ".zmd");
    if (!overwriteAll && FileExists(output)) {
        switch (AfxMessageBox(PathForDisplay(output) +
                                  CString::FromUtf8(" は既に存在します。\n上書きしますか？"),
                              MB_YESNOCANCEL)) {
        case IDYES:
            break;
        case IDNO:
            return kSkipped;
        default:
            return kStopBatch;
        }
    }
    ConvertResult result = kFailed;
    CDrawingOpener opener(*m_document, m_plugIns ? *m_plugIns : NoPlugIns(), m_settings);
    m_document->TakeLeftOut();
    if (opener.Open(path)) {
        m_document->m_saveAsControl = 0;
        if (m_document->OnSaveDocument(output.c_str()))
            result = m_document->TakeLeftOut() > 0 ? kConvertedWithLeftOut : kConverted;
    }
    DiscardWorkerDrawing();
    return result;
}

CZumeoView::PrintResult CZumeoView::PrintFileWorker(const CString& path) {
    if (!m_document)
        return PrintResult::kNotPrinted;
    // Each drawing prints whole and turned to its own shape; the user's
    // choices come back afterwards.
    const int range = std::exchange(m_settings.m_printRange, 1);
    const int landscape = m_settings.m_printLandscape;
    bool printed = false;
    CDrawingOpener opener(*m_document, m_plugIns ? *m_plugIns : NoPlugIns(), m_settings);
    m_document->TakeLeftOut();
    if (opener.Open(path)) {
        m_windowExtX = m_document->GetDeviceWidth();
        m_windowExtY = m_document->GetDeviceHeight();
        m_panX = m_panY = 0;
        const CDocExtent& extent = m_document->m_extent;
        m_settings.m_printLandscape =
            extent.m_maxX - extent.m_minX >= extent.m_maxY - extent.m_minY ? 1 : 0;
        m_printClientSize = size();
        QPrinter printer(QPrinter::HighResolution);
        SetUpPrinter(printer);
        printed = PrintPage(printer);
    }
    const std::size_t leftOut = m_document->TakeLeftOut();
    DiscardWorkerDrawing();
    m_settings.m_printRange = range;
    m_settings.m_printLandscape = landscape;
    if (!printed)
        return PrintResult::kNotPrinted;
    return leftOut > 0 ? PrintResult::kPrintedWithLeftOut : PrintResult::kPrinted;
}

void CZumeoView::DiscardWorkerDrawing() {
    m_document->ClearContents();
    m_document->ResetDocument();
    m_document->m_openState = CZumeoDoc::kOpenNew;
    Redraw();
    RefreshLayerBar();
}
