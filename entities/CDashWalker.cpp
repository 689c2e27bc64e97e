#include "entities/CDashWalker.h"

#include <algorithm>
#include <cmath>

namespace {

struct Segment {
    DPOINT start;
    DPOINT direction;
    double length; // 0 for coincident or unusable points
};

Segment MakeSegment(const DPOINT& from, const DPOINT& to) {
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    Segment segment{from, {0.0, 0.0}, 0.0};
    const double length = std::hypot(dx, dy);
    if (!(length > 0.0) || !std::isfinite(length))
        return segment;
    segment.length = length;
    if (dx == 0.0) {
        segment.direction = {0.0, dy > 0.0 ? 1.0 : -1.0};
    } else if (dy == 0.0) {
        segment.direction = {dx > 0.0 ? 1.0 : -1.0, 0.0};
    } else {
        const double angle = std::atan2(dy, dx);
        segment.direction = {std::cos(angle), std::sin(angle)};
    }
    return segment;
}

POINT Rounded(const DPOINT& point) {
    return POINT{RndInt(point.x), RndInt(point.y)};
}

POINT PointAt(const Segment& segment, double distance) {
    return Rounded(DPOINT{segment.start.x + segment.direction.x * distance,
                          segment.start.y + segment.direction.y * distance});
}

bool HasLength(const DWORD* dashes, int dashCount) {
    return dashes && dashCount > 0 &&
           std::any_of(dashes, dashes + dashCount, [](DWORD length) { return length > 0; });
}

// Entries of one period: an odd pattern twice, so that even entries are
// always dashes and odd ones gaps.
int PeriodOf(int dashCount) {
    return dashCount % 2 == 1 ? 2 * dashCount : dashCount;
}

// Appends while there is room; false once the guard is reached.
bool Emit(std::vector<POINT>& out, const POINT& point) {
    if (static_cast<INT_PTR>(out.size()) >= CDashWalker::kMaxPoints)
        return false;
    out.push_back(point);
    return true;
}

} // namespace

std::vector<POINT> CDashWalker::Segments(const DPOINT* chain, int count, const DWORD* dashes,
                                         int dashCount) {
    std::vector<POINT> out;
    if (!chain || count < 2 || !HasLength(dashes, dashCount))
        return out;
    const int period = PeriodOf(dashCount);
    int index = 0;
    long long remaining = dashes[0];
    bool room = true;
    for (int i = 1; i < count && room; ++i) {
        const Segment segment = MakeSegment(chain[i - 1], chain[i]);
        if (segment.length == 0.0)
            continue;
        if (index % 2 == 0)
            room = Emit(out, Rounded(segment.start));
        double position = 0.0;
        while (room && static_cast<double>(remaining) < segment.length - position) {
            position += static_cast<double>(remaining);
            room = Emit(out, PointAt(segment, position));
            index = (index + 1) % period;
            remaining = dashes[index % dashCount];
        }
        if (!room)
            break;
        if (index % 2 == 0)
            room = Emit(out, Rounded(chain[i]));
        remaining -= static_cast<long long>(segment.length - position + 0.5);
        // An entry that ends on the vertex is used up: the next segment
        // starts with the following one rather than repeating it.
        if (remaining <= 0) {
            index = (index + 1) % period;
            remaining = dashes[index % dashCount];
        }
    }
    if (out.size() % 2 == 1)
        out.pop_back();
    return out;
}

std::vector<POINT> CDashWalker::UnitSteps(const DPOINT* chain, int count) {
    std::vector<POINT> out;
    if (!chain)
        return out;
    for (int i = 1; i < count; ++i) {
        const Segment segment = MakeSegment(chain[i - 1], chain[i]);
        if (segment.length == 0.0)
            continue;
        for (double step = 1.0;; step += 1.0) {
            if (!Emit(out, PointAt(segment, step)))
                return out;
            if (step >= segment.length)
                break;
        }
    }
    return out;
}

std::vector<std::pair<int, int>> CDashWalker::StepRuns(int stepCount, const DWORD* dashes,
                                                       int dashCount) {
    std::vector<std::pair<int, int>> runs;
    if (stepCount < 2)
        return runs;
    const long long last = stepCount - 1;
    if (!HasLength(dashes, dashCount)) {
        runs.emplace_back(0, static_cast<int>(last));
        return runs;
    }
    const int period = PeriodOf(dashCount);
    long long first = 0;
    for (int index = 0; first < last; index = (index + 2) % period) {
        const long long dash = dashes[index % dashCount];
        const long long gap = dashes[(index + 1) % dashCount];
        const long long end = std::min(first + dash, last);
        if (end > first)
            runs.emplace_back(static_cast<int>(first), static_cast<int>(end));
        first += dash + gap;
    }
    return runs;
}
