#pragma once
// Writes one TEXT or MTEXT as text records: the string is broken into lines
// at the paragraph, stacking and caret codes and at each closing brace, the
// MTEXT formatting codes are read or dropped, the lines are laid out one
// under the other and the set is turned by the text's rotation and moved to
// its insertion point. One line is one text record; several are wrapped in
// one block-reference record.

#include "plugins/dxf/CDxfText.h"

#include <string>
#include <vector>

class CPorStream;
struct CDxfHeader;

class CDxfTextEmitter {
public:
    // Nesting of "{" beyond this many levels is ignored.
    static constexpr int MaxLevels = 9;

    explicit CDxfTextEmitter(const CDxfHeader& header) : m_header(header) {}

    void WriteText(const CDxfText& text, CPorStream& target) const;

    // The lines of the first pass; each line after a break starts with the
    // caret that steps the pen down.
    static std::vector<std::string> BreakLines(std::string_view text);

private:
    const CDxfHeader& m_header;
};
