#include "entities/CRukMFrame.h"

#include "entities/CEntityDocument.h"
#include "entities/CImageFit.h"
#include "entities/CVertexChain.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/PathFunctions.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukMFrame, CObject, VERSIONABLE_SCHEMA | 0)

namespace {

constexpr int kCorners = 4;

} // namespace

CRukMFrame::CRukMFrame() {
    m_kind = kKindMFrame;
}

void CRukMFrame::SetCorners(const RECT& rect) {
    m_points.RemoveAll();
    m_points.Add(POINT{rect.left, rect.top});
    m_points.Add(POINT{rect.left, rect.bottom});
    m_points.Add(POINT{rect.right, rect.bottom});
    m_points.Add(POINT{rect.right, rect.top});
    RecalcExtents();
}

int CRukMFrame::LoadMetaFile(const char* path) {
    if (!m_metafile.LoadFile(path))
        return 0;
    const SIZE size = m_metafile.GetSizePixels();
    SetCorners(CImageFit::PixelSize(size.cx, size.cy, POINT{0, 0}));
    m_filePath = path;
    return 1;
}

int CRukMFrame::LoadMetaFileAt(const char* path, const RECT& rect) {
    if (!m_metafile.LoadFile(path))
        return 0;
    const SIZE size = m_metafile.GetSizePixels();
    SetCorners(CImageFit::Fit(size.cx, size.cy, rect));
    m_filePath = path;
    return 1;
}

void CRukMFrame::RecalcExtents() {
    CVertexChain::RecalcExtents(*this);
}

void CRukMFrame::Play(CDC* dc, POINT first, POINT second) {
    m_metafile.Draw(dc, first.x, first.y, second.x - first.x, second.y - first.y);
}

void CRukMFrame::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                        const RECT&, BOOL boxOnly) {
    if (boxOnly)
        return;
    const std::vector<POINT> points =
        CVertexChain::ToView(*this, originX, originY, scale, dc->IsMetafile());
    if (points.size() < kCorners)
        return;
    Play(dc, points[1], points[3]);
}

void CRukMFrame::TraceB(CDC* dc, int unitDivisor, double scale, const CDrawDefaults*) {
    const std::vector<POINT> points = CVertexChain::ToPrint(*this, unitDivisor, scale);
    if (points.size() < kCorners)
        return;
    Play(dc, points[1], points[3]);
}

void CRukMFrame::DrawA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                       const CDrawDefaults* settings, BOOL, const RECT& clip) {
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
}

void CRukMFrame::DrawB(CEntityDocument*, CDC* dc, int unitDivisor, double scale, double,
                       const CDrawDefaults* settings, BOOL) {
    TraceB(dc, unitDivisor, scale, settings);
}

int CRukMFrame::HitTest(CDC*, CEntityDocument* document, int x, int y) {
    return CVertexChain::HitOutline(*this, CVertexChain::ToDocumentView(*this, document, 0, 0),
                                    document->LogicalToDevicePoint(x, y));
}

void CRukMFrame::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        m_points.Serialize(ar);
        ar << m_layerName << static_cast<BYTE>(m_childFlag) << m_tag
           << static_cast<BYTE>(m_keepFile) << StoredFileName(m_filePath);
        m_metafile.Serialize(ar);
        return;
    }
    if (ar.GetObjectSchema() != 0)
        AfxThrowArchiveException(CArchiveException::badSchema);
    BYTE childFlag = 0;
    BYTE keepFile = 0;
    CString name;
    m_points.Serialize(ar);
    ar >> m_layerName >> childFlag >> m_tag >> keepFile >> name;
    m_childFlag = childFlag;
    m_keepFile = keepFile;
    // The stored name is not used: the frame keeps no path after a load.
    m_metafile.Serialize(ar);
    RecalcExtents();
}
