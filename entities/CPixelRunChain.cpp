#include "entities/CPixelRunChain.h"

#include "platform/gdi/CDC.h"

CPixelRunChain::CPixelRunChain(const CDC& dc, std::vector<POINT>& chain)
    : m_dc(dc), m_chain(chain), m_keepsAxisOrder(dc.KeepsAxisOrder()) {
    m_chain.clear();
}

POINT CPixelRunChain::PixelOf(POINT view) const {
    return m_dc.PixelOf(view);
}

bool CPixelRunChain::OnLastPixel(POINT view, POINT* pixel) const {
    *pixel = m_dc.PixelOf(view);
    return !m_chain.empty() && pixel->x == m_lastPixel.x && pixel->y == m_lastPixel.y;
}

void CPixelRunChain::Keep(POINT view, POINT pixel) {
    m_chain.push_back(view);
    m_lastPixel = pixel;
}

void CPixelRunChain::Add(POINT view) {
    POINT pixel{0, 0};
    if (!OnLastPixel(view, &pixel))
        Keep(view, pixel);
}
