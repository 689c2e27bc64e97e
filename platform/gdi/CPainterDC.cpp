#include "platform/gdi/CPainterDC.h"

#include "platform/gdi/CBrushConverter.h"
#include "platform/gdi/CPenConverter.h"
#include "platform/gdi/CRasterOps.h"
#include "platform/gdi/CTextLayout.h"

#include <QPagedPaintDevice>
#include <QPaintEngine>

#include <algorithm>

IMPLEMENT_DYNAMIC(CPainterDC, CDC)

namespace {

// How strongly a mask's paint covers what lies below on a device without
// raster operations.
constexpr double kMaskOpacity = 0.5;

} // namespace

CPainterDC::CPainterDC(QPaintDevice& device, const CDeviceCaps& caps)
    : CDC(caps), m_device(device) {
    if (device.devType() == QInternal::Image)
        m_image = static_cast<QImage*>(&device);
    if (m_painter.begin(&device)) {
        m_painter.setRenderHint(QPainter::Antialiasing, false);
        // Paged engines (PDF, printers) claim raster operations they write
        // as plain copies.
        const bool paged = dynamic_cast<QPagedPaintDevice*>(&device) != nullptr;
        m_rasterOps = !paged && m_painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
        // On paper the pixel rule would set dots a printer pixel apart, which
        // previews and PDF viewers scale away: thin lines go out as lines.
        m_vectorLines = paged;
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

std::optional<QPainter::CompositionMode>
CPainterDC::ModeOnDevice(QPainter::CompositionMode mode) const {
    if (m_rasterOps || mode == QPainter::CompositionMode_SourceOver ||
        mode == QPainter::CompositionMode_Source)
        return mode;
    switch (mode) {
    // A mask lets what lies below show through: half the paint's strength.
    case QPainter::RasterOp_SourceAndDestination:
        return QPainter::CompositionMode_SourceOver;
    // Inverting feedback only means something on pixels it can invert
    // again; a printed page would keep it.
    case QPainter::RasterOp_SourceXorDestination:
    case QPainter::RasterOp_NotSourceXorDestination:
    case QPainter::RasterOp_NotDestination:
        return std::nullopt;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
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
    const std::optional<QPainter::CompositionMode> applied = ModeOnDevice(mode);
    if (!applied)
        return false;
    m_painter.setCompositionMode(*applied);
    m_painter.setOpacity(
        !m_rasterOps && mode == QPainter::RasterOp_SourceAndDestination ? kMaskOpacity : 1.0);
    m_painter.setBackgroundMode(State().bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
    m_painter.setBackground(CBrushConverter::ToQColor(State().bkColor));
    return true;
}

template <typename Figures>
void CPainterDC::StrokeThin(QPainter::CompositionMode mode, const QPen& pen, Figures figures) {
    // Qt's thin lines leave out the pixel at the larger coordinate whichever
    // way they run; GDI's leave out their end point.
    std::optional<CPenConverter::Dashes> dashes;
    if (pen.style() == Qt::CustomDashLine)
        dashes = CPenConverter::Dashes{pen.dashPattern(), pen.dashOffset()};
    QRect bounds(0, 0, Device().Width(), Device().Height());
    const std::optional<CLineRasterizer::ScanLines> target = ScanLineTarget(pen, &bounds);
    if (!target && !Prepare(mode))
        return;
    CLineRasterizer pixels(bounds, dashes, target);
    figures(pixels);
    if (target)
        return;
    m_painter.setPen(QPen(pen.brush(), 0));
    m_painter.drawPoints(pixels.DashPixels());
    if (State().bkMode == OPAQUE && !pixels.GapPixels().isEmpty()) {
        m_painter.setPen(QPen(CBrushConverter::ToQColor(State().bkColor), 0));
        m_painter.drawPoints(pixels.GapPixels());
    }
}

const QPen& CPainterDC::StrokePen() {
    const double scale = State().mapping.ScaleX();
    if (!m_penValid || m_penScale != scale || !(m_penKey == State().pen)) {
        m_pen = CPenConverter::ToQPen(State().pen, scale);
        m_penKey = State().pen;
        m_penScale = scale;
        m_penValid = true;
    }
    return m_pen;
}

void CPainterDC::OnPaintPath(const QPainterPath& path, bool fill, bool stroke) {
    const std::optional<QPainter::CompositionMode> mode = CRasterOps::ForRop2(State().rop2);
    if (!mode || !Prepare(*mode))
        return;
    if (fill) {
        const QBrush brush = CBrushConverter::ToQBrush(State().brush);
        NotePattern(brush);
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(brush);
        m_painter.drawPath(path);
    }
    const QPen& pen = StrokePen();
    if (!stroke || pen.style() == Qt::NoPen)
        return;
    if (pen.width() == 0 && !m_vectorLines) {
        StrokeThin(*mode, pen, [&path](CLineRasterizer& pixels) {
            for (const QPolygonF& figure : path.toSubpathPolygons()) {
                pixels.StartFigure();
                for (qsizetype i = 0; i + 1 < figure.size(); ++i)
                    pixels.AddSegment(figure[i].toPoint(), figure[i + 1].toPoint());
            }
        });
        return;
    }
    NotePattern(pen.brush());
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPath(path);
}

void CPainterDC::NotePattern(const QBrush& brush) {
    if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush)
        m_devicePatterns = true;
}

void CPainterDC::OnPaintPolyline(const POINT* points, int count) {
    const QPen& pen = StrokePen();
    if (pen.style() != Qt::NoPen && (pen.width() != 0 || m_vectorLines)) {
        CDC::OnPaintPolyline(points, count);
        return;
    }
    const std::optional<QPainter::CompositionMode> mode = CRasterOps::ForRop2(State().rop2);
    if (!mode || !m_painter.isActive() || pen.style() == Qt::NoPen)
        return;
    StrokeThin(*mode, pen, [points, count](CLineRasterizer& pixels) {
        pixels.StartFigure();
        for (int i = 0; i + 1 < count; ++i)
            pixels.AddSegment(QPoint(points[i].x, points[i].y),
                              QPoint(points[i + 1].x, points[i + 1].y));
    });
}

bool CPainterDC::IgnoresEmptySegments(bool closed) {
    // Thin lines set no pixel for a segment without length; wider pens
    // and brushes are left to the painter.
    const QPen& pen = StrokePen();
    const bool hollow = !closed || State().brush.lbStyle == BS_NULL;
    return hollow && (pen.style() == Qt::NoPen || pen.width() == 0);
}

bool CPainterDC::DropsEmptyThinSegments() const {
    // Vector output strokes thin lines with the painter instead.
    return !m_vectorLines;
}

void CPainterDC::OnPaintFigures(const CGdiPath& figures, bool fill, bool stroke) {
    // Hollow figures of straight edges in a thin pen need no painter path:
    // their edges go to the rasterizer as the path's polygons would.
    const QPen& pen = StrokePen();
    const std::vector<BYTE>& types = figures.Types();
    const bool hollow = !fill || State().brush.lbStyle == BS_NULL;
    if (m_vectorLines || !hollow || !stroke || pen.style() == Qt::NoPen || pen.width() != 0 ||
        std::any_of(types.begin(), types.end(),
                    [](BYTE type) { return (type & ~PT_CLOSEFIGURE) == PT_BEZIERTO; })) {
        CDC::OnPaintFigures(figures, fill, stroke);
        return;
    }
    const std::optional<QPainter::CompositionMode> mode = CRasterOps::ForRop2(State().rop2);
    if (!mode || !m_painter.isActive())
        return;
    const std::vector<POINT>& points = figures.Points();
    StrokeThin(*mode, pen, [&points, &types](CLineRasterizer& pixels) {
        QPoint start(0, 0);
        QPoint current(0, 0);
        bool closed = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const QPoint point(points[i].x, points[i].y);
            if ((types[i] & ~PT_CLOSEFIGURE) == PT_MOVETO) {
                pixels.StartFigure();
                start = current = point;
                closed = false;
            } else {
                // A line after a closed figure starts the next one there.
                if (closed)
                    pixels.StartFigure();
                closed = false;
                pixels.AddSegment(current, point);
                current = point;
            }
            if (types[i] & PT_CLOSEFIGURE) {
                pixels.AddSegment(current, start);
                current = start;
                closed = true;
            }
        }
    });
}

std::optional<CLineRasterizer::ScanLines> CPainterDC::ScanLineTarget(const QPen& pen,
                                                                     QRect* bounds) {
    // A shared image would be detached from the painter by writing into it.
    if (!m_image || !m_image->isDetached() || State().rop2 != R2_COPYPEN ||
        pen.brush().style() != Qt::SolidPattern || pen.color().alpha() != 255)
        return std::nullopt;
    const QImage::Format format = m_image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return std::nullopt;
    if (State().clip) {
        if (State().clip->rectCount() > 1)
            return std::nullopt;
        *bounds &= State().clip->boundingRect();
    }
    *bounds &= m_image->rect();
    CLineRasterizer::ScanLines target;
    target.bits = m_image->bits();
    target.bytesPerLine = m_image->bytesPerLine();
    target.dash = pen.color().rgba();
    if (State().bkMode == OPAQUE)
        target.gap = CBrushConverter::ToQColor(State().bkColor).rgba();
    return target;
}

void CPainterDC::OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                            QPainter::CompositionMode mode) {
    if (!Prepare(mode))
        return;
    const QBrush qbrush = CBrushConverter::ToQBrush(brush);
    NotePattern(qbrush);
    m_painter.fillRect(rect, qbrush);
}

BOOL CPainterDC::OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
                       bool smooth) {
    if (!Prepare(mode))
        return FALSE;
    m_devicePatterns = true;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    m_painter.drawImage(target, source);
    return TRUE;
}

BOOL CPainterDC::OnBltTurned(const QTransform& placement, const QImage& source,
                             QPainter::CompositionMode mode, bool smooth) {
    if (!Prepare(mode))
        return FALSE;
    m_devicePatterns = true;
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    m_painter.setTransform(placement);
    m_painter.drawImage(QPointF(0, 0), source);
    m_painter.resetTransform();
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
