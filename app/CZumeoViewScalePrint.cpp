// The view's scale printing: the scale-print dialog over the open drawing,
// with the application's printer, or a PDF file of a standard paper where
// the system has no printer.
#include "app/CPrintHeader.h"
#include "app/CPrinterDefaults.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "entities/CRukEntity.h"
#include "platform/win/CDialogService.h"
#include "platform/win/PathFunctions.h"
#include "settings/CDrawDefaults.h"
#include "ui/CScalePrintDlg.h"
#include "ui/CScalePrintHost.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace {

// The papers of the PDF file that stands in for a missing printer.
const CScalePaper kPdfPapers[] = {
    {8, QStringLiteral("A3"), {2970, 4200}},        {9, QStringLiteral("A4"), {2100, 2970}},
    {11, QStringLiteral("A5"), {1480, 2100}},       {12, QStringLiteral("B4 (JIS)"), {2570, 3640}},
    {13, QStringLiteral("B5 (JIS)"), {1820, 2570}},
};

} // namespace

class CViewScalePrintHost final : public CScalePrintHost {
public:
    explicit CViewScalePrintHost(CZumeoView& view)
        : m_view(view), m_document(*view.m_document), m_settings(view.m_settings),
          m_printer(view.m_printer && !view.m_printer->GetPrinterName().isEmpty() ? view.m_printer
                                                                                  : nullptr) {}

    void PaintDrawing(CDC* dc, const RECT& clip, double factor) override {
        m_document.PaintEntitiesForOutput(dc, clip, m_settings, factor);
    }
    DPOINT DrawingCentre() const override {
        const CDocExtent& extent =
            m_document.m_fullExtent.IsZero() ? m_document.m_extent : m_document.m_fullExtent;
        const double unit = m_document.UnitDivisor();
        return DPOINT{(extent.m_minX + extent.m_maxX) / 2.0 / unit,
                      (extent.m_minY + extent.m_maxY) / 2.0 / unit};
    }
    QString JobName() const override {
        return GetFileTitleExt(m_document.m_drawingPath).ToFilePath();
    }
    CMarginTexts MarginTexts() const override {
        // The page's header and footer texts, in the order of the corners.
        static constexpr CPrintHeader::Place kOrder[CMarginTexts::kCount] = {
            CPrintHeader::kTopLeft,    CPrintHeader::kTopRight,    CPrintHeader::kTopCentre,
            CPrintHeader::kBottomLeft, CPrintHeader::kBottomRight, CPrintHeader::kBottomCentre};
        const CPrintHeader& header = m_document.m_printHeader;
        CMarginTexts texts;
        for (int i = 0; i < CMarginTexts::kCount; ++i) {
            texts.texts[i] = header.m_texts[kOrder[i]];
            texts.colours[i] = header.m_colors[kOrder[i]];
        }
        texts.height = header.m_fontHeight;
        return texts;
    }
    QString PrinterName() const override {
        return m_printer ? m_printer->GetPrinterName() : QStringLiteral("PDF");
    }
    std::vector<CScalePaper> Papers() const override {
        if (!m_printer)
            return {std::begin(kPdfPapers), std::end(kPdfPapers)};
        const QString device = m_printer->GetPrinterName();
        const std::vector<WORD> ids = m_printer->GetPapers(device);
        const QStringList names = m_printer->GetPaperNames(device);
        const std::vector<POINT> sizes = m_printer->GetPaperSizes(device);
        std::vector<CScalePaper> papers;
        for (size_t i = 0; i < ids.size() && i < sizes.size() && i < size_t(names.size()); ++i)
            papers.push_back({ids[i], names[static_cast<int>(i)], sizes[i]});
        return papers;
    }
    int PrinterPaper() const override {
        return m_printer ? m_printer->GetPrinterPaper() : m_settings.m_paperSize;
    }
    void SetPrinterPaper(int paper) override {
        if (m_printer)
            m_printer->SetPrinterPaper(m_settings, paper, 0, 0);
        else
            m_settings.m_paperSize = paper;
    }
    int PrinterOrientation() const override {
        if (m_printer)
            return m_printer->GetPrinterOrientation();
        return m_settings.m_printLandscape ? kLandscape : kPortrait;
    }
    void SetPrinterOrientation(bool landscape) override {
        if (m_printer)
            m_printer->SetPrinterOrientation(m_settings, landscape);
        else
            m_settings.m_printLandscape = landscape ? 1 : 0;
    }
    void PrinterMargins(double& left, double& top, double& right, double& bottom) const override {
        left = top = right = bottom = 0.0;
        if (m_printer)
            m_printer->GetPrinterMargins(left, top, right, bottom);
    }
    void PrinterSetup() override { m_view.OnPrinterSetup(); }
    void SetUpPrinter(QPrinter& printer) const override {
        m_view.SetUpPrinter(printer);
        for (const CScalePaper& paper : Papers())
            if (paper.id == PrinterPaper())
                printer.setPageSize(QPageSize(QSizeF(paper.size.x / 10.0, paper.size.y / 10.0),
                                              QPageSize::Millimeter, paper.name));
        if (!m_printer)
            printer.setFullPage(true);
    }

private:
    CZumeoView& m_view;
    CZumeoDoc& m_document;
    CDrawDefaults& m_settings;
    CPrinterDefaults* m_printer;
};

void CZumeoView::OnPrinterSetup() {
    QPrinter printer;
    SetUpPrinter(printer);
    QPageSetupDialog setup(&printer, this);
    if (CDialogService::Current().RunModal(setup) != QDialog::Accepted)
        return;
    const bool landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
    if (m_printer)
        m_printer->SetPrinterOrientation(m_settings, landscape);
    else
        m_settings.m_printLandscape = landscape ? 1 : 0;
}

void CZumeoView::OnScalePrint() {
    DoScalePrint(nullptr, 1.0, 1.0);
}

void CZumeoView::DoScalePrint(QWidget* owner, double numerator, double denominator) {
    if (!m_document)
        return;
    m_pTool.reset();
    CViewScalePrintHost host(*this);
    CScalePrintDlg dialog(host, owner ? owner : this);
    // A fitted view is placed by the drawing's centre, any other by the
    // drawing point under the centre of the window.
    const bool fitted = m_windowExtX == m_document->GetDeviceWidth() &&
                        m_windowExtY == m_document->GetDeviceHeight() && m_panX == 0 && m_panY == 0;
    if (fitted) {
        const DPOINT centre = host.DrawingCentre();
        dialog.m_centreX = centre.x;
        dialog.m_centreY = centre.y;
    } else {
        const POINT centre = ToDrawing(ToViewSpace(POINT{width() / 2, height() / 2}));
        const double unit = m_document->UnitDivisor();
        dialog.m_centreX = centre.x / unit;
        dialog.m_centreY = centre.y / unit;
    }
    dialog.m_numerator = numerator;
    dialog.m_denominator = denominator;
    dialog.OnInitDialog();
    CDialogService::Current().RunModal(dialog);
}
