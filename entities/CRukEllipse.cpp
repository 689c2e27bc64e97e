#include "entities/CRukEllipse.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/CEntityDocument.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/win/Cursors.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukEllipse, CObject, VERSIONABLE_SCHEMA | 3)

CRukEllipse::CRukEllipse() {
    m_kind = kKindEllipse;
}

void CRukEllipse::Serialize(CArchive& ar) {
    if (CEntityBody::SerializeFilled(*this, ar))
        RecalcExtents();
}

// ---- Geometry

std::vector<POINT> CRukEllipse::Corners() const {
    return std::vector<POINT>(m_points.GetData(),
                              m_points.GetData() + std::min<INT_PTR>(m_points.GetSize(), 4));
}

std::optional<CEllipseFrame> CRukEllipse::Frame() const {
    if (m_points.GetSize() < 4)
        return std::nullopt;
    return CEllipseFrame(m_points.GetData());
}

std::vector<POINT> CRukEllipse::Outline() const {
    const std::optional<CEllipseFrame> frame = Frame();
    return frame ? frame->Ring() : std::vector<POINT>{};
}

void CRukEllipse::RecalcExtents() {
    const std::vector<POINT> corners = Corners();
    const std::optional<CEllipseFrame> frame = Frame();
    if (!frame) {
        CCurveChain::SetExtents(*this, corners);
        return;
    }
    const POINT& p0 = corners[0];
    const POINT& p1 = corners[1];
    const POINT& p3 = corners[3];
    const bool axisParallel = (p0.x == p1.x && p0.y == p3.y) || (p0.y == p1.y && p0.x == p3.x);
    if (axisParallel) {
        CCurveChain::SetExtents(*this, corners);
        return;
    }
    std::vector<POINT> points = frame->Ring();
    points.push_back(frame->Center());
    CCurveChain::SetExtents(*this, points);
}

int CRukEllipse::AppendPoint(int x, int y) {
    m_x2 = x;
    m_y2 = y;
    const int minX = std::min(m_x1, m_x2);
    const int maxX = std::max(m_x1, m_x2);
    const int minY = std::min(m_y1, m_y2);
    const int maxY = std::max(m_y1, m_y2);
    m_points.Add(POINT{minX, maxY});
    m_points.Add(POINT{maxX, maxY});
    m_points.Add(POINT{maxX, minY});
    m_points.Add(POINT{minX, minY});
    RecalcExtents();
    return 1;
}

int CRukEllipse::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    if (!record || record->Type() != PorEllipse::Type)
        return 0;
    const auto corners = record->Get(PorEllipse::Corners);
    const auto pen = record->Get(PorEllipse::Pen);
    const auto fill = record->Get(PorEllipse::Fill);
    const auto transparent = record->Get(PorEllipse::Transparent);
    if (!corners || !pen || !fill || !transparent)
        return 0;
    m_id = record->Get(PorEllipse::Id);
    TakePen(*pen, defaultWidth);
    m_fillType = fill->type;
    m_fillColor = fill->color;
    m_savedFillColor = m_fillColor;
    m_transparent = *transparent;
    m_layerName = record->Get(PorEllipse::Layer);
    m_sourceLayer = m_layerName;
    for (const POINT& corner : *corners)
        m_points.Add(corner);
    RecalcExtents();
    return 1;
}

// ---- Drawing

void CRukEllipse::DrawMoved(CEntityDocument* document, CDC* dc, int dx, int dy,
                            const CDrawDefaults*) {
    const std::optional<CEllipseFrame> frame = Frame();
    if (frame)
        CCurveChain::Polygon(dc, CCurveChain::ToDocumentView(frame->Ring(), document, dx, dy));
}

void CRukEllipse::DrawGrips(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*) {
    const std::vector<POINT> grips = CCurveChain::ToView(Corners(), originX, originY, scale, false);
    DrawGripBoxes(dc, grips.data(), static_cast<int>(grips.size()));
}

// ---- Hit tests

int CRukEllipse::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    const std::optional<CEllipseFrame> frame = Frame();
    if (!frame)
        return 0;
    return CCurveChain::Hit(*this, CCurveChain::ToDocumentView(frame->Ring(), document, 0, 0),
                            document->LogicalToDevicePoint(x, y), m_fillType != 0, false);
}

int CRukEllipse::HitGrip(CDC* dc, CEntityDocument* document, int x, int y, int* grip) {
    return HitGripAt(dc, document, Corners(), x, y, grip);
}

void CRukEllipse::SetGripCursor(int grip) {
    if (grip < 0 || grip > 3)
        return;
    SetCursor(LoadStandardCursor(grip % 2 == 1 ? IDC_SIZENESW : IDC_SIZENWSE));
}
