#include "entities/CRukDot.h"

#include "entities/ColorRules.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchive.h"
#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRukDot, CObject, VERSIONABLE_SCHEMA | 1)

CRukDot::CRukDot() {
    m_kind = kKindDot;
}

void CRukDot::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_x1 << m_y1 << m_layerName << static_cast<UINT>(m_savedColor)
           << static_cast<BYTE>(m_childFlag) << m_tag;
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    if (schema == 1) {
        UINT color = 0;
        BYTE childFlag = 0;
        ar >> m_x1 >> m_y1 >> m_layerName >> color >> childFlag >> m_tag;
        m_color = color;
        m_childFlag = childFlag;
    }
    m_savedColor = m_color;
    RecalcExtents();
}

void CRukDot::RecalcExtents() {
    m_minX = m_maxX = m_x1;
    m_minY = m_maxY = m_y1;
}

int CRukDot::CreateFromRecord(const PorRecord* record, CEntityDocument*, int) {
    if (!record || record->Type() != PorDot::Type)
        return 0;
    const auto position = record->Get(PorDot::Position);
    const auto mode = record->Get(PorDot::Mode);
    const auto size = record->Get(PorDot::Size);
    const auto color = record->Get(PorDot::Color);
    if (!position || !mode || !size || !color)
        return 0;
    m_id = record->Get(PorDot::Id);
    m_x1 = position->x;
    m_y1 = position->y;
    m_pointMode = *mode;
    m_pointSize = *size;
    m_color = *color;
    m_savedColor = m_color;
    m_layerName = record->Get(PorDot::Layer);
    m_sourceLayer = m_layerName;
    RecalcExtents();
    return 1;
}

void CRukDot::DrawA(CEntityDocument*, CDC* dc, int originX, int originY, double scale, double,
                    const CDrawDefaults* settings, BOOL drawBlack, const RECT& clip) {
    const COLORREF color = GetContrastColor(drawBlack ? 0 : m_color, settings->m_bkColor);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, color);
    CPen* oldPen = dc->SelectObject(&pen);
    TraceA(dc, originX, originY, scale, settings, clip, FALSE);
    dc->SelectObject(oldPen);
}

void CRukDot::TraceA(CDC* dc, int originX, int originY, double scale, const CDrawDefaults*,
                     const RECT&, BOOL) {
    POINT point = ToViewPoint(m_x1, m_y1, originX, originY, scale);
    if (dc->IsMetafile())
        point.y = TruncInt(-static_cast<double>(point.y));
    // A stroke one device pixel long in the selected pen marks the point.
    SIZE pixel{1, 1};
    dc->DPtoLP(&pixel);
    const POINT mark[2] = {
        point,
        POINT{TruncInt(static_cast<double>(point.x) + std::max<LONG>(pixel.cx, 1)), point.y}};
    dc->Polyline(mark, 2);
}

void CRukDot::LineTypeA(CEntityDocument*, CDC*, int, int, double, double, const CDrawDefaults*,
                        const RECT&) {}
