#include "app/CControlFileReader.h"

#include "app/CCommonDoc.h"
#include "entities/CChildForest.h"
#include "entities/CRukEntity.h"
#include "entities/CRukSaveGroup.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CException.h"
#include "platform/mfc/CFile.h"
#include "platform/win/PathFunctions.h"

#include <cstring>
#include <unordered_set>
#include <vector>

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
    saveGroups.Serialize(ar);
    drawOrder.Serialize(ar);
    ar.Close();
}

// Each object once, and in the list of its own classes: the document owns
// and deletes every one of them.
bool ListsAreSound(const CObList& saveGroups, const CObList& drawOrder) {
    std::unordered_set<const CObject*> seen;
    for (POSITION position = saveGroups.GetHeadPosition(); position;) {
        const CObject* object = saveGroups.GetNext(position);
        if (!dynamic_cast<const CRukSaveGroup*>(object) || !seen.insert(object).second)
            return false;
    }
    for (POSITION position = drawOrder.GetHeadPosition(); position;) {
        const CObject* object = drawOrder.GetNext(position);
        if (!dynamic_cast<const CRukEntity*>(object) ||
            dynamic_cast<const CRukSaveGroup*>(object) || !seen.insert(object).second)
            return false;
    }
    return true;
}

// The entities among the objects read, for the check of their child lists.
std::vector<const CRukEntity*> EntitiesOf(const std::vector<CObject*>& objects) {
    std::vector<const CRukEntity*> entities;
    for (const CObject* object : objects)
        if (const auto* entity = dynamic_cast<const CRukEntity*>(object))
            entities.push_back(entity);
    return entities;
}

// The objects read and the parts old bodies built while reading: nothing
// else owns those yet.
std::vector<CObject*> ObjectsToFree(const CArchive& ar) {
    std::vector<CObject*> objects = ar.GetLoadedObjects();
    const std::vector<CObject*>& built = ar.GetBuiltObjects();
    objects.insert(objects.end(), built.begin(), built.end());
    return objects;
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
    bool read = false;
    CArchive ar(&file, CArchive::load);
    try {
        version = ReadHeader(file);
        ReadLists(ar, version, document, saveGroups, drawOrder);
        read = ListsAreSound(saveGroups, drawOrder) &&
               CChildForest::IsSound(EntitiesOf(ar.GetLoadedObjects()));
    } catch (const CException&) {
        read = false;
    }
    if (!read) {
        // Whichever lists hold them, and whether or not a list does: no
        // object of a control file deletes another, so each is freed once here.
        for (CObject* object : ObjectsToFree(ar))
            delete object;
        return Result::Failed;
    }
    document.m_saveGroups.AddTail(&saveGroups);
    document.m_drawOrder.AddTail(&drawOrder);
    document.m_fileVersion = version;
    return Result::Read;
}
