#include "app/CPrintHeader.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/CFont.h"

#include <QString>

#include <algorithm>
#include <iterator>

namespace {

constexpr double kInchesPerMillimetre = 0.03937007874015748;
constexpr int kRegularWeight = 400;
constexpr BYTE kVariablePitchSwiss = 32;

} // namespace

int CPrintHeader::MillimetresToPixels(double millimetres, int dpi) {
    return static_cast<int>(millimetres * dpi * kInchesPerMillimetre);
}

bool CPrintHeader::IsEmpty() const {
    return std::all_of(std::begin(m_texts), std::end(m_texts),
                       [](const CString& text) { return text.IsEmpty(); });
}

void CPrintHeader::Print(CDC* dc) const {
    // Only the document's reset fills the block, so most pages have no
    // header: nothing is set up for them.
    if (IsEmpty())
        return;
    const int dpi = dc->GetDeviceCaps(LOGPIXELSX);
    const int pw = dc->GetDeviceCaps(PHYSICALWIDTH);
    const int ph = dc->GetDeviceCaps(PHYSICALHEIGHT);
    const int ox = dc->GetDeviceCaps(PHYSICALOFFSETX);
    const int oy = dc->GetDeviceCaps(PHYSICALOFFSETY);
    const int ml = MillimetresToPixels(m_marginLeft, dpi);
    const int mt = MillimetresToPixels(m_marginTop, dpi);
    const int mr = MillimetresToPixels(m_marginRight, dpi);
    const int mb = MillimetresToPixels(m_marginBottom, dpi);

    struct Spot {
        int x;
        int y;
        UINT align;
    };
    const Spot spots[kPlaces] = {
        {ml - ox, mt - oy, TA_LEFT | TA_TOP},
        {pw / 2 - ox, mt - oy, TA_CENTER | TA_TOP},
        {pw - mr - ox, mt - oy, TA_RIGHT | TA_TOP},
        {ml - ox, ph - mb - oy, TA_LEFT | TA_BOTTOM},
        {pw / 2 - ox, ph - mb - oy, TA_CENTER | TA_BOTTOM},
        {pw - mr - ox, ph - mb - oy, TA_RIGHT | TA_BOTTOM},
    };

    CFont font;
    font.CreateFontA(-static_cast<int>(dpi * m_fontHeight * kInchesPerMillimetre), 0, 0, 0,
                     kRegularWeight, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, 0, kVariablePitchSwiss,
                     CString::FromQString(QStringLiteral("ＭＳ Ｐゴシック")));
    CFont* oldFont = dc->SelectObject(&font);
    const int oldBkMode = dc->SetBkMode(TRANSPARENT);
    for (int place = 0; place < kPlaces; ++place) {
        if (m_texts[place].IsEmpty())
            continue;
        const COLORREF oldColor = dc->SetTextColor(m_colors[place]);
        const UINT oldAlign = dc->SetTextAlign(spots[place].align);
        dc->TextOut(spots[place].x, spots[place].y, m_texts[place]);
        dc->SetTextAlign(oldAlign);
        dc->SetTextColor(oldColor);
    }
    dc->SetBkMode(oldBkMode);
    dc->SelectObject(oldFont);
}
