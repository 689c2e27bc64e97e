#include "entities/CRukEArc.h"

#include "entities/CCurveChain.h"
#include "entities/CEntityBody.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukEArc, CObject, VERSIONABLE_SCHEMA | 2)

CRukEArc::CRukEArc() {
    m_kind = kKindEArc;
}

void CRukEArc::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        ar << m_x1 << m_y1 << m_x2 << m_y2;
        CEntityBody::StoreOpen(*this, ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    m_points.Serialize(ar);
    ar >> m_x1 >> m_y1 >> m_x2 >> m_y2;
    CEntityBody::LoadOpen(*this, ar, schema >= 1);
    if (schema < 2)
        CEntityBody::MendInvisibleLineType(*this);
    m_savedColor = m_color;
    RecalcExtents();
}

std::vector<POINT> CRukEArc::Outline() const {
    const std::optional<CEllipseFrame> frame = Frame();
    if (!frame)
        return {};
    return frame->Arc(POINT{m_x1, m_y1}, POINT{m_x2, m_y2});
}

void CRukEArc::RecalcExtents() {
    const std::vector<POINT> arc = Outline();
    CCurveChain::SetExtents(*this, arc.empty() ? Corners() : arc);
}

int CRukEArc::CreateFromRecord(const PorRecord* record, CEntityDocument*, int defaultWidth) {
    if (!record || record->Type() != PorEArc::Type)
        return 0;
    const auto corners = record->Get(PorEArc::Corners);
    const auto start = record->Get(PorEArc::Start);
    const auto end = record->Get(PorEArc::End);
    const auto pen = record->Get(PorEArc::Pen);
    if (!corners || !start || !end || !pen)
        return 0;
    m_id = record->Get(PorEArc::Id);
    m_lineType = pen->lineType;
    m_lineTypeScale = pen->lineTypeScale;
    m_lineWidth = pen->width < 0 ? defaultWidth : pen->width;
    m_color = pen->color;
    m_savedColor = m_color;
    m_layerName = record->Get(PorEArc::Layer);
    m_sourceLayer = m_layerName;
    for (const POINT& corner : *corners)
        m_points.Add(corner);
    m_x1 = start->x;
    m_y1 = start->y;
    m_x2 = end->x;
    m_y2 = end->y;
    RecalcExtents();
    return 1;
}
