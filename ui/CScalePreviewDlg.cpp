#include "ui/CScalePreviewDlg.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CPrinterDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/CDialogService.h"
#include "ui/CScalePrintHost.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include <cmath>
#include <utility>

namespace {

constexpr BYTE kSwissFamily = 0x20;
constexpr COLORREF kSheetColour = 0x0000FF;
constexpr COLORREF kWhite = 0xFFFFFF;

// The label's corner: which sheet edges it sits at, and how the text runs
// from it into the sheet.
struct LabelCorner {
    bool right;
    bool bottom;
    UINT align;
};

constexpr LabelCorner kCorners[] = {
    {false, false, TA_LEFT | TA_TOP},
    {true, false, TA_RIGHT | TA_TOP},
    {false, true, TA_LEFT | TA_BOTTOM},
    {true, true, TA_RIGHT | TA_BOTTOM},
};

int Trunc(double value) {
    return static_cast<int>(value);
}

// The font of the label and the margin texts, characters of a height in
// millimetres, on an opaque background, selected for as long as it lives.
class LabelFont {
public:
    LabelFont(CDC* dc, double height) : m_dc(dc) {
        m_font.CreateFontA(-Trunc(height * 100 + 0.5), 0, 0, 0, 400, 0, 0, 0, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, kSwissFamily,
                           CString::FromUtf8("ＭＳ Ｐゴシック").c_str());
        m_oldFont = dc->SelectObject(&m_font);
        m_oldBkMode = dc->SetBkMode(OPAQUE);
    }
    ~LabelFont() {
        m_dc->SetBkMode(m_oldBkMode);
        m_dc->SelectObject(m_oldFont);
    }
    LabelFont(const LabelFont&) = delete;
    LabelFont& operator=(const LabelFont&) = delete;

private:
    CDC* m_dc;
    CFont m_font;
    CFont* m_oldFont;
    int m_oldBkMode;
};

} // namespace

CScalePreviewDlg::CScalePreviewDlg(CScalePrintHost& host, QWidget* parent)
    : QWidget(parent), m_host(host) {
    setObjectName(QStringLiteral("id_148"));
    setCursor(Qt::OpenHandCursor);
}

CScalePreviewDlg::Sheet CScalePreviewDlg::SheetOf() const {
    Sheet sheet{};
    const bool portrait = m_sheet.orientation == CScalePrintHost::kPortrait;
    sheet.w = (portrait ? m_sheet.paperWidth : m_sheet.paperLength) * 10;
    sheet.h = (portrait ? m_sheet.paperLength : m_sheet.paperWidth) * 10;
    sheet.hw = sheet.w / 2;
    sheet.hh = sheet.h / 2;
    sheet.cx = Trunc(m_centreX * 100);
    sheet.cy = Trunc(m_centreY * 100);
    return sheet;
}

double CScalePreviewDlg::Zoom(CDC* dc, int height) const {
    if (m_sheet.paperLength <= 0)
        return 0.0;
    RECT client{0, 0, 0, height};
    dc->DPtoLP(&client);
    return std::fabs((client.bottom - client.top) * 0.9 / (m_sheet.paperLength * 10.0));
}

void CScalePreviewDlg::ClearDrag() {
    m_dragOffset = POINT{0, 0};
    m_dragInProgress = POINT{0, 0};
}

void CScalePreviewDlg::Paint(CDC* dc, int width, int height) const {
    const Sheet sheet = SheetOf();
    const int oldMode = dc->SetMapMode(MM_HIMETRIC);
    POINT drag{m_dragOffset.x + m_dragInProgress.x - width / 2,
               m_dragOffset.y + m_dragInProgress.y - height / 2};
    dc->DPtoLP(&drag, 1);
    POINT centre{-width / 2, -height / 2};
    dc->DPtoLP(&centre, 1);
    const double k = Zoom(dc, height);
    CBrush white;
    white.CreateSolidBrush(kWhite);
    RECT client{0, 0, width, height};
    // Without a paper there is nothing to scale against: the pane stays white.
    if (k <= 0.0) {
        dc->DPtoLP(&client);
        const RECT fill = NormalizedRect(client);
        dc->FillRect(&fill, &white);
        dc->SetMapMode(oldMode);
        return;
    }
    const CPoint oldOrigin = dc->SetWindowOrg(Trunc(sheet.cx * m_scale * k + 0.5) + drag.x,
                                              Trunc(sheet.cy * m_scale * k + 0.5) + drag.y);
    dc->DPtoLP(&client);
    const RECT fill = NormalizedRect(client);
    dc->FillRect(&fill, &white);
    m_host.PaintDrawing(dc, fill, m_scale * k);

    dc->SetWindowOrg(centre.x, centre.y);
    CPen solid;
    solid.CreatePen(PS_SOLID, 0, kSheetColour);
    CPen* oldPen = dc->SelectObject(&solid);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    dc->Rectangle(Trunc(-sheet.hw * k), Trunc(sheet.hh * k), Trunc(sheet.hw * k),
                  Trunc(-sheet.hh * k));
    RECT printable{Trunc(-sheet.hw * k) + Trunc(m_sheet.marginLeft * 10 * k),
                   Trunc(sheet.hh * k) - Trunc(m_sheet.marginTop * 10 * k),
                   Trunc(sheet.hw * k) - Trunc(m_sheet.marginRight * 10 * k),
                   Trunc(-sheet.hh * k) + Trunc(m_sheet.marginBottom * 10 * k)};
    if (m_invert) {
        const int d = Trunc((m_sheet.marginTop - m_sheet.marginLeft) * 10 * k);
        OffsetRect(&printable, d, d);
    }
    CPen dashed;
    dashed.CreatePen(PS_DASH, 0, kSheetColour);
    dc->SelectObject(&dashed);
    const int oldBkMode = dc->SetBkMode(TRANSPARENT);
    dc->Rectangle(&printable);
    dc->SetBkMode(oldBkMode);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
    dc->SetWindowOrg(oldOrigin.x, oldOrigin.y);
    dc->SetMapMode(oldMode);
}

void CScalePreviewDlg::paintEvent(QPaintEvent*) {
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        CImageDC dc(image);
        Paint(&dc, width(), height());
    }
    QPainter(this).drawImage(0, 0, image);
}

void CScalePreviewDlg::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_dragStart = POINT{point.x(), point.y()};
    m_dragging = 1;
    setCursor(Qt::ClosedHandCursor);
}

void CScalePreviewDlg::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    const QPoint point = event->position().toPoint();
    m_dragInProgress = POINT{m_dragStart.x - point.x(), m_dragStart.y - point.y()};
    repaint();
}

void CScalePreviewDlg::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    const QPoint point = event->position().toPoint();
    m_dragging = 0;
    m_dragOffset.x += m_dragStart.x - point.x();
    m_dragOffset.y += m_dragStart.y - point.y();
    m_dragInProgress = POINT{0, 0};
    setCursor(Qt::OpenHandCursor);
}

POINT CScalePreviewDlg::Corner(const Sheet& sheet, int position) const {
    const LabelCorner& corner = kCorners[position];
    return POINT{
        corner.right ? sheet.hw - m_sheet.marginRight * 10 : m_sheet.marginLeft * 10 - sheet.hw,
        corner.bottom ? m_sheet.marginBottom * 10 - sheet.hh : sheet.hh - m_sheet.marginTop * 10};
}

void CScalePreviewDlg::DrawScaleLabel(CDC* dc, int x, int y, int position) const {
    const LabelFont font(dc, m_labelHeight);
    const UINT oldAlign = dc->SetTextAlign(kCorners[position].align);
    dc->TextOut(x, y, CString::FromUtf8("スケール：") + m_labelText);
    dc->SetTextAlign(oldAlign);
}

void CScalePreviewDlg::DrawMarginText(CDC* dc, int x, int y, const CString& text, COLORREF colour,
                                      UINT align, double height) {
    const LabelFont font(dc, height);
    const COLORREF oldColour = dc->SetTextColor(colour);
    const UINT oldAlign = dc->SetTextAlign(align);
    dc->TextOut(x, y, text);
    dc->SetTextAlign(oldAlign);
    dc->SetTextColor(oldColour);
}

void CScalePreviewDlg::DrawMarginTexts(CDC* dc, int width, int height) const {
    const CMarginTexts margin = m_host.MarginTexts();
    const int hw = width / 2;
    const int hh = height / 2;
    const int left = m_sheet.marginLeft * 10 - hw;
    const int right = hw - m_sheet.marginRight * 10;
    const int top = hh - m_sheet.marginTop * 10;
    const int bottom = m_sheet.marginBottom * 10 - hh;
    const struct {
        int x;
        int y;
        UINT align;
    } places[CMarginTexts::kCount] = {
        {left, top, TA_LEFT | TA_TOP},         {right, top, TA_RIGHT | TA_TOP},
        {0, top, TA_CENTER | TA_TOP},          {left, bottom, TA_LEFT | TA_BOTTOM},
        {right, bottom, TA_RIGHT | TA_BOTTOM}, {0, bottom, TA_CENTER | TA_BOTTOM},
    };
    for (int i = 0; i < CMarginTexts::kCount; ++i)
        if (!margin.texts[i].IsEmpty())
            DrawMarginText(dc, places[i].x, places[i].y, margin.texts[i], margin.colours[i],
                           places[i].align, margin.height);
}

bool CScalePreviewDlg::PrintScaled(QWidget* owner) {
    if (!CanPrint())
        return false;
    const Sheet sheet = SheetOf();
    // The drag in paper hundredths, measured as the pane measures it.
    QImage paneImage(1, std::max(height(), 1), QImage::Format_RGB32);
    POINT drag{m_dragOffset.x + m_dragInProgress.x, m_dragOffset.y + m_dragInProgress.y};
    double k = 0.0;
    {
        CImageDC pane(paneImage);
        pane.SetMapMode(MM_HIMETRIC);
        k = Zoom(&pane, height());
        pane.DPtoLP(&drag, 1);
    }
    const int dx = k > 0.0 ? Trunc(drag.x / k + 0.5) : 0;
    const int dy = k > 0.0 ? Trunc(drag.y / k + 0.5) : 0;

    QPrinter printer(QPrinter::HighResolution);
    m_host.SetUpPrinter(printer);
    printer.setDocName(m_host.JobName());
    QPrintDialog dialog(&printer, owner);
    // The file output stays hidden, except where it is the printer: the
    // PDF file that stands in for a missing one.
    dialog.setOption(QAbstractPrintDialog::PrintToFile,
                     printer.outputFormat() == QPrinter::PdfFormat);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return false;

    CPrinterDC dc(printer);
    if (!dc.IsPainting() || dc.GetDeviceCaps(PHYSICALWIDTH) <= 0) {
        AfxMessageBox(CString::FromUtf8("印刷を開始できませんでした。"), MB_ICONEXCLAMATION);
        return false;
    }
    const int oldMode = dc.SetMapMode(MM_HIMETRIC);
    int ox = dc.GetDeviceCaps(PHYSICALOFFSETX);
    int oy = dc.GetDeviceCaps(PHYSICALOFFSETY);
    // A driver may report the offsets for the other orientation.
    if (dc.GetDeviceCaps(PHYSICALHEIGHT) - dc.GetDeviceCaps(VERTRES) - oy < 0 ||
        dc.GetDeviceCaps(PHYSICALWIDTH) - dc.GetDeviceCaps(HORZRES) - ox < 0)
        std::swap(ox, oy);
    if (m_invert)
        std::swap(ox, oy);
    POINT offset{ox, oy};
    dc.DPtoLP(&offset, 1);
    const POINT sheetOrigin{offset.x - sheet.hw, offset.y + sheet.hh};
    dc.SetWindowOrg(sheetOrigin.x + dx + Trunc(sheet.cx * m_scale + 0.5),
                    sheetOrigin.y + dy + Trunc(sheet.cy * m_scale + 0.5));
    RECT page{0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES)};
    dc.DPtoLP(&page);
    m_host.PaintDrawing(&dc, NormalizedRect(page), m_scale);
    dc.SetWindowOrg(sheetOrigin.x, sheetOrigin.y);
    if (m_labelOn && m_labelPosition >= 0 && m_labelPosition < 4) {
        const POINT corner = Corner(sheet, m_labelPosition);
        DrawScaleLabel(&dc, corner.x, corner.y, m_labelPosition);
    }
    DrawMarginTexts(&dc, sheet.w, sheet.h);
    dc.SetMapMode(oldMode);
    return true;
}
