#pragma once
// The vertices of a polyline or spline feature. The count the library gives
// is bounded by the arrays it gives, so a wrong count never reads past them.

#include "platform/win/WinTypes.h"
#include "plugins/sxf/SxfUnits.h"

#include <algorithm>
#include <vector>

struct SxfVertices {
    std::vector<double> x;
    std::vector<double> y;

    static SxfVertices Of(int count, const std::vector<double>& x, const std::vector<double>& y) {
        const std::size_t n =
            std::min({static_cast<std::size_t>(std::max(count, 0)), x.size(), y.size()});
        return {std::vector<double>(x.begin(), x.begin() + static_cast<long>(n)),
                std::vector<double>(y.begin(), y.begin() + static_cast<long>(n))};
    }

    std::size_t Count() const { return x.size(); }

    std::vector<POINT> ToPor(int scale) const {
        std::vector<POINT> points;
        for (std::size_t i = 0; i < x.size(); ++i) {
            points.push_back(SxfToPor(x[i], y[i], scale));
        }
        return points;
    }

    // The edge of a polyline (5) or spline (6): the type, six zero words,
    // the count and the points.
    std::vector<LONG> EdgeWords(LONG type, int scale) const {
        std::vector<LONG> words = {type, 0, 0, 0, 0, 0, 0, static_cast<LONG>(Count())};
        for (const POINT& point : ToPor(scale)) {
            words.push_back(point.x);
            words.push_back(point.y);
        }
        return words;
    }
};
