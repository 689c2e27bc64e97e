// The view's printing: one page with the drawing and its redlines, fitted
// into the print margins or showing the window's visible area, with the
// header and footer texts of the document.
#include "app/CPrintHeader.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "entities/CRukEntity.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

constexpr int kPaintMargin = 100;

// The document's and the view's state that printing raises to the print
// precision, put back when the page is done.
class SavedScreenState {
public:
    explicit SavedScreenState(CZumeoView& view)
        : m_view(view), m_document(*view.GetDocument()), m_deviceSpan(m_document.m_deviceSpanX),
          m_extent(m_document.m_extent), m_scaleX(m_document.m_scaleX),
          m_scaleY(m_document.m_scaleY), m_windowExtX(view.m_windowExtX),
          m_windowExtY(view.m_windowExtY) {}
    ~SavedScreenState() {
        m_document.m_deviceSpanX = m_deviceSpan;
        m_document.m_extent = m_extent;
        m_document.m_scaleX = m_scaleX;
        m_document.m_scaleY = m_scaleY;
        m_view.m_windowExtX = m_windowExtX;
        m_view.m_windowExtY = m_windowExtY;
    }
    SavedScreenState(const SavedScreenState&) = delete;
    SavedScreenState& operator=(const SavedScreenState&) = delete;

private:
    CZumeoView& m_view;
    CZumeoDoc& m_document;
    int m_deviceSpan;
    CDocExtent m_extent;
    double m_scaleX;
    double m_scaleY;
    int m_windowExtX;
    int m_windowExtY;
};

// The page's size, resolution, unprintable offset and print margins in
// printer pixels.
struct PageGeometry {
    explicit PageGeometry(const CDC& dc, const CDrawDefaults& settings) {
        pw = dc.GetDeviceCaps(PHYSICALWIDTH);
        ph = dc.GetDeviceCaps(PHYSICALHEIGHT);
        const int dpi = dc.GetDeviceCaps(LOGPIXELSX);
        ox = dc.GetDeviceCaps(PHYSICALOFFSETX);
        oy = dc.GetDeviceCaps(PHYSICALOFFSETY);
        left = CPrintHeader::MillimetresToPixels(settings.m_printMarginLeft, dpi);
        top = CPrintHeader::MillimetresToPixels(settings.m_printMarginTop, dpi);
        right = CPrintHeader::MillimetresToPixels(settings.m_printMarginRight, dpi);
        bottom = CPrintHeader::MillimetresToPixels(settings.m_printMarginBottom, dpi);
    }
    int InnerWidth() const { return pw - right - left; }
    int InnerHeight() const { return ph - top - bottom; }

    int pw;
    int ph;
    int ox;
    int oy;
    int left;
    int top;
    int right;
    int bottom;
};

} // namespace

void CZumeoView::StartPrintJob(QPrinter& printer) {
    m_pTool.reset();
    Redraw();
    m_printClientSize = size();
    SetUpPrinter(printer);
}

void CZumeoView::SetUpPrinter(QPrinter& printer) const {
    printer.setPageOrientation(m_settings.m_printLandscape ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
    printer.setFromTo(1, 1);
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        const CString drawing = m_document ? m_document->GetPathName() : CString();
        if (!drawing.IsEmpty())
            printer.setOutputFileName(ReplaceExtension(drawing, ".pdf").ToFilePath());
    }
}

void CZumeoView::OnFilePrint() {
    if (!m_document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    StartPrintJob(printer);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return;
    if (!PrintPage(printer))
        AfxMessageBox(CString::FromUtf8("印刷を開始できませんでした。"), MB_ICONEXCLAMATION);
}

void CZumeoView::OnFilePrintPreview() {
    if (!m_document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    StartPrintJob(printer);
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* pages) { PrintPage(*pages); });
    CDialogService::Current().RunModal(preview);
}

bool CZumeoView::PrintPage(QPrinter& printer) {
    if (!m_document)
        return false;
    if (m_printClientSize.isEmpty())
        m_printClientSize = size();
    CPrinterDC dc(printer);
    if (!dc.IsPainting() || dc.GetDeviceCaps(PHYSICALWIDTH) <= 0)
        return false;
    OnPrint(&dc);
    return true;
}

void CZumeoView::OnPrint(CDC* dc) {
    if (!m_document)
        return;
    m_document->m_printHeader.Print(dc);

    const SavedScreenState saved(*this);
    const int printSpan = m_document->m_deviceSpanY;
    const int screenSpan = m_document->m_deviceSpanX;
    if (screenSpan > 0 && screenSpan < printSpan) {
        const double factor = static_cast<double>(printSpan) / screenSpan;
        m_document->m_deviceSpanX = printSpan;
        m_document->ComputeScale();
        m_windowExtX = static_cast<int>(m_windowExtX * factor + 0.5);
        m_windowExtY = static_cast<int>(m_windowExtY * factor + 0.5);
    }
    const RECT paint = m_settings.m_printRange == 1 ? MapWholeDrawing(dc) : MapVisibleArea(dc);
    m_document->PaintEntitiesForOutput(dc, paint, m_settings, m_document->m_extent.m_minX,
                                       m_document->m_extent.m_minY, m_document->m_scaleX);
}

RECT CZumeoView::MapWholeDrawing(CDC* dc) {
    m_document->RecomputeVisibleExtent(m_settings.m_useSheetExtent == 1);
    const CDocExtent& extent = m_document->m_extent;
    const POINT low = m_document->LogicalToDevicePoint(extent.m_minX, extent.m_minY);
    const POINT high = m_document->LogicalToDevicePoint(extent.m_maxX, extent.m_maxY);
    const int w = std::abs(high.x - low.x);
    const int h = std::abs(high.y - low.y);
    const PageGeometry page(*dc, m_settings);
    dc->SetMapMode(MM_ISOTROPIC);
    dc->SetWindowExt(w, h);
    dc->SetViewportExt(page.InnerWidth(), page.top + page.bottom - page.ph);
    const POINT offset = GetCenteringOffset(w, h, page.InnerWidth(), page.InnerHeight());
    dc->SetViewportOrg(offset.x + page.left - page.ox - 1,
                       page.ph - offset.y - page.bottom - page.oy - 1);
    RECT paint = NormalizedRect(RECT{low.x, low.y, high.x, high.y});
    InflateRect(&paint, kPaintMargin, kPaintMargin);
    return paint;
}

RECT CZumeoView::MapVisibleArea(CDC* dc) {
    // The window's mapping as it stood when printing started.
    const int clientRight = m_printClientSize.width();
    const int clientBottom = m_printClientSize.height();
    CDC screen(CDeviceCaps(std::max(clientRight, 1), std::max(clientBottom, 1)));
    screen.SetMapMode(MM_ISOTROPIC);
    screen.SetWindowExt(m_windowExtX, m_windowExtY);
    screen.SetViewportExt(clientRight - m_settings.m_marginRight - m_settings.m_marginLeft - 1,
                          m_settings.m_marginBottom + m_settings.m_marginTop - clientBottom + 1);
    screen.SetViewportOrg(m_viewportOrgX, m_viewportOrgY);
    RECT visible{0, 0, clientRight, clientBottom};
    screen.DPtoLP(&visible);

    const PageGeometry page(*dc, m_settings);
    const int w = visible.right - visible.left - 1;
    const int h = visible.top - visible.bottom + 1;
    dc->SetMapMode(MM_ISOTROPIC);
    dc->SetWindowExt(w, h);
    dc->SetViewportExt(page.InnerWidth(), page.top + page.bottom - page.ph);
    const POINT offset = GetCenteringOffset(w, h, page.InnerWidth(), page.InnerHeight());
    POINT corners[2] = {{visible.left, visible.top}, {visible.right, visible.bottom}};
    dc->LPtoDP(corners, 2);
    dc->SetViewportOrg(offset.x + page.left - corners[0].x - page.ox,
                       page.ph - offset.y - corners[1].y - page.bottom - page.oy);
    const RECT clip = NormalizedRect(visible);
    dc->IntersectClipRect(&clip);
    return clip;
}
