#pragma once
// A chain of view points built for a context that drops points repeating
// the device pixel before them: of each run of samples on one pixel only the
// first is computed and kept. Where the samples move monotonically in x and
// y (a quarter of a circle), the samples on one pixel are consecutive, so
// the first sample on the next pixel is found by doubling steps and halving
// the interval instead of visiting every sample between; and once the last
// kept pixel is that of the run's last sample, the run ends there without
// probing.

#include "platform/gdi/CDC.h"
#include "platform/win/WinTypes.h"

#include <algorithm>
#include <vector>

class CPixelRunChain {
public:
    // Starts an empty chain in the buffer, which keeps its capacity.
    CPixelRunChain(const CDC& dc, std::vector<POINT>& chain);

    // A point taken as it is; left out on the pixel of the point before.
    void Add(POINT view);
    // The samples first to last, monotonic in x and y along the way;
    // sample(index) gives the view point of a sample.
    template <typename Sample> void AddMonotonic(int first, int last, const Sample& sample);

private:
    // Whether the point lies on the last kept pixel; its pixel either way.
    // Inline: a ring asks for the pixels of some twenty samples.
    bool OnLastPixel(POINT view, POINT* pixel) const {
        *pixel = m_dc.PixelOf(view);
        return !m_chain.empty() && pixel->x == m_lastPixel.x && pixel->y == m_lastPixel.y;
    }
    POINT PixelOf(POINT view) const { return m_dc.PixelOf(view); }
    void Keep(POINT view, POINT pixel);

    const CDC& m_dc;
    std::vector<POINT>& m_chain;
    // A world transform that turns mixes the axes: a monotonic run of view
    // points may then leave a pixel and come back to it.
    bool m_keepsAxisOrder;
    POINT m_lastPixel{0, 0};
    // Samples between the last two pixels kept.
    int m_lastRun = 1;
};

template <typename Sample>
void CPixelRunChain::AddMonotonic(int first, int last, const Sample& sample) {
    if (first > last)
        return;
    Add(sample(first));
    POINT endPoint{0, 0};
    POINT endPixel{0, 0};
    const bool endKnown = m_keepsAxisOrder && first < last;
    if (endKnown) {
        endPoint = sample(last);
        endPixel = PixelOf(endPoint);
    }
    // Until a run of this stretch is measured, a small ring's one or two
    // pixel changes are found faster by halving the whole stretch.
    bool halveFirst = endKnown;
    int current = first;
    while (current < last) {
        // Every sample left lies between the last pixel and the end's pixel
        // on both axes: when they are one pixel, so are all of them.
        if (endKnown && endPixel.x == m_lastPixel.x && endPixel.y == m_lastPixel.y)
            return;
        // Samples up to `same` lie on the last pixel; `moved`, once found, is
        // the first known to leave it.
        int same = current;
        int moved = -1;
        POINT movedPoint{0, 0};
        POINT movedPixel{0, 0};
        POINT pixel{0, 0};
        if (halveFirst) {
            halveFirst = false;
            moved = last;
            movedPoint = endPoint;
            movedPixel = endPixel;
        }
        // Runs along a curve are alike: the first probe goes half the last.
        for (int step = std::max(1, m_lastRun / 2); moved < 0; step *= 2) {
            const int probe = step < last - current ? current + step : last;
            const POINT point = sample(probe);
            if (!OnLastPixel(point, &pixel)) {
                moved = probe;
                movedPoint = point;
                movedPixel = pixel;
                break;
            }
            same = probe;
            if (probe == last)
                return;
        }
        while (moved - same > 1) {
            const int middle = same + (moved - same) / 2;
            const POINT point = sample(middle);
            if (OnLastPixel(point, &pixel)) {
                same = middle;
            } else {
                moved = middle;
                movedPoint = point;
                movedPixel = pixel;
            }
        }
        Keep(movedPoint, movedPixel);
        m_lastRun = moved - current;
        current = moved;
    }
}
