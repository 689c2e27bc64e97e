#include "entities/CRukHatchBoundary.h"

#include "entities/CRukHatchEdgeArc.h"
#include "entities/CRukHatchEdgeEllipse.h"
#include "entities/CRukHatchEdgeLine.h"
#include "entities/CRukHatchEdgeNurbs.h"
#include "entities/CRukHatchEdgePolyline.h"
#include "entities/CRukHatchEdgeSpline.h"
#include "platform/mfc/CArchive.h"
#include "por/PorHatchParts.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <memory>

IMPLEMENT_SERIAL(CRukHatchBoundary, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

struct EdgeKind {
    LONG type;
    CRukHatchEdge* (*create)();
};

template <class T> CRukHatchEdge* Create() {
    return new T;
}

constexpr EdgeKind EdgeKinds[] = {
    {PorHatchEdge::LineType, Create<CRukHatchEdgeLine>},
    {PorHatchEdge::ArcType, Create<CRukHatchEdgeArc>},
    {PorHatchEdge::EllipseType, Create<CRukHatchEdgeEllipse>},
    {PorHatchEdge::NurbsType, Create<CRukHatchEdgeNurbs>},
    {PorHatchEdge::PolylineType, Create<CRukHatchEdgePolyline>},
    {PorHatchEdge::SplineType, Create<CRukHatchEdgeSpline>},
};

bool IsEdge(const CObject* object) {
    return dynamic_cast<const CRukHatchEdge*>(object) != nullptr;
}

} // namespace

CRukHatchBoundary::CRukHatchBoundary() = default;

CRukHatchBoundary::~CRukHatchBoundary() {
    for (POSITION position = m_edges.GetHeadPosition(); position;)
        delete m_edges.GetNext(position);
    m_edges.RemoveAll();
}

void CRukHatchBoundary::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_edges.Serialize(ar);
        return;
    }
    const DWORD_PTR count = ar.ReadCount();
    for (DWORD_PTR i = 0; i < count; ++i)
        m_edges.AddTail(ar.ReadOwnedObjectIf(IsEdge));
}

void CRukHatchBoundary::AddEdge(CRukHatchEdge* edge) {
    m_edges.AddTail(edge);
}

void CRukHatchBoundary::RecalcExtents() {
    bool first = true;
    for (POSITION position = m_edges.GetHeadPosition(); position;) {
        const auto* edge = static_cast<const CRukHatchEdge*>(m_edges.GetNext(position));
        if (first) {
            m_minX = edge->m_minX;
            m_minY = edge->m_minY;
            m_maxX = edge->m_maxX;
            m_maxY = edge->m_maxY;
            first = false;
        } else {
            edge->UnionExtents(&m_minX, &m_minY, &m_maxX, &m_maxY);
        }
    }
}

bool CRukHatchBoundary::ReadLoop(const PorRecord& hatch, std::size_t& offset, UINT unit) {
    const auto head = hatch.Part(offset);
    const auto edges = head ? head->Get(PorHatchLoop::EdgeCount) : std::nullopt;
    if (!edges || head->Size() < PorHatchLoop::HeadSize)
        return false;
    offset += PorHatchLoop::HeadSize;
    for (LONG i = 0; i < *edges; ++i) {
        const auto part = hatch.Part(offset);
        const auto size = part ? PorHatchEdgeSize(*part) : std::nullopt;
        if (!size)
            return false;
        const LONG type = *part->Get(PorHatchEdge::EdgeType);
        const auto kind = std::ranges::find(EdgeKinds, type, &EdgeKind::type);
        std::unique_ptr<CRukHatchEdge> edge(kind->create());
        // The spline edge keeps flag 0: its record word is the rational flag.
        if (type != PorHatchEdge::SplineType)
            edge->m_edgeFlag = part->Get(PorHatchEdge::Flag).value_or(0);
        offset += *size;
        // An edge whose geometry cannot be used is left out; its length is
        // known, so the walk goes on.
        if (!edge->ReadGeometry(*part, unit))
            continue;
        edge->RecalcExtents();
        AddEdge(edge.release());
    }
    return true;
}

std::vector<POINT> CRukHatchBoundary::TraceA(CDC* dc, int originX, int originY, double scale,
                                             const CDrawDefaults* settings) const {
    std::vector<POINT> loop;
    for (POSITION position = m_edges.GetHeadPosition(); position;)
        static_cast<const CRukHatchEdge*>(m_edges.GetNext(position))
            ->TraceEdgeA(dc, originX, originY, scale, settings, loop);
    return loop;
}

std::vector<POINT> CRukHatchBoundary::TraceB(CDC* dc, int unitDivisor, double scale,
                                             const CDrawDefaults* settings) const {
    std::vector<POINT> loop;
    for (POSITION position = m_edges.GetHeadPosition(); position;)
        static_cast<const CRukHatchEdge*>(m_edges.GetNext(position))
            ->TraceEdgeB(dc, unitDivisor, scale, settings, loop);
    return loop;
}
