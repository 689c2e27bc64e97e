#include "platform/gdi/CPainterDC.h"

#include "platform/gdi/CBrushConverter.h"
#include "platform/gdi/CLineRasterizer.h"
#include "platform/gdi/CPenConverter.h"
#include "platform/gdi/CRasterOps.h"
#include "platform/gdi/CTextLayout.h"

#include <QPaintEngine>

IMPLEMENT_DYNAMIC(CPainterDC, CDC)

CPainterDC::CPainterDC(QPaintDevice& device, const CDeviceCaps& caps)
    : CDC(caps), m_device(device) {
    if (m_painter.begin(&device)) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        m_rasterOps = m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    }
}

CPainterDC::~CPainterDC() {
    if (m_painter.isActive())
        m_painter.end();
}

bool CPainterDC::IsOnDevice(const QPoint& point) const {
    return point.x() >= 0 && point.y() >= 0 && point.x() < Device().Width() &&
           point.y() < Device().Height();
}

bool CPainterDC::Prepare(QPainter::CompositionMode mode) {
    if (!m_painter.isActive())
        return false;
    if (!m_clipApplied || m_appliedClip != ClipRevision()) {
        if (State().clip)
            m_painter.setClipRegion(*State().clip);
        else
            m_painter.setClipping(false);
        m_appliedClip = ClipRevision();
        m_clipApplied = true;
    }
    const bool plain =
        mode == QPainter::CompositionMode_SourceOver || mode == QPainter::CompositionMode_Source;
    m_painter.setCompositionMode(plain || m_rasterOps ? mode
                                                      : QPainter::CompositionMode_SourceOver);
    m_painter.setBackgroundMode(State().bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(CBrushConverter::ToQColor(State().bkColor));
    return true;
}

void CPainterDC::OnPaintPath(const QPainterPath& path, bool fill, bool stroke) {
    const std::optional<QPainter::CompositionMode> mode = CRasterOps::ForRop2(State().rop2);
    if (!mode || !Prepare(*mode))
        return;
    if (fill) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(CBrushConverter::ToQBrush(State().brush));
        m_painter.drawPath(path);
    }
    const QPen pen = CPenConverter::ToQPen(State().pen, State().mapping.ScaleX());
    if (!stroke || pen.style() == Qt::NoPen)
        return;
    if (pen.width() == 0) {
        StrokeThin(path, pen);
        return;
    }
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void CPainterDC::StrokeThin(const QPainterPath& path, const QPen& pen) {
    // Qt's thin lines leave out the pixel at the larger coordinate whichever
    // way they run; GDI's leave out their end point.
    std::optional<CPenConverter::Dashes> dashes;
    if (pen.style() == Qt::CustomDashLine)
        dashes = CPenConverter::Dashes{pen.dashPattern(), pen.dashOffset()};
    CLineRasterizer pixels(QRect(0, 0, Device().Width(), Device().Height()), dashes);
    for (const QPolygonF& figure : path.toSubpathPolygons()) {
        pixels.StartFigure();
        for (qsizetype i = 0; i + 1 < figure.size(); ++i)
            pixels.AddSegment(figure[i].toPoint(), figure[i + 1].toPoint());
    }
    m_painter.setPen(QPen(pen.brush(), 0));
    m_painter.drawPoints(pixels.DashPixels());
    if (State().bkMode == OPAQUE && !pixels.GapPixels().isEmpty()) {
        m_painter.setPen(QPen(CBrushConverter::ToQColor(State().bkColor), 0));
        m_painter.drawPoints(pixels.GapPixels());
    }
}

void CPainterDC::OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                            QPainter::CompositionMode mode) {
    if (Prepare(mode))
        m_painter.fillRect(rect, CBrushConverter::ToQBrush(brush));
}

BOOL CPainterDC::OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
                       bool smooth) {
    if (!Prepare(mode))
        return FALSE;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    m_painter.drawImage(target, source);
    return TRUE;
}

COLORREF CPainterDC::OnSetPixel(const QPoint& point, COLORREF color) {
    if (!IsOnDevice(point) || !IsInsideClip(point) || !Prepare(QPainter::CompositionMode_Source))
        return CLR_INVALID;
    m_painter.setPen(QPen(CBrushConverter::ToQColor(color), 0));
    m_painter.drawPoint(point);
    return color;
}

void CPainterDC::OnText(const CTextLayout& layout) {
    if (!Prepare(QPainter::CompositionMode_SourceOver))
        return;
    if (State().bkMode == OPAQUE) {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(CBrushConverter::ToQColor(State().bkColor));
        m_painter.drawPolygon(layout.Cell());
    }
    m_painter.setFont(layout.Font());
    m_painter.setPen(CBrushConverter::ToQColor(State().textColor));
    for (const CTextLayout::Glyph& glyph : layout.Glyphs()) {
        m_painter.setTransform(glyph.transform);
        m_painter.drawText(QPointF(0, 0), glyph.text);
    }
    m_painter.resetTransform();
}
