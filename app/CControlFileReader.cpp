#include "app/CControlFileReader.h"

#include "app/CCommonDoc.h"
#include "app/CObjectListReader.h"
#include "entities/CRukEntity.h"
#include "entities/CRukSaveGroup.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CException.h"
#include "platform/mfc/CFile.h"
#include "platform/win/PathFunctions.h"

#include <cstring>

namespace {

constexpr UINT kHeaderSize = 16;

UINT ReadUInt32(const BYTE* bytes) {
    return static_cast<UINT>(bytes[0]) | static_cast<UINT>(bytes[1]) << 8 |
           static_cast<UINT>(bytes[2]) << 16 | static_cast<UINT>(bytes[3]) << 24;
}

// The version of the header at the start of the file, the file left behind
// it; 0, the file back at its start, for a file without one.
UINT ReadHeader(CFile& file) {
    BYTE header[kHeaderSize] = {};
    const UINT read = file.Read(header, kHeaderSize);
    const UINT version = ReadUInt32(header + 4);
    if (read == kHeaderSize && std::memcmp(header, "RukC", 4) == 0 &&
        version >= CControlFileReader::kFirstVersion)
        return version;
    file.SeekToBegin();
    return 0;
}

bool IsSaveGroup(const CObject* object) {
    return dynamic_cast<const CRukSaveGroup*>(object) != nullptr;
}

bool IsRedlineObject(const CObject* object) {
    return dynamic_cast<const CRukEntity*>(object) && !IsSaveGroup(object);
}

void ReadLists(CArchive& ar, UINT version, CCommonDoc& document, CObList& saveGroups,
               CObList& drawOrder) {
    ar.m_pDocument = &document;
    if (version >= CControlFileReader::kPreambleVersion) {
        int unit = 0;
        int reserved1 = 0;
        int reserved2 = 0;
        CString text1;
        CString text2;
        ar >> unit >> reserved1 >> reserved2 >> text1 >> text2;
    }
    CObjectListReader lists(ar);
    lists.Read(saveGroups, IsSaveGroup);
    lists.Read(drawOrder, IsRedlineObject);
    // The lists are judged while the archive is still open on its file, so
    // a refusal names the file.
    lists.Finish();
    ar.Close();
}

} // namespace

CControlFileReader::Result CControlFileReader::Read(const CString& path, CCommonDoc& document) {
    if (!FileExists(path))
        return Result::Missing;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite))
        return Result::Failed;
    CObList saveGroups;
    CObList drawOrder;
    UINT version = 0;
    try {
        CArchive ar(&file, CArchive::load);
        version = ReadHeader(file);
        ReadLists(ar, version, document, saveGroups, drawOrder);
    } catch (const CException&) {
        return Result::Failed;
    }
    document.m_saveGroups.AddTail(&saveGroups);
    document.m_drawOrder.AddTail(&drawOrder);
    document.m_fileVersion = version;
    return Result::Read;
}
