#include "markups/CRukMarkSquare.h"

#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"

IMPLEMENT_SERIAL(CRukMarkSquare, CObject, VERSIONABLE_SCHEMA | 2)

CRukMarkSquare::CRukMarkSquare() : CRukLeaderMark(MarkupKind(0x02)) {}

int CRukMarkSquare::ShapeKind() const {
    return kKindPolygon;
}

std::vector<POINT> CRukMarkSquare::RubberShape(const CMarkupDocument& document, POINT p0,
                                               POINT p1) const {
    return {document.LogicalToDevicePoint(p0.x, p0.y), document.LogicalToDevicePoint(p1.x, p0.y),
            document.LogicalToDevicePoint(p1.x, p1.y), document.LogicalToDevicePoint(p0.x, p1.y)};
}

CRukEntity* CRukMarkSquare::MakeShape(POINT p0, POINT p1) const {
    auto* square = new CRukPolygon();
    square->SetFirstPoint(p0.x, p0.y);
    square->AppendPoint(p1.x, p0.y);
    square->AppendPoint(p1.x, p1.y);
    square->AppendPoint(p0.x, p1.y);
    return square;
}

int CRukMarkSquare::ClipToShape(const CRukEntity& shape, POINT p, POINT* out, POINT centre,
                                UINT unit) const {
    SIZE box{};
    return ShapeBox(shape, &box) ? ClipToRect(p, out, box.cx, box.cy, centre.x, centre.y, unit) : 0;
}

CRukEntity* CRukMarkSquare::RebuildShape(const CRukEntity& oldShape) const {
    if (oldShape.m_points.GetSize() < 1)
        return nullptr;
    auto* square = new CRukPolygon();
    square->SetFirstPoint(oldShape.m_points[0].x, oldShape.m_points[0].y);
    for (INT_PTR i = 1; i < oldShape.m_points.GetSize(); ++i)
        square->AppendPoint(oldShape.m_points[i].x, oldShape.m_points[i].y);
    return square;
}
