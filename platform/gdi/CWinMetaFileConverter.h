#pragma once
// Turns a Windows metafile (the 16-bit format) into an enhanced metafile,
// as SetWinMetaFileBits does: the records are replayed, every size, count
// and object index checked first, on a metafile context whose page is the
// picture size given in 0.01 mm. Records the converter does not know are
// passed over; a malformed one ends the picture.

#include "platform/gdi/GdiDefs.h"

#include <cstddef>
#include <memory>
#include <vector>

class CGdiObject;
class CMetaFileDC;

class CWinMetaFileConverter {
public:
    // The enhanced metafile's bytes; empty when the data is no metafile or
    // the picture size is not positive.
    static std::vector<BYTE> Convert(const BYTE* data, std::size_t size, LONG widthHundredths,
                                     LONG heightHundredths);

private:
    CWinMetaFileConverter(CMetaFileDC& dc, std::size_t objects);
    ~CWinMetaFileConverter();

    // False for a malformed record.
    bool Play(WORD function, const BYTE* params, std::size_t size);
    bool PlayObject(WORD function, const BYTE* params, std::size_t size);
    bool Store(std::unique_ptr<CGdiObject> object);

    CMetaFileDC& m_dc;
    std::vector<std::unique_ptr<CGdiObject>> m_objects;
    // Deleted objects live on until the end: a saved state may refer to them.
    std::vector<std::unique_ptr<CGdiObject>> m_deleted;
};
