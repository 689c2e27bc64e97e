#pragma once
// Turns DXF string values into the CP932 text that POR data carries. From
// AC1021 on a DXF file is UTF-8; older files are in the drawing's code page
// ($DWGCODEPAGE: a single-byte page, else CP932) and spell other characters
// as \U+XXXX. A character CP932 lacks becomes '?'.

#include "platform/mfc/CString.h"
#include "plugins/dxf/CDxfCodePage.h"

#include <optional>
#include <string_view>

class CDxfTextDecoder {
public:
    void SetUtf8(bool utf8) { m_utf8 = utf8; }
    // The $DWGCODEPAGE value; an empty or unknown name keeps CP932.
    void SetCodePage(std::string_view name) { m_page = CDxfCodePage::ForName(name); }

    CString Decode(std::string_view value) const;
    // True when values are CP932: two-byte characters whose second byte may
    // be any of "\", "/" or ":".
    bool IsCp932() const { return !m_utf8 && !m_page; }
    // A text to show: decoded, its special-character codes replaced, the
    // signs spelt as \U+ escapes kept even where CP932 lacks them.
    CString DecodeText(std::string_view raw) const;

private:
    CString DecodeUtf8(std::string_view value) const;
    CString DecodeCp932(std::string_view value) const;
    CString DecodeSingleByte(std::string_view value) const;

    bool m_utf8 = false;
    std::optional<CDxfCodePage> m_page;
};
