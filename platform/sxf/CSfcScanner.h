#pragma once
// Splits the bytes of a ".sfc" file into its feature comments. Texts are
// CP932: a second byte 0x5C ("\") or 0x27 ("'") belongs to its character and
// is never taken for an escape or a quote.

#include "platform/mfc/Cp932.h"
#include "platform/sxf/CSfcStatement.h"

#include <string>
#include <string_view>
#include <vector>

class CSfcScanner {
public:
    explicit CSfcScanner(std::string_view bytes) : m_bytes(bytes) {}

    // False when the bytes are not a Part 21 file at all.
    bool IsPart21() const;
    // The next feature comment in file order, read into `statement` whose
    // storage is reused; false after the last one. One that cannot be read
    // carries its error and the scan goes on after its closing line.
    bool Next(CSfcStatement& statement);
    // Every feature comment from the start of the bytes.
    std::vector<CSfcStatement> Statements();

private:
    // Both run for nearly every byte, so they stay inline.
    bool StartsAt(std::size_t at, std::string_view text) const {
        if (at > m_bytes.size() || m_bytes.size() - at < text.size()) {
            return false;
        }
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (m_bytes[at + i] != text[i]) {
                return false;
            }
        }
        return true;
    }
    // The same rule as Cp932::CharLength.
    std::size_t CharLength(std::size_t at) const {
        return at + 1 < m_bytes.size() && Cp932::IsLeadByte(static_cast<unsigned char>(m_bytes[at]))
                   ? 2
                   : 1;
    }
    int LineAt(std::size_t at);
    void SkipSpace();
    bool ReadStatement(CSfcStatement& statement);
    bool ReadParameters(CSfcStatement& statement);
    bool ReadQuoted(CSfcParameter& parameter, std::string_view close);
    bool ReadBare(CSfcParameter& parameter);
    void SkipPastComment();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    std::size_t m_linePos = 0;
    int m_line = 1;
};
