#include "markups/CBoxGrips.h"

#include "entities/CEntityDocument.h"
#include "entities/CRukEntity.h"
#include "geometry/Geometry.h"
#include "geometry/Midpoint.h"
#include "markups/CLeaderParts.h"
#include "platform/win/Cursors.h"

#include <algorithm>

namespace {

constexpr int kCornerGrips = 4;

bool Flat(const CBoxGrips::Box& box) {
    return box.x1 == box.x2 || box.y1 == box.y2;
}

// The corner a grip names, as references into the box.
struct Corner {
    int* x;
    int* y;
};

Corner CornerOf(CBoxGrips::Box* box, int grip) {
    switch (grip) {
    case 0:
        return {&box->x1, &box->y1};
    case 1:
        return {&box->x1, &box->y2};
    case 2:
        return {&box->x2, &box->y2};
    default:
        return {&box->x2, &box->y1};
    }
}

// The corner across the box from the grip's.
POINT OppositeOf(const CBoxGrips::Box& box, int grip) {
    switch (grip) {
    case 0:
        return {box.x2, box.y2};
    case 1:
        return {box.x2, box.y1};
    case 2:
        return {box.x1, box.y1};
    default:
        return {box.x1, box.y2};
    }
}

} // namespace

std::vector<POINT> CBoxGrips::Points(const Box& box, int count) {
    const int xm = Middle(box.x1, box.x2);
    const int ym = Middle(box.y1, box.y2);
    const std::vector<POINT> all{{box.x1, box.y1}, {box.x1, box.y2}, {box.x2, box.y2},
                                 {box.x2, box.y1}, {box.x1, ym},     {xm, box.y2},
                                 {box.x2, ym},     {xm, box.y1}};
    return std::vector<POINT>(all.begin(), all.begin() + count);
}

void CBoxGrips::Draw(CDC* dc, const Box& box, int count, int originX, int originY, double scale) {
    CLeaderParts::DrawGrips(dc, Points(box, count), originX, originY, scale);
}

int CBoxGrips::Hit(const CRukEntity& owner, CDC* dc, CEntityDocument* document, const Box& box,
                   int count, int x, int y, int* grip) {
    return CLeaderParts::HitGrip(owner, dc, document, Points(box, count), x, y, grip);
}

void CBoxGrips::SetCursorFor(const Box& box, int grip) {
    const bool falling =
        (box.x1 < box.x2 && box.y1 < box.y2) || (box.x2 < box.x1 && box.y2 < box.y1);
    const bool rising =
        (box.x1 < box.x2 && box.y2 < box.y1) || (box.x2 < box.x1 && box.y1 < box.y2);
    switch (grip) {
    case 4:
    case 6:
        SetCursor(LoadStandardCursor(IDC_SIZEWE));
        break;
    case 5:
    case 7:
        SetCursor(LoadStandardCursor(IDC_SIZENS));
        break;
    case 1:
    case 3:
        SetCursor(LoadStandardCursor(falling ? IDC_SIZENWSE : IDC_SIZENESW));
        break;
    case 0:
    case 2:
        SetCursor(LoadStandardCursor(rising ? IDC_SIZENWSE : IDC_SIZENESW));
        break;
    default:
        break;
    }
}

void CBoxGrips::Move(CRukEntity* markup, int dx, int dy, int grip, int x, int y, bool keepRatio) {
    if (grip < 0 || grip > 7)
        return;
    Box box = DefiningBox(*markup);
    if (!markup->m_aspectTaken && !Flat(box)) {
        markup->m_aspectRatio = static_cast<double>(box.y1 - box.y2) / (box.x1 - box.x2);
        markup->m_aspectTaken = 1;
    }
    const Box old = box;
    if (grip < kCornerGrips && keepRatio) {
        if (markup->m_aspectTaken)
            MoveKeepingRatio(&box, markup->m_aspectRatio, dx, dy, grip, x, y);
    } else if (grip < kCornerGrips) {
        const Corner corner = CornerOf(&box, grip);
        *corner.x = x;
        *corner.y = y;
    } else {
        switch (grip) {
        case 4:
            box.x1 += dx;
            break;
        case 5:
            box.y2 += dy;
            break;
        case 6:
            box.x2 += dx;
            break;
        default:
            box.y1 += dy;
            break;
        }
    }
    SetDefiningBox(markup, Flat(box) ? old : box);
}

void CBoxGrips::MoveKeepingRatio(Box* box, double ratio, int dx, int dy, int grip, int x, int y) {
    if (box->x1 == box->x2)
        return;
    const POINT opposite = OppositeOf(*box, grip);
    const Corner corner = CornerOf(box, grip);
    const POINT gripPoint{*corner.x, *corner.y};
    const int nx = x + dx;
    const int ny = y + dy;
    const double cursorAngle = GetAngle(opposite, POINT{x, y}) * kRadToDeg;
    const double diagonalAngle = GetAngle(opposite, gripPoint) * kRadToDeg;
    if (grip == 0 || grip == 2) {
        if (cursorAngle > diagonalAngle) {
            *corner.x = nx;
            *corner.y = opposite.y + TruncInt(ratio * (nx - opposite.x) + 0.5);
        } else {
            *corner.y = ny;
            *corner.x = opposite.x + TruncInt((ny - opposite.y) / ratio + 0.5);
        }
    } else if (cursorAngle >= diagonalAngle) {
        *corner.y = ny;
        *corner.x = opposite.x - TruncInt((ny - opposite.y) / ratio - 0.5);
    } else {
        *corner.x = nx;
        *corner.y = opposite.y - TruncInt(ratio * (nx - opposite.x) - 0.5);
    }
}

CBoxGrips::Box CBoxGrips::DefiningBox(const CRukEntity& markup) {
    return Box{markup.m_x1, markup.m_y1, markup.m_x2, markup.m_y2};
}

void CBoxGrips::SetDefiningBox(CRukEntity* markup, const Box& box) {
    markup->m_x1 = box.x1;
    markup->m_y1 = box.y1;
    markup->m_x2 = box.x2;
    markup->m_y2 = box.y2;
}

int CBoxGrips::GetCorner(const CRukEntity* child, int index, int* x, int* y) {
    if (!child || child->m_points.GetSize() < 3 || index < 0 || index > 1)
        return 0;
    const POINT a = child->m_points[0];
    const POINT b = child->m_points[2];
    *x = index == 0 ? std::min(a.x, b.x) : std::max(a.x, b.x);
    *y = index == 0 ? std::max(a.y, b.y) : std::min(a.y, b.y);
    return 1;
}

int CBoxGrips::SetCorner(CRukEntity* markup, CRukEntity* child, int x, int y, int index) {
    POINT kept{};
    if (!GetCorner(child, 1 - index, &kept.x, &kept.y))
        return 0;
    Apply(child, Box{x, y, kept.x, kept.y});
    child->GetExtents(&markup->m_x1, &markup->m_y1, &markup->m_x2, &markup->m_y2);
    markup->RecalcExtents();
    return 1;
}

void CBoxGrips::Apply(CRukEntity* child, const Box& box) {
    child->m_points.RemoveAll();
    for (const POINT& corner : Points(box, kCornerGrips))
        child->m_points.Add(corner);
    child->RecalcExtents();
}
