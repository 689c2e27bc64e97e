#include "platform/gdi/CMetaFileDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/gdi/CEmfBitmapRecord.h"
#include "platform/gdi/CEmfObjectRecord.h"
#include "platform/gdi/CEmfRecord.h"
#include "platform/gdi/CEmfWriter.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "platform/gdi/CTextLayout.h"
#include "platform/gdi/EmfDefs.h"
#include "platform/mfc/Cp932.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

IMPLEMENT_DYNAMIC(CMetaFileDC, CRecordingDC)

namespace {

constexpr RECT kNoRect{0, 0, -1, -1};

CEmfRecord Simple(DWORD type) {
    return CEmfRecord(type);
}

CEmfRecord WithValue(DWORD type, DWORD value) {
    CEmfRecord record(type);
    record.U32(value);
    return record;
}

CEmfRecord WithPoint(DWORD type, POINT point) {
    CEmfRecord record(type);
    record.Point(point);
    return record;
}

CEmfRecord WithSize(DWORD type, SIZE size) {
    CEmfRecord record(type);
    record.Size(size);
    return record;
}

CEmfRecord WithRect(DWORD type, const RECT& rect) {
    CEmfRecord record(type);
    record.Rect(rect);
    return record;
}

bool Fits16(const POINT* points, int count) {
    constexpr LONG lowest = std::numeric_limits<std::int16_t>::min();
    constexpr LONG highest = std::numeric_limits<std::int16_t>::max();
    return std::all_of(points, points + count, [](POINT point) {
        return point.x >= lowest && point.x <= highest && point.y >= lowest && point.y <= highest;
    });
}

CDeviceCaps DeviceOf(const CDC& context) {
    return CDeviceCaps(context.GetDeviceCaps(HORZRES), context.GetDeviceCaps(VERTRES),
                       context.GetDeviceCaps(LOGPIXELSX), context.GetDeviceCaps(LOGPIXELSY),
                       context.GetDeviceCaps(TECHNOLOGY));
}

QRect Covering(const QRectF& rect, int grow) {
    return QRect(QPoint(static_cast<int>(std::floor(rect.left())) - grow,
                        static_cast<int>(std::floor(rect.top())) - grow),
                 QPoint(static_cast<int>(std::ceil(rect.right())) + grow,
                        static_cast<int>(std::ceil(rect.bottom())) + grow));
}

} // namespace

CMetaFileDC::CMetaFileDC(const CDeviceCaps& reference)
    : CRecordingDC(reference), m_reference(reference),
      m_writer(std::make_unique<CEmfWriter>(reference, std::nullopt, std::u16string())) {}

CMetaFileDC::~CMetaFileDC() = default;

BOOL CMetaFileDC::CreateEnhanced(const CDC* reference, const char* fileName, const RECT* frame,
                                 const char* description) {
    if (fileName)
        return FALSE;
    const CDeviceCaps device = reference ? DeviceOf(*reference) : m_reference;
    Restart(device);
    m_selection = CEmfSelection();
    std::optional<RECT> normalized;
    if (frame) {
        normalized = RECT{std::min(frame->left, frame->right), std::min(frame->top, frame->bottom),
                          std::max(frame->left, frame->right), std::max(frame->top, frame->bottom)};
    }
    // The application's name, then an empty picture name.
    std::u16string text = description ? Cp932::ToUtf16(description) : std::u16string();
    if (!text.empty())
        text.append(2, u'\0');
    m_writer = std::make_unique<CEmfWriter>(device, normalized, std::move(text));
    return TRUE;
}

HENHMETAFILE CMetaFileDC::CloseEnhanced() {
    if (!m_writer)
        return nullptr;
    auto* metafile = new CEnhMetaFile(m_writer->Close());
    m_writer.reset();
    return metafile;
}

const CDC& CMetaFileDC::AttributeDC() const {
    if (m_attribute)
        return *m_attribute;
    return *this;
}

void CMetaFileDC::Write(const CEmfRecord& record) {
    if (m_writer)
        m_writer->Write(record);
}

// ---- Mapping

void CMetaFileDC::WriteWorld(DWORD type, const XFORM& xform, std::optional<DWORD> mode) {
    CEmfRecord record(type);
    for (const float value : {xform.eM11, xform.eM12, xform.eM21, xform.eM22, xform.eDx, xform.eDy})
        record.Float(value);
    if (mode)
        record.U32(*mode);
    Write(record);
}

int CMetaFileDC::SetGraphicsMode(int mode) {
    // Metafiles keep no graphics mode: leaving the advanced mode is written
    // as the return to the identity transform that it implies.
    const int previous = CRecordingDC::SetGraphicsMode(mode);
    if (previous == GM_ADVANCED && mode == GM_COMPATIBLE)
        WriteWorld(EMR_MODIFYWORLDTRANSFORM, XFORM{}, MWT_IDENTITY);
    return previous;
}

BOOL CMetaFileDC::SetWorldTransform(const XFORM* xform) {
    const BOOL done = CRecordingDC::SetWorldTransform(xform);
    if (done)
        WriteWorld(EMR_SETWORLDTRANSFORM, *xform, std::nullopt);
    return done;
}

BOOL CMetaFileDC::ModifyWorldTransform(const XFORM* xform, DWORD mode) {
    const BOOL done = CRecordingDC::ModifyWorldTransform(xform, mode);
    if (done)
        WriteWorld(EMR_MODIFYWORLDTRANSFORM, xform ? *xform : XFORM{}, mode);
    return done;
}

int CMetaFileDC::SetMapMode(int mapMode) {
    const int previous = CRecordingDC::SetMapMode(mapMode);
    if (previous)
        Write(WithValue(EMR_SETMAPMODE, static_cast<DWORD>(mapMode)));
    return previous;
}

CPoint CMetaFileDC::SetWindowOrg(int x, int y) {
    const CPoint previous = CRecordingDC::SetWindowOrg(x, y);
    Write(WithPoint(EMR_SETWINDOWORGEX, POINT{x, y}));
    return previous;
}

CSize CMetaFileDC::SetWindowExt(int cx, int cy) {
    const CSize previous = CRecordingDC::SetWindowExt(cx, cy);
    if (previous != CSize())
        Write(WithSize(EMR_SETWINDOWEXTEX, SIZE{cx, cy}));
    return previous;
}

CPoint CMetaFileDC::SetViewportOrg(int x, int y) {
    const CPoint previous = CRecordingDC::SetViewportOrg(x, y);
    Write(WithPoint(EMR_SETVIEWPORTORGEX, POINT{x, y}));
    return previous;
}

CSize CMetaFileDC::SetViewportExt(int cx, int cy) {
    const CSize previous = CRecordingDC::SetViewportExt(cx, cy);
    if (previous != CSize())
        Write(WithSize(EMR_SETVIEWPORTEXTEX, SIZE{cx, cy}));
    return previous;
}

// ---- Objects

CPen* CMetaFileDC::SelectObject(CPen* pen) {
    CPen* previous = CRecordingDC::SelectObject(pen);
    if (previous)
        WriteSelection(CEmfSelection::kPen, pen);
    return previous;
}

CBrush* CMetaFileDC::SelectObject(CBrush* brush) {
    CBrush* previous = CRecordingDC::SelectObject(brush);
    if (previous)
        WriteSelection(CEmfSelection::kBrush, brush);
    return previous;
}

CFont* CMetaFileDC::SelectObject(CFont* font) {
    CFont* previous = CRecordingDC::SelectObject(font);
    if (previous)
        WriteSelection(CEmfSelection::kFont, font);
    return previous;
}

CGdiObject* CMetaFileDC::SelectStockObject(int index) {
    CGdiObject* previous = CRecordingDC::SelectStockObject(index);
    if (!previous)
        return nullptr;
    const CGdiObject* object = CStockObjects::Get(index);
    if (dynamic_cast<const CPen*>(object))
        WriteSelection(CEmfSelection::kPen, object);
    else if (dynamic_cast<const CBrush*>(object))
        WriteSelection(CEmfSelection::kBrush, object);
    else
        WriteSelection(CEmfSelection::kFont, object);
    return previous;
}

void CMetaFileDC::WriteSelection(CEmfSelection::Kind kind, const CGdiObject* object) {
    if (!m_writer)
        return;
    const int stock = CStockObjects::IndexOf(object);
    if (stock >= 0) {
        Write(WithValue(EMR_SELECTOBJECT, ENHMETA_STOCK_OBJECT | static_cast<DWORD>(stock)));
        Delete(m_selection.Select(kind, 0));
        return;
    }
    const DWORD handle = m_writer->Handles().Allocate();
    if (kind == CEmfSelection::kPen)
        Write(CEmfObjectRecord::Pen(handle, State().pen));
    else if (kind == CEmfSelection::kBrush)
        Write(CEmfObjectRecord::Brush(handle, State().brush));
    else
        Write(CEmfObjectRecord::Font(handle, State().font, GetDeviceCaps(LOGPIXELSY),
                                     State().fontEscapement, State().fontVertical));
    Write(WithValue(EMR_SELECTOBJECT, handle));
    Delete(m_selection.Select(kind, handle));
}

void CMetaFileDC::WriteBrushSelection() {
    const DWORD handle = m_selection.Current(CEmfSelection::kBrush);
    const int stock = CStockObjects::IndexOf(State().brushObject);
    if (handle == 0 && stock >= 0)
        Write(WithValue(EMR_SELECTOBJECT, ENHMETA_STOCK_OBJECT | static_cast<DWORD>(stock)));
    else
        Write(WithValue(EMR_SELECTOBJECT, handle));
}

void CMetaFileDC::Delete(const std::vector<DWORD>& handles) {
    for (const DWORD handle : handles) {
        Write(WithValue(EMR_DELETEOBJECT, handle));
        if (m_writer)
            m_writer->Handles().Free(handle);
    }
}

// ---- Modes

int CMetaFileDC::SetROP2(int rop2) {
    const int previous = CRecordingDC::SetROP2(rop2);
    if (previous)
        Write(WithValue(EMR_SETROP2, static_cast<DWORD>(rop2)));
    return previous;
}

int CMetaFileDC::SetBkMode(int mode) {
    const int previous = CRecordingDC::SetBkMode(mode);
    if (previous)
        Write(WithValue(EMR_SETBKMODE, static_cast<DWORD>(mode)));
    return previous;
}

COLORREF CMetaFileDC::SetBkColor(COLORREF color) {
    Write(WithValue(EMR_SETBKCOLOR, color));
    return CRecordingDC::SetBkColor(color);
}

COLORREF CMetaFileDC::SetTextColor(COLORREF color) {
    Write(WithValue(EMR_SETTEXTCOLOR, color));
    return CRecordingDC::SetTextColor(color);
}

int CMetaFileDC::SetPolyFillMode(int mode) {
    const int previous = CRecordingDC::SetPolyFillMode(mode);
    if (previous)
        Write(WithValue(EMR_SETPOLYFILLMODE, static_cast<DWORD>(mode)));
    return previous;
}

UINT CMetaFileDC::SetTextAlign(UINT flags) {
    Write(WithValue(EMR_SETTEXTALIGN, flags));
    return CRecordingDC::SetTextAlign(flags);
}

int CMetaFileDC::SetStretchBltMode(int mode) {
    const int previous = CRecordingDC::SetStretchBltMode(mode);
    if (previous)
        Write(WithValue(EMR_SETSTRETCHBLTMODE, static_cast<DWORD>(mode)));
    return previous;
}

// ---- Lines and shapes

CPoint CMetaFileDC::MoveTo(int x, int y) {
    Write(WithPoint(EMR_MOVETOEX, POINT{x, y}));
    return CRecordingDC::MoveTo(x, y);
}

BOOL CMetaFileDC::LineTo(int x, int y) {
    Write(WithPoint(EMR_LINETO, POINT{x, y}));
    return CRecordingDC::LineTo(x, y);
}

RECT CMetaFileDC::PaintedBounds() const {
    if (!m_painted)
        return kNoRect;
    return RECT{m_painted->left(), m_painted->top(), m_painted->right(), m_painted->bottom()};
}

RECT CMetaFileDC::DeviceBounds(const POINT* points, int count) const {
    QRect box;
    for (int i = 0; i < count; ++i) {
        const POINT device = State().mapping.ToDevice(points[i]);
        box = box.united(QRect(device.x, device.y, 1, 1));
    }
    return RECT{box.left(), box.top(), box.right(), box.bottom()};
}

void CMetaFileDC::WritePointsFrom(POINT start, DWORD type16, DWORD type32, const POINT* points,
                                  int count) {
    std::vector<POINT> chain{start};
    chain.insert(chain.end(), points, points + count);
    WritePointRecord(type16, type32, DeviceBounds(chain.data(), static_cast<int>(chain.size())),
                     points, count);
}

void CMetaFileDC::WritePoints(DWORD type16, DWORD type32, const POINT* points, int count) {
    WritePointRecord(type16, type32, DeviceBounds(points, count), points, count);
}

void CMetaFileDC::WritePointRecord(DWORD type16, DWORD type32, const RECT& bounds,
                                   const POINT* points, int count) {
    const bool narrow = Fits16(points, count);
    CEmfRecord record(narrow ? type16 : type32);
    record.Rect(bounds).U32(static_cast<DWORD>(count));
    for (int i = 0; i < count; ++i)
        narrow ? record.Point16(points[i]) : record.Point(points[i]);
    Write(record);
}

BOOL CMetaFileDC::Polyline(const POINT* points, int count) {
    const BOOL drawn = CRecordingDC::Polyline(points, count);
    if (drawn)
        WritePoints(EMR_POLYLINE16, EMR_POLYLINE, points, count);
    return drawn;
}

BOOL CMetaFileDC::Polygon(const POINT* points, int count) {
    const BOOL drawn = CRecordingDC::Polygon(points, count);
    if (drawn)
        WritePoints(EMR_POLYGON16, EMR_POLYGON, points, count);
    return drawn;
}

BOOL CMetaFileDC::PolyBezier(const POINT* points, int count) {
    const BOOL drawn = CRecordingDC::PolyBezier(points, count);
    if (drawn)
        WritePoints(EMR_POLYBEZIER16, EMR_POLYBEZIER, points, count);
    return drawn;
}

BOOL CMetaFileDC::PolylineTo(const POINT* points, int count) {
    const POINT start = GetCurrentPosition();
    const BOOL drawn = CRecordingDC::PolylineTo(points, count);
    if (drawn)
        WritePointsFrom(start, EMR_POLYLINETO16, EMR_POLYLINETO, points, count);
    return drawn;
}

BOOL CMetaFileDC::PolyBezierTo(const POINT* points, int count) {
    const POINT start = GetCurrentPosition();
    const BOOL drawn = CRecordingDC::PolyBezierTo(points, count);
    if (drawn)
        WritePointsFrom(start, EMR_POLYBEZIERTO16, EMR_POLYBEZIERTO, points, count);
    return drawn;
}

BOOL CMetaFileDC::PolyPolygon(const POINT* points, const int* counts, int polygons) {
    const BOOL drawn = CRecordingDC::PolyPolygon(points, counts, polygons);
    if (!drawn)
        return drawn;
    int total = 0;
    for (int i = 0; i < polygons; ++i)
        total += counts[i];
    const bool narrow = Fits16(points, total);
    CEmfRecord record(narrow ? EMR_POLYPOLYGON16 : EMR_POLYPOLYGON);
    record.Rect(DeviceBounds(points, total));
    record.U32(static_cast<DWORD>(polygons)).U32(static_cast<DWORD>(total));
    for (int i = 0; i < polygons; ++i)
        record.U32(static_cast<DWORD>(counts[i]));
    for (int i = 0; i < total; ++i)
        narrow ? record.Point16(points[i]) : record.Point(points[i]);
    Write(record);
    return drawn;
}

BOOL CMetaFileDC::Rectangle(int left, int top, int right, int bottom) {
    Write(WithRect(EMR_RECTANGLE, RECT{left, top, right, bottom}));
    return CRecordingDC::Rectangle(left, top, right, bottom);
}

BOOL CMetaFileDC::Ellipse(int left, int top, int right, int bottom) {
    Write(WithRect(EMR_ELLIPSE, RECT{left, top, right, bottom}));
    return CRecordingDC::Ellipse(left, top, right, bottom);
}

COLORREF CMetaFileDC::SetPixel(int x, int y, COLORREF color) {
    CEmfRecord record(EMR_SETPIXELV);
    record.Point(POINT{x, y}).U32(color);
    Write(record);
    return CRecordingDC::SetPixel(x, y, color);
}

// ---- Fills

void CMetaFileDC::WritePatBlt(int x, int y, int width, int height, DWORD rop) {
    CEmfRecord record(EMR_BITBLT);
    record.Rect(PaintedBounds()).I32(x).I32(y).I32(width).I32(height).U32(rop);
    // No source: its origin, transform (identity), colour, usage and bitmap
    // are left empty.
    record.I32(0).I32(0);
    record.Float(1).Float(0).Float(0).Float(1).Float(0).Float(0);
    record.U32(0).U32(0).U32(0).U32(0).U32(0).U32(0);
    Write(record);
}

BOOL CMetaFileDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    m_painted.reset();
    const BOOL done = CRecordingDC::PatBlt(x, y, width, height, rop);
    if (done)
        WritePatBlt(x, y, width, height, rop);
    return done;
}

int CMetaFileDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc,
                               int srcWidth, int srcHeight, const void* bits,
                               const BITMAPINFO* info, UINT usage, DWORD rop) {
    m_painted.reset();
    const int rows = CRecordingDC::StretchDIBits(x, y, width, height, xSrc, ySrc, srcWidth,
                                                 srcHeight, bits, info, usage, rop);
    if (rows == 0 || !m_writer)
        return rows;
    // The header was measured when the picture was drawn.
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::size_t infoBytes = CDibLayout::InfoBytes(header);
    const std::size_t bitsBytes =
        CDibLayout::RowBytes(header.biBitCount, header.biWidth) * static_cast<std::size_t>(rows);
    CEmfBitmapRecord record;
    record.bounds = PaintedBounds();
    record.x = x;
    record.y = y;
    record.width = width;
    record.height = height;
    record.xSrc = xSrc;
    record.ySrc = ySrc;
    record.srcWidth = srcWidth;
    record.srcHeight = srcHeight;
    record.usage = usage;
    record.rop = rop;
    const auto* infoData = reinterpret_cast<const BYTE*>(info);
    record.info.assign(infoData, infoData + infoBytes);
    const auto* bitsData = static_cast<const BYTE*>(bits);
    record.bits.assign(bitsData, bitsData + bitsBytes);
    Write(record.Build());
    return rows;
}

void CMetaFileDC::FillRect(const RECT* rect, CBrush* brush) {
    m_painted.reset();
    CRecordingDC::FillRect(rect, brush);
    LOGBRUSH description;
    if (!m_writer || !rect || !brush || !brush->GetLogBrush(&description))
        return;
    // The brush is selected for the transfer only.
    const int stock = CStockObjects::IndexOf(brush);
    DWORD handle = 0;
    if (stock >= 0) {
        Write(WithValue(EMR_SELECTOBJECT, ENHMETA_STOCK_OBJECT | static_cast<DWORD>(stock)));
    } else {
        handle = m_writer->Handles().Allocate();
        Write(CEmfObjectRecord::Brush(handle, description));
        Write(WithValue(EMR_SELECTOBJECT, handle));
    }
    WritePatBlt(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, PATCOPY);
    WriteBrushSelection();
    if (handle)
        Delete({handle});
}

void CMetaFileDC::FillSolidRect(const RECT* rect, COLORREF color) {
    m_painted.reset();
    CRecordingDC::FillSolidRect(rect, color);
    if (!rect)
        return;
    Write(WithValue(EMR_SETBKCOLOR, color));
    WriteText(rect->left, rect->top, std::u16string(), ETO_OPAQUE, *rect);
}

// ---- State stack

int CMetaFileDC::SaveDC() {
    Write(Simple(EMR_SAVEDC));
    m_selection.Save();
    return CRecordingDC::SaveDC();
}

BOOL CMetaFileDC::RestoreDC(int savedDC) {
    const int depth = m_selection.Depth();
    if (!CRecordingDC::RestoreDC(savedDC))
        return FALSE;
    // The file counts back from the top; a depth becomes a count.
    const int level = savedDC < 0 ? depth + savedDC + 1 : savedDC;
    Write(WithValue(EMR_RESTOREDC, static_cast<DWORD>(level - depth - 1)));
    Delete(m_selection.Restore(level));
    return TRUE;
}

// ---- Paths

BOOL CMetaFileDC::BeginPath() {
    Write(Simple(EMR_BEGINPATH));
    return CRecordingDC::BeginPath();
}

BOOL CMetaFileDC::EndPath() {
    const BOOL done = CRecordingDC::EndPath();
    if (done)
        Write(Simple(EMR_ENDPATH));
    return done;
}

BOOL CMetaFileDC::AbortPath() {
    Write(Simple(EMR_ABORTPATH));
    return CRecordingDC::AbortPath();
}

BOOL CMetaFileDC::StrokePath() {
    const BOOL done = CRecordingDC::StrokePath();
    if (done)
        Write(WithRect(EMR_STROKEPATH, kNoRect));
    return done;
}

BOOL CMetaFileDC::FillPath() {
    const BOOL done = CRecordingDC::FillPath();
    if (done)
        Write(WithRect(EMR_FILLPATH, kNoRect));
    return done;
}

BOOL CMetaFileDC::StrokeAndFillPath() {
    const BOOL done = CRecordingDC::StrokeAndFillPath();
    if (done)
        Write(WithRect(EMR_STROKEANDFILLPATH, kNoRect));
    return done;
}

BOOL CMetaFileDC::FlattenPath() {
    const BOOL done = CRecordingDC::FlattenPath();
    if (done)
        Write(Simple(EMR_FLATTENPATH));
    return done;
}

BOOL CMetaFileDC::CloseFigure() {
    const BOOL done = CRecordingDC::CloseFigure();
    if (done)
        Write(Simple(EMR_CLOSEFIGURE));
    return done;
}

// ---- Clipping

BOOL CMetaFileDC::SelectClipPath(int mode) {
    const BOOL done = CRecordingDC::SelectClipPath(mode);
    if (done)
        Write(WithValue(EMR_SELECTCLIPPATH, static_cast<DWORD>(mode)));
    return done;
}

int CMetaFileDC::SelectClipRgn(CRgn* region, int mode) {
    const int kind = CRecordingDC::SelectClipRgn(region, mode);
    if (kind == ERROR)
        return kind;
    // Region data: a header with the rectangles' count and bounds, then the
    // rectangles, device units, right and bottom outside.
    const QRegion area = region ? region->GetQRegion() : QRegion();
    const auto count = static_cast<DWORD>(region ? area.rectCount() : 0);
    const QRect box = area.boundingRect();
    CEmfRecord record(EMR_EXTSELECTCLIPRGN);
    record.U32(region ? 32 + 16 * count : 0).U32(static_cast<DWORD>(mode));
    if (region) {
        record.U32(32).U32(RDH_RECTANGLES).U32(count).U32(16 * count);
        record.Rect(RECT{box.left(), box.top(), box.right() + 1, box.bottom() + 1});
        for (const QRect& rect : area)
            record.Rect(RECT{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1});
    }
    Write(record);
    return kind;
}

int CMetaFileDC::IntersectClipRect(int left, int top, int right, int bottom) {
    const int kind = CRecordingDC::IntersectClipRect(left, top, right, bottom);
    if (kind != ERROR)
        Write(WithRect(EMR_INTERSECTCLIPRECT, RECT{left, top, right, bottom}));
    return kind;
}

int CMetaFileDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    const int kind = CRecordingDC::ExcludeClipRect(left, top, right, bottom);
    if (kind != ERROR)
        Write(WithRect(EMR_EXCLUDECLIPRECT, RECT{left, top, right, bottom}));
    return kind;
}

// ---- Text

BOOL CMetaFileDC::TextOut(int x, int y, const char* text, int count) {
    m_painted.reset();
    const BOOL drawn = CRecordingDC::TextOut(x, y, text, count);
    if (drawn)
        WriteText(x, y, Cp932::ToUtf16(std::string_view(text ? text : "", count)), 0, kNoRect);
    return drawn;
}

void CMetaFileDC::WriteText(int x, int y, const std::u16string& text, DWORD options,
                            const RECT& rect) {
    // Hundredths of a millimetre per device pixel.
    const double scaleX = 100.0 * Device().Get(HORZSIZE) / std::max(Device().Get(HORZRES), 1);
    const double scaleY = 100.0 * Device().Get(VERTSIZE) / std::max(Device().Get(VERTRES), 1);
    // The fixed part ends at 76; the advances follow the padded string.
    constexpr DWORD stringOffset = 76;
    const auto chars = static_cast<DWORD>(text.size());
    CEmfRecord record(EMR_EXTTEXTOUTW);
    record.Rect(PaintedBounds()).U32(GM_COMPATIBLE);
    record.Float(static_cast<float>(scaleX)).Float(static_cast<float>(scaleY));
    record.Point(POINT{x, y}).U32(chars).U32(stringOffset).U32(options).Rect(rect);
    record.U32(stringOffset + (chars * 2 + 3) / 4 * 4);
    record.Utf16(text).Align();
    const QFontMetricsF metrics(State().font);
    for (const char16_t unit : text) {
        const double advance =
            QChar(unit).isSurrogate() ? 0.0 : metrics.horizontalAdvance(QChar(unit));
        record.I32(static_cast<LONG>(std::lround(advance)) + State().charExtra);
    }
    Write(record);
}

// ---- Bounds of what reaches the device

void CMetaFileDC::AddBounds(const QRect& device) {
    if (!m_writer)
        return;
    const QRect clipped = State().clip ? device.intersected(State().clip->boundingRect()) : device;
    if (!clipped.isEmpty())
        m_writer->AddBounds(clipped);
}

void CMetaFileDC::OnPaintPath(const QPainterPath& path, bool fill, bool stroke) {
    const QRectF box = path.boundingRect();
    if (stroke && State().pen.Style() != PS_NULL) {
        // A pen of n pixels reaches (n - 1) / 2 beyond the outline.
        const double width = State().pen.width * State().mapping.ScaleX();
        AddBounds(Covering(box, std::max(0, static_cast<int>(std::ceil((width - 1) / 2)))));
    } else if (fill && State().brush.lbStyle != BS_NULL) {
        // A fill leaves out its right and bottom edges.
        AddBounds(Covering(box, 0).adjusted(0, 0, -1, -1));
    }
}

void CMetaFileDC::OnFillRect(const QRect& rect, const LOGBRUSH& brush, QPainter::CompositionMode) {
    m_painted = rect;
    if (brush.lbStyle != BS_NULL)
        AddBounds(rect);
}

COLORREF CMetaFileDC::OnSetPixel(const QPoint& point, COLORREF color) {
    const COLORREF set = CRecordingDC::OnSetPixel(point, color);
    if (set != CLR_INVALID)
        AddBounds(QRect(point, QSize(1, 1)));
    return set;
}

BOOL CMetaFileDC::OnBlt(const QRectF& target, const QImage&, QPainter::CompositionMode, bool) {
    m_painted = Covering(target, 0);
    AddBounds(*m_painted);
    return TRUE;
}

void CMetaFileDC::OnText(const CTextLayout& layout) {
    m_painted = Covering(layout.Cell().boundingRect(), 0);
    AddBounds(*m_painted);
}
