#pragma once
// Turns DXF string values into the CP932 text that POR data carries. From
// AC1021 on a DXF file is UTF-8; older files are in the drawing's code page
// (CP932 here) and spell other characters as \U+XXXX. A character CP932 lacks
// becomes '?'.

#include "platform/mfc/CString.h"

#include <string_view>

class CDxfTextDecoder {
public:
    void SetUtf8(bool utf8) { m_utf8 = utf8; }

    CString Decode(std::string_view value) const;

private:
    CString DecodeUtf8(std::string_view value) const;
    CString DecodeCp932(std::string_view value) const;

    bool m_utf8 = false;
};
