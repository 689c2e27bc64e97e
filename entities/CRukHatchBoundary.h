#pragma once
// One boundary loop of a hatch: a chain of edges that it owns and deletes.
// Its extents are the union of its edges' extents.

#include "entities/CRukEntity.h"
#include "platform/mfc/CObList.h"

#include <cstddef>
#include <vector>

class CRukHatchEdge;

class CRukHatchBoundary : public CRukEntity {
    DECLARE_SERIAL(CRukHatchBoundary)

public:
    CRukHatchBoundary();
    ~CRukHatchBoundary() override;
    CRukHatchBoundary(const CRukHatchBoundary&) = delete;
    CRukHatchBoundary& operator=(const CRukHatchBoundary&) = delete;

    // The edge list; each edge is read as a new object of this boundary's own.
    void Serialize(CArchive& ar) override;
    // Each edge's box joined; a boundary without edges keeps its box.
    void RecalcExtents() override;

    // The loop at offset in the hatch record: its head, then its edges,
    // offset moved past them. False when the walk cannot go on (the head or
    // an edge does not fit, or an edge type is unknown); the edges read up to
    // there stay in the loop.
    bool ReadLoop(const PorRecord& hatch, std::size_t& offset, UINT unit);
    // The loop's points in view units (A) or printer units (B).
    std::vector<POINT> TraceA(CDC* dc, int originX, int originY, double scale,
                              const CDrawDefaults* settings) const;
    std::vector<POINT> TraceB(CDC* dc, int unitDivisor, double scale,
                              const CDrawDefaults* settings) const;

    void AddEdge(CRukHatchEdge* edge);
    const CObList& Edges() const { return m_edges; }

private:
    CObList m_edges{10};
};
