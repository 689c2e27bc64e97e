#include "entities/CRukSaveGroup.h"

#include "platform/mfc/CArchive.h"

IMPLEMENT_SERIAL(CRukSaveGroup, CObject, VERSIONABLE_SCHEMA | 1)

namespace {

constexpr COLORREF kNoColor = 0xFFFFFFFF;

} // namespace

CRukSaveGroup::CRukSaveGroup() {
    m_layerName = CString();
    m_sourceLayer = CString();
    m_color = kNoColor;
    m_fillColor = kNoColor;
}

void CRukSaveGroup::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_groupName << m_tag << m_name << static_cast<UINT>(m_color) << m_layerName
           << static_cast<UINT>(m_fillColor) << 0 << CString() << CString();
        return;
    }
    const UINT schema = ar.GetObjectSchema();
    if (schema > 1)
        AfxThrowArchiveException(CArchiveException::badSchema);
    UINT color = 0;
    ar >> m_groupName >> m_tag >> m_name >> color;
    m_color = color;
    if (schema < 1)
        return;
    UINT fillColor = 0;
    int reservedWord = 0;
    CString reservedText;
    ar >> m_layerName >> fillColor >> reservedWord >> reservedText >> reservedText;
    m_fillColor = fillColor;
}
