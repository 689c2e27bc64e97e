#pragma once
// Splits the bytes of a ".sfc" file into its feature comments. Texts are
// CP932: a second byte 0x5C ("\") or 0x27 ("'") belongs to its character and
// is never taken for an escape or a quote.

#include "platform/sxf/CSfcStatement.h"

#include <string>
#include <string_view>
#include <vector>

class CSfcScanner {
public:
    explicit CSfcScanner(std::string_view bytes) : m_bytes(bytes) {}

    // False when the bytes are not a Part 21 file at all.
    bool IsPart21() const;
    // Every feature comment in file order; one that cannot be read carries
    // its error and the scan goes on after its closing line.
    std::vector<CSfcStatement> Statements();

private:
    bool StartsAt(std::size_t at, std::string_view text) const;
    std::size_t CharLength(std::size_t at) const;
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
