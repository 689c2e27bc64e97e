#include "platform/gdi/CMetaFileDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CEmfRecord.h"
#include "platform/gdi/CEmfWriter.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "platform/gdi/EmfDefs.h"
#include "platform/mfc/Cp932.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
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
    m_selected = Selection{};
    m_savedSelections.clear();
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
        WriteSelection(kPen, pen);
    return previous;
}

CBrush* CMetaFileDC::SelectObject(CBrush* brush) {
    CBrush* previous = CRecordingDC::SelectObject(brush);
    if (previous)
        WriteSelection(kBrush, brush);
    return previous;
}

CFont* CMetaFileDC::SelectObject(CFont* font) {
    CFont* previous = CRecordingDC::SelectObject(font);
    if (previous)
        WriteSelection(kFont, font);
    return previous;
}

CGdiObject* CMetaFileDC::SelectStockObject(int index) {
    CGdiObject* previous = CRecordingDC::SelectStockObject(index);
    if (!previous)
        return nullptr;
    const CGdiObject* object = CStockObjects::Get(index);
    if (dynamic_cast<const CPen*>(object))
        WriteSelection(kPen, object);
    else if (dynamic_cast<const CBrush*>(object))
        WriteSelection(kBrush, object);
    else
        WriteSelection(kFont, object);
    return previous;
}

void CMetaFileDC::WriteSelection(Kind kind, const CGdiObject* object) {
    if (!m_writer)
        return;
    const int stock = CStockObjects::IndexOf(object);
    DWORD handle = 0;
    if (stock >= 0) {
        Write(WithValue(EMR_SELECTOBJECT, ENHMETA_STOCK_OBJECT | static_cast<DWORD>(stock)));
    } else {
        handle = m_writer->Handles().Allocate();
        Write(CreationRecord(kind, handle));
        Write(WithValue(EMR_SELECTOBJECT, handle));
    }
    Release({std::exchange(m_selected[kind], handle)});
}

CEmfRecord CMetaFileDC::CreationRecord(Kind kind, DWORD handle) const {
    if (kind == kPen) {
        const ExtLogPen& pen = State().pen;
        if (!pen.extended) {
            CEmfRecord record(EMR_CREATEPEN);
            record.U32(handle).U32(pen.style).Point(POINT{static_cast<LONG>(pen.width), 0});
            record.U32(pen.color);
            return record;
        }
        // No pattern bitmap: its offsets and sizes stay 0.
        CEmfRecord record(EMR_EXTCREATEPEN);
        record.U32(handle).U32(0).U32(0).U32(0).U32(0);
        record.U32(pen.style).U32(pen.width).U32(pen.brushStyle).U32(pen.color).U32(pen.hatch);
        record.U32(static_cast<DWORD>(pen.userStyle.size()));
        for (const DWORD length : pen.userStyle)
            record.U32(length);
        return record;
    }
    if (kind == kBrush) {
        const LOGBRUSH& brush = State().brush;
        CEmfRecord record(EMR_CREATEBRUSHINDIRECT);
        record.U32(handle).U32(brush.lbStyle).U32(brush.lbColor).U32(brush.lbHatch);
        return record;
    }
    const QFont& font = State().font;
    LONG height = -font.pixelSize();
    if (font.pixelSize() <= 0)
        height =
            -static_cast<LONG>(std::lround(font.pointSizeF() * GetDeviceCaps(LOGPIXELSY) / 72));
    CEmfRecord record(EMR_EXTCREATEFONTINDIRECTW);
    record.U32(handle).I32(height).I32(0).I32(0).I32(0).I32(font.weight());
    record.U8(font.italic() ? 1 : 0).U8(font.underline() ? 1 : 0).U8(font.strikeOut() ? 1 : 0);
    record.U8(DEFAULT_CHARSET).U8(0).U8(0);
    record.U8(font.styleStrategy() & QFont::NoAntialias ? NONANTIALIASED_QUALITY : 0).U8(0);
    std::u16string face = font.family().toStdU16String().substr(0, LF_FACESIZE - 1);
    face.resize(LF_FACESIZE, u'\0');
    record.Utf16(face);
    return record;
}

void CMetaFileDC::Release(const std::vector<DWORD>& handles) {
    for (const DWORD handle : handles) {
        const auto refers = [handle](const Selection& selection) {
            return std::find(selection.begin(), selection.end(), handle) != selection.end();
        };
        if (handle == 0 || !m_writer || refers(m_selected) ||
            std::any_of(m_savedSelections.begin(), m_savedSelections.end(), refers))
            continue;
        Write(WithValue(EMR_DELETEOBJECT, handle));
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

RECT CMetaFileDC::DeviceBounds(const POINT* points, int count) const {
    QRect box;
    for (int i = 0; i < count; ++i) {
        const POINT device = State().mapping.ToDevice(points[i]);
        box = box.united(QRect(device.x, device.y, 1, 1));
    }
    return RECT{box.left(), box.top(), box.right(), box.bottom()};
}

void CMetaFileDC::WritePoints(DWORD type16, DWORD type32, const POINT* points, int count) {
    const bool narrow = Fits16(points, count);
    CEmfRecord record(narrow ? type16 : type32);
    record.Rect(DeviceBounds(points, count)).U32(static_cast<DWORD>(count));
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

// ---- State stack

int CMetaFileDC::SaveDC() {
    Write(Simple(EMR_SAVEDC));
    m_savedSelections.push_back(m_selected);
    return CRecordingDC::SaveDC();
}

BOOL CMetaFileDC::RestoreDC(int savedDC) {
    const int depth = static_cast<int>(m_savedSelections.size());
    if (!CRecordingDC::RestoreDC(savedDC))
        return FALSE;
    // The file counts back from the top; a depth becomes a count.
    const int level = savedDC < 0 ? depth + savedDC + 1 : savedDC;
    Write(WithValue(EMR_RESTOREDC, static_cast<DWORD>(level - depth - 1)));
    std::vector<DWORD> dropped(m_selected.begin(), m_selected.end());
    for (auto saved = m_savedSelections.begin() + level; saved != m_savedSelections.end(); ++saved)
        dropped.insert(dropped.end(), saved->begin(), saved->end());
    m_selected = m_savedSelections[static_cast<std::size_t>(level - 1)];
    m_savedSelections.resize(static_cast<std::size_t>(level - 1));
    Release(dropped);
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

void CMetaFileDC::WriteClipRect(DWORD type, int left, int top, int right, int bottom) {
    Write(WithRect(type, RECT{left, top, right, bottom}));
}

int CMetaFileDC::IntersectClipRect(int left, int top, int right, int bottom) {
    const int kind = CRecordingDC::IntersectClipRect(left, top, right, bottom);
    if (kind != ERROR)
        WriteClipRect(EMR_INTERSECTCLIPRECT, left, top, right, bottom);
    return kind;
}

int CMetaFileDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    const int kind = CRecordingDC::ExcludeClipRect(left, top, right, bottom);
    if (kind != ERROR)
        WriteClipRect(EMR_EXCLUDECLIPRECT, left, top, right, bottom);
    return kind;
}

// ---- Text

BOOL CMetaFileDC::TextOut(int x, int y, const char* text, int count) {
    m_textCell.reset();
    const BOOL drawn = CRecordingDC::TextOut(x, y, text, count);
    if (!drawn)
        return drawn;
    const std::u16string string = Cp932::ToUtf16(std::string_view(text ? text : "", count));
    const QFontMetricsF metrics(State().font);
    const double hundredthsX =
        100.0 * m_reference.Get(HORZSIZE) / std::max(m_reference.Get(HORZRES), 1);
    const double hundredthsY =
        100.0 * m_reference.Get(VERTSIZE) / std::max(m_reference.Get(VERTRES), 1);
    const RECT bounds = m_textCell ? RECT{m_textCell->left(), m_textCell->top(),
                                          m_textCell->right(), m_textCell->bottom()}
                                   : kNoRect;
    // The fixed part ends at 76; the advances follow the padded string.
    constexpr DWORD stringOffset = 76;
    const auto chars = static_cast<DWORD>(string.size());
    CEmfRecord record(EMR_EXTTEXTOUTW);
    record.Rect(bounds).U32(GM_COMPATIBLE);
    record.Float(static_cast<float>(hundredthsX)).Float(static_cast<float>(hundredthsY));
    record.Point(POINT{x, y}).U32(chars).U32(stringOffset).U32(0).Rect(kNoRect);
    record.U32(stringOffset + (chars * 2 + 3) / 4 * 4);
    record.Utf16(string).Align();
    for (const char16_t unit : string) {
        const double advance =
            QChar(unit).isSurrogate() ? 0.0 : metrics.horizontalAdvance(QChar(unit));
        record.I32(static_cast<LONG>(std::lround(advance)) + State().charExtra);
    }
    Write(record);
    return drawn;
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

COLORREF CMetaFileDC::OnSetPixel(const QPoint& point, COLORREF color) {
    const COLORREF set = CRecordingDC::OnSetPixel(point, color);
    if (set != CLR_INVALID)
        AddBounds(QRect(point, QSize(1, 1)));
    return set;
}

void CMetaFileDC::OnText(const QPointF&, const QString&, const QFont&, const QRectF& cell) {
    m_textCell = Covering(cell, 0);
    AddBounds(*m_textCell);
}
