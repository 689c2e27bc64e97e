#include "markups/CDCTrackSurface.h"

#include "entities/CRukEntity.h"
#include "entities/ColorRules.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"
#include "settings/CDrawDefaults.h"

namespace {

constexpr int kEscapement = 3600;
constexpr int kWeight = 400;

} // namespace

CDCTrackSurface::CDCTrackSurface(CDC* dc, const CDrawDefaults* settings)
    : m_dc(dc), m_settings(settings) {
    m_pen.CreatePen(PS_SOLID, 0, GetContrastColor(settings->m_greyColor, settings->m_bkColor));
    m_oldPen = m_dc->SelectObject(&m_pen);
    m_dc->SetROP2(R2_XORPEN);
    m_oldBrush = m_dc->SelectStockObject(NULL_BRUSH);
    m_oldBkMode = m_dc->SetBkMode(TRANSPARENT);
}

CDCTrackSurface::~CDCTrackSurface() {
    m_dc->SetBkMode(m_oldBkMode);
    m_dc->SelectObject(m_oldBrush);
    m_dc->SelectObject(m_oldPen);
    m_dc->SetROP2(R2_COPYPEN);
}

void CDCTrackSurface::Polyline(const std::vector<POINT>& points) {
    m_dc->Polyline(points.data(), static_cast<int>(points.size()));
}

void CDCTrackSurface::Polygon(const std::vector<POINT>& points) {
    m_dc->Polygon(points.data(), static_cast<int>(points.size()));
}

void CDCTrackSurface::Stroke(POINT from, POINT to, int lineWidth) {
    const LOGBRUSH brush{BS_SOLID, GetContrastColor(m_settings->m_greyColor, m_settings->m_bkColor),
                         0};
    CPen pen;
    pen.ExtCreatePen(
        PS_GEOMETRIC | PS_ENDCAP_SQUARE,
        static_cast<DWORD>(CRukEntity::GetDeviceLineWidth(m_dc, lineWidth, m_settings)), brush, 0,
        nullptr);
    CPen* oldPen = m_dc->SelectObject(&pen);
    m_dc->BeginPath();
    m_dc->MoveTo(from);
    m_dc->LineTo(to);
    m_dc->EndPath();
    m_dc->StrokePath();
    m_dc->SelectObject(oldPen);
}

SIZE CDCTrackSurface::MeasureLabel(const CString& text, const CLabelFont& font) {
    return MeasureLabelOn(m_dc, text, font);
}

SIZE CDCTrackSurface::MeasureLabelOn(CDC* dc, const CString& text, const CLabelFont& font) {
    CFont labelFont;
    const BYTE charSet = font.m_charSet == SHIFTJIS_CHARSET ? SHIFTJIS_CHARSET : ANSI_CHARSET;
    labelFont.CreateFontA(-font.m_height, 0, kEscapement, 0, kWeight, 0, 0, 0, charSet,
                          OUT_TT_PRECIS, CLIP_LH_ANGLES, DEFAULT_QUALITY, VARIABLE_PITCH,
                          font.m_faceName.c_str());
    CFont* oldFont = dc->SelectObject(&labelFont);
    SIZE size{0, 0};
    dc->GetTextExtentPoint32A(text.c_str(), text.GetLength(), &size);
    dc->SelectObject(oldFont);
    return size;
}
