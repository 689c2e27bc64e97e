#include "markups/CRukMarkCircle.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukCircle.h"
#include "entities/EntityKinds.h"
#include "geometry/Geometry.h"
#include "markups/CMarkupDocument.h"

IMPLEMENT_SERIAL(CRukMarkCircle, CObject, VERSIONABLE_SCHEMA | 2)

CRukMarkCircle::CRukMarkCircle() : CRukLeaderMark(MarkupKind(0x00)) {}

int CRukMarkCircle::ShapeKind() const {
    return kKindCircle;
}

POINT CRukMarkCircle::ShapeCentre(POINT p0, POINT) const {
    return p0;
}

std::vector<POINT> CRukMarkCircle::RubberShape(const CMarkupDocument& document, POINT p0,
                                               POINT p1) const {
    const POINT centre = document.LogicalToDevicePoint(p0.x, p0.y);
    return CRingPolygon::Circle(centre.x, centre.y, document.LogicalToDevice(GetDistance(p0, p1)));
}

CRukEntity* CRukMarkCircle::MakeShape(POINT p0, POINT p1) const {
    auto* circle = new CRukCircle();
    circle->SetFirstPoint(p0.x, p0.y);
    circle->AppendPoint(p1.x, p1.y);
    return circle;
}

int CRukMarkCircle::ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                                UINT unit) const {
    const auto* circle = dynamic_cast<const CRukCircle*>(&shape);
    if (!circle || !circle->HasCorners())
        return 0;
    return ClipToCircle(p, out, centre.x, centre.y, circle->GetRadius(), unit);
}

CRukEntity* CRukMarkCircle::RebuildShape(const CRukEntity& oldShape) const {
    auto* circle = new CRukCircle();
    circle->m_points.Copy(oldShape.m_points);
    return circle;
}
