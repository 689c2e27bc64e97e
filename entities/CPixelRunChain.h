#pragma once
// A chain of view points built for a context that drops points repeating
// the device pixel before them: of each run of samples on one pixel only the
// first is computed and kept. Where the samples move monotonically in x and
// y (a quarter of a circle), the samples on one pixel are consecutive, so
// the first sample on the next pixel is found by doubling steps and halving
// the interval instead of visiting every sample between.

#include "platform/win/WinTypes.h"

#include <functional>
#include <vector>

class CDC;

class CPixelRunChain {
public:
    // The view point of a sample by its index.
    using Sample = std::function<POINT(int index)>;

    // Starts an empty chain in the buffer, which keeps its capacity.
    CPixelRunChain(const CDC& dc, std::vector<POINT>& chain);

    // A point taken as it is; left out on the pixel of the point before.
    void Add(POINT view);
    // The samples first to last, monotonic in x and y along the way.
    void AddMonotonic(int first, int last, const Sample& sample);

private:
    bool OnLastPixel(POINT view) const;

    const CDC& m_dc;
    std::vector<POINT>& m_chain;
    POINT m_lastPixel{0, 0};
};
