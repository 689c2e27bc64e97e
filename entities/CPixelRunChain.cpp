#include "entities/CPixelRunChain.h"

CPixelRunChain::CPixelRunChain(const CDC& dc, std::vector<POINT>& chain)
    : m_dc(dc), m_chain(chain), m_keepsAxisOrder(dc.KeepsAxisOrder()) {
    m_chain.clear();
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
