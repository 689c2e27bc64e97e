#pragma once
// Reads a drawing's control file "<name>.zcd": the saved group attributes
// and the redline objects in their drawing order. A file from before the
// 16-byte header ("RukC", version, two zero words) is read as version 0.
//
// All or nothing (CObjectListReader): a file that does not read through as
// a whole leaves the document as it was, with every object read freed.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CCommonDoc;

class CControlFileReader {
public:
    enum class Result { Missing, Read, Failed };

    // Appends the file's save groups to m_saveGroups and its redline
    // objects to m_drawOrder, and sets m_fileVersion. Failed also for a file
    // that exists but cannot be opened.
    static Result Read(const CString& path, CCommonDoc& document);

    // The first version with the header; older files have none.
    static constexpr UINT kFirstVersion = 0x10000;
    // From this version on the unit, two words and two strings stand
    // between the header and the lists.
    static constexpr UINT kPreambleVersion = 0x10008;
};
