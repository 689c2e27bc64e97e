#include "entities/CRukEArc.h"

#include "entities/CCurveChain.h"
#include "entities/EntityKinds.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

IMPLEMENT_SERIAL(CRukEArc, CObject, VERSIONABLE_SCHEMA | 2)

CRukEArc::CRukEArc() {
    m_kind = kKindEArc;
}

void CRukEArc::Serialize(CArchive& ar) {
    SerializeArcBody(ar);
    if (ar.IsLoading())
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
    return FillFromArcRecord(record, PorEArc::Type, defaultWidth);
}
