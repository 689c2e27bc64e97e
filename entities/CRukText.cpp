#include "entities/CRukText.h"

#include "entities/CEntityDocument.h"
#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/Cp932.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

IMPLEMENT_SERIAL(CRukText, CObject, VERSIONABLE_SCHEMA | 4)

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
// A device size this large is beyond what a font can be measured at.
constexpr int kMaxMeasurableWidth = 16385;
// Below this device height a text is measured at a hundredfold size.
constexpr int kMinMeasurableHeight = 9;
constexpr int kMeasureMagnification = 100;
// Old archives stored the height in points: 1 pt = 0.3527 mm, in 0.01 mm.
constexpr double kPointsToHundredthsMm = 0.35277777777777775 * 100;
// "・" full-width and "･" half-width middle dots pad a fit width.
constexpr const char* kFullWidthDot = "\x81\x45";
constexpr const char* kHalfWidthDot = "\xA5";

int Shifted(int value, int delta) {
    return TruncInt(static_cast<double>(value) + delta);
}

int ScaledAbout(int value, int centre, double factor) {
    return TruncInt(static_cast<double>(centre) +
                    TruncInt((static_cast<double>(value) - centre) * factor));
}

// Tenths of a degree within 0..3599, so that a 16-bit field keeps it.
int NormalizedAngle(int angle) {
    const int turned = angle % 3600;
    return turned < 0 ? turned + 3600 : turned;
}

// Rounded, not truncated: 4.007 x 1000 falls just short of 4007, and every
// save would lose a thousandth.
int Thousandths(double value) {
    return TruncInt(std::round(value * 1000));
}

} // namespace

const CSharedString& CRukText::DefaultFace() {
    static const CSharedString* face = new CSharedString(kDefaultFace); // outlives static texts
    return *face;
}

CRukText::CRukText() {
    m_kind = kKindText;
}

// ---- Archive

void CRukText::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_x2 << m_y2 << m_layerName << m_faceName << m_height
           << static_cast<UINT>(m_savedColor) << static_cast<WORD>(NormalizedAngle(m_angle))
           << m_text << static_cast<BYTE>(m_vertAlign) << static_cast<BYTE>(m_horzAlign)
           << Thousandths(m_slant) << Thousandths(m_widthFactor) << m_spacing << m_fitWidth
           << static_cast<BYTE>(m_bold) << static_cast<BYTE>(m_italic)
           << static_cast<BYTE>(m_underline) << static_cast<BYTE>(m_childFlag) << m_tag;
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 4)
        AfxThrowArchiveException(CArchiveException::badSchema);
    LoadHead(ar, schema >= 2);
    UINT color = 0;
    WORD angle = 0;
    ar >> color >> angle >> m_text;
    m_color = color;
    m_angle = angle;
    if (schema >= 1) {
        BYTE vertical = 0;
        BYTE horizontal = 0;
        ar >> vertical >> horizontal;
        m_vertAlign = vertical;
        m_horzAlign = horizontal;
    }
    if (schema >= 3) {
        // Signed thousandths: a text leaning left keeps its negative slant.
        int slant = 0;
        int widthFactor = 0;
        ar >> slant >> widthFactor;
        m_slant = slant * 0.001;
        m_widthFactor = widthFactor * 0.001;
    }
    if (schema >= 4)
        ar >> m_spacing >> m_fitWidth;
    BYTE bold = 0;
    BYTE italic = 0;
    BYTE underline = 0;
    BYTE childFlag = 0;
    ar >> bold >> italic >> underline >> childFlag >> m_tag;
    m_bold = bold;
    m_italic = italic;
    m_underline = underline;
    m_childFlag = childFlag;
    if (schema == 0)
        m_height = TruncInt(m_height * kPointsToHundredthsMm);
    m_savedColor = m_color;
    UpdateLayout();
}

void CRukText::LoadHead(CArchive& ar, bool wideHeight) {
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2 >> m_layerName >> m_faceName;
    if (wideHeight) {
        ar >> m_height;
    } else {
        WORD height = 0;
        ar >> height;
        m_height = height;
    }
}

// ---- Record

int CRukText::CreateFromRecord(const PorRecord* record, CEntityDocument*, int) {
    if (!record || record->Type() != PorText::Type ||
        record->Get(PorText::TextKind) != PorText::TextKindValue)
        return 0;
    const auto first = record->Get(PorText::First);
    const auto second = record->Get(PorText::Second);
    if (!first || !second)
        return 0;
    const auto word = [record](PorIntField field) { return record->Get(field).value_or(0); };
    m_id = record->Get(PorText::Id);
    m_x1 = first->x;
    m_y1 = first->y;
    m_x2 = second->x;
    m_y2 = second->y;
    m_angle = word(PorText::Angle);
    m_vertAlign = word(PorText::VerticalAlign);
    m_horzAlign = word(PorText::HorizontalAlign);
    m_text = record->Get(PorText::Text);
    // Signed thousandths: a negative slant leans the text left.
    m_slant = word(PorText::Slant) * 0.001;
    m_widthFactor = word(PorText::WidthFactor) * 0.001;
    m_faceName = record->Get(PorText::FaceName);
    if (word(PorText::Vertical) == 1) {
        m_faceName = CString("@") + m_faceName;
        m_vertAlign = 2;
        m_angle = TruncInt(static_cast<double>(m_angle) + 2700);
    }
    m_height = word(PorText::Height);
    m_spacing = word(PorText::Spacing);
    m_fitWidth = word(PorText::FitWidth);
    m_color = record->Get(PorText::Color).value_or(kWhite);
    m_savedColor = m_color;
    m_underline = word(PorText::Underline) == 1 ? 1 : 0;
    if (word(PorText::Style) & 1)
        m_bold = 1;
    m_layerName = record->Get(PorText::Layer);
    m_sourceLayer = m_layerName;
    UpdateLayout();
    return 1;
}

// ---- Layout

void CRukText::UpdateLayout() {
    const double w = std::fabs(static_cast<double>(m_x2) - m_x1);
    const double h = std::fabs(static_cast<double>(m_y1) - m_y2);
    // The slant moves the top corners; the box keeps its bottom-left corner
    // and becomes as much narrower (wider for a text leaning right).
    double xA = m_x1;
    if (m_slant != 0)
        xA += TruncInt(std::tan(-m_slant * kDegToRad) * h);
    const double width = m_x2 - xA;
    const double rise = static_cast<double>(m_y1) - m_y2;
    const double degrees = m_angle * 0.1;
    const auto turned = [degrees](double x, double y) {
        LONG rx = TruncInt(x);
        LONG ry = TruncInt(y);
        RotatePoint(&rx, &ry, degrees);
        return POINT{rx, ry};
    };
    const POINT b{m_x1, m_y2};
    const auto at = [&b](POINT offset) {
        return POINT{TruncInt(static_cast<double>(b.x) + offset.x),
                     TruncInt(static_cast<double>(b.y) + offset.y)};
    };
    const POINT corners[4] = {at(turned(0, rise)), b, at(turned(width, 0)),
                              at(turned(width, rise))};
    const double a = degrees * kDegToRad;
    double dx = 0;
    double dy = 0;
    double d = 0;
    if (m_horzAlign == 1 || m_horzAlign == 4)
        d = TruncInt(w) / 2;
    else if (m_horzAlign == 2)
        d = TruncInt(w);
    dx -= TruncInt(d * std::cos(a));
    dy -= TruncInt(d * std::sin(a));
    double e = 0;
    if (m_vertAlign == 2 || (m_vertAlign == 0 && m_horzAlign == 4))
        e = TruncInt(h) / 2;
    else if (m_vertAlign == 3)
        e = TruncInt(h);
    dx -= TruncInt(e * std::cos(a + 90 * kDegToRad));
    dy -= TruncInt(e * std::sin(a + 90 * kDegToRad));
    m_points.RemoveAll();
    for (const POINT& corner : corners)
        m_points.Add(POINT{TruncInt(corner.x + dx), TruncInt(corner.y + dy)});
    RecalcExtents();
}

void CRukText::RecalcExtents() {
    if (m_points.GetSize() == 0) {
        CRukEntity::RecalcExtents();
        return;
    }
    m_minX = m_maxX = m_points[0].x;
    m_minY = m_maxY = m_points[0].y;
    for (INT_PTR i = 1; i < m_points.GetSize(); ++i) {
        m_minX = std::min<int>(m_minX, m_points[i].x);
        m_maxX = std::max<int>(m_maxX, m_points[i].x);
        m_minY = std::min<int>(m_minY, m_points[i].y);
        m_maxY = std::max<int>(m_maxY, m_points[i].y);
    }
}

// ---- Transformations

void CRukText::Scale(double factor) {
    CRukEntity::Scale(factor);
    m_height = TruncInt(m_height * factor);
    RecalcExtents();
}

void CRukText::Offset(int dx, int dy) {
    CRukEntity::Offset(dx, dy);
    UpdateLayout();
}

void CRukText::ScaleAbout(int cx, int cy, double sx, double sy) {
    if (sy == 0)
        return;
    m_x1 = ScaledAbout(m_x1, cx, sx);
    m_y1 = ScaledAbout(m_y1, cy, sy);
    m_x2 = ScaledAbout(m_x2, cx, sx);
    m_y2 = ScaledAbout(m_y2, cy, sy);
    m_height = TruncInt(sy * m_height);
    if (sx != sy)
        m_widthFactor = sx / sy;
    RecalcExtents();
    UpdateLayout();
}

// ---- Measuring

void CRukText::CreateTextFont(CFont* font, int height, int escapement, BYTE underline) const {
    font->CreateFontA(
        height, 0, escapement, 0, m_bold == 1 ? FW_BOLD : FW_NORMAL, static_cast<BYTE>(m_italic),
        underline, 0, m_charSet == SHIFTJIS_CHARSET ? SHIFTJIS_CHARSET : ANSI_CHARSET,
        OUT_TT_PRECIS, CLIP_LH_ANGLES, DEFAULT_QUALITY, VARIABLE_PITCH, m_faceName.c_str());
}

void CRukText::GetTextExtent(CDC* dc, int, int, double scale, double textScale) {
    const int f = TruncInt(m_height * scale * textScale + 0.5);
    if (f == 0) {
        m_x2 = Shifted(m_x1, 1);
        m_y1 = Shifted(m_y2, 1);
        UpdateLayout();
        return;
    }
    if (!dc)
        return;
    CFont font;
    CreateTextFont(&font, -f, 3600 - m_angle, 0);
    CFont* oldFont = dc->SelectObject(&font);
    SIZE device{f, f};
    dc->LPtoDP(&device);
    CFont large;
    int divisor = 1;
    if (std::abs(device.cx) >= kMaxMeasurableWidth) {
        dc->SelectObject(oldFont);
        return;
    }
    if (std::abs(device.cy) <= kMinMeasurableHeight) {
        const int largeHeight = TruncInt(static_cast<double>(f) * kMeasureMagnification);
        CreateTextFont(&large, -largeHeight, 3600 - m_angle, static_cast<BYTE>(m_underline));
        dc->SelectObject(&large);
        device = SIZE{largeHeight, largeHeight};
        dc->LPtoDP(&device);
        if (device.cy == 0) {
            dc->SelectObject(oldFont);
            return;
        }
        divisor = kMeasureMagnification;
    }
    SIZE extent{0, 0};
    dc->GetTextExtentPoint32A(m_text.c_str(), m_text.GetLength(), &extent);
    m_x2 = Shifted(m_x1, TruncInt(extent.cx * m_widthFactor / scale + 0.5) / divisor);
    m_y1 = Shifted(m_y2, TruncInt(extent.cy / scale + 0.5) / divisor);
    dc->SelectObject(oldFont);
    UpdateLayout();
}

int CRukText::FitShare(CDC* dc) const {
    const int characters = Cp932::CharCount(m_text.str());
    if (m_fitWidth <= 0 || characters <= 1)
        return 0;
    // The padding's width from one dot of each kind, so that no string
    // as long as the record asks is ever built.
    const double full = dc->GetTextExtent(kFullWidthDot, 2).cx;
    const double half = m_fitWidth % 10 > 0 ? dc->GetTextExtent(kHalfWidthDot, 1).cx : 0.0;
    const double padding = full * TruncInt(m_fitWidth * 0.1) + half;
    return TruncInt(padding / (characters - 1) + 0.5);
}

// ---- Drawing

void CRukText::DrawA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                     const CDrawDefaults* settings, BOOL drawBlack, const RECT& clip) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, settings->m_bkColor);
    const COLORREF oldColor = dc->SetTextColor(color);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    dc->SetTextColor(oldColor);
}

void CRukText::DrawB(CEntityDocument*, CDC* dc, int unitDivisor, double scale, double,
                     const CDrawDefaults* settings, BOOL drawBlack) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, kWhite);
    const COLORREF oldColor = dc->SetTextColor(color);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    CPen* oldPen = dc->SelectObject(&pen);
    CGdiObject* oldBrush = dc->SelectStockObject(NULL_BRUSH);
    TraceB(dc, unitDivisor, scale, settings);
    dc->SelectObject(oldBrush);
    dc->SelectObject(oldPen);
    dc->SetTextColor(oldColor);
}

void CRukText::LineTypeA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                         const CDrawDefaults* settings, const RECT& clip) {
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukText::DrawFrame(CDC* dc, POINT first, POINT second) const {
    const int down = m_vertAlign == 2 ? std::abs(first.y - second.y) / 2 : 0;
    const int left = m_horzAlign == 1 || m_horzAlign == 4 ? std::abs(first.x - second.x) / 2 : 0;
    const POINT frame[4] = {{first.x - left, first.y - down},
                            {second.x - left, first.y - down},
                            {second.x - left, second.y - down},
                            {first.x - left, second.y - down}};
    dc->Polygon(frame, 4);
}

void CRukText::TraceA(CDC* dc, int originX, int originY, double scale,
                      const CDrawDefaults* settings, const RECT&, BOOL boxOnly) {
    if (boxOnly) {
        DrawFrame(dc, ToViewPoint(m_x1, m_y1, originX, originY, scale),
                  ToViewPoint(m_x2, m_y2, originX, originY, scale));
        return;
    }
    const bool metafile = dc->IsMetafile();
    Output output;
    output.toDevice = [originX, originY, scale](double x, double y) {
        return ToViewPointD(x, y, originX, originY, scale);
    };
    output.sign = metafile ? -1 : 1;
    output.textScale = settings->m_textScale;
    output.fontHeight = TruncInt(m_height * settings->m_textScale * scale + 0.5);
    output.escapement = 3600 - output.sign * m_angle;
    output.spacing = TruncInt(m_spacing * scale + 0.5);
    output.visible = metafile;
    if (!metafile) {
        SIZE device{output.fontHeight, output.fontHeight};
        dc->LPtoDP(&device);
        output.visible = std::abs(device.cy) > 1;
    }
    if (m_widthFactor != 1.0 || m_slant != 0)
        DrawOutline(dc, output, settings);
    else
        DrawText(dc, output, settings);
}

void CRukText::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    const double divisor = unitDivisor == 0 ? 1.0 : unitDivisor;
    Output output;
    output.toDevice = [unitDivisor, scale](double x, double y) {
        return ToPrintPointD(x, y, unitDivisor, scale);
    };
    output.sign = 1;
    output.textScale = settings->m_textScale;
    output.fontHeight = TruncInt(m_height / divisor * settings->m_textScale * scale * 100 + 0.5);
    output.escapement = 3600 - m_angle;
    output.spacing = TruncInt(m_spacing / divisor * scale * 100 + 0.5);
    output.visible = output.fontHeight > 9;
    if (m_widthFactor != 1.0 || m_slant != 0)
        DrawOutline(dc, output, settings);
    else
        DrawText(dc, output, settings);
}

void CRukText::DrawText(CDC* dc, const Output& output, const CDrawDefaults*) {
    dc->SetBkMode(TRANSPARENT);
    UINT align = TA_TOP;
    if (m_vertAlign == 0)
        align = m_horzAlign == 4 ? TA_BOTTOM : TA_BASELINE;
    else if (m_vertAlign == 1 || m_vertAlign == 2)
        align = TA_BOTTOM;
    if (m_horzAlign == 1 || m_horzAlign == 4)
        align |= TA_CENTER;
    else if (m_horzAlign == 2)
        align |= TA_RIGHT;
    const UINT oldAlign = dc->SetTextAlign(align);
    CFont font;
    // The underline is part of what an underlined text says.
    CreateTextFont(&font, -output.fontHeight, output.escapement, m_underline != 0 ? 1 : 0);
    CFont* oldFont = dc->SelectObject(&font);
    if (output.visible) {
        double x = m_x1;
        double y = m_y2;
        if (m_vertAlign == 2 || m_horzAlign == 4) {
            const double shift = m_height * output.textScale * 0.5;
            const double normal = (m_angle * 0.1 + 90) * kDegToRad;
            x -= TruncInt(shift * std::cos(normal));
            y -= TruncInt(shift * std::sin(normal) + 0.5);
        }
        const POINT at = output.toDevice(x, y);
        dc->SetTextCharacterExtra(TruncInt(static_cast<double>(output.spacing) + FitShare(dc)));
        dc->TextOut(at.x, TruncInt(static_cast<double>(output.sign) * at.y), m_text);
        dc->SetTextCharacterExtra(0);
    }
    dc->SelectObject(oldFont);
    dc->SetTextAlign(oldAlign);
}

void CRukText::DrawOutline(CDC* dc, const Output& output, const CDrawDefaults* settings) {
    const int sign = output.sign;
    const bool top = !(m_vertAlign == 0 || m_vertAlign == 1 || m_vertAlign == 2);
    const bool centre = m_horzAlign == 1 || m_horzAlign == 4;
    const bool right = m_horzAlign == 2;
    POINT origin = output.toDevice(m_x1, m_y2);
    origin.y = TruncInt(static_cast<double>(origin.y) * sign);
    CDC memory(CDeviceCaps(1000, 1000));
    CFont font;
    CreateTextFont(&font, -output.fontHeight, 0, 0);
    memory.SelectObject(&font);
    const double extra = output.spacing + FitShare(&memory);
    memory.SetTextCharacterExtra(TruncInt(extra / m_widthFactor + 0.5));
    memory.SetBkMode(TRANSPARENT);
    // Without the NT flag a "." follows the text and its figure is left out.
    const CString shown = settings->m_bWindowsNT ? m_text : m_text + ".";
    memory.BeginPath();
    memory.TextOut(0, 0, shown);
    memory.EndPath();
    memory.FlattenPath();
    const int count = memory.GetPath(nullptr, nullptr, 0);
    if (count <= 0)
        return;
    std::vector<POINT> points(static_cast<std::size_t>(count));
    std::vector<BYTE> types(static_cast<std::size_t>(count));
    if (memory.GetPath(points.data(), types.data(), count) != count)
        return;
    for (POINT& point : points) {
        point.y = TruncInt(-static_cast<double>(sign) * point.y);
        point.x = TruncInt(point.x * m_widthFactor);
    }
    const auto box = [&points](LONG* left, LONG* rightEdge, LONG* topEdge, LONG* bottom) {
        *left = *rightEdge = points[0].x;
        *topEdge = *bottom = points[0].y;
        for (const POINT& point : points) {
            *left = std::min(*left, point.x);
            *rightEdge = std::max(*rightEdge, point.x);
            *topEdge = std::max(*topEdge, point.y);
            *bottom = std::min(*bottom, point.y);
        }
    };
    LONG left = 0;
    LONG rightEdge = 0;
    LONG topEdge = 0;
    LONG bottom = 0;
    box(&left, &rightEdge, &topEdge, &bottom);
    left = 0;
    const bool middle = m_vertAlign == 2 || m_horzAlign == 4;
    for (POINT& point : points) {
        if (centre)
            point.x -= (rightEdge - left) / 2;
        else if (right)
            point.x -= rightEdge;
        if (top)
            point.y -= sign == 1 ? topEdge : bottom;
        else
            point.y -= sign == 1 ? bottom : topEdge;
        if (middle)
            point.y += sign * ((bottom - topEdge) / 2);
    }
    box(&left, &rightEdge, &topEdge, &bottom);
    const double lean = std::tan(sign * m_slant * -kDegToRad);
    for (POINT& point : points) {
        point.x = TruncInt(point.x + TruncInt(lean * (static_cast<double>(bottom) - point.y)));
        RotatePoint(&point.x, &point.y, sign * m_angle * 0.1);
        point.x = TruncInt(static_cast<double>(point.x) + origin.x);
        point.y = TruncInt(static_cast<double>(point.y) + origin.y);
    }
    std::vector<int> figures;
    int figure = 0;
    for (const BYTE type : types) {
        ++figure;
        if (type & PT_CLOSEFIGURE) {
            figures.push_back(figure);
            figure = 0;
        }
    }
    if (figures.empty())
        return;
    const COLORREF color = dc->GetTextColor();
    CBrush brush;
    brush.CreateSolidBrush(color);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    CBrush* oldBrush = dc->SelectObject(&brush);
    CPen* oldPen = dc->SelectObject(&pen);
    if (figures.size() < 2)
        dc->Polygon(points.data(), figures[0] - 1);
    else if (settings->m_bWindowsNT)
        dc->PolyPolygon(points.data(), figures.data(), static_cast<int>(figures.size()));
    else
        dc->PolyPolygon(points.data(), figures.data(), static_cast<int>(figures.size()) - 1);
    dc->SelectObject(oldPen);
    dc->SelectObject(oldBrush);
}

// ---- Drag and hit test

void CRukText::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy, const CDrawDefaults*) {
    DrawFrame(dc, document->LogicalToDevicePoint(Shifted(m_x1, dx), Shifted(m_y1, dy)),
              document->LogicalToDevicePoint(Shifted(m_x2, dx), Shifted(m_y2, dy)));
}

int CRukText::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    if (m_points.GetSize() < 4)
        return 0;
    POINT corners[4];
    for (int i = 0; i < 4; ++i)
        corners[i] = document->LogicalToDevicePoint(m_points[i].x, m_points[i].y);
    CRgn region;
    if (!region.CreatePolygonRgn(corners, 4, ALTERNATE))
        return 0;
    return region.PtInRegion(document->LogicalToDevicePoint(x, y)) ? 1 : 0;
}
