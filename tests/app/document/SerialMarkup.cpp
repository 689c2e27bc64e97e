#include "SerialMarkup.h"

#include "platform/mfc/CArchive.h"

IMPLEMENT_SERIAL(SerialMarkup, CObject, 0)

void SerialMarkup::Serialize(CArchive& ar) {
    if (ar.IsStoring())
        ar << m_kind;
    else
        ar >> m_kind;
    CRukGroup::Serialize(ar);
}

CRukLine* MakeLine(const char* layer, int x1, int y1, int x2, int y2) {
    auto* line = new CRukLine;
    line->m_layerName = layer;
    line->m_x1 = x1;
    line->m_y1 = y1;
    line->m_x2 = x2;
    line->m_y2 = y2;
    line->RecalcExtents();
    return line;
}
