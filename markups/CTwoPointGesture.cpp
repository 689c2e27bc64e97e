#include "markups/CTwoPointGesture.h"

#include "markups/CRukMark.h"

int CTwoPointGesture::AddSecond(CRukEntity* markup, int x, int y, Refusal refusal) {
    const bool sameX = x == markup->m_x1;
    const bool sameY = y == markup->m_y1;
    if (refusal == kSamePoint ? (sameX && sameY) : (sameX || sameY))
        return 0;
    markup->m_points.Add(POINT{x, y});
    markup->m_x2 = x;
    markup->m_y2 = y;
    return 1;
}

POINT CTwoPointGesture::Anchor(const CRukEntity& markup, CEntityDocument* document, CDC* dc, int x,
                               int y) {
    if (!document || markup.m_points.GetSize() != 1)
        return POINT{x, y};
    return CRukMark::DevicePoint(document, dc, markup.m_points[0]);
}
