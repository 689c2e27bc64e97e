#pragma once
// Helpers of the hatch tests: the words of hatch records (loops, edges,
// pattern lines) and a context that keeps the segments drawn with
// MoveTo/LineTo and the pixels set.

#include "platform/gdi/CRecordingDC.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "tests/entities/PointPrinting.h"

#include <ostream>
#include <vector>

namespace HatchTest {

using Words = std::vector<LONG>;

inline Words Join(std::initializer_list<Words> parts) {
    Words words;
    for (const Words& part : parts)
        words.insert(words.end(), part.begin(), part.end());
    return words;
}

inline Words Loop(LONG edgeCount, const Words& edges) {
    return Join({{0, 0, 0, edgeCount}, edges});
}

inline Words PointWords(const std::vector<POINT>& points) {
    Words words{static_cast<LONG>(points.size())};
    for (const POINT& p : points)
        words.insert(words.end(), {p.x, p.y});
    return words;
}

inline Words LineEdge(POINT a, POINT b) {
    return {PorHatchEdge::LineType, 1, a.x, a.y, b.x, b.y, 0, 1, 0, 0};
}

inline Words ArcEdge(LONG type, LONG flag, POINT start, POINT end,
                     const std::vector<POINT>& corners) {
    return Join({{type, flag, start.x, start.y, end.x, end.y, 0}, PointWords(corners)});
}

// The box of a circle about (cx, cy) as the DXF plug-in writes it.
inline std::vector<POINT> CircleBox(LONG cx, LONG cy, LONG r) {
    return {{cx - r, cy + r}, {cx - r, cy - r}, {cx + r, cy - r}, {cx + r, cy + r}};
}

inline Words ListEdge(LONG type, const std::vector<POINT>& points) {
    return Join({{type, 0, 0, 0, 0, 0, 0}, PointWords(points)});
}

inline Words NurbsEdge(LONG degree, const std::vector<POINT>& control, const Words& weights,
                       const Words& knots) {
    Words words = Join({{PorHatchEdge::NurbsType, 1, 0, 0, 0, 0, degree}, PointWords(control)});
    words.push_back(static_cast<LONG>(weights.size()));
    words.insert(words.end(), weights.begin(), weights.end());
    words.push_back(static_cast<LONG>(knots.size()));
    words.insert(words.end(), knots.begin(), knots.end());
    return words;
}

inline Words PatternLine(LONG hundredths, POINT base, POINT offset, const Words& dashes) {
    return Join({{hundredths, base.x, base.y, offset.x, offset.y, 13, 0x00FF00,
                  static_cast<LONG>(dashes.size())},
                 dashes});
}

inline Words Square(LONG x0, LONG y0, LONG x1, LONG y1) {
    return Loop(1, ListEdge(PorHatchEdge::PolylineType, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}));
}

inline PorRecordBuilder HatchRecord(LONG kind, LONG loopCount, const Words& loops, LONG fillCount,
                                    const Words& fill, COLORREF color = 0x0000FF) {
    PorRecordBuilder record(PorHatch::Type);
    record.Set(PorHatch::Color, color);
    record.Set(PorHatch::Kind, kind);
    record.Set(PorHatch::LoopCount, loopCount);
    record.Set(PorHatch::PatternCount, fillCount);
    record.AppendLongs(loops);
    record.Set(PorHatch::FillOffset, static_cast<LONG>(record.Size()));
    record.Set(PorHatch::FillSize, static_cast<LONG>(fill.size() * 4));
    record.AppendLongs(fill);
    record.Set(PorHatch::Id, "H1");
    record.Set(PorHatch::Layer, "HATCH");
    return record;
}

struct Segment {
    POINT from;
    POINT to;
};

inline bool operator==(const Segment& a, const Segment& b) {
    return a.from.x == b.from.x && a.from.y == b.from.y && a.to.x == b.to.x && a.to.y == b.to.y;
}

inline void PrintTo(const Segment& segment, std::ostream* os) {
    *os << "(" << segment.from.x << "," << segment.from.y << ")-(" << segment.to.x << ","
        << segment.to.y << ")";
}

// The segments of MoveTo/LineTo pairs and the pixels set.
class SegmentDC : public CRecordingDC {
public:
    using CRecordingDC::CRecordingDC;
    using CRecordingDC::SetPixel;

    CPoint MoveTo(int x, int y) override {
        m_at = POINT{x, y};
        return CRecordingDC::MoveTo(x, y);
    }
    BOOL LineTo(int x, int y) override {
        m_segments.push_back(Segment{m_at, POINT{x, y}});
        m_at = POINT{x, y};
        return CRecordingDC::LineTo(x, y);
    }
    COLORREF SetPixel(int x, int y, COLORREF color) override {
        m_pixels.push_back(POINT{x, y});
        return CRecordingDC::SetPixel(x, y, color);
    }

    std::vector<Segment> m_segments;
    std::vector<POINT> m_pixels;

private:
    POINT m_at{0, 0};
};

// Draws nothing and keeps nothing: for work that is only timed.
class SilentDC : public CRecordingDC {
public:
    using CRecordingDC::CRecordingDC;
    using CRecordingDC::SetPixel;

    CPoint MoveTo(int, int) override { return CPoint(0, 0); }
    BOOL LineTo(int, int) override { return TRUE; }
    COLORREF SetPixel(int, int, COLORREF color) override { return color; }
};

} // namespace HatchTest
