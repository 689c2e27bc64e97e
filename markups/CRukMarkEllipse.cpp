#include "markups/CRukMarkEllipse.h"

#include "entities/CRingPolygon.h"
#include "entities/CRukEllipse.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"

IMPLEMENT_SERIAL(CRukMarkEllipse, CObject, VERSIONABLE_SCHEMA | 2)

CRukMarkEllipse::CRukMarkEllipse() : CRukLeaderMark(MarkupKind(0x01)) {}

int CRukMarkEllipse::ShapeKind() const {
    return kKindEllipse;
}

std::vector<POINT> CRukMarkEllipse::RubberShape(const CMarkupDocument& document, POINT p0,
                                                POINT p1) const {
    const POINT a = document.LogicalToDevicePoint(p0.x, p0.y);
    const POINT b = document.LogicalToDevicePoint(p1.x, p1.y);
    return CRingPolygon::Ellipse(a.x, a.y, b.x, b.y);
}

CRukEntity* CRukMarkEllipse::MakeShape(POINT p0, POINT p1) const {
    auto* ellipse = new CRukEllipse();
    ellipse->SetFirstPoint(p0.x, p0.y);
    ellipse->AppendPoint(p1.x, p1.y);
    return ellipse;
}

int CRukMarkEllipse::ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                                 UINT unit) const {
    SIZE box{};
    return ShapeBox(shape, &box) ? ClipToEllipse(p, out, centre.x, centre.y, box.cx, box.cy, unit)
                                 : 0;
}

CRukEntity* CRukMarkEllipse::RebuildShape(const CRukEntity& oldShape) const {
    if (oldShape.m_points.GetSize() < 3)
        return nullptr;
    return MakeShape(oldShape.m_points[0], oldShape.m_points[2]);
}
