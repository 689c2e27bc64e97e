#pragma once
// Writes one TEXT or MTEXT as text records: the string is broken into lines
// at the paragraph, stacking and caret codes and at each closing brace, the
// MTEXT formatting codes are read or dropped, the lines are laid out one
// under the other and the set is turned by the text's rotation and moved to
// its insertion point. One line is one text record; several are wrapped in
// one block-reference record.

#include "platform/win/WinTypes.h"
#include "plugins/dxf/CDxfText.h"
#include "por/PorRecordBuilder.h"

#include <string>
#include <vector>

class CPorStream;
struct CDxfHeader;
struct CDxfLaidLine;

class CDxfTextEmitter {
public:
    explicit CDxfTextEmitter(const CDxfHeader& header) : m_header(header) {}

    void WriteText(const CDxfText& text, CPorStream& target) const;

    // The lines of the first pass; each line after a break starts with the
    // caret that steps the pen down.
    static std::vector<std::string> BreakLines(std::string_view text);
    // The text record of one laid-out line between its upper-left and
    // lower-right corners (integer units), its height the text's, scaled.
    static PorRecordBuilder LineRecord(const CDxfText& text, const CDxfLaidLine& line, POINT first,
                                       POINT second, unsigned scale);

private:
    const CDxfHeader& m_header;
};
