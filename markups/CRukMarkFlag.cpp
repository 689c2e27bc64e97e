#include "markups/CRukMarkFlag.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukCircle.h"
#include "entities/CRukLine.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CLeaderParts.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTrackSurface.h"

#include <cmath>

IMPLEMENT_SERIAL(CRukMarkFlag, CObject, 0)

namespace {

// tan 60 degrees as the pennant's height over half its side.
constexpr double kSqrt3 = 1.732;

} // namespace

CRukMarkFlag::CRukMarkFlag() : CRukFixedLengthMark(MarkupKind(0x0D)) {}

double CRukMarkFlag::FixedLength(const CMarkupDocument& document) const {
    return document.GetUnit() * document.m_style.m_flagLength;
}

CRukMarkFlag::Figure CRukMarkFlag::Plant(const CMarkupDocument& document, POINT foot, POINT top) {
    const CRedlineStyle& style = document.m_style;
    const double unit = document.GetUnit();
    const double length = unit * style.m_flagLength;
    const double ratio = style.m_pennantRatio;
    Figure figure;
    figure.m_footRadius = TruncInt(unit * style.m_flagFootRatio * style.m_flagLength + 0.5);
    const double d = ratio * kSqrt3 / (2 - ratio);
    const double down = GetAngleD(top.x, top.y, foot.x, foot.y);
    const double e = std::cos(down);
    const double s = std::sin(down);
    const double up = GetAngleD(foot.x, foot.y, top.x, top.y);
    const double along = length * (1 - ratio);
    const POINT base{foot.x + TruncInt(along * std::cos(up) + 0.5),
                     foot.y + TruncInt(along * std::sin(up) + 0.5)};
    const double reach = length * (2 - ratio) / 2;
    const double tx = style.m_pennantSide == 0 ? -e - s * d : s * d - e;
    const double ty = style.m_pennantSide == 0 ? d * e - s : -s - d * e;
    const POINT tip{foot.x + TruncInt(reach * tx + 0.5), foot.y + TruncInt(reach * ty + 0.5)};
    figure.m_pennant = {top, base, tip};
    return figure;
}

void CRukMarkFlag::DrawFigure(CTrackSurface& surface, const CMarkupDocument& document,
                              POINT cursor) const {
    const POINT foot = PointAt(0);
    const POINT top = TowardCursor(document, cursor);
    const Figure figure = Plant(document, foot, top);
    const POINT footView = document.LogicalToDevicePoint(foot.x, foot.y);
    XorLine(surface, document, foot, top);
    surface.Polygon(CRingPolygon::Circle(footView.x, footView.y,
                                         document.LogicalToDevice(figure.m_footRadius)));
    std::vector<POINT> pennant;
    for (const POINT& p : figure.m_pennant)
        pennant.push_back(document.LogicalToDevicePoint(p.x, p.y));
    surface.Polygon(pennant);
}

void CRukMarkFlag::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    const POINT foot = PointAt(0);
    const POINT top = PointAt(1);
    const Figure figure = Plant(*document, foot, top);

    POINT crossing{};
    auto* pole = new CRukLine();
    if (ClipToCircle(top, &crossing, foot.x, foot.y, figure.m_footRadius, document->GetUnit())) {
        pole->SetFirstPoint(top.x, top.y);
        pole->AppendPoint(crossing.x, crossing.y);
    } else {
        pole->SetFirstPoint(foot.x, foot.y);
        pole->AppendPoint(top.x, top.y);
    }
    pole->RecalcExtents();
    CLeaderParts::FileChild(*this, *document, pole, true);

    auto* circle = new CRukCircle();
    circle->SetFirstPoint(foot.x, foot.y);
    circle->AppendPoint(foot.x + figure.m_footRadius, foot.y);
    circle->RecalcExtents();
    ApplyFill(*circle, *document, true);
    CLeaderParts::FileChild(*this, *document, circle, true);

    auto* pennant = new CRukPolygon();
    pennant->SetFirstPoint(figure.m_pennant[0].x, figure.m_pennant[0].y);
    pennant->AppendPoint(figure.m_pennant[1].x, figure.m_pennant[1].y);
    pennant->AppendPoint(figure.m_pennant[2].x, figure.m_pennant[2].y);
    pennant->RecalcExtents();
    ApplyFill(*pennant, *document, false);
    CLeaderParts::FileChild(*this, *document, pennant, true);

    FinishFromChildren(*document);
}

void CRukMarkFlag::RebuildPoints() {
    const CRukEntity* pole = FirstChildOfKind(kKindLine);
    const CRukEntity* circle = FirstChildOfKind(kKindCircle);
    m_points.RemoveAll();
    if (!pole || !circle || circle->m_points.GetSize() < 3)
        return;
    const POINT a = circle->m_points[0];
    const POINT b = circle->m_points[2];
    m_points.Add(POINT{TruncInt((static_cast<double>(a.x) + b.x + 1) * 0.5),
                       TruncInt((static_cast<double>(a.y) + b.y + 1) * 0.5)});
    m_points.Add(POINT{pole->m_x2, pole->m_y2});
}
