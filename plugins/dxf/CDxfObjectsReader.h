#pragma once
// Reads the OBJECTS section: the dictionaries that name groups, and each
// GROUP, which becomes a group record of the drawing naming its members by
// their handles. Other objects are skipped.

#include "platform/mfc/CString.h"

#include <string_view>
#include <vector>

class CDxfFile;
class CDxfProgress;
class CDxfTextDecoder;
class CPorStream;

class CDxfObjectsReader {
public:
    CDxfObjectsReader(CDxfFile& file, CDxfProgress& progress, const CDxfTextDecoder& decoder,
                      CPorStream& drawing)
        : m_file(file), m_progress(progress), m_decoder(decoder), m_drawing(drawing) {}

    // Up to and including ENDSEC, the end of the file, or Escape.
    void Read();

private:
    struct Entry {
        CString name;
        CString handle;
    };
    struct Dictionary {
        CString handle;
        CString owner;
        std::vector<Entry> entries;
    };

    void ReadDictionary();
    void ReadGroup();
    // The name under which the owner dictionary lists the group; empty when
    // none does.
    CString FindGroupName(std::string_view owner, std::string_view handle) const;

    CDxfFile& m_file;
    CDxfProgress& m_progress;
    const CDxfTextDecoder& m_decoder;
    CPorStream& m_drawing;
    std::vector<Dictionary> m_dictionaries;
};
