#include "platform/gdi/CWinMetaFileConverter.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/Cp932.h"

#include <QFont>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

namespace {

// The record functions the converter replays.
enum : WORD {
    META_EOF = 0x0000,
    META_SAVEDC = 0x001E,
    META_SETBKMODE = 0x0102,
    META_SETMAPMODE = 0x0103,
    META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106,
    META_SETSTRETCHBLTMODE = 0x0107,
    META_RESTOREDC = 0x0127,
    META_SELECTOBJECT = 0x012D,
    META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0,
    META_SETBKCOLOR = 0x0201,
    META_SETTEXTCOLOR = 0x0209,
    META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C,
    META_SETVIEWPORTORG = 0x020D,
    META_SETVIEWPORTEXT = 0x020E,
    META_LINETO = 0x0213,
    META_MOVETO = 0x0214,
    META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB,
    META_CREATEBRUSHINDIRECT = 0x02FC,
    META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325,
    META_ELLIPSE = 0x0418,
    META_RECTANGLE = 0x041B,
    META_EXCLUDECLIPRECT = 0x0415,
    META_INTERSECTCLIPRECT = 0x0416,
    META_SETPIXEL = 0x041F,
    META_TEXTOUT = 0x0521,
    META_POLYPOLYGON = 0x0538,
    META_DIBSTRETCHBLT = 0x0B41,
    META_STRETCHDIB = 0x0F43,
    // Objects the converter cannot make still take their slot.
    META_CREATEPALETTE = 0x00F7,
    META_CREATEPATTERNBRUSH = 0x01F9,
    META_DIBCREATEPATTERNBRUSH = 0x0142,
    META_CREATEREGION = 0x06FF,
};

constexpr std::size_t kHeaderBytes = 18;
constexpr std::size_t kRecordHead = 6;

// Little-endian fields of one record's parameters, never past their end.
class Params {
public:
    Params(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}
    bool Has(std::size_t bytes) const { return bytes <= m_size; }
    WORD Word(std::size_t index) const { return Read<WORD>(2 * index); }
    std::int16_t Short(std::size_t index) const { return static_cast<std::int16_t>(Word(index)); }
    DWORD Dword(std::size_t index) const { return Read<DWORD>(2 * index); }
    const BYTE* At(std::size_t offset) const { return m_data + offset; }
    std::size_t Size() const { return m_size; }

private:
    template <class T> T Read(std::size_t offset) const {
        T value{};
        if (offset + sizeof value <= m_size)
            std::memcpy(&value, m_data + offset, sizeof value);
        return value;
    }
    const BYTE* m_data;
    std::size_t m_size;
};

} // namespace

CWinMetaFileConverter::CWinMetaFileConverter(CMetaFileDC& dc, std::size_t objects)
    : m_dc(dc), m_objects(objects) {}

CWinMetaFileConverter::~CWinMetaFileConverter() = default;

std::vector<BYTE> CWinMetaFileConverter::Convert(const BYTE* data, std::size_t size,
                                                 LONG widthHundredths, LONG heightHundredths) {
    if (!data || size < kHeaderBytes || widthHundredths <= 0 || heightHundredths <= 0)
        return {};
    const Params header(data, kHeaderBytes);
    const WORD type = header.Word(0);
    if ((type != 1 && type != 2) || header.Word(1) != kHeaderBytes / 2)
        return {};
    const WORD objects = header.Word(6);

    // The picture's page in the reference device's pixels.
    const CDeviceCaps reference(1000, 1000);
    const RECT frame{0, 0, widthHundredths, heightHundredths};
    CMetaFileDC dc(reference);
    dc.CreateEnhanced(nullptr, nullptr, &frame, nullptr);
    dc.SetMapMode(MM_ANISOTROPIC);
    const auto pixels = [](LONG hundredths, int dpi) {
        return static_cast<int>(std::max(1.0, std::round(hundredths * dpi / 2540.0)));
    };
    dc.SetViewportExt(pixels(widthHundredths, reference.DpiX()),
                      pixels(heightHundredths, reference.DpiY()));
    {
        CWinMetaFileConverter converter(dc, objects);
        std::size_t offset = kHeaderBytes;
        while (size - offset >= kRecordHead) {
            const Params head(data + offset, kRecordHead);
            const std::size_t words = head.Dword(0);
            const WORD function = head.Word(2);
            if (function == META_EOF || words < kRecordHead / 2 || words > (size - offset) / 2)
                break;
            const std::size_t bytes = words * 2;
            if (!converter.Play(function, data + offset + kRecordHead, bytes - kRecordHead))
                break;
            offset += bytes;
        }
    }
    HENHMETAFILE metafile = dc.CloseEnhanced();
    std::vector<BYTE> bytes = metafile ? metafile->Bytes() : std::vector<BYTE>();
    DeleteEnhMetaFile(metafile);
    return bytes;
}

bool CWinMetaFileConverter::Store(std::unique_ptr<CGdiObject> object) {
    const auto free = std::find(m_objects.begin(), m_objects.end(), nullptr);
    if (free == m_objects.end())
        return false;
    *free = std::move(object);
    return true;
}

bool CWinMetaFileConverter::PlayObject(WORD function, const BYTE* data, std::size_t size) {
    const Params p(data, size);
    switch (function) {
    case META_SELECTOBJECT:
    case META_DELETEOBJECT: {
        if (!p.Has(2))
            return false;
        const WORD index = p.Word(0);
        if (index >= m_objects.size() || !m_objects[index])
            return false;
        if (function == META_SELECTOBJECT)
            m_dc.SelectObject(m_objects[index].get());
        else
            m_deleted.push_back(std::move(m_objects[index]));
        return true;
    }
    case META_CREATEPENINDIRECT: {
        if (!p.Has(10))
            return false;
        auto pen = std::make_unique<CPen>();
        pen->CreatePen(p.Word(0) & 0xFF, p.Short(1), p.Dword(3));
        return Store(std::move(pen));
    }
    case META_CREATEBRUSHINDIRECT: {
        if (!p.Has(8))
            return false;
        const LOGBRUSH description{p.Word(0), p.Dword(1), p.Word(3)};
        auto brush = std::make_unique<CBrush>();
        brush->CreateBrushIndirect(&description);
        return Store(std::move(brush));
    }
    case META_CREATEFONTINDIRECT: {
        if (!p.Has(18))
            return false;
        const std::size_t faceBytes = std::min<std::size_t>(size - 18, 32);
        const std::string face(reinterpret_cast<const char*>(p.At(18)),
                               strnlen(reinterpret_cast<const char*>(p.At(18)), faceBytes));
        QFont font(Cp932::ToQString(face));
        const int height = std::abs(p.Short(0));
        if (height > 0)
            font.setPixelSize(height);
        if (p.Short(4) > 0)
            font.setWeight(static_cast<QFont::Weight>(std::min<int>(p.Short(4), 1000)));
        font.setItalic(p.At(10)[0] != 0);
        font.setUnderline(p.At(11)[0] != 0);
        font.setStrikeOut(p.At(12)[0] != 0);
        auto made = std::make_unique<CFont>();
        made->CreateFromQFont(font);
        return Store(std::move(made));
    }
    default:
        // A palette, pattern brush or region: its slot is taken by an
        // object that selects nothing.
        return Store(std::make_unique<CBrush>());
    }
}

bool CWinMetaFileConverter::Play(WORD function, const BYTE* data, std::size_t size) {
    const Params p(data, size);
    switch (function) {
    case META_SELECTOBJECT:
    case META_DELETEOBJECT:
    case META_CREATEPENINDIRECT:
    case META_CREATEBRUSHINDIRECT:
    case META_CREATEFONTINDIRECT:
    case META_CREATEPALETTE:
    case META_CREATEPATTERNBRUSH:
    case META_DIBCREATEPATTERNBRUSH:
    case META_CREATEREGION:
        return PlayObject(function, data, size);
    case META_SAVEDC:
        m_dc.SaveDC();
        return true;
    case META_RESTOREDC:
        if (!p.Has(2))
            return false;
        m_dc.RestoreDC(p.Short(0));
        return true;
    case META_SETBKMODE:
    case META_SETMAPMODE:
    case META_SETROP2:
    case META_SETPOLYFILLMODE:
    case META_SETSTRETCHBLTMODE:
    case META_SETTEXTALIGN: {
        if (!p.Has(2))
            return false;
        const int value = p.Word(0);
        if (function == META_SETBKMODE)
            m_dc.SetBkMode(value);
        else if (function == META_SETMAPMODE)
            m_dc.SetMapMode(value);
        else if (function == META_SETROP2)
            m_dc.SetROP2(value);
        else if (function == META_SETPOLYFILLMODE)
            m_dc.SetPolyFillMode(value);
        else if (function == META_SETSTRETCHBLTMODE)
            m_dc.SetStretchBltMode(value);
        else
            m_dc.SetTextAlign(static_cast<UINT>(value));
        return true;
    }
    case META_SETBKCOLOR:
    case META_SETTEXTCOLOR:
        if (!p.Has(4))
            return false;
        if (function == META_SETBKCOLOR)
            m_dc.SetBkColor(p.Dword(0));
        else
            m_dc.SetTextColor(p.Dword(0));
        return true;
    case META_SETWINDOWORG:
    case META_SETWINDOWEXT:
    case META_SETVIEWPORTORG:
    case META_SETVIEWPORTEXT:
    case META_LINETO:
    case META_MOVETO: {
        if (!p.Has(4))
            return false;
        const int y = p.Short(0);
        const int x = p.Short(1);
        if (function == META_SETWINDOWORG)
            m_dc.SetWindowOrg(x, y);
        else if (function == META_SETWINDOWEXT)
            m_dc.SetWindowExt(x, y);
        else if (function == META_SETVIEWPORTORG)
            m_dc.SetViewportOrg(x, y);
        else if (function == META_SETVIEWPORTEXT)
            m_dc.SetViewportExt(x, y);
        else if (function == META_LINETO)
            m_dc.LineTo(x, y);
        else
            m_dc.MoveTo(x, y);
        return true;
    }
    case META_SETPIXEL:
        if (!p.Has(8))
            return false;
        m_dc.SetPixel(p.Short(3), p.Short(2), p.Dword(0));
        return true;
    case META_RECTANGLE:
    case META_ELLIPSE:
    case META_INTERSECTCLIPRECT:
    case META_EXCLUDECLIPRECT: {
        if (!p.Has(8))
            return false;
        const int bottom = p.Short(0), right = p.Short(1), top = p.Short(2), left = p.Short(3);
        if (function == META_RECTANGLE)
            m_dc.Rectangle(left, top, right, bottom);
        else if (function == META_ELLIPSE)
            m_dc.Ellipse(left, top, right, bottom);
        else if (function == META_INTERSECTCLIPRECT)
            m_dc.IntersectClipRect(left, top, right, bottom);
        else
            m_dc.ExcludeClipRect(left, top, right, bottom);
        return true;
    }
    case META_POLYLINE:
    case META_POLYGON: {
        if (!p.Has(2))
            return false;
        const std::size_t count = p.Word(0);
        if (!p.Has(2 + 4 * count))
            return false;
        std::vector<POINT> points(count);
        for (std::size_t i = 0; i < count; ++i)
            points[i] = POINT{p.Short(1 + 2 * i), p.Short(2 + 2 * i)};
        if (function == META_POLYLINE)
            m_dc.Polyline(points.data(), static_cast<int>(count));
        else
            m_dc.Polygon(points.data(), static_cast<int>(count));
        return true;
    }
    case META_POLYPOLYGON: {
        if (!p.Has(2))
            return false;
        const std::size_t polygons = p.Word(0);
        if (!p.Has(2 + 2 * polygons))
            return false;
        std::vector<int> counts(polygons);
        std::size_t total = 0;
        for (std::size_t i = 0; i < polygons; ++i)
            total += counts[i] = p.Word(1 + i);
        const std::size_t first = 1 + polygons;
        if (!p.Has(2 * first + 4 * total))
            return false;
        std::vector<POINT> points(total);
        for (std::size_t i = 0; i < total; ++i)
            points[i] = POINT{p.Short(first + 2 * i), p.Short(first + 2 * i + 1)};
        m_dc.PolyPolygon(points.data(), counts.data(), static_cast<int>(polygons));
        return true;
    }
    case META_TEXTOUT: {
        if (!p.Has(2))
            return false;
        const std::size_t length = p.Word(0);
        const std::size_t padded = (length + 1) / 2 * 2;
        if (!p.Has(2 + padded + 4))
            return false;
        const std::size_t after = (2 + padded) / 2;
        m_dc.TextOut(p.Short(after + 1), p.Short(after), reinterpret_cast<const char*>(p.At(2)),
                     static_cast<int>(length));
        return true;
    }
    case META_STRETCHDIB:
    case META_DIBSTRETCHBLT: {
        // Raster operation, [usage,] source height, width, y, x, destination
        // height, width, y, x, then the packed bitmap.
        const std::size_t first = function == META_STRETCHDIB ? 3 : 2;
        const std::size_t bitmapAt = 2 * (first + 8);
        if (!p.Has(bitmapAt))
            return false;
        const BYTE* packed = p.At(bitmapAt);
        const std::size_t packedSize = size - bitmapAt;
        const std::optional<CDibLayout> layout = CDibLayout::Read(packed, packedSize);
        if (!layout)
            return true;
        const std::vector<BYTE> dib(packed, packed + packedSize);
        // A block transfer names its source rows from the top.
        const int sourceY = function == META_STRETCHDIB
                                ? p.Short(first + 2)
                                : layout->SourceYFromTop(p.Short(first + 2), p.Short(first));
        m_dc.StretchDIBits(p.Short(first + 7), p.Short(first + 6), p.Short(first + 5),
                           p.Short(first + 4), p.Short(first + 3), sourceY, p.Short(first + 1),
                           p.Short(first), dib.data() + layout->bitsOffset,
                           reinterpret_cast<const BITMAPINFO*>(dib.data()), DIB_RGB_COLORS,
                           p.Dword(0));
        return true;
    }
    default:
        return true;
    }
}
