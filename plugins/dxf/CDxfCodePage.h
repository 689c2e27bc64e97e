#pragma once
// A drawing's single-byte code page, named as $DWGCODEPAGE names it
// ("ANSI_1252", "DOS850", "ISO8859-1"), as a table of the CP932 bytes each
// of its 256 bytes stands for. A character CP932 lacks is "?".

#include <array>
#include <optional>
#include <string>
#include <string_view>

class CDxfCodePage {
public:
    // The table of a single-byte page that iconv knows; none for ANSI_932,
    // the double-byte pages and names it does not know, whose texts stay
    // CP932.
    static std::optional<CDxfCodePage> ForName(std::string_view name);

    const std::string& Cp932Of(unsigned char byte) const { return m_cp932[byte]; }

private:
    std::array<std::string, 256> m_cp932;
};
