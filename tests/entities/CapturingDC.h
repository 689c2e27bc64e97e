#pragma once
// A recording context that also keeps the points of every polygon,
// polyline and Bezier call, for the curve tests that check many points.

#include "platform/gdi/CRecordingDC.h"

#include <string>
#include <vector>

struct CapturedShape {
    std::string call;
    std::vector<POINT> points;
};

class CapturingDC : public CRecordingDC {
public:
    using CRecordingDC::CRecordingDC;

    BOOL Polyline(const POINT* points, int count) override {
        Keep("Polyline", points, count);
        return CRecordingDC::Polyline(points, count);
    }
    BOOL Polygon(const POINT* points, int count) override {
        Keep("Polygon", points, count);
        return CRecordingDC::Polygon(points, count);
    }
    BOOL PolyBezier(const POINT* points, int count) override {
        Keep("PolyBezier", points, count);
        return CRecordingDC::PolyBezier(points, count);
    }

    std::vector<CapturedShape> m_shapes;

private:
    void Keep(const char* call, const POINT* points, int count) {
        m_shapes.push_back(CapturedShape{call, std::vector<POINT>(points, points + count)});
    }
};
