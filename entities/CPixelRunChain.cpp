#include "entities/CPixelRunChain.h"

#include "platform/gdi/CDC.h"

CPixelRunChain::CPixelRunChain(const CDC& dc, std::vector<POINT>& chain)
    : m_dc(dc), m_chain(chain) {
    m_chain.clear();
}

bool CPixelRunChain::OnLastPixel(POINT view) const {
    const POINT pixel = m_dc.PixelOf(view);
    return !m_chain.empty() && pixel.x == m_lastPixel.x && pixel.y == m_lastPixel.y;
}

void CPixelRunChain::Add(POINT view) {
    if (OnLastPixel(view))
        return;
    m_chain.push_back(view);
    m_lastPixel = m_dc.PixelOf(view);
}

void CPixelRunChain::AddMonotonic(int first, int last, const Sample& sample) {
    if (first > last)
        return;
    Add(sample(first));
    int current = first;
    while (current < last) {
        // Samples up to `same` lie on the last pixel; `moved`, once found, is
        // the first known to leave it.
        int same = current;
        int moved = -1;
        POINT movedPoint{0, 0};
        for (int step = 1;; step *= 2) {
            const int probe = step < last - current ? current + step : last;
            const POINT point = sample(probe);
            if (!OnLastPixel(point)) {
                moved = probe;
                movedPoint = point;
                break;
            }
            same = probe;
            if (probe == last)
                return;
        }
        while (moved - same > 1) {
            const int middle = same + (moved - same) / 2;
            const POINT point = sample(middle);
            if (OnLastPixel(point)) {
                same = middle;
            } else {
                moved = middle;
                movedPoint = point;
            }
        }
        Add(movedPoint);
        current = moved;
    }
}
