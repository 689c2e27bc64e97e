#include "markups/CRukMarkCloud.h"

#include "entities/CRukCloud.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupDocument.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/Cursors.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT kSchema = 2;

} // namespace

IMPLEMENT_SERIAL(CRukMarkCloud, CObject, VERSIONABLE_SCHEMA | 2)

CRukMarkCloud::CRukMarkCloud() : CRukMarkPolygon(MarkupKind(0x03)) {}

int CRukMarkCloud::OutlineKind() const {
    return kKindCloud;
}

CRukEntity* CRukMarkCloud::MakeOutline(CMarkupDocument& document) const {
    auto* cloud = new CRukCloud();
    AddVerticesTo(cloud);
    cloud->SetArcRatio(document.m_style.m_cloudArcRatio);
    cloud->SetArcSize(document.GetUnit() * document.m_cloudSize);
    return cloud;
}

void CRukMarkCloud::SetGripCursor(int) {
    SetCursor(LoadStandardCursor(IDC_CROSS));
}

int CRukMarkCloud::SetPoint(int x, int y, int index) {
    CRukEntity* cloud = Outline();
    if (!cloud || index < 0 || index >= cloud->m_points.GetSize())
        return 0;
    cloud->m_points[index] = POINT{x, y};
    cloud->RecalcExtents();
    cloud->GetExtents(&m_x1, &m_y1, &m_x2, &m_y2);
    RecalcExtents();
    return 1;
}

void CRukMarkCloud::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        SerializeLayout(ar);
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (schema == kSchema) {
        SerializeLayout(ar);
    } else {
        m_points.Serialize(ar);
        SerializeLayout(ar);
        if (schema == 0)
            RepairOldBody();
        // The archive's reader frees it if the load fails later.
        if (CRukEntity* cloud = RebuildOldCloud())
            ar.NoteBuiltObject(cloud);
    }
    AdoptChildLayer();
    RecalcExtents();
}

CRukMarkCloud::OldArcs CRukMarkCloud::MeasureOldArcs() const {
    const CRukEntity* longest = nullptr;
    LONG longestChord = 0;
    m_children.ForEach([&](const CRukEntity& child) {
        if (child.GetKind() != kKindArc)
            return;
        const LONG chord = GetDistance(child.m_x1, child.m_y1, child.m_x2, child.m_y2);
        if (!longest || chord > longestChord) {
            longest = &child;
            longestChord = chord;
        }
    });
    OldArcs arcs;
    if (!longest || longest->m_points.GetSize() < 4)
        return arcs;
    const LONG diameter = GetDistance(longest->m_points[0], longest->m_points[3]) / 2 * 2;
    // A degenerate arc gives no bulge; a chord longer than the diameter
    // (rounding) is a half circle.
    if (diameter == 0)
        return arcs;
    const double sine = std::clamp(static_cast<double>(longestChord) / diameter, 0.0, 1.0);
    arcs.m_size = static_cast<double>(longestChord);
    arcs.m_ratio = std::tan(std::asin(sine) / 2);
    arcs.m_arc = longest;
    return arcs;
}

CRukEntity* CRukMarkCloud::RebuildOldCloud() {
    if (m_points.GetSize() == 0)
        return nullptr;
    const OldArcs arcs = MeasureOldArcs();
    auto* cloud = new CRukCloud();
    AddVerticesTo(cloud);
    cloud->SetArcRatio(arcs.m_ratio);
    cloud->SetArcSize(arcs.m_size);
    cloud->RecalcExtents();
    cloud->m_childFlag = 2;
    if (arcs.m_arc) {
        cloud->SetLayerName(arcs.m_arc->GetLayerName());
        cloud->SetLineWidth(arcs.m_arc->GetLineWidth());
        cloud->SetLineType(arcs.m_arc->GetLineType());
        cloud->SetLineTypeScale(arcs.m_arc->GetLineTypeScale());
    } else {
        cloud->SetLayerName(m_layerName);
    }
    cloud->SetFillType(0);
    AddChild(cloud);
    return cloud;
}
