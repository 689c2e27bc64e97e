#include "entities/CRukCloud.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/CFilledShape.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"

#include <algorithm>
#include <cmath>
#include <mutex>

IMPLEMENT_SERIAL(CRukCloud, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr double kDefaultRatio = 0.52056705;
constexpr double kMinRatio = 0.001;
constexpr double kMaxRatio = 1000.0;
// An edge gets at most this many arcs.
constexpr double kMaxArcsPerEdge = 10000.0;
constexpr int kArcStep = 5;

} // namespace

CRukCloud::CRukCloud() {
    m_kind = kKindCloud;
}

void CRukCloud::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        CEntityBody::StoreFilled(*this, ar, {});
        ar << m_arcSize << m_arcRatio;
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    const BYTE transparent = CEntityBody::LoadFilled(*this, ar, {true, true, schema >= 1});
    ar >> m_arcSize >> m_arcRatio;
    if (schema == 1)
        CEntityBody::SettleTransparent(*this, transparent);
    else
        m_transparent = m_fillType == 0 ? 1 : 0;
    CEntityBody::SaveColors(*this);
    RecalcExtents();
}

void CRukCloud::SetArcSize(double size) {
    m_arcSize = size;
}

void CRukCloud::SetArcRatio(double ratio) {
    m_arcRatio = ratio;
}

// ---- The outline

double CRukCloud::UsableArcSize(double size, double edge) {
    const double least = std::max(1.0, edge / kMaxArcsPerEdge);
    return size >= least ? size : least;
}

double CRukCloud::UsableArcRatio(double ratio) {
    if (std::isnan(ratio))
        return kDefaultRatio;
    return std::clamp(ratio, kMinRatio, kMaxRatio);
}

int CRukCloud::RebuildOutline(CEntityDocument*) {
    const INT_PTR count = m_points.GetSize();
    if (count < 3)
        return 0;
    // Only the sign of the area counts, whatever the unit.
    const double area = GetPolygonArea(1);
    m_outline.clear();
    if (area > 0) {
        for (INT_PTR i = 0; i + 1 < count; ++i)
            AddEdgeArcs(m_points[i], m_points[i + 1]);
        AddEdgeArcs(m_points[count - 1], m_points[0]);
    } else {
        for (INT_PTR i = count - 1; i > 0; --i)
            AddEdgeArcs(m_points[i], m_points[i - 1]);
        AddEdgeArcs(m_points[0], m_points[count - 1]);
    }
    return 1;
}

void CRukCloud::AddEdgeArcs(POINT p1, POINT p2) {
    const double chord = GetDistance(p1, p2);
    // A zero edge (repeated vertex) has no arc to draw.
    if (chord == 0.0)
        return;
    const double size = UsableArcSize(m_arcSize, chord);
    const double angle = GetAngleD(p1.x, p1.y, p2.x, p2.y);
    const LONG limit = TruncInt(chord - size);
    POINT q = p1;
    if (limit > 0) {
        const LONG stepX = TruncInt(size * std::cos(angle) + 0.5);
        const LONG stepY = TruncInt(size * std::sin(angle) + 0.5);
        const LONG advance = TruncInt(size);
        long long run = 0;
        do {
            const POINT next{TruncInt(static_cast<double>(q.x) + stepX),
                             TruncInt(static_cast<double>(q.y) + stepY)};
            AddArc(q, next, m_arcRatio);
            run += advance;
            q = next;
        } while (run < limit);
    }
    AddArc(q, p2, m_arcRatio);
}

void CRukCloud::AddArc(POINT p1, POINT p2, double bulge) {
    const double chord = GetDistance(p1, p2);
    if (chord == 0.0)
        return;
    const double heading = GetAngleD(p1.x, p1.y, p2.x, p2.y);
    const double alpha = 2.0 * std::atan(UsableArcRatio(bulge));
    const double radius = chord * 0.5 / std::sin(alpha);
    const POINT center{TruncInt(radius * std::cos(kHalfPi - alpha + heading) + p1.x + 0.5),
                       TruncInt(radius * std::sin(kHalfPi - alpha + heading) + p1.y + 0.5)};
    const int start = TruncInt(GetAngle(center, p1) * kRadToDeg + 0.5);
    int end = TruncInt(GetAngle(center, p2) * kRadToDeg + 0.5);
    if (end < start)
        end += 360;
    m_outline.push_back(p1);
    for (int angle = start + kArcStep; angle < end; angle += kArcStep) {
        const double a = angle * kDegToRad;
        // Summed as doubles: a centre near the edge of the coordinate range
        // plus the radius leaves int32.
        m_outline.push_back(
            POINT{TruncInt(static_cast<double>(center.x) + TruncInt(radius * std::cos(a) + 0.5)),
                  TruncInt(static_cast<double>(center.y) + TruncInt(radius * std::sin(a) + 0.5))});
    }
    m_outline.push_back(p2);
}

void CRukCloud::RecalcExtents() {
    RebuildOutline(nullptr);
    CCurveChain::SetExtents(*this, m_outline);
}

// ---- Drawing

// The output with the outline rebuilt before each trace; a rebuild that
// fails skips it. The rebuild changes the cloud: the bands of one picture,
// on threads of their own, take turns at it, one turn for every cloud as
// clouds are few.
class CRukCloud::Rebuilding final : public CShapeOutput {
public:
    Rebuilding(CRukCloud& cloud, CEntityDocument* document, const CShapeOutput& output)
        : m_cloud(cloud), m_document(document), m_output(output) {}
    void Trace() const override {
        const std::scoped_lock turn(Turn());
        if (m_cloud.RebuildOutline(m_document))
            m_output.Trace();
    }
    void Dashed() const override {
        const std::scoped_lock turn(Turn());
        if (m_cloud.RebuildOutline(m_document))
            m_output.Dashed();
    }
    void LinePen(CPen* pen, COLORREF color, int width) const override {
        m_output.LinePen(pen, color, width);
    }

private:
    static std::mutex& Turn() {
        static std::mutex turn;
        return turn;
    }

    CRukCloud& m_cloud;
    CEntityDocument* m_document;
    const CShapeOutput& m_output;
};

void CRukCloud::DrawA(CEntityDocument* document, CDC* dc, int originX, int originY, double scale,
                      double patternFactor, const CDrawDefaults* settings, BOOL drawBlack,
                      const RECT& clip) {
    CFilledShape::DrawA(*this, dc, settings, drawBlack,
                        Rebuilding(*this, document,
                                   CShapeOutput::Screen(*this, document, dc, originX, originY,
                                                        scale, patternFactor, settings, clip)));
}

void CRukCloud::DrawB(CEntityDocument* document, CDC* dc, int unitDivisor, double scale,
                      double patternFactor, const CDrawDefaults* settings, BOOL drawBlack) {
    CFilledShape::DrawB(*this, dc, settings, drawBlack,
                        Rebuilding(*this, document,
                                   CShapeOutput::Printer(*this, document, dc, unitDivisor, scale,
                                                         patternFactor, settings)));
}

void CRukCloud::DrawStyled(CEntityDocument* document, CDC* dc, int originX, int originY,
                           double scale, double patternFactor, const CDrawDefaults* settings,
                           BOOL drawBlack, const RECT& clip) {
    if (RebuildOutline(document))
        CRukPolygon::DrawStyled(document, dc, originX, originY, scale, patternFactor, settings,
                                drawBlack, clip);
}

void CRukCloud::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                       const RECT&, BOOL) {
    CCurveChain::Polygon(dc,
                         CCurveChain::ToView(m_outline, originX, originY, scale, dc->IsMetafile()));
}

void CRukCloud::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    CCurveChain::Polygon(dc, CCurveChain::ToPrint(m_outline, unitDivisor, scale));
}

int CRukCloud::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    RebuildOutline(document);
    return CCurveChain::Hit(*this, CCurveChain::ToDocumentView(m_outline, document, 0, 0),
                            document->LogicalToDevicePoint(x, y), m_fillType != 0, true);
}
