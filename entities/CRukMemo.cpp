#include "entities/CRukMemo.h"

#include "entities/CEntityDocument.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchive.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

IMPLEMENT_SERIAL(CRukMemo, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

// An empty line still takes the height of one blank.
CString Measured(const CString& line) {
    return line.IsEmpty() ? CString(" ") : line;
}

// The text scale of the hit test, which gets no settings.
constexpr double kHitTextScale = 1.0;

} // namespace

CRukMemo::CRukMemo() {
    m_kind = kKindMemo;
}

void CRukMemo::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_x2 << m_y2 << m_layerName << m_faceName << m_height
           << static_cast<UINT>(m_savedColor) << m_text << static_cast<BYTE>(m_childFlag) << m_tag;
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    LoadHead(ar, schema >= 1);
    UINT color = 0;
    BYTE childFlag = 0;
    ar >> color >> m_text >> childFlag >> m_tag;
    m_color = color;
    m_childFlag = childFlag;
    m_savedColor = m_color;
    RecalcExtents();
}

void CRukMemo::RecalcExtents() {
    CRukEntity::RecalcExtents();
}

void CRukMemo::SetCorner2(int x, int y) {
    m_x1 = std::min(m_x1, x);
    m_y1 = std::max(m_y1, y);
    m_x2 = x;
    m_y2 = y;
}

std::vector<CString> CRukMemo::SplitLines(const CString& text) {
    std::vector<CString> lines;
    CString line;
    for (const char c : text.str()) {
        if (c == '\n') {
            lines.push_back(line);
            line = CString();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.IsEmpty() || text.str().ends_with('\n'))
        lines.push_back(line);
    return lines;
}

SIZE CRukMemo::MeasureLines(CDC* dc, const std::vector<CString>& lines) {
    SIZE total{0, 0};
    for (const CString& line : lines) {
        const CSize size = dc->GetTextExtent(Measured(line));
        total.cx = std::max(total.cx, size.cx);
        total.cy = TruncInt(static_cast<double>(total.cy) + size.cy);
    }
    return total;
}

// ---- Drawing

void CRukMemo::TraceA(CDC* dc, int originX, int originY, double scale,
                      const CDrawDefaults* settings, const RECT&, BOOL boxOnly) {
    if (boxOnly)
        return;
    const bool metafile = dc->IsMetafile();
    const int sign = metafile ? -1 : 1;
    dc->SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
    const int f = TruncInt(m_height * settings->m_textScale * scale + 0.5);
    SIZE device{f, f};
    if (!metafile)
        dc->LPtoDP(&device);
    CFont font;
    CreateTextFont(&font, -f, 3600 - sign * m_angle, 0);
    CFont* oldFont = dc->SelectObject(&font);
    const POINT first = ToViewPoint(m_x1, m_y1, originX, originY, scale);
    const POINT second = ToViewPoint(m_x2, m_y2, originX, originY, scale);
    if (metafile) {
        double y = first.y;
        for (const CString& line : SplitLines(m_text)) {
            if (!line.IsEmpty())
                dc->TextOut(first.x, TruncInt(sign * y), line);
            y -= dc->GetTextExtent(Measured(line)).cy;
        }
    } else if (std::abs(device.cy) > 1) {
        RECT box{first.x, first.y, second.x, second.y};
        dc->DrawTextA(m_text.c_str(), m_text.GetLength(), &box, DT_LEFT | DT_TOP | DT_NOCLIP);
    }
    dc->SelectObject(oldFont);
    dc->SetTextAlign(oldAlign);
}

void CRukMemo::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults* settings) {
    const double divisor = unitDivisor == 0 ? 1.0 : unitDivisor;
    dc->SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc->SetTextAlign(TA_LEFT | TA_TOP);
    const int u = TruncInt(m_height / divisor * settings->m_textScale * scale * 100 + 0.5);
    CFont font;
    CreateTextFont(&font, -u, 3600 - m_angle, 0);
    CFont* oldFont = dc->SelectObject(&font);
    const POINT first = ToPrintPoint(m_x1, m_y1, unitDivisor, scale);
    const POINT second = ToPrintPoint(m_x2, m_y2, unitDivisor, scale);
    if (u > 9) {
        RECT box{first.x, first.y, second.x, second.y};
        dc->DrawTextA(m_text.c_str(), m_text.GetLength(), &box, DT_LEFT | DT_TOP | DT_NOCLIP);
    }
    dc->SelectObject(oldFont);
    dc->SetTextAlign(oldAlign);
}

void CRukMemo::DrawMoved(CEntityDocument*, CDC*, int, int, const CDrawDefaults*) {}

// ---- Hit test and fit

int CRukMemo::HitTest(CDC* dc, CEntityDocument* document, int x, int y) {
    if (!dc || !document)
        return 0;
    const POINT test = document->LogicalToDevicePoint(x, y);
    const POINT corner = document->LogicalToDevicePoint(m_x1, m_y1);
    CFont font;
    CreateTextFont(&font, -TruncInt(m_height * document->ViewScale() * kHitTextScale + 0.5),
                   3600 - m_angle, 0);
    CFont* oldFont = dc->SelectObject(&font);
    double top = corner.y;
    int hit = 0;
    for (const CString& line : SplitLines(m_text)) {
        const CSize size = dc->GetTextExtent(Measured(line));
        if (!line.IsEmpty()) {
            const LONG y0 = TruncInt(top);
            const LONG y1 = TruncInt(top - size.cy);
            const LONG x1 = TruncInt(static_cast<double>(corner.x) + size.cx);
            const POINT box[4] = {{corner.x, y0}, {corner.x, y1}, {x1, y1}, {x1, y0}};
            CRgn region;
            if (region.CreatePolygonRgn(box, 4, ALTERNATE) && region.PtInRegion(test)) {
                hit = 1;
                break;
            }
        }
        top -= size.cy;
    }
    dc->SelectObject(oldFont);
    return hit;
}

void CRukMemo::FitTextToBox(CEntityDocument* document, CDC* dc, const CString& text,
                            const CDrawDefaults* settings) {
    m_text = text;
    if (!document || !dc)
        return;
    const double width = std::fabs(static_cast<double>(m_x1) - m_x2);
    const double height = std::fabs(static_cast<double>(m_y1) - m_y2);
    const double textScale = settings ? settings->m_textScale : 1.0;
    const double viewScale = document->ViewScale();
    if (width == 0 || height == 0 || textScale * viewScale == 0)
        return;
    const double ratio = width / height;
    const std::vector<CString> lines = SplitLines(m_text);
    CFont* oldFont = nullptr;
    // The factor that makes the measured text fill the box at that font
    // height; 0 when the text measures empty.
    const auto factorAt = [&](int fontHeight) {
        CFont font;
        font.CreateFontA(-fontHeight, 0, 3600, 0, FW_NORMAL, 0, 0, 0,
                         m_charSet == SHIFTJIS_CHARSET ? SHIFTJIS_CHARSET : ANSI_CHARSET,
                         OUT_TT_PRECIS, CLIP_LH_ANGLES, DEFAULT_QUALITY, VARIABLE_PITCH,
                         m_faceName.c_str());
        CFont* previous = dc->SelectObject(&font);
        if (!oldFont)
            oldFont = previous;
        const SIZE measured = MeasureLines(dc, lines);
        dc->SelectObject(oldFont);
        const double mw = std::abs(RndInt(measured.cx / viewScale));
        const double mh = std::abs(RndInt(measured.cy / viewScale));
        if (mw == 0 || mh == 0)
            return 0.0;
        return mw / mh >= ratio ? width / mw : height / mh;
    };
    const int g = TruncInt(m_height * viewScale * textScale + 0.5);
    const double k = g > 0 ? factorAt(g) : 0.0;
    const int fitted = TruncInt(g * k);
    if (fitted <= 0)
        return;
    const double k2 = factorAt(fitted);
    if (k2 == 0)
        return;
    m_height = TruncInt(fitted * k2 / (textScale * viewScale) + 0.5);
}
