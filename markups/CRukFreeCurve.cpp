#include "markups/CRukFreeCurve.h"

#include "entities/CRukSpline.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"

#include <algorithm>

namespace {

constexpr double kTolerance = 1000.0;
constexpr int kFinishRequest = 1;
constexpr int kLeastPoints = 2;

bool AllAt(const std::vector<POINT>& points, POINT point) {
    return std::all_of(points.begin(), points.end(),
                       [point](const POINT& p) { return p.x == point.x && p.y == point.y; });
}

} // namespace

IMPLEMENT_SERIAL(CRukFreeCurve, CObject, 0)

CRukFreeCurve::CRukFreeCurve() : CRukRedPolyline(MarkupKind(0x13)) {}

int CRukFreeCurve::PathKind() const {
    return kKindSpline;
}

int CRukFreeCurve::AddPoint(int x, int y, int mode) {
    // A finish request before the stroke has two points only moves the
    // current point: a one-point stroke would draw nothing.
    if (mode == kFinishRequest && m_points.GetSize() < kLeastPoints) {
        m_x1 = x;
        m_y1 = y;
        return 0;
    }
    return AddOpenPoint(x, y, mode, kLeastPoints);
}

std::vector<POINT> CRukFreeCurve::Thin(const std::vector<POINT>& points, int unit) {
    const int n = static_cast<int>(points.size());
    if (n == 0)
        return {};
    std::vector<POINT> kept{points.front()};
    int start = 0;
    while (start <= n - 2) {
        int end = n - 1;
        for (int e = start + 2; e <= n - 1 && end == n - 1; ++e) {
            for (int j = start + 1; j < e; ++j) {
                if (GetLineDistance(points[start], points[e], points[j], unit) > kTolerance) {
                    end = e - 1;
                    break;
                }
            }
        }
        kept.push_back(points[end]);
        start = end;
    }
    return kept;
}

void CRukFreeCurve::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document)
        return;
    std::vector<POINT> recorded;
    for (int i = 0; i < static_cast<int>(m_points.GetSize()); ++i)
        recorded.push_back(PointAt(i));
    const std::vector<POINT> kept = Thin(recorded, static_cast<int>(document->GetUnit()));
    m_points.RemoveAll();
    for (const POINT& point : kept)
        m_points.Add(point);
    // A stroke that never left its first point draws nothing: no child,
    // and the view drops it.
    if (kept.size() < 2 || AllAt(kept, kept.front()))
        return;
    BuildPath(*document, new CRukSpline());
}
