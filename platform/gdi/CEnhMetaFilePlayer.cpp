#include "platform/gdi/CEnhMetaFilePlayer.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/gdi/CEmfBitmapRecord.h"
#include "platform/gdi/CEmfReader.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/EmfDefs.h"
#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr std::size_t kRecordHeaderSize = 8;
constexpr DWORD kMaxFontWeight = 1000;

LONG ClampToLong(double value) {
    return static_cast<LONG>(std::clamp<double>(value, std::numeric_limits<LONG>::min(),
                                                std::numeric_limits<LONG>::max()));
}

// Device pixels of a length in 0.01 mm on the reference device.
LONG FramePixel(LONG hundredths, LONG pixels, LONG millimetres) {
    return ClampToLong(
        std::lround(static_cast<double>(hundredths) * pixels / (millimetres * 100.0)));
}

// Dots per inch, kept to what a device can have.
int Resolution(LONG pixels, double inches) {
    constexpr double kMaxDpi = 1 << 20;
    return static_cast<int>(std::lround(std::clamp(pixels / inches, 1.0, kMaxDpi)));
}

bool FitsInt(std::int64_t value) {
    return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max();
}

QFont FontOf(LONG height, LONG weight, BYTE italic, BYTE underline, BYTE strikeOut, BYTE quality,
             const std::u16string& face) {
    QFont font;
    const std::u16string name(face.begin(), std::find(face.begin(), face.end(), u'\0'));
    font.setFamily(QString::fromStdU16String(name));
    if (height != 0 && height != std::numeric_limits<LONG>::min())
        font.setPixelSize(std::abs(height));
    if (weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::min<DWORD>(weight, kMaxFontWeight)));
    font.setItalic(italic != 0);
    font.setUnderline(underline != 0);
    font.setStrikeOut(strikeOut != 0);
    if (quality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

} // namespace

LONG CEnhMetaFilePlayer::Axis::Map(LONG value) const {
    const double scaled = (static_cast<double>(value) - from) * numerator / denominator + to;
    return ClampToLong(std::floor(scaled + 0.5));
}

CEnhMetaFilePlayer::CEnhMetaFilePlayer(const BYTE* data, std::size_t size)
    : m_data(data), m_size(size), m_header(CEmfHeader::Read(data, size)) {}

CEnhMetaFilePlayer::CEnhMetaFilePlayer(const CEnhMetaFile& metafile)
    : CEnhMetaFilePlayer(metafile.Bytes().data(), metafile.Bytes().size()) {}

CEnhMetaFilePlayer::~CEnhMetaFilePlayer() = default;

RECT CEnhMetaFilePlayer::FramePixels() const {
    if (!m_header)
        return RECT{};
    const CEmfHeader& h = *m_header;
    return RECT{FramePixel(h.frame.left, h.device.cx, h.millimetres.cx),
                FramePixel(h.frame.top, h.device.cy, h.millimetres.cy),
                FramePixel(h.frame.right, h.device.cx, h.millimetres.cx),
                FramePixel(h.frame.bottom, h.device.cy, h.millimetres.cy)};
}

bool CEnhMetaFilePlayer::Play(CDC& dc, const RECT& target) {
    if (!m_header)
        return false;
    const CEmfHeader& header = *m_header;
    const RECT frame = FramePixels();
    const auto axis = [](LONG from0, LONG from1, LONG to0, LONG to1) {
        Axis result;
        result.from = from0;
        result.to = to0;
        const std::int64_t from = static_cast<std::int64_t>(from1) - from0;
        const std::int64_t to = static_cast<std::int64_t>(to1) - to0;
        if (from > 0 && to > 0) {
            const std::int64_t common = std::gcd(from, to);
            result.numerator = to / common;
            result.denominator = from / common;
        }
        return result;
    };
    m_x = axis(frame.left, frame.right, target.left, target.right);
    m_y = axis(frame.top, frame.bottom, target.top, target.bottom);
    m_dc = &dc;
    m_target = target;
    const double inchesX =
        header.micrometres ? header.micrometres->cx / 25400.0 : header.millimetres.cx / 25.4;
    const double inchesY =
        header.micrometres ? header.micrometres->cy / 25400.0 : header.millimetres.cy / 25.4;
    const int dpiX = Resolution(header.device.cx, inchesX);
    const int dpiY = Resolution(header.device.cy, inchesY);
    m_mapping.emplace(CDeviceCaps(header.device.cx, header.device.cy, dpiX, dpiY));
    m_savedMappings.clear();
    m_objects.clear();
    m_objects.resize(header.handles);
    m_deleted.clear();

    const int level = dc.SaveDC();
    ResetState();
    bool ended = false;
    bool sound = true;
    std::size_t offset = header.headerSize;
    while (sound && !ended && header.fileSize - offset >= kRecordHeaderSize) {
        CEmfReader fields(m_data + offset, header.fileSize - offset);
        const DWORD type = fields.U32();
        const DWORD size = fields.U32();
        if (size < kRecordHeaderSize || size % 4 != 0 || size > header.fileSize - offset) {
            sound = false;
            break;
        }
        CEmfReader record(m_data + offset, size);
        record.Seek(kRecordHeaderSize);
        m_record = m_data + offset;
        m_recordSize = size;
        ended = type == EMR_EOF;
        sound = PlayRecord(type, record);
        offset += size;
    }
    dc.AbortPath();
    dc.RestoreDC(level);
    m_dc = nullptr;
    m_objects.clear();
    m_deleted.clear();
    return sound && ended;
}

void CEnhMetaFilePlayer::ResetState() {
    CDC& dc = *m_dc;
    dc.SetMapMode(MM_TEXT);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.IntersectClipRect(m_target.left, m_target.top, m_target.right, m_target.bottom);
    dc.SelectStockObject(BLACK_PEN);
    dc.SelectStockObject(WHITE_BRUSH);
    dc.SelectStockObject(SYSTEM_FONT);
    dc.SetROP2(R2_COPYPEN);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 255));
    dc.SetTextColor(RGB(0, 0, 0));
    dc.SetPolyFillMode(ALTERNATE);
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SetTextCharacterExtra(0);
    dc.SetStretchBltMode(BLACKONWHITE);
    // World transforms of the file act before its own mapping.
    dc.SetGraphicsMode(GM_ADVANCED);
    dc.ModifyWorldTransform(nullptr, MWT_IDENTITY);
    dc.MoveTo(0, 0);
    ApplyMapping();
}

void CEnhMetaFilePlayer::ApplyMapping() {
    // The file's mapping followed by the frame-to-target scale is again a
    // window-to-viewport mapping, exact while the products fit.
    const SIZE window = m_mapping->WindowExt();
    const SIZE viewport = m_mapping->ViewportExt();
    const POINT origin = m_mapping->ViewportOrg();
    CDC& dc = *m_dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(m_mapping->WindowOrg());
    const std::int64_t windowX = window.cx * m_x.denominator;
    const std::int64_t windowY = window.cy * m_y.denominator;
    const std::int64_t viewportX = viewport.cx * m_x.numerator;
    const std::int64_t viewportY = viewport.cy * m_y.numerator;
    if (FitsInt(windowX) && FitsInt(windowY) && FitsInt(viewportX) && FitsInt(viewportY)) {
        dc.SetWindowExt(static_cast<int>(windowX), static_cast<int>(windowY));
        dc.SetViewportExt(static_cast<int>(viewportX), static_cast<int>(viewportY));
    } else {
        dc.SetWindowExt(window);
        dc.SetViewportExt(
            ClampToLong(std::round(static_cast<double>(viewportX) / m_x.denominator)),
            ClampToLong(std::round(static_cast<double>(viewportY) / m_y.denominator)));
    }
    dc.SetViewportOrg(m_x.Map(origin.x), m_y.Map(origin.y));
}

QRegion CEnhMetaFilePlayer::TargetRegion() const {
    return QRegion(m_target.left, m_target.top, m_target.right - m_target.left,
                   m_target.bottom - m_target.top);
}

bool CEnhMetaFilePlayer::PlayRecord(DWORD type, CEmfReader& record) {
    CDC& dc = *m_dc;
    switch (type) {
    case EMR_SETMAPMODE:
    case EMR_SETWINDOWEXTEX:
    case EMR_SETWINDOWORGEX:
    case EMR_SETVIEWPORTEXTEX:
    case EMR_SETVIEWPORTORGEX:
    case EMR_SAVEDC:
    case EMR_RESTOREDC:
        return PlayMapping(type, record);
    case EMR_CREATEPEN:
    case EMR_EXTCREATEPEN:
    case EMR_CREATEBRUSHINDIRECT:
    case EMR_EXTCREATEFONTINDIRECTW:
    case EMR_SELECTOBJECT:
    case EMR_DELETEOBJECT:
        return PlayObject(type, record);
    case EMR_POLYLINE16:
    case EMR_POLYLINE:
    case EMR_POLYGON16:
    case EMR_POLYGON:
    case EMR_POLYBEZIER16:
    case EMR_POLYBEZIER:
    case EMR_POLYLINETO16:
    case EMR_POLYLINETO:
    case EMR_POLYBEZIERTO16:
    case EMR_POLYBEZIERTO:
        return PlayPoints(type, record);
    case EMR_SETWORLDTRANSFORM:
    case EMR_MODIFYWORLDTRANSFORM:
        return PlayWorld(type, record);
    case EMR_POLYPOLYGON16:
    case EMR_POLYPOLYGON:
        return PlayPolyPolygon(type, record);
    case EMR_EXTSELECTCLIPRGN:
        return PlayClipRegion(record);
    case EMR_EXTTEXTOUTW:
        return PlayText(record);
    case EMR_BITBLT:
    case EMR_STRETCHBLT:
        return PlayBlt(type, record);
    case EMR_STRETCHDIBITS:
        return PlayStretchDIBits(record);
    case EMR_SETROP2:
    case EMR_SETBKMODE:
    case EMR_SETBKCOLOR:
    case EMR_SETTEXTCOLOR:
    case EMR_SETPOLYFILLMODE:
    case EMR_SETTEXTALIGN:
    case EMR_SETSTRETCHBLTMODE:
    case EMR_SELECTCLIPPATH: {
        const DWORD value = record.U32();
        if (!record.Ok())
            return false;
        const int number = static_cast<int>(value);
        if (type == EMR_SETROP2)
            dc.SetROP2(number);
        else if (type == EMR_SETBKMODE)
            dc.SetBkMode(number);
        else if (type == EMR_SETBKCOLOR)
            dc.SetBkColor(value);
        else if (type == EMR_SETTEXTCOLOR)
            dc.SetTextColor(value);
        else if (type == EMR_SETPOLYFILLMODE)
            dc.SetPolyFillMode(number);
        else if (type == EMR_SETTEXTALIGN)
            dc.SetTextAlign(value);
        else if (type == EMR_SETSTRETCHBLTMODE)
            dc.SetStretchBltMode(number);
        else
            dc.SelectClipPath(number);
        return true;
    }
    case EMR_MOVETOEX:
    case EMR_LINETO: {
        const POINT point = record.Point();
        if (!record.Ok())
            return false;
        if (type == EMR_MOVETOEX)
            dc.MoveTo(point);
        else
            dc.LineTo(point);
        return true;
    }
    case EMR_SETPIXELV: {
        const POINT point = record.Point();
        const COLORREF color = record.U32();
        if (!record.Ok())
            return false;
        dc.SetPixel(point, color);
        return true;
    }
    case EMR_RECTANGLE:
    case EMR_ELLIPSE:
    case EMR_INTERSECTCLIPRECT:
    case EMR_EXCLUDECLIPRECT: {
        const RECT rect = record.Rect();
        if (!record.Ok())
            return false;
        if (type == EMR_RECTANGLE)
            dc.Rectangle(&rect);
        else if (type == EMR_ELLIPSE)
            dc.Ellipse(&rect);
        else if (type == EMR_INTERSECTCLIPRECT)
            dc.IntersectClipRect(&rect);
        else
            dc.ExcludeClipRect(&rect);
        return true;
    }
    case EMR_BEGINPATH:
        dc.BeginPath();
        return true;
    case EMR_ENDPATH:
        dc.EndPath();
        return true;
    case EMR_CLOSEFIGURE:
        dc.CloseFigure();
        return true;
    case EMR_ABORTPATH:
        dc.AbortPath();
        return true;
    case EMR_FLATTENPATH:
        dc.FlattenPath();
        return true;
    case EMR_STROKEPATH:
        dc.StrokePath();
        return true;
    case EMR_FILLPATH:
        dc.FillPath();
        return true;
    case EMR_STROKEANDFILLPATH:
        dc.StrokeAndFillPath();
        return true;
    default:
        return true;
    }
}

bool CEnhMetaFilePlayer::PlayMapping(DWORD type, CEmfReader& record) {
    CDC& dc = *m_dc;
    if (type == EMR_SAVEDC) {
        dc.SaveDC();
        m_savedMappings.push_back(*m_mapping);
        return true;
    }
    if (type == EMR_RESTOREDC) {
        const LONG relative = record.I32();
        if (!record.Ok())
            return false;
        const auto depth = static_cast<LONG>(m_savedMappings.size());
        // Only the file's own saved states; the context's lie below them.
        if (relative >= 0 || relative < -depth)
            return true;
        dc.RestoreDC(relative);
        const std::size_t level = static_cast<std::size_t>(depth + relative);
        m_mapping = m_savedMappings[level];
        m_savedMappings.erase(m_savedMappings.begin() + static_cast<std::ptrdiff_t>(level),
                              m_savedMappings.end());
        return true;
    }
    if (type == EMR_SETMAPMODE) {
        const DWORD mode = record.U32();
        if (!record.Ok())
            return false;
        m_mapping->SetMapMode(static_cast<int>(mode));
    } else {
        const POINT value = record.Point();
        if (!record.Ok())
            return false;
        if (type == EMR_SETWINDOWEXTEX)
            m_mapping->SetWindowExt(SIZE{value.x, value.y});
        else if (type == EMR_SETVIEWPORTEXTEX)
            m_mapping->SetViewportExt(SIZE{value.x, value.y});
        else if (type == EMR_SETWINDOWORGEX)
            m_mapping->SetWindowOrg(value);
        else
            m_mapping->SetViewportOrg(value);
    }
    ApplyMapping();
    return true;
}

bool CEnhMetaFilePlayer::Store(DWORD index, std::unique_ptr<CGdiObject> object) {
    if (index == 0 || index >= m_objects.size())
        return false;
    if (m_objects[index])
        m_deleted.push_back(std::move(m_objects[index]));
    if (object->GetSafeHandle())
        m_objects[index] = std::move(object);
    return true;
}

bool CEnhMetaFilePlayer::PlayObject(DWORD type, CEmfReader& record) {
    const DWORD index = record.U32();
    if (type == EMR_SELECTOBJECT || type == EMR_DELETEOBJECT) {
        if (!record.Ok())
            return false;
        if (type == EMR_SELECTOBJECT && (index & ENHMETA_STOCK_OBJECT)) {
            m_dc->SelectStockObject(static_cast<int>(index & ~ENHMETA_STOCK_OBJECT));
            return true;
        }
        if (index == 0 || index >= m_objects.size())
            return false;
        if (type == EMR_SELECTOBJECT && m_objects[index])
            m_dc->SelectObject(m_objects[index].get());
        else if (type == EMR_DELETEOBJECT && m_objects[index])
            m_deleted.push_back(std::move(m_objects[index]));
        return true;
    }
    if (type == EMR_CREATEPEN) {
        const DWORD style = record.U32();
        const POINT width = record.Point();
        const COLORREF color = record.U32();
        if (!record.Ok())
            return false;
        auto pen = std::make_unique<CPen>();
        pen->CreatePen(static_cast<int>(style), width.x, color);
        return Store(index, std::move(pen));
    }
    if (type == EMR_EXTCREATEPEN) {
        for (int i = 0; i < 4; ++i)
            record.U32();
        const DWORD style = record.U32();
        const DWORD width = record.U32();
        LOGBRUSH brush{};
        brush.lbStyle = record.U32();
        brush.lbColor = record.U32();
        brush.lbHatch = record.U32();
        const DWORD count = record.U32();
        if (!record.Ok() || count > record.Remaining() / 4)
            return false;
        std::vector<DWORD> lengths(count);
        for (DWORD& length : lengths)
            length = record.U32();
        auto pen = std::make_unique<CPen>();
        pen->ExtCreatePen(style, width, brush, count, lengths.data());
        return Store(index, std::move(pen));
    }
    if (type == EMR_CREATEBRUSHINDIRECT) {
        LOGBRUSH description{};
        description.lbStyle = record.U32();
        description.lbColor = record.U32();
        description.lbHatch = record.U32();
        if (!record.Ok())
            return false;
        auto brush = std::make_unique<CBrush>();
        brush->CreateBrushIndirect(&description);
        return Store(index, std::move(brush));
    }
    const LONG height = record.I32();
    record.I32();
    const LONG escapement = record.I32();
    record.I32();
    const LONG weight = record.I32();
    const BYTE italic = record.U8();
    const BYTE underline = record.U8();
    const BYTE strikeOut = record.U8();
    for (int i = 0; i < 3; ++i)
        record.U8();
    const BYTE quality = record.U8();
    record.U8();
    std::u16string face = record.Utf16(LF_FACESIZE);
    if (!record.Ok())
        return false;
    const bool vertical = face.starts_with(u'@');
    if (vertical)
        face.erase(0, 1);
    auto font = std::make_unique<CFont>();
    font->CreateFromQFont(FontOf(height, weight, italic, underline, strikeOut, quality, face),
                          escapement, vertical);
    return Store(index, std::move(font));
}

bool CEnhMetaFilePlayer::PlayWorld(DWORD type, CEmfReader& record) {
    XFORM xform;
    for (float* value :
         {&xform.eM11, &xform.eM12, &xform.eM21, &xform.eM22, &xform.eDx, &xform.eDy})
        *value = record.Float();
    const DWORD mode = type == EMR_MODIFYWORLDTRANSFORM ? record.U32() : MWT_SET;
    if (!record.Ok())
        return false;
    // A transform the context refuses (one that squeezes the plane flat)
    // leaves the one before, as GDI does.
    m_dc->ModifyWorldTransform(&xform, mode);
    return true;
}

bool CEnhMetaFilePlayer::PlayPoints(DWORD type, CEmfReader& record) {
    const bool narrow = type == EMR_POLYLINE16 || type == EMR_POLYGON16 ||
                        type == EMR_POLYBEZIER16 || type == EMR_POLYLINETO16 ||
                        type == EMR_POLYBEZIERTO16;
    record.Rect();
    const DWORD count = record.U32();
    if (!record.Ok() || count > record.Remaining() / (narrow ? 4 : 8) ||
        count > static_cast<DWORD>(std::numeric_limits<int>::max()))
        return false;
    std::vector<POINT> points(count);
    for (POINT& point : points)
        point = narrow ? record.Point16() : record.Point();
    const int n = static_cast<int>(count);
    CDC& dc = *m_dc;
    if (type == EMR_POLYLINE16 || type == EMR_POLYLINE)
        dc.Polyline(points.data(), n);
    else if (type == EMR_POLYGON16 || type == EMR_POLYGON)
        dc.Polygon(points.data(), n);
    else if (type == EMR_POLYLINETO16 || type == EMR_POLYLINETO)
        dc.PolylineTo(points.data(), n);
    else if (type == EMR_POLYBEZIERTO16 || type == EMR_POLYBEZIERTO)
        dc.PolyBezierTo(points.data(), n);
    else
        dc.PolyBezier(points.data(), n);
    return true;
}

bool CEnhMetaFilePlayer::PlayPolyPolygon(DWORD type, CEmfReader& record) {
    const bool narrow = type == EMR_POLYPOLYGON16;
    record.Rect();
    const DWORD polygons = record.U32();
    const DWORD total = record.U32();
    if (!record.Ok() || polygons > record.Remaining() / 4 ||
        total > (record.Remaining() - polygons * 4) / (narrow ? 4 : 8))
        return false;
    std::vector<int> counts(polygons);
    std::uint64_t sum = 0;
    for (int& count : counts) {
        const DWORD value = record.U32();
        sum += value;
        count = static_cast<int>(std::min<DWORD>(value, total));
    }
    if (sum != total || polygons == 0)
        return false;
    std::vector<POINT> points(total);
    for (POINT& point : points)
        point = narrow ? record.Point16() : record.Point();
    m_dc->PolyPolygon(points.data(), counts.data(), static_cast<int>(polygons));
    return true;
}

bool CEnhMetaFilePlayer::PlayClipRegion(CEmfReader& record) {
    const DWORD dataSize = record.U32();
    const DWORD mode = record.U32();
    if (!record.Ok() || dataSize > record.Remaining())
        return false;
    QRegion area;
    if (dataSize == 0) {
        if (mode != RGN_COPY)
            return true;
        area = TargetRegion();
    } else {
        record.U32();
        record.U32();
        const DWORD count = record.U32();
        record.U32();
        record.Rect();
        if (!record.Ok() || count > record.Remaining() / 16)
            return false;
        for (DWORD i = 0; i < count; ++i) {
            const RECT rect = record.Rect();
            const QPoint topLeft(m_x.Map(rect.left), m_y.Map(rect.top));
            const QPoint bottomRight(m_x.Map(rect.right), m_y.Map(rect.bottom));
            area += QRect(topLeft, bottomRight - QPoint(1, 1));
        }
        if (mode == RGN_COPY)
            area &= TargetRegion();
    }
    CRgn region;
    region.CreateFromQRegion(area);
    m_dc->SelectClipRgn(&region, static_cast<int>(mode));
    return true;
}

bool CEnhMetaFilePlayer::PlayText(CEmfReader& record) {
    record.Rect();
    for (int i = 0; i < 3; ++i)
        record.U32();
    const POINT reference = record.Point();
    const DWORD chars = record.U32();
    const DWORD stringOffset = record.U32();
    const DWORD options = record.U32();
    const RECT rect = record.Rect();
    if (!record.Ok())
        return false;
    // Opaque empty text is how a solid fill is written.
    if (chars == 0) {
        if (options & ETO_OPAQUE)
            m_dc->FillSolidRect(&rect, m_dc->GetBkColor());
        return true;
    }
    record.Seek(stringOffset);
    const std::u16string text = record.Utf16(chars);
    if (!record.Ok())
        return false;
    const std::string bytes = Cp932::FromUtf16(text);
    m_dc->TextOut(reference.x, reference.y, bytes.data(), static_cast<int>(bytes.size()));
    return true;
}

bool CEnhMetaFilePlayer::PlayBlt(DWORD type, CEmfReader& record) {
    CEmfBitmapRecord bitmap;
    bitmap.bounds = record.Rect();
    bitmap.x = record.I32();
    bitmap.y = record.I32();
    bitmap.width = record.I32();
    bitmap.height = record.I32();
    bitmap.rop = record.U32();
    bitmap.xSrc = record.I32();
    bitmap.ySrc = record.I32();
    // The source transform and background colour are not used.
    for (int i = 0; i < 6 + 1; ++i)
        record.U32();
    bitmap.usage = record.U32();
    const DWORD infoOffset = record.U32();
    const DWORD infoSize = record.U32();
    const DWORD bitsOffset = record.U32();
    const DWORD bitsSize = record.U32();
    bitmap.srcWidth = bitmap.width;
    bitmap.srcHeight = bitmap.height;
    if (type == EMR_STRETCHBLT) {
        bitmap.srcWidth = record.I32();
        bitmap.srcHeight = record.I32();
    }
    if (!record.Ok())
        return false;
    if (infoSize == 0) {
        m_dc->PatBlt(bitmap.x, bitmap.y, bitmap.width, bitmap.height, bitmap.rop);
        return true;
    }
    if (infoOffset > m_recordSize || infoSize > m_recordSize - infoOffset ||
        bitsOffset > m_recordSize || bitsSize > m_recordSize - bitsOffset)
        return false;
    bitmap.info.assign(m_record + infoOffset, m_record + infoOffset + infoSize);
    bitmap.bits.assign(m_record + bitsOffset, m_record + bitsOffset + bitsSize);
    // The source rectangle lies in the source context, top row first.
    if (const std::optional<CDibLayout> layout =
            CDibLayout::ReadApart(bitmap.info.data(), bitmap.info.size(), bitmap.bits.size()))
        bitmap.ySrc = layout->SourceYFromTop(bitmap.ySrc, bitmap.srcHeight);
    DrawBitmap(bitmap);
    return true;
}

bool CEnhMetaFilePlayer::PlayStretchDIBits(CEmfReader& record) {
    const std::optional<CEmfBitmapRecord> bitmap =
        CEmfBitmapRecord::Read(record, m_record, m_recordSize);
    if (!bitmap)
        return false;
    DrawBitmap(*bitmap);
    return true;
}

void CEnhMetaFilePlayer::DrawBitmap(const CEmfBitmapRecord& bitmap) {
    // A bitmap the player cannot read is passed over, like an unknown record.
    if (bitmap.usage != DIB_RGB_COLORS ||
        !CDibLayout::ReadApart(bitmap.info.data(), bitmap.info.size(), bitmap.bits.size()))
        return;
    m_dc->StretchDIBits(bitmap.x, bitmap.y, bitmap.width, bitmap.height, bitmap.xSrc, bitmap.ySrc,
                        bitmap.srcWidth, bitmap.srcHeight, bitmap.bits.data(),
                        reinterpret_cast<const BITMAPINFO*>(bitmap.info.data()), bitmap.usage,
                        bitmap.rop);
}
