#include "app/CControlFileWriter.h"

#include "app/CCommonDoc.h"
#include "app/CDocFileHeader.h"
#include "platform/mfc/CArchive.h"

void CControlFileWriter::Write(CArchive& ar, CCommonDoc& document) {
    CDocFileHeader::Write(ar, CDocFileHeader::kControlMagic, CDocFileHeader::kControlVersion);
    // The unit, two words and two strings that readers skip.
    ar << static_cast<int>(document.m_unit) << 0 << 0 << CString() << CString();
    document.m_saveGroups.Serialize(ar);
    document.m_drawOrder.Serialize(ar);
}
