#include "plugins/dxf/CDxfInfiniteLineClipper.h"

#include "geometry/Geometry.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <limits>
#include <vector>

namespace {

constexpr std::size_t LineRecordSize = 92;

struct Box {
    double x0, y0, x1, y1;

    bool HasX(double x) const { return x >= x0 && x <= x1; }
    bool HasY(double y) const { return y >= y0 && y <= y1; }
};

// The extent, in integer units, that the header's scale is chosen to hold.
constexpr double ScaledExtent = 297000.0;

Box ClipBox(const CPorBounds& bounds, double unit) {
    const double w = (bounds.maxX - static_cast<double>(bounds.minX)) / unit;
    const double h = (bounds.maxY - static_cast<double>(bounds.minY)) / unit;
    // A drawing of nothing but lines through one base point has no size of
    // its own: it gets the size its scale is made for, so the lines have a
    // length.
    const double size = w > h ? w : h;
    const double half = (size > 0.0 ? size : ScaledExtent / unit) * 0.5;
    return {bounds.minX / unit - half, bounds.minY / unit - half, bounds.maxX / unit + half,
            bounds.maxY / unit + half};
}

// Where the line meets the box's edges. A line through a corner meets two
// edges in one point, which is kept once.
std::vector<DPOINT> Crossings(const CDxfInfiniteLine& line, const Box& box) {
    const double px = line.base.x;
    const double py = line.base.y;
    const double dx = line.direction.x;
    const double dy = line.direction.y;
    std::vector<DPOINT> found;
    const auto add = [&found](DPOINT point) {
        for (const DPOINT& known : found) {
            if (known == point) {
                return;
            }
        }
        found.push_back(point);
    };
    if (dx == 0.0) {
        add({px, box.y0});
        add({px, box.y1});
        return found;
    }
    const double k = dy / dx;
    const double b = py - k * px;
    if (box.HasY(k * box.x0 + b)) {
        add({box.x0, k * box.x0 + b});
    }
    if (box.HasY(k * box.x1 + b)) {
        add({box.x1, k * box.x1 + b});
    }
    if (box.HasX((box.y0 - b) / k)) {
        add({(box.y0 - b) / k, box.y0});
    }
    if (box.HasX((box.y1 - b) / k)) {
        add({(box.y1 - b) / k, box.y1});
    }
    return found;
}

double SquaredDistance(const DPOINT& a, const DPOINT& b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// An XLINE runs between the two crossings farthest apart.
bool LineSegment(const std::vector<DPOINT>& crossings, DPOINT& start, DPOINT& end) {
    if (crossings.empty()) {
        return false;
    }
    start = end = crossings.front();
    double longest = -1.0;
    for (std::size_t i = 0; i < crossings.size(); ++i) {
        for (std::size_t j = i; j < crossings.size(); ++j) {
            const double length = SquaredDistance(crossings[i], crossings[j]);
            if (length > longest) {
                longest = length;
                start = crossings[i];
                end = crossings[j];
            }
        }
    }
    return true;
}

// A RAY runs from its base to the crossing farthest along its direction.
bool RaySegment(const CDxfInfiniteLine& ray, const std::vector<DPOINT>& crossings, DPOINT& start,
                DPOINT& end) {
    if (crossings.empty()) {
        return false;
    }
    start = {ray.base.x, ray.base.y};
    end = crossings.front();
    double farthest = -std::numeric_limits<double>::infinity();
    for (const DPOINT& crossing : crossings) {
        const double along =
            (crossing.x - start.x) * ray.direction.x + (crossing.y - start.y) * ray.direction.y;
        if (along >= farthest) {
            farthest = along;
            end = crossing;
        }
    }
    return true;
}

} // namespace

void CDxfInfiniteLineClipper::Clip(CPorStream& stream, unsigned unit) {
    if (stream.InfiniteLines().empty()) {
        return;
    }
    const double u = unit == 0 ? 1.0 : static_cast<double>(unit);
    const Box box = ClipBox(stream.Bounds(), u);
    for (const CDxfInfiniteLine& line : stream.InfiniteLines()) {
        const std::vector<DPOINT> crossings = Crossings(line, box);
        DPOINT start;
        DPOINT end;
        const bool found = line.kind == CDxfInfiniteLine::Ray
                               ? RaySegment(line, crossings, start, end)
                               : LineSegment(crossings, start, end);
        if (!found) {
            continue;
        }
        const POINT p1{TruncInt(u * start.x), TruncInt(u * start.y)};
        const POINT p2{TruncInt(u * end.x), TruncInt(u * end.y)};
        // The pattern at its nominal size. The line keeps its handle and
        // layer, so it is listed under the layer it was drawn on.
        PorRecordBuilder record(PorLine::Type);
        record.Set(PorLine::Start, p1);
        record.Set(PorLine::End, p2);
        record.Set(PorLine::Pen, PorPen{line.lineType, TruncInt(u), 0, line.color});
        record.PadTo(LineRecordSize);
        record.Set(PorObjectRecord::Id, line.tag.handle);
        record.Set(PorLine::Layer, line.tag.layer);
        stream.AppendRecord(record);
        stream.ExtendBounds(p1.x, p1.y);
        stream.ExtendBounds(p2.x, p2.y);
    }
}
