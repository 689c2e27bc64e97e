#include "platform/gdi/CDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDibImage.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CPenConverter.h"
#include "platform/gdi/CRasterOps.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "platform/gdi/CTextLayout.h"
#include "platform/gdi/CTextMetrics.h"
#include "platform/mfc/Cp932.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

LONG SaturatedSum(LONG a, LONG b) {
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<LONG>(std::clamp<std::int64_t>(sum, std::numeric_limits<LONG>::min(),
                                                      std::numeric_limits<LONG>::max()));
}

XFORM FromQt(const QTransform& transform) {
    return XFORM{static_cast<float>(transform.m11()), static_cast<float>(transform.m12()),
                 static_cast<float>(transform.m21()), static_cast<float>(transform.m22()),
                 static_cast<float>(transform.dx()),  static_cast<float>(transform.dy())};
}

QRect NormalizedRect(POINT a, POINT b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    const int right = std::max(a.x, b.x);
    const int bottom = std::max(a.y, b.y);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

CDC::CDC(const CDeviceCaps& device) : m_device(device), m_state(device) {
    SelectDefaultObjects();
}

CDC::~CDC() = default;

void CDC::SelectDefaultObjects() {
    SelectPen(static_cast<CPen*>(CStockObjects::Get(BLACK_PEN)));
    SelectBrush(static_cast<CBrush*>(CStockObjects::Get(WHITE_BRUSH)));
    SelectFont(static_cast<CFont*>(CStockObjects::Get(SYSTEM_FONT)));
}

void CDC::Restart(const CDeviceCaps& device) {
    m_device = device;
    m_state = CDCState(device);
    m_saved.clear();
    ClearPath();
    ++m_clipRevision;
    SelectDefaultObjects();
}

// ---- Mapping

int CDC::SetMapMode(int mapMode) {
    return m_state.mapping.SetMapMode(mapMode);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint previous = m_state.mapping.WindowOrg();
    m_state.mapping.SetWindowOrg(POINT{x, y});
    return previous;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    const CSize previous = m_state.mapping.WindowExt();
    return m_state.mapping.SetWindowExt(SIZE{cx, cy}) ? previous : CSize();
}

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint previous = m_state.mapping.ViewportOrg();
    m_state.mapping.SetViewportOrg(POINT{x, y});
    return previous;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    const CSize previous = m_state.mapping.ViewportExt();
    return m_state.mapping.SetViewportExt(SIZE{cx, cy}) ? previous : CSize();
}

void CDC::LPtoDP(POINT* points, int count) const {
    const CMapping& mapping = AttributeDC().m_state.mapping;
    for (int i = 0; points && i < count; ++i)
        points[i] = mapping.ToDevice(points[i]);
}

void CDC::LPtoDP(RECT* rect) const {
    if (!rect)
        return;
    const CMapping& mapping = AttributeDC().m_state.mapping;
    const POINT topLeft = mapping.ToDevice(POINT{rect->left, rect->top});
    const POINT bottomRight = mapping.ToDevice(POINT{rect->right, rect->bottom});
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CDC::LPtoDP(SIZE* size) const {
    if (size)
        *size = AttributeDC().m_state.mapping.SizeToDevice(*size);
}

void CDC::DPtoLP(POINT* points, int count) const {
    const CMapping& mapping = AttributeDC().m_state.mapping;
    for (int i = 0; points && i < count; ++i)
        points[i] = mapping.ToLogical(points[i]);
}

void CDC::DPtoLP(RECT* rect) const {
    if (!rect)
        return;
    const CMapping& mapping = AttributeDC().m_state.mapping;
    const POINT topLeft = mapping.ToLogical(POINT{rect->left, rect->top});
    const POINT bottomRight = mapping.ToLogical(POINT{rect->right, rect->bottom});
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CDC::DPtoLP(SIZE* size) const {
    if (size)
        *size = AttributeDC().m_state.mapping.SizeToLogical(*size);
}

int CDC::SetGraphicsMode(int mode) {
    if (mode != GM_COMPATIBLE && mode != GM_ADVANCED)
        return 0;
    if (mode == GM_COMPATIBLE && !m_state.mapping.SetWorld(XFORM{}))
        return 0;
    return std::exchange(m_state.graphicsMode, mode);
}

BOOL CDC::SetWorldTransform(const XFORM* xform) {
    if (!xform || m_state.graphicsMode != GM_ADVANCED)
        return FALSE;
    return m_state.mapping.SetWorld(*xform) ? TRUE : FALSE;
}

BOOL CDC::ModifyWorldTransform(const XFORM* xform, DWORD mode) {
    if (m_state.graphicsMode != GM_ADVANCED || (mode != MWT_IDENTITY && !xform))
        return FALSE;
    const QTransform current = m_state.mapping.WorldTransform();
    QTransform combined;
    switch (mode) {
    case MWT_IDENTITY:
        break;
    case MWT_LEFTMULTIPLY:
        combined = CMapping::ToQt(*xform) * current;
        break;
    case MWT_RIGHTMULTIPLY:
        combined = current * CMapping::ToQt(*xform);
        break;
    case MWT_SET:
        combined = CMapping::ToQt(*xform);
        break;
    default:
        return FALSE;
    }
    return m_state.mapping.SetWorld(FromQt(combined)) ? TRUE : FALSE;
}

BOOL CDC::GetWorldTransform(XFORM* xform) const {
    if (!xform)
        return FALSE;
    *xform = m_state.mapping.World();
    return TRUE;
}

int CDC::GetDeviceCaps(int index) const {
    return AttributeDC().m_device.Get(index);
}

std::vector<POINT> CDC::ToDevice(const POINT* points, int count) const {
    std::vector<POINT> device(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        device[static_cast<std::size_t>(i)] = m_state.mapping.ToDevice(points[i]);
    return device;
}

QRect CDC::DeviceRect(int left, int top, int right, int bottom) const {
    return NormalizedRect(ToDevice(left, top), ToDevice(right, bottom));
}

QRegion CDC::DeviceArea(int left, int top, int right, int bottom) const {
    if (!m_state.mapping.WorldTurns())
        return QRegion(DeviceRect(left, top, right, bottom));
    const POINT corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    QPolygon turned;
    for (const POINT& corner : ToDevice(corners, 4))
        turned << QPoint(corner.x, corner.y);
    // Only the part within the clip can matter: a region is one rectangle per
    // scan line, so a turned box far beyond the device would cost one per
    // line of its whole height. Every caller combines the area with the clip.
    const QRect bound = CurrentClip().boundingRect();
    if (bound.contains(turned.boundingRect()))
        return QRegion(turned);
    if (bound.isEmpty())
        return QRegion();
    const QPolygonF inside = QPolygonF(turned).intersected(QPolygonF(QRectF(bound)));
    return QRegion(inside.toPolygon());
}

void CDC::FillArea(int left, int top, int right, int bottom, const LOGBRUSH& brush,
                   QPainter::CompositionMode mode) {
    if (!m_state.mapping.WorldTurns()) {
        const QRect box = DeviceRect(left, top, right, bottom);
        if (!box.isEmpty())
            OnFillRect(box, brush, mode);
        return;
    }
    // A turned box: its bounding box filled through a clip to the box itself.
    const QRegion area = DeviceArea(left, top, right, bottom);
    if (area.isEmpty())
        return;
    const std::optional<QRegion> clip = m_state.clip;
    m_state.clip = CurrentClip() & area;
    ++m_clipRevision;
    OnFillRect(area.boundingRect(), brush, mode);
    m_state.clip = clip;
    ++m_clipRevision;
}

// ---- Objects

CPen* CDC::SelectPen(CPen* pen) {
    ExtLogPen description;
    if (!pen || !pen->GetExtLogPen(&description))
        return nullptr;
    CPen* previous = m_state.penObject;
    m_state.pen = description;
    m_state.penObject = pen;
    return previous;
}

CBrush* CDC::SelectBrush(CBrush* brush) {
    LOGBRUSH description;
    if (!brush || !brush->GetLogBrush(&description))
        return nullptr;
    CBrush* previous = m_state.brushObject;
    m_state.brush = description;
    m_state.brushObject = brush;
    return previous;
}

CFont* CDC::SelectFont(CFont* font) {
    if (!font || !font->GetSafeHandle())
        return nullptr;
    CFont* previous = m_state.fontObject;
    m_state.font = font->GetQFont();
    m_state.fontHeight = font->GetHeight();
    m_state.fontEscapement = font->GetEscapement();
    m_state.fontVertical = font->IsVertical();
    m_state.fontObject = font;
    return previous;
}

CPen* CDC::SelectObject(CPen* pen) {
    return SelectPen(pen);
}

CBrush* CDC::SelectObject(CBrush* brush) {
    return SelectBrush(brush);
}

CFont* CDC::SelectObject(CFont* font) {
    return SelectFont(font);
}

CGdiObject* CDC::SelectObject(CGdiObject* object) {
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectObject(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectObject(brush);
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectObject(font);
    return nullptr;
}

CGdiObject* CDC::SelectStockObject(int index) {
    CGdiObject* object = CStockObjects::Get(index);
    if (auto* pen = dynamic_cast<CPen*>(object))
        return SelectPen(pen);
    if (auto* brush = dynamic_cast<CBrush*>(object))
        return SelectBrush(brush);
    if (auto* font = dynamic_cast<CFont*>(object))
        return SelectFont(font);
    return nullptr;
}

// ---- Modes

int CDC::SetROP2(int rop2) {
    if (rop2 < R2_BLACK || rop2 > R2_WHITE)
        return 0;
    return std::exchange(m_state.rop2, rop2);
}

int CDC::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return std::exchange(m_state.bkMode, mode);
}

COLORREF CDC::SetBkColor(COLORREF color) {
    return std::exchange(m_state.bkColor, color);
}

COLORREF CDC::SetTextColor(COLORREF color) {
    return std::exchange(m_state.textColor, color);
}

int CDC::SetPolyFillMode(int mode) {
    if (mode != ALTERNATE && mode != WINDING)
        return 0;
    return std::exchange(m_state.polyFillMode, mode);
}

UINT CDC::SetTextAlign(UINT flags) {
    return std::exchange(m_state.textAlign, flags);
}

int CDC::SetTextCharacterExtra(int extra) {
    return std::exchange(m_state.charExtra, extra);
}

int CDC::SetStretchBltMode(int mode) {
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return std::exchange(m_state.stretchMode, mode);
}

Qt::FillRule CDC::FillRule() const {
    return m_state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
}

// ---- Lines and shapes

void CDC::Output(const CGdiPath& figures, bool fill, bool stroke) {
    if (m_pathState == PathState::Open)
        m_path.Append(figures);
    else
        OnPaintFigures(figures, fill, stroke);
}

void CDC::OnPaintFigures(const CGdiPath& figures, bool fill, bool stroke) {
    OnPaintPath(figures.ToPainterPath(FillRule()), fill, stroke);
}

CPoint CDC::MoveTo(int x, int y) {
    const CPoint previous = m_state.position;
    m_state.position = POINT{x, y};
    if (m_pathState == PathState::Open)
        m_path.MoveTo(ToDevice(x, y));
    return previous;
}

BOOL CDC::LineTo(int x, int y) {
    const POINT from = ToDevice(m_state.position.x, m_state.position.y);
    const POINT to = ToDevice(x, y);
    m_state.position = POINT{x, y};
    if (m_pathState == PathState::Open) {
        m_path.LineTo(to);
        return TRUE;
    }
    const POINT line[2] = {from, to};
    OnPaintPolyline(line, 2);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count) {
    if (!points || count < 2)
        return FALSE;
    const std::vector<POINT> device = ToDevice(points, count);
    if (m_pathState == PathState::Open) {
        CGdiPath chain;
        chain.AddPolyline(device.data(), count);
        m_path.Append(chain);
    } else {
        OnPaintPolyline(device.data(), count);
    }
    return TRUE;
}

bool CDC::DropsRepeatedPixels(bool closed) {
    return m_pathState != PathState::Open && IgnoresEmptySegments(closed);
}

bool CDC::SetsNoPixelWithin(POINT corner, POINT opposite, bool closed) {
    const POINT a = ToDevice(corner.x, corner.y);
    const POINT b = ToDevice(opposite.x, opposite.y);
    return a.x == b.x && a.y == b.y && DropsRepeatedPixels(closed);
}

bool CDC::SetsNoThinPixelWithin(POINT corner, POINT opposite, int penWidth) {
    if (penWidth < 0 || m_pathState == PathState::Open || !KeepsAxisOrder() ||
        !CPenConverter::StrokesOnePixel(static_cast<DWORD>(penWidth), m_state.mapping.ScaleX()))
        return false;
    const POINT a = ToDevice(corner.x, corner.y);
    const POINT b = ToDevice(opposite.x, opposite.y);
    return a.x == b.x && a.y == b.y && DropsEmptyThinSegments();
}

bool CDC::IgnoresEmptySegments(bool) {
    return false;
}

bool CDC::DropsEmptyThinSegments() const {
    return false;
}

void CDC::OnPaintPolyline(const POINT* points, int count) {
    CGdiPath chain;
    chain.AddPolyline(points, count);
    OnPaintPath(chain.ToPainterPath(FillRule()), false, true);
}

BOOL CDC::Polygon(const POINT* points, int count) {
    return PolygonsImpl(points, &count, 1);
}

BOOL CDC::PolyPolygon(const POINT* points, const int* counts, int polygons) {
    return PolygonsImpl(points, counts, polygons);
}

BOOL CDC::PolygonsImpl(const POINT* points, const int* counts, int polygons) {
    if (!points || !counts || polygons < 1 ||
        std::any_of(counts, counts + polygons, [](int count) { return count < 2; }))
        return FALSE;
    CGdiPath figures;
    const POINT* next = points;
    for (int i = 0; i < polygons; ++i) {
        figures.AddPolygon(ToDevice(next, counts[i]).data(), counts[i]);
        next += counts[i];
    }
    Output(figures, true, true);
    return TRUE;
}

BOOL CDC::PolyBezier(const POINT* points, int count) {
    if (!points || count < 4 || (count - 1) % 3 != 0)
        return FALSE;
    CGdiPath curve;
    curve.AddBeziers(ToDevice(points, count).data(), count);
    Output(curve, false, true);
    return TRUE;
}

std::vector<POINT> CDC::ChainFromCurrent(const POINT* points, int count) {
    std::vector<POINT> chain{ToDevice(m_state.position.x, m_state.position.y)};
    const std::vector<POINT> rest = ToDevice(points, count);
    chain.insert(chain.end(), rest.begin(), rest.end());
    m_state.position = points[count - 1];
    return chain;
}

BOOL CDC::PolylineTo(const POINT* points, int count) {
    if (!points || count < 1)
        return FALSE;
    const std::vector<POINT> chain = ChainFromCurrent(points, count);
    if (m_pathState == PathState::Open) {
        for (std::size_t i = 1; i < chain.size(); ++i)
            m_path.LineTo(chain[i]);
        return TRUE;
    }
    OnPaintPolyline(chain.data(), static_cast<int>(chain.size()));
    return TRUE;
}

BOOL CDC::PolyBezierTo(const POINT* points, int count) {
    if (!points || count < 3 || count % 3 != 0)
        return FALSE;
    const std::vector<POINT> chain = ChainFromCurrent(points, count);
    if (m_pathState == PathState::Open) {
        m_path.BezierTo(chain.data() + 1, count);
        return TRUE;
    }
    CGdiPath curve;
    curve.AddBeziers(chain.data(), static_cast<int>(chain.size()));
    OnPaintFigures(curve, false, true);
    return TRUE;
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom) {
    if (m_state.mapping.WorldTurns()) {
        // A turned box is the polygon of its corners.
        const POINT corners[4] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
        CGdiPath frame;
        frame.AddPolygon(ToDevice(corners, 4).data(), 4);
        Output(frame, true, true);
        return TRUE;
    }
    const QRect box = DeviceRect(left, top, right, bottom);
    if (box.isEmpty())
        return TRUE;
    // The outline runs on the inner side of the right and bottom edges.
    const POINT corners[4] = {{box.left(), box.top()},
                              {box.right(), box.top()},
                              {box.right(), box.bottom()},
                              {box.left(), box.bottom()}};
    CGdiPath frame;
    frame.AddPolygon(corners, 4);
    Output(frame, true, true);
    return TRUE;
}

BOOL CDC::Rectangle(const RECT* rect) {
    return rect ? Rectangle(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom) {
    if (m_state.mapping.WorldTurns()) {
        QPainterPath outline;
        outline.addEllipse(QRectF(left, top, static_cast<double>(right) - left,
                                  static_cast<double>(bottom) - top));
        CGdiPath figure;
        figure.AddClosedOutline(m_state.mapping.ToDeviceTransform().map(outline));
        Output(figure, true, true);
        return TRUE;
    }
    const QRect box = DeviceRect(left, top, right, bottom);
    if (box.isEmpty())
        return TRUE;
    QPainterPath outline;
    outline.addEllipse(QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1));
    CGdiPath figure;
    figure.AddClosedOutline(outline);
    Output(figure, true, true);
    return TRUE;
}

BOOL CDC::Ellipse(const RECT* rect) {
    return rect ? Ellipse(rect->left, rect->top, rect->right, rect->bottom) : FALSE;
}

// ---- Pixels and fills

COLORREF CDC::SetPixel(int x, int y, COLORREF color) {
    const POINT point = ToDevice(x, y);
    return OnSetPixel(QPoint(point.x, point.y), color);
}

COLORREF CDC::GetPixel(int x, int y) const {
    const POINT point = ToDevice(x, y);
    return OnGetPixel(QPoint(point.x, point.y));
}

void CDC::FillRect(const RECT* rect, CBrush* brush) {
    LOGBRUSH description;
    if (!rect || !brush || !brush->GetLogBrush(&description))
        return;
    FillArea(rect->left, rect->top, rect->right, rect->bottom, description,
             QPainter::CompositionMode_SourceOver);
}

void CDC::FillSolidRect(const RECT* rect, COLORREF color) {
    if (!rect)
        return;
    m_state.bkColor = color;
    FillArea(rect->left, rect->top, rect->right, rect->bottom, LOGBRUSH{BS_SOLID, color, 0},
             QPainter::CompositionMode_Source);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
    const RECT rect{x, y, SaturatedSum(x, cx), SaturatedSum(y, cy)};
    FillSolidRect(&rect, color);
}

// ---- Block transfers

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    return PatBltImpl(x, y, width, height, rop);
}

BOOL CDC::PatBltImpl(int x, int y, int width, int height, DWORD rop) {
    const std::optional<CRasterOps::Rop3> operation = CRasterOps::ForRop3(rop);
    if (!operation || operation->operand == CRasterOps::Operand::Source)
        return FALSE;
    LOGBRUSH brush = m_state.brush;
    if (operation->operand == CRasterOps::Operand::Black)
        brush = LOGBRUSH{BS_SOLID, RGB(0, 0, 0), 0};
    else if (operation->operand == CRasterOps::Operand::White)
        brush = LOGBRUSH{BS_SOLID, RGB(255, 255, 255), 0};
    else if (operation->operand == CRasterOps::Operand::Destination)
        brush = LOGBRUSH{BS_SOLID, RGB(0, 0, 0), 0};
    FillArea(x, y, SaturatedSum(x, width), SaturatedSum(y, height), brush, operation->mode);
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop) {
    return StretchBltImpl(x, y, width, height, source, xSrc, ySrc, width, height, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                     int srcWidth, int srcHeight, DWORD rop) {
    return StretchBltImpl(x, y, width, height, source, xSrc, ySrc, srcWidth, srcHeight, rop);
}

BOOL CDC::StretchBltImpl(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                         int srcWidth, int srcHeight, DWORD rop) {
    const std::optional<CRasterOps::Rop3> operation = CRasterOps::ForRop3(rop);
    if (!operation)
        return FALSE;
    if (operation->operand != CRasterOps::Operand::Source)
        return PatBltImpl(x, y, width, height, rop);
    const QImage* image = source ? source->SourceImage() : nullptr;
    if (!image)
        return FALSE;
    const POINT from0 = source->m_state.mapping.ToDevice(POINT{xSrc, ySrc});
    const POINT from1 = source->m_state.mapping.ToDevice(
        POINT{SaturatedSum(xSrc, srcWidth), SaturatedSum(ySrc, srcHeight)});
    return BltImage(*image, POINT{x, y}, POINT{SaturatedSum(x, width), SaturatedSum(y, height)},
                    from0, from1, operation->mode);
}

int CDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                       int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                       DWORD rop) {
    const std::optional<CRasterOps::Rop3> operation = CRasterOps::ForRop3(rop);
    if (!operation || !info || !bits || usage != DIB_RGB_COLORS)
        return 0;
    if (operation->operand != CRasterOps::Operand::Source)
        return PatBltImpl(x, y, width, height, rop) ? 1 : 0;
    // Like GDI, the header's own sizes are believed here.
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::size_t infoBytes = CDibLayout::InfoBytes(header);
    const auto rows = static_cast<std::size_t>(std::llabs(header.biHeight));
    const QImage image = CDibImage::ToImage(
        reinterpret_cast<const BYTE*>(info), infoBytes, static_cast<const BYTE*>(bits),
        CDibLayout::RowBytes(header.biBitCount, header.biWidth) * rows);
    if (image.isNull())
        return 0;
    // The image holds the top row first. A bottom-up bitmap counts its
    // source rows upwards from its lower edge; either way a positive extent
    // runs down the picture, so the sign of each extent, against the
    // destination's on the device, decides the mirroring.
    const LONG from0Y =
        header.biHeight < 0 ? ySrc : CDibLayout::FromOtherEdge(image.height(), ySrc, srcHeight);
    // A bitmap has at most 2^15 pixels a side: corners held far inside a
    // LONG keep every edge and span of the source rectangle countable.
    static constexpr LONG kFar = 1 << 29;
    const auto held = [](LONG value) { return std::clamp(value, -kFar, kFar); };
    const POINT from0{held(xSrc), held(from0Y)};
    const POINT from1{held(SaturatedSum(xSrc, srcWidth)), held(SaturatedSum(from0Y, srcHeight))};
    if (!BltImage(image, POINT{x, y}, POINT{SaturatedSum(x, width), SaturatedSum(y, height)}, from0,
                  from1, operation->mode))
        return 0;
    return image.height();
}

BOOL CDC::BltImage(const QImage& image, POINT to0Logical, POINT to1Logical, POINT from0,
                   POINT from1, QPainter::CompositionMode mode) {
    if (m_state.mapping.WorldTurns())
        return BltTurnedImage(image, to0Logical, to1Logical, from0, from1, mode);
    const POINT to0 = ToDevice(to0Logical.x, to0Logical.y);
    const POINT to1 = ToDevice(to1Logical.x, to1Logical.y);
    const QRect target = NormalizedRect(to0, to1);
    const QRect from = NormalizedRect(from0, from1);
    // Only the part of the source inside its image is copied, to the part of
    // the target it covers.
    const QRect inside = from.intersected(image.rect());
    if (target.isEmpty() || inside.isEmpty())
        return TRUE;
    // Opposite directions on an axis mirror the picture.
    const bool mirrorX = (to1.x < to0.x) != (from1.x < from0.x);
    const bool mirrorY = (to1.y < to0.y) != (from1.y < from0.y);
    const double scaleX = static_cast<double>(target.width()) / from.width();
    const double scaleY = static_cast<double>(target.height()) / from.height();
    const int skipX = mirrorX ? from.right() - inside.right() : inside.left() - from.left();
    const int skipY = mirrorY ? from.bottom() - inside.bottom() : inside.top() - from.top();
    const QRectF covered(target.left() + skipX * scaleX, target.top() + skipY * scaleY,
                         inside.width() * scaleX, inside.height() * scaleY);
    const QImage part = image.copy(inside).mirrored(mirrorX, mirrorY);
    return OnBlt(covered, part, mode, m_state.stretchMode == HALFTONE);
}

BOOL CDC::BltTurnedImage(const QImage& image, POINT to0Logical, POINT to1Logical, POINT from0,
                         POINT from1, QPainter::CompositionMode mode) {
    const QRect from = NormalizedRect(from0, from1);
    const QRect inside = from.intersected(image.rect());
    if (to0Logical.x == to1Logical.x || to0Logical.y == to1Logical.y || inside.isEmpty())
        return TRUE;
    // Source pixels to logical units (a reversed axis mirrors the picture),
    // then on through the world transform and the mapping.
    const double sx = (static_cast<double>(to1Logical.x) - to0Logical.x) /
                      (static_cast<double>(from1.x) - from0.x);
    const double sy = (static_cast<double>(to1Logical.y) - to0Logical.y) /
                      (static_cast<double>(from1.y) - from0.y);
    const QTransform toLogical(sx, 0, 0, sy, to0Logical.x - from0.x * sx,
                               to0Logical.y - from0.y * sy);
    const QTransform placement = QTransform::fromTranslate(inside.left(), inside.top()) *
                                 toLogical * m_state.mapping.ToDeviceTransform();
    return OnBltTurned(placement, image.copy(inside), mode, m_state.stretchMode == HALFTONE);
}

// ---- State stack

int CDC::SaveDC() {
    m_saved.push_back(m_state);
    return static_cast<int>(m_saved.size());
}

BOOL CDC::RestoreDC(int savedDC) {
    const int depth = static_cast<int>(m_saved.size());
    const int level = savedDC < 0 ? depth + savedDC + 1 : savedDC;
    if (savedDC == 0 || level < 1 || level > depth)
        return FALSE;
    m_state = m_saved[static_cast<std::size_t>(level - 1)];
    m_saved.erase(m_saved.begin() + (level - 1), m_saved.end());
    ++m_clipRevision;
    return TRUE;
}

// ---- Paths

BOOL CDC::BeginPath() {
    m_path = CGdiPath();
    m_path.MoveTo(ToDevice(m_state.position.x, m_state.position.y));
    m_pathState = PathState::Open;
    return TRUE;
}

BOOL CDC::EndPath() {
    if (m_pathState != PathState::Open)
        return FALSE;
    m_pathState = PathState::Closed;
    return TRUE;
}

BOOL CDC::AbortPath() {
    ClearPath();
    return TRUE;
}

void CDC::ClearPath() {
    m_path = CGdiPath();
    m_pathState = PathState::None;
}

bool CDC::TakeClosedPath(CGdiPath* path) {
    if (m_pathState != PathState::Closed)
        return false;
    *path = std::move(m_path);
    ClearPath();
    return true;
}

BOOL CDC::StrokePath() {
    CGdiPath path;
    if (!TakeClosedPath(&path))
        return FALSE;
    OnPaintPath(path.ToPainterPath(FillRule()), false, true);
    return TRUE;
}

BOOL CDC::FillPath() {
    CGdiPath path;
    if (!TakeClosedPath(&path))
        return FALSE;
    OnPaintPath(path.ToPainterPath(FillRule()), true, false);
    return TRUE;
}

BOOL CDC::StrokeAndFillPath() {
    CGdiPath path;
    if (!TakeClosedPath(&path))
        return FALSE;
    OnPaintPath(path.ToPainterPath(FillRule()), true, true);
    return TRUE;
}

BOOL CDC::CloseFigure() {
    if (m_pathState != PathState::Open)
        return FALSE;
    m_path.CloseFigure();
    return TRUE;
}

BOOL CDC::FlattenPath() {
    if (m_pathState != PathState::Closed)
        return FALSE;
    m_path.Flatten();
    return TRUE;
}

BOOL CDC::PathToRegion(CRgn* region) {
    CGdiPath path;
    if (!region || !TakeClosedPath(&path))
        return FALSE;
    return region->CreateFromQRegion(path.ToRegion(FillRule()));
}

int CDC::GetPath(POINT* points, BYTE* types, int count) const {
    if (m_pathState != PathState::Closed)
        return -1;
    const int size = static_cast<int>(m_path.Points().size());
    if (count == 0)
        return size;
    if (count < size || !points || !types)
        return -1;
    for (int i = 0; i < size; ++i) {
        points[i] = m_state.mapping.ToLogical(m_path.Points()[static_cast<std::size_t>(i)]);
        types[i] = m_path.Types()[static_cast<std::size_t>(i)];
    }
    return size;
}

// ---- Clipping

QRegion CDC::CurrentClip() const {
    return m_state.clip.value_or(QRegion(0, 0, m_device.Width(), m_device.Height()));
}

int CDC::SetClip(const QRegion& region, int mode) {
    QRegion combined;
    if (!CRgn::Combine(mode == RGN_COPY ? region : CurrentClip(), region, mode, &combined))
        return ERROR;
    m_state.clip = combined;
    ++m_clipRevision;
    return CRgn::KindOf(combined);
}

BOOL CDC::SelectClipPath(int mode) {
    if (mode < RGN_AND || mode > RGN_COPY)
        return FALSE;
    CGdiPath path;
    if (!TakeClosedPath(&path))
        return FALSE;
    return SetClip(path.ToRegion(FillRule()), mode) != ERROR;
}

int CDC::SelectClipRgn(CRgn* region, int mode) {
    if (!region) {
        if (mode != RGN_COPY)
            return ERROR;
        m_state.clip.reset();
        ++m_clipRevision;
        return SIMPLEREGION;
    }
    if (!region->GetSafeHandle())
        return ERROR;
    return SetClip(region->GetQRegion(), mode);
}

int CDC::IntersectClipRect(int left, int top, int right, int bottom) {
    return SetClip(DeviceArea(left, top, right, bottom), RGN_AND);
}

int CDC::IntersectClipRect(const RECT* rect) {
    return rect ? IntersectClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

int CDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    return SetClip(DeviceArea(left, top, right, bottom), RGN_DIFF);
}

int CDC::ExcludeClipRect(const RECT* rect) {
    return rect ? ExcludeClipRect(rect->left, rect->top, rect->right, rect->bottom) : ERROR;
}

int CDC::GetClipBox(RECT* rect) const {
    if (!rect)
        return ERROR;
    const QRegion clip = CurrentClip();
    const QRect box = clip.boundingRect();
    POINT corners[2] = {{0, 0}, {0, 0}};
    if (!clip.isEmpty()) {
        corners[0] = m_state.mapping.ToLogical(POINT{box.left(), box.top()});
        corners[1] = m_state.mapping.ToLogical(POINT{box.right() + 1, box.bottom() + 1});
    }
    CRect logical(corners[0], corners[1]);
    logical.NormalizeRect();
    *rect = logical;
    return CRgn::KindOf(clip);
}

bool CDC::IsInsideClip(const QPoint& point) const {
    return CurrentClip().contains(point);
}

// ---- Text

namespace {

// Device pixels of a logical font height, kept to what a font can have.
int DevicePixels(double logical, double scale) {
    constexpr double kMaxPixels = 32767;
    return static_cast<int>(std::lround(std::clamp(logical * scale, 1.0, kMaxPixels)));
}

} // namespace

QFont CDC::DeviceFont(const CMapping& mapping) const {
    QFont font = m_state.font;
    if (m_state.fontHeight > 0)
        font.setPixelSize(DevicePixels(m_state.fontHeight, mapping.ScaleY()));
    else if (font.pixelSize() > 0)
        font.setPixelSize(DevicePixels(font.pixelSize(), mapping.ScaleY()));
    return font;
}

CTextLayout CDC::LayoutText(const CDC& measurer, POINT origin, std::string_view text) const {
    const CMapping& mapping = measurer.m_state.mapping;
    CTextLayout::Placement placement;
    placement.origin = QPointF(origin.x, origin.y);
    // Escapement counts counter-clockwise on the device when the mapping
    // keeps the device's orientation; a clockwise QTransform turn is positive.
    // A turning world transform turns the line with it.
    const double escapement = m_state.fontEscapement / 10.0;
    const double world = mapping.WorldAngle();
    placement.rotation = mapping.IsMirrored() ? escapement - world : world - escapement;
    placement.extra = m_state.charExtra * mapping.ScaleX();
    placement.vertical = m_state.fontVertical;
    placement.align = m_state.textAlign;
    return CTextLayout(text, DeviceFont(mapping), placement, CTextMetrics::Current(),
                       measurer.MetricsDevice());
}

BOOL CDC::TextOut(int x, int y, const char* text, int count) {
    if (count < 0 || (!text && count > 0))
        return FALSE;
    const CTextLayout layout =
        LayoutText(*this, ToDevice(x, y), std::string_view(text ? text : "", count));
    if (m_pathState == PathState::Open) {
        m_path.AddClosedOutline(layout.Outline());
        return TRUE;
    }
    OnText(layout);
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& text) {
    return TextOut(x, y, text.c_str(), text.GetLength());
}

CSize CDC::GetTextExtent(const char* text, int count) const {
    if (count <= 0 || !text)
        return CSize();
    const CDC& attribute = AttributeDC();
    const CTextLayout layout =
        attribute.LayoutText(attribute, POINT{0, 0}, std::string_view(text, count));
    const SIZE extent{static_cast<LONG>(std::ceil(layout.Width())),
                      static_cast<LONG>(std::ceil(layout.Height()))};
    return attribute.m_state.mapping.SizeToLogical(extent);
}

CSize CDC::GetTextExtent(const CString& text) const {
    return GetTextExtent(text.c_str(), text.GetLength());
}

BOOL CDC::GetTextExtentPoint32A(const char* text, int count, SIZE* size) const {
    if (!size || count < 0 || (!text && count > 0))
        return FALSE;
    *size = GetTextExtent(text, count);
    return TRUE;
}

int CDC::DrawTextA(const char* text, int count, RECT* rect, UINT format) {
    if (!rect || (!text && count != 0))
        return 0;
    const std::string_view all =
        count < 0 ? std::string_view(text) : std::string_view(text ? text : "", count);
    std::vector<std::string_view> lines;
    if (format & DT_SINGLELINE) {
        lines.push_back(all);
    } else {
        std::size_t start = 0;
        for (std::size_t i = 0; i <= all.size(); ++i) {
            if (i < all.size() && all[i] != '\r' && all[i] != '\n')
                continue;
            lines.push_back(all.substr(start, i - start));
            if (i + 1 < all.size() && all[i] == '\r' && all[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    const CMapping& mapping = m_state.mapping;
    const CTextLayout probe = LayoutText(*this, POINT{0, 0}, std::string_view());
    const double lineHeight = probe.Height();
    // Lines go down the device, turned with the text.
    const QTransform turn = QTransform().rotate(
        mapping.IsMirrored() ? m_state.fontEscapement / 10.0 : -m_state.fontEscapement / 10.0);
    const QPointF down = turn.map(QPointF(0, lineHeight));
    const POINT topLeft = ToDevice(rect->left, rect->top);
    const bool clip = !(format & DT_NOCLIP);
    if (clip) {
        SaveDC();
        IntersectClipRect(rect);
    }
    const UINT oldAlign = SetTextAlign(TA_LEFT | TA_TOP);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty())
            continue;
        const QPoint device =
            (QPointF(topLeft.x, topLeft.y) + down * static_cast<double>(i)).toPoint();
        const POINT origin = mapping.ToLogical(POINT{device.x(), device.y()});
        TextOut(origin.x, origin.y, lines[i].data(), static_cast<int>(lines[i].size()));
    }
    SetTextAlign(oldAlign);
    if (clip)
        RestoreDC(-1);
    const SIZE height{0, static_cast<LONG>(std::ceil(lineHeight * lines.size()))};
    return mapping.SizeToLogical(height).cy;
}

// ---- Device hooks: a context without a device draws nothing.

void CDC::OnPaintPath(const QPainterPath&, bool, bool) {}

void CDC::OnFillRect(const QRect&, const LOGBRUSH&, QPainter::CompositionMode) {}

BOOL CDC::OnBlt(const QRectF&, const QImage&, QPainter::CompositionMode, bool) {
    return TRUE;
}

BOOL CDC::OnBltTurned(const QTransform& placement, const QImage& source,
                      QPainter::CompositionMode mode, bool smooth) {
    return OnBlt(placement.mapRect(QRectF(source.rect())), source, mode, smooth);
}

COLORREF CDC::OnSetPixel(const QPoint& point, COLORREF color) {
    return IsInsideClip(point) ? color : CLR_INVALID;
}

COLORREF CDC::OnGetPixel(const QPoint&) const {
    return CLR_INVALID;
}

void CDC::OnText(const CTextLayout&) {}

const QImage* CDC::SourceImage() const {
    return nullptr;
}

const QPaintDevice* CDC::MetricsDevice() const {
    return nullptr;
}

const CDC& CDC::AttributeDC() const {
    return *this;
}
