#include "markups/CRukRedLine.h"

#include "entities/CRukLine.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"
#include "markups/CTwoPointGesture.h"
#include "platform/mfc/CArchive.h"

IMPLEMENT_SERIAL(CRukRedLine, CObject, 0)

CRukRedLine::CRukRedLine() : CRukMark(MarkupKind(0x07)) {}

void CRukRedLine::Serialize(CArchive& ar) {
    SerializeLayout(ar);
}

int CRukRedLine::AddPoint(int x, int y, int) {
    return CTwoPointGesture::AddSecond(this, x, y, CTwoPointGesture::kSamePoint);
}

POINT CRukRedLine::AdjustPoint(CEntityDocument* document, CDC* dc, int x, int y) {
    return CTwoPointGesture::Anchor(*this, document, dc, x, y);
}

void CRukRedLine::TrackOn(CTrackSurface& surface, CMarkupDocument& document, POINT oldPoint,
                          POINT newPoint, const CDrawDefaults&) {
    if (m_points.GetSize() == 0)
        return;
    XorLine(surface, document, PointAt(0), oldPoint);
    XorLine(surface, document, PointAt(0), newPoint);
}

void CRukRedLine::TrackAtOn(CTrackSurface& surface, CMarkupDocument& document, POINT point,
                            const CDrawDefaults&) {
    if (m_points.GetSize() > 0)
        XorLine(surface, document, PointAt(0), point);
}

void CRukRedLine::Finish(CEntityDocument* entityDocument, CDC*, const CDrawDefaults*) {
    CMarkupDocument* document = MarkupDocument(entityDocument);
    if (!document || m_points.GetSize() < 2)
        return;
    auto* line = new CRukLine();
    line->SetFirstPoint(PointAt(0).x, PointAt(0).y);
    line->AppendPoint(PointAt(1).x, PointAt(1).y);
    FinishWithChild(*document, line);
}

int CRukRedLine::GetPoint(int* x, int* y, int index) const {
    const CRukEntity* line = ChildAt(0, kKindLine);
    if (!line || index < 0 || index > 1)
        return 0;
    *x = index == 0 ? line->m_x1 : line->m_x2;
    *y = index == 0 ? line->m_y1 : line->m_y2;
    return 1;
}

int CRukRedLine::SetPoint(int x, int y, int index) {
    if (index < 0 || index > 1)
        return 0;
    m_children.ForEach([x, y, index](CRukEntity& child) { child.SetPoint(x, y, index); });
    RecalcExtents();
    m_x1 = m_minX;
    m_y1 = m_maxY;
    m_x2 = m_maxX;
    m_y2 = m_minY;
    RecalcExtents();
    return 1;
}
