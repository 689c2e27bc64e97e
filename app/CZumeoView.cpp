#include "app/CZumeoView.h"

#include "app/CEntityBands.h"
#include "app/CViewCursors.h"
#include "app/CZumeoDoc.h"
#include "entities/CEntityDrawer.h"
#include "entities/CRukRubberBand.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/MouseKeys.h"
#include "settings/CDrawDefaults.h"
#include "ui/CMeasureDlg.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QRegularExpression>
#include <QTextLayout>
#include <QToolTip>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int kSelectModeBlink = 2;
constexpr double kMaxSpanRatio = 600.0;
constexpr int kMinExtent = 40;
constexpr int kExtentLimitNT = 150000;
constexpr int kExtentLimit9x = 32767;
constexpr double kWheelOut = 1.25;
constexpr double kWheelIn = 0.8;

// Pixels around a strip whose objects are drawn into it.
constexpr int kStripCullMargin = 8;

// Moves the image's pixels by (dx, dy); the uncovered pixels keep stale values.
void ScrollImage(QImage& image, int dx, int dy) {
    const int width = image.width();
    const int height = image.height();
    const int rows = height - std::abs(dy);
    const int columns = width - std::abs(dx);
    if (rows <= 0 || columns <= 0)
        return;
    const auto bytes = static_cast<std::size_t>(columns) * sizeof(QRgb);
    const int from = std::max(0, -dx);
    const int to = std::max(0, dx);
    for (int i = 0; i < rows; ++i) {
        // Rows move away from the side they are copied towards first.
        const int target = dy > 0 ? height - 1 - i : i;
        const int source = target - dy;
        auto* targetRow = reinterpret_cast<QRgb*>(image.scanLine(target));
        const auto* sourceRow = reinterpret_cast<const QRgb*>(image.constScanLine(source));
        std::memmove(targetRow + to, sourceRow + from, bytes);
    }
}

POINT ToPoint(const QPointF& point) {
    return {static_cast<LONG>(std::floor(point.x())), static_cast<LONG>(std::floor(point.y()))};
}

int RoundExtent(double value) {
    return static_cast<int>(std::trunc(value + 0.5));
}

} // namespace

CZumeoView::CZumeoView(CDrawDefaults& settings, QWidget* parent)
    : QWidget(parent), m_settings(settings) {
    // The view paints every pixel from its own image.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

CZumeoView::~CZumeoView() {
    delete m_pMeasureDlg;
    if (m_document)
        m_document->SetViewHook(nullptr);
}

void CZumeoView::SetDocument(CZumeoDoc* document) {
    if (m_document)
        m_document->SetViewHook(nullptr);
    m_pTool.reset();
    m_savedView.reset();
    m_bSavedView = 0;
    m_document = document;
    if (m_document)
        m_document->SetViewHook(this);
    Redraw();
}

void CZumeoView::ShowLoadedDrawing() {
    m_pTool.reset();
    m_toolMode = kToolNone;
    UpdateMeasureDialog();
    RestartSelectionBlink();
    UpdateCursor();
    m_savedView.reset();
    m_bSavedView = 0;
    m_windowExtX = m_windowExtY = kInitialExtent;
    m_panX = m_panY = 0;
    m_dragOffset = {0, 0};
    ZoomFit(m_settings.m_useSheetExtent);
}

// ---- Mapping

bool CZumeoView::HasDrawingArea() const {
    // The centring divides by the area less one pixel.
    return width() - m_settings.m_marginLeft - m_settings.m_marginRight > 1 &&
           height() - m_settings.m_marginTop - m_settings.m_marginBottom > 1;
}

void CZumeoView::PrepareExtents(CDC* dc) const {
    dc->SetMapMode(MM_ISOTROPIC);
    dc->SetWindowExt(m_windowExtX, m_windowExtY);
    dc->SetViewportExt(width() - m_settings.m_marginRight - m_settings.m_marginLeft,
                       m_settings.m_marginTop + m_settings.m_marginBottom - height());
}

bool CZumeoView::PrepareDC(CDC* dc) const {
    if (!HasDrawingArea())
        return false;
    PrepareExtents(dc);
    dc->SetViewportOrg(m_viewportOrgX, m_viewportOrgY);
    return true;
}

POINT CZumeoView::GetCenteringOffset(int extentX, int extentY, int width, int height) {
    if (extentX <= 0 || extentY <= 0 || width <= 0 || height <= 0)
        return {0, 0};
    const double ratio = static_cast<double>(extentX) / extentY;
    if (static_cast<double>(width) / height > ratio)
        return {static_cast<LONG>((width - ratio * height + 1) * 0.5), 0};
    return {0, static_cast<LONG>((height - width / ratio + 1) * 0.5)};
}

void CZumeoView::ComputeOrigin(int innerWidth, int innerHeight, int shift) {
    const POINT offset = GetCenteringOffset(m_windowExtX, m_windowExtY, innerWidth, innerHeight);
    m_viewportOrgX = offset.x + m_settings.m_marginLeft - m_dragOffset.x - m_panX - shift;
    m_viewportOrgY = height() - m_dragOffset.y - m_panY - offset.y - m_settings.m_marginBottom - 1;
}

POINT CZumeoView::ToViewSpace(POINT windowPoint) const {
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    if (PrepareDC(&dc))
        dc.DPtoLP(&windowPoint);
    return windowPoint;
}

POINT CZumeoView::GetClientCentre() const {
    if (!HasDrawingArea())
        return {m_windowExtX / 2, m_windowExtY / 2};
    return ToViewSpace({width() / 2, height() / 2});
}

// ---- Painting

void CZumeoView::DrawContent(CDC* dc, const QRect* strip) {
    const RECT client{0, 0, width(), height()};
    dc->FillSolidRect(&client, m_settings.m_bkColor);
    const int saved = dc->SaveDC();
    ComputeViewOrigin();
    PrepareDC(dc);
    RECT clip;
    if (strip) {
        // Objects whose boxes only just reach the strip still get their pixels in.
        clip = CullRect(dc, *strip);
    } else {
        dc->GetClipBox(&clip);
        clip = NormalizedRect(clip);
    }
    if (m_document)
        DrawDocument(dc, clip);
    dc->RestoreDC(saved);
}

RECT CZumeoView::CullRect(CDC* dc, const QRect& rows) {
    const QRect grown = rows.adjusted(-kStripCullMargin, -kStripCullMargin, kStripCullMargin + 1,
                                      kStripCullMargin + 1);
    RECT clip{grown.left(), grown.top(), grown.right(), grown.bottom()};
    dc->DPtoLP(&clip);
    clip = NormalizedRect(clip);
    return clip;
}

void CZumeoView::ComputeViewOrigin() {
    ComputeOrigin(width() - m_settings.m_marginLeft - m_settings.m_marginRight - 1,
                  height() - m_settings.m_marginTop - m_settings.m_marginBottom - 1, 0);
}

const CDrawDefaults& CZumeoView::EntityPassSettings(std::optional<CDrawDefaults>& hidden) const {
    if (m_highlightPhase != 1)
        return m_settings;
    // The highlight blink's dark phase: the drawing without its redlines.
    hidden.emplace(m_settings);
    hidden->m_showRedlines = 0;
    return *hidden;
}

void CZumeoView::DrawDocument(CDC* dc, const RECT& clip) {
    std::optional<CDrawDefaults> hidden;
    m_document->PaintEntities(dc, clip, EntityPassSettings(hidden));
    DrawSelection(dc, clip);
}

void CZumeoView::DrawSelection(CDC* dc, const RECT& clip) {
    // The blink's dark phase has no selection; the selection blink draws it then.
    if (m_highlightPhase == 1 ||
        (m_toolMode == kToolSelect && m_settings.m_selectMode == kSelectModeBlink))
        return;
    if (m_toolMode == kToolNone && m_document->m_selection.GetCount() == 1)
        m_document->PaintGrips(dc, clip, m_settings);
    else
        m_document->PaintSelection(dc, clip, m_settings);
}

void CZumeoView::OnDraw(CDC* dc) {
    if (!HasDrawingArea()) {
        const RECT client{0, 0, width(), height()};
        dc->FillSolidRect(&client, m_settings.m_bkColor);
        return;
    }
    QImage memory(width(), height(), QImage::Format_RGB32);
    std::optional<bool> patterns;
    if (!memory.isNull())
        patterns = DrawInBands(memory);
    if (!patterns) {
        // Without memory for the off-screen images the paint goes straight on.
        DrawContent(dc);
        return;
    }
    CImageDC memoryDC(memory);
    if (m_document) {
        const int saved = memoryDC.SaveDC();
        PrepareDC(&memoryDC);
        RECT clip;
        memoryDC.GetClipBox(&clip);
        DrawSelection(&memoryDC, NormalizedRect(clip));
        memoryDC.RestoreDC(saved);
    }
    dc->BitBlt(0, 0, width(), height(), &memoryDC, 0, 0, SRCCOPY);
    m_drawnDevicePatterns = *patterns || memoryDC.PaintedDevicePatterns();
}

std::optional<bool> CZumeoView::DrawInBands(QImage& image) {
    ComputeViewOrigin();
    const std::vector<QRect> bands = CBandPainter::Bands(image.width(), image.height());
    // The whole picture's clip, and each band's rows grown by the cull
    // margin within it, in view space.
    RECT whole{};
    std::vector<RECT> clips;
    {
        CImageDC dc(image);
        PrepareDC(&dc);
        dc.GetClipBox(&whole);
        whole = NormalizedRect(whole);
        for (const QRect& band : bands) {
            const RECT near = CullRect(&dc, band);
            RECT clip{};
            IntersectRect(&clip, &whole, &near);
            clips.push_back(clip);
        }
    }
    // The objects are sorted into the bands once, in drawing order.
    CEntityBands sorted(std::move(clips));
    std::optional<CDrawDefaults> hidden;
    const CDrawDefaults& settings = EntityPassSettings(hidden);
    if (m_document)
        sorted.Collect(*m_document, whole, settings, m_document->m_partialLayerPass == 1);
    const std::optional<bool> patterns =
        m_bandPainter.Paint(image, bands, [&](CImageDC& dc, std::size_t index) {
            const QRect& band = bands[index];
            const RECT rows{band.left(), band.top(), band.right() + 1, band.bottom() + 1};
            dc.FillSolidRect(&rows, m_settings.m_bkColor);
            if (!m_document)
                return false;
            const int saved = dc.SaveDC();
            PrepareDC(&dc);
            const CEntityDrawer drawer(m_document, &dc, whole, m_document->m_extent.m_minX,
                                       m_document->m_extent.m_minY, m_document->m_scaleX,
                                       &settings);
            sorted.Draw(index, drawer);
            dc.RestoreDC(saved);
            return dc.PaintedDevicePatterns();
        });
    // A partial pass ends with the paint that made it.
    if (patterns && m_document)
        m_document->m_partialLayerPass = 0;
    return patterns;
}

void CZumeoView::Redraw() {
    m_paintedOrigin.reset();
    m_blinkOther = QImage();
    m_blinkShownKey.reset();
    if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_RGB32);
    if (!m_surface.isNull()) {
        m_drawnDevicePatterns = true;
        CImageDC dc(m_surface);
        OnDraw(&dc);
        if (!m_drawnDevicePatterns && HasDrawingArea() && !DrawsOverImage())
            m_paintedOrigin = POINT{m_viewportOrgX, m_viewportOrgY};
    }
    update();
}

void CZumeoView::RedrawPanned() {
    const std::optional<POINT> painted = std::exchange(m_paintedOrigin, std::nullopt);
    if (!painted || !m_document || DrawsOverImage() || m_surface.size() != size() ||
        !HasDrawingArea()) {
        Redraw();
        return;
    }
    ComputeViewOrigin();
    const int dx = m_viewportOrgX - painted->x;
    const int dy = m_viewportOrgY - painted->y;
    if (std::abs(dx) >= width() || std::abs(dy) >= height()) {
        Redraw();
        return;
    }
    ScrollImage(m_surface, dx, dy);
    const QRegion exposed = QRegion(m_surface.rect()) - m_surface.rect().translated(dx, dy);
    bool patterns = false;
    for (const QRect& strip : exposed) {
        CImageDC dc(m_surface);
        dc.IntersectClipRect(strip.left(), strip.top(), strip.right() + 1, strip.bottom() + 1);
        DrawContent(&dc, &strip);
        patterns = patterns || dc.PaintedDevicePatterns();
    }
    if (!patterns)
        m_paintedOrigin = POINT{m_viewportOrgX, m_viewportOrgY};
    update();
}

bool CZumeoView::DrawsOverImage() const {
    return m_pTool || m_selectionBlink.isActive() || m_highlightBlink.isActive();
}

void CZumeoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void CZumeoView::resizeEvent(QResizeEvent*) {
    Redraw();
}

// ---- Zoom and pan

int CZumeoView::ExtentLimit() const {
    return m_settings.m_bWindowsNT ? kExtentLimitNT : kExtentLimit9x;
}

int CZumeoView::DeviceSpanForRatio(double ratio) const {
    if (ratio <= 1.0)
        return 5000;
    if (ratio <= 2.0)
        return 10000;
    if (ratio <= 4.0)
        return 20000;
    if (!m_settings.m_bWindowsNT)
        return 32767;
    if (ratio <= 10.0)
        return 100000;
    if (ratio <= 100.0)
        return 200000;
    if (ratio <= 300.0)
        return 400000;
    return 800000;
}

void CZumeoView::SaveView() {
    if (!m_document)
        return;
    m_savedView = SavedView{
        m_windowExtX,         m_windowExtY,        m_panX, m_panY, m_document->m_deviceSpanX,
        m_document->m_extent, m_document->m_scaleX};
    m_bSavedView = 1;
}

void CZumeoView::RestoreView() {
    if (!m_document || !m_savedView)
        return;
    m_windowExtX = m_savedView->windowExtX;
    m_windowExtY = m_savedView->windowExtY;
    m_panX = m_savedView->panX;
    m_panY = m_savedView->panY;
    m_document->m_deviceSpanX = m_savedView->deviceSpan;
    m_document->m_extent = m_savedView->extent;
    m_document->ComputeScale();
    m_document->m_scaleX = m_savedView->scaleX;
    m_savedView.reset();
    m_bSavedView = 0;
}

void CZumeoView::ClearSelection() {
    if (m_document)
        m_document->ClearSelection();
}

void CZumeoView::ZoomFit(int fitFlag) {
    if (!m_document)
        return;
    SaveView();
    const BOOL usePaper = m_settings.m_useSheetExtent == 1;
    if (m_document->HasHiddenLayer() || fitFlag != m_settings.m_useSheetExtent)
        m_document->RecomputeVisibleExtent(usePaper);
    else
        m_document->RecomputeExtent(usePaper);
    // Nothing shown: the previous view stays.
    if (m_document->m_extent.IsZero() && !m_document->m_objects.IsEmpty()) {
        RestoreView();
        return;
    }
    m_windowExtX = m_document->GetDeviceWidth();
    m_windowExtY = m_document->GetDeviceHeight();
    m_panX = 0;
    m_panY = 0;
    AdaptDeviceSpan(1);
    Redraw();
}

int CZumeoView::ZoomByFactor(double factor) {
    return ApplyZoom(factor, nullptr);
}

int CZumeoView::ZoomAtPoint(double factor, POINT windowPoint) {
    return ApplyZoom(factor, &windowPoint);
}

int CZumeoView::ApplyZoom(double factor, const POINT* windowPoint) {
    if (!m_document || !HasDrawingArea() || !(factor > 0.0))
        return 0;
    const double span = m_document->m_deviceSpanX;
    if (span / std::max(m_windowExtX, m_windowExtY) / factor > kMaxSpanRatio) {
        Redraw();
        return 0;
    }
    const double scaledX = m_windowExtX * factor + 0.5;
    const double scaledY = m_windowExtY * factor + 0.5;
    if (scaledX > ExtentLimit() || scaledY > ExtentLimit())
        return 0;
    int newX = static_cast<int>(scaledX);
    int newY = static_cast<int>(scaledY);
    if (newX < kMinExtent) {
        newY = RoundExtent(static_cast<double>(m_windowExtY) / m_windowExtX * kMinExtent);
        newX = kMinExtent;
    } else if (newY < kMinExtent) {
        newY = kMinExtent;
        newX = RoundExtent(static_cast<double>(m_windowExtX) / m_windowExtY * kMinExtent);
    }
    m_windowExtX = newX;
    m_windowExtY = newY;

    CDC dc(CDeviceCaps(width(), height()));
    PrepareExtents(&dc);
    POINT centre = m_zoomCentre;
    dc.LPtoDP(&centre);
    const POINT target = windowPoint ? *windowPoint : POINT{width() / 2, height() / 2};
    m_panX += m_viewportOrgX + centre.x - target.x;
    m_panY += m_viewportOrgY + centre.y - target.y;
    ComputeOrigin(width(), height(), 1);

    AdaptDeviceSpan(0);
    Redraw();
    return 0;
}

void CZumeoView::AdaptDeviceSpan(int fromFit) {
    if (!m_document)
        return;
    const int span = m_document->m_deviceSpanX;
    const int newSpan =
        DeviceSpanForRatio(static_cast<double>(span) / std::max(m_windowExtX, m_windowExtY));
    if (newSpan != span) {
        m_document->m_deviceSpanX = newSpan;
        // The extent stays, so that the visible region does not move.
        m_document->ComputeScale();
        if (fromFit == 1) {
            m_windowExtX = m_document->GetDeviceWidth();
            m_windowExtY = m_document->GetDeviceHeight();
        } else {
            const double ratio = static_cast<double>(newSpan) / span;
            m_windowExtX = RoundExtent(m_windowExtX * ratio);
            m_windowExtY = RoundExtent(m_windowExtY * ratio);
        }
    }
    m_zoomCentre = GetClientCentre();
}

bool CZumeoView::CopyToClipboard() {
    if (!m_document)
        return false;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1), logicalDpiX(), logicalDpiY()));
    PrepareDC(&dc);
    return m_document->CopyToClipboard(&dc, m_settings);
}

bool CZumeoView::CopyVisibleToClipboard() {
    if (!m_document)
        return false;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1), logicalDpiX(), logicalDpiY()));
    if (!PrepareDC(&dc))
        return false;
    RECT visible{0, 0, width(), height()};
    dc.DPtoLP(&visible);
    return m_document->CopyAreaToClipboard(&dc, visible, m_settings);
}

void CZumeoView::SetStatusText(int pane, const CString& text) {
    if (m_onStatusText)
        m_onStatusText(pane, text);
}

// ---- Commands

bool CZumeoView::HasDrawing() const {
    return m_document && !m_document->m_objects.IsEmpty();
}

void CZumeoView::DeleteTool() {
    if (!m_pTool)
        return;
    m_pTool.reset();
    Redraw();
}

void CZumeoView::SetToolMode(int mode) {
    DeleteTool();
    ClearSelection();
    m_toolMode = m_toolMode == mode ? kToolNone : mode;
    UpdateMeasureDialog();
    RestartSelectionBlink();
    UpdateCursor();
    setFocus();
}

void CZumeoView::UpdateCursor() {
    setCursor(CViewCursors::Shape(GetCursorId()));
}

void CZumeoView::OnZoomFit() {
    ClearSelection();
    ZoomFit(m_settings.m_useSheetExtent);
    setFocus();
}

void CZumeoView::OnPanTool() {
    SetToolMode(kToolPan);
}

void CZumeoView::OnZoomTool() {
    SetToolMode(kToolDragZoom);
}

void CZumeoView::OnWindowZoomTool() {
    SetToolMode(kToolWindowZoom);
}

void CZumeoView::OnSelectTool() {
    SetToolMode(kToolSelect);
}

void CZumeoView::OnMoveTool() {
    SetToolMode(kToolMove);
}

void CZumeoView::OnPointEditTool() {
    SetToolMode(kToolNone);
    CollectBlinkRect();
}

void CZumeoView::OnMeasureTool() {
    SetToolMode(kToolMeasure);
}

void CZumeoView::OnPreviousView() {
    DeleteTool();
    RestoreView();
    Redraw();
    CollectBlinkRect();
    setFocus();
}

void CZumeoView::OnRedraw() {
    m_pTool.reset();
    Redraw();
}

// ---- Mouse

// ---- Mouse and keys: the window's events reach the message handlers.

UINT CZumeoView::KeyFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    UINT flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

void CZumeoView::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (!m_document || !HasDrawingArea() || delta == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    const double factor = delta < 0 ? kWheelOut : kWheelIn;
    if (m_windowExtX * factor + 0.5 <= ExtentLimit() &&
        m_windowExtY * factor + 0.5 <= ExtentLimit()) {
        const POINT cursor = ToPoint(event->position());
        SaveView();
        m_zoomCentre = ToViewSpace(cursor);
        ZoomAtPoint(factor, cursor);
    }
    event->accept();
}

void CZumeoView::mousePressEvent(QMouseEvent* event) {
    const POINT point = ToPoint(event->position());
    const UINT flags = KeyFlags(event->modifiers(), event->buttons());
    m_contextMenuWanted = false;
    switch (event->button()) {
    case Qt::LeftButton:
        OnLButtonDown(flags, point);
        break;
    case Qt::MiddleButton:
        OnMButtonDown(point);
        break;
    case Qt::RightButton:
        m_contextMenuWanted = OnRButtonDown(flags, point);
        break;
    default:
        break;
    }
}

void CZumeoView::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(KeyFlags(event->modifiers(), event->buttons()), ToPoint(event->position()));
}

void CZumeoView::mouseReleaseEvent(QMouseEvent* event) {
    const POINT point = ToPoint(event->position());
    if (event->button() == Qt::LeftButton)
        OnLButtonUp(KeyFlags(event->modifiers(), event->buttons()), point);
    else if (event->button() == Qt::MiddleButton)
        OnMButtonUp(point);
}

void CZumeoView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        OnLButtonDblClk(KeyFlags(event->modifiers(), event->buttons()), ToPoint(event->position()));
}

void CZumeoView::contextMenuEvent(QContextMenuEvent* event) {
    // A right press decides whether its menu follows; the menu key always shows it.
    if (event->reason() == QContextMenuEvent::Mouse && !m_contextMenuWanted)
        return;
    m_contextMenuWanted = false;
    OnContextMenu({event->globalPos().x(), event->globalPos().y()});
}

void CZumeoView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_selectionBlink.timerId())
        OnSelectionBlink();
    else if (event->timerId() == m_highlightBlink.timerId())
        OnHighlightBlink();
    else
        QWidget::timerEvent(event);
}

bool CZumeoView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const CString text = GetToolTipText();
    if (text.IsEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    // The lines as broken here, shown as they stand: a name is no markup.
    QStringList lines = WrapToolTipText(text.ToQString(), QToolTip::font(), kToolTipMaxWidth);
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    QToolTip::showText(help->globalPos(),
                       QStringLiteral("<p style='white-space:pre'>") +
                           lines.join(QStringLiteral("<br>")) + QStringLiteral("</p>"),
                       this, QRect(help->pos() - QPoint(5, 5), QSize(10, 10)), kToolTipAutoPop);
    return true;
}

QStringList CZumeoView::WrapToolTipText(const QString& text, const QFont& font, int maxWidth) {
    QStringList lines;
    static const QRegularExpression breaks(QStringLiteral("\\r\\n|\\n|\\r"));
    for (const QString& paragraph : text.split(breaks)) {
        if (paragraph.isEmpty()) {
            lines << QString();
            continue;
        }
        QTextLayout layout(paragraph, font);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(maxWidth);
            lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines;
}

void CZumeoView::FinishPan(POINT windowPoint) {
    SaveView();
    m_panX += m_dragStart.x - windowPoint.x;
    m_panY += m_dragStart.y - windowPoint.y;
    m_dragOffset = {0, 0};
    RedrawPanned();
    UpdateCursor();
}

void CZumeoView::FinishWindowZoom(POINT viewPoint) {
    m_pTool->SetCorner2(viewPoint.x, viewPoint.y);
    // A frame dragged right to left or top to bottom has the same size.
    const double frameWidth = std::abs(static_cast<double>(viewPoint.x) - m_pTool->m_x1);
    const double frameHeight = std::abs(static_cast<double>(viewPoint.y) - m_pTool->m_y1);
    if (frameWidth == 0.0 || frameHeight == 0.0)
        return;
    SaveView();
    const POINT topLeft = ToViewSpace({0, 0});
    const POINT bottomRight = ToViewSpace({width(), height()});
    const double clientWidth = std::abs(static_cast<double>(bottomRight.x) - topLeft.x);
    const double clientHeight = std::abs(static_cast<double>(bottomRight.y) - topLeft.y);
    if (clientWidth == 0.0 || clientHeight == 0.0)
        return;
    const double factor = frameWidth / frameHeight > clientWidth / clientHeight
                              ? frameWidth / clientWidth
                              : frameHeight / clientHeight;
    m_zoomCentre = {static_cast<LONG>((std::int64_t{m_pTool->m_x1} + viewPoint.x) / 2),
                    static_cast<LONG>((std::int64_t{m_pTool->m_y1} + viewPoint.y) / 2)};
    m_pTool.reset();
    ZoomByFactor(factor);
}
