#pragma once
// One of the document's own line types in device form: its number (1000 and
// up) and its dash and gap lengths as the drawing's line type gave them.

#include "platform/win/WinTypes.h"

#include <vector>

class CLinePattern {
public:
    CLinePattern(int id, std::vector<LONG> lengths);

    int GetId() const { return m_id; }
    int GetCount() const { return static_cast<int>(m_lengths.size()); }
    const std::vector<LONG>& GetLengths() const { return m_lengths; }

private:
    int m_id;
    std::vector<LONG> m_lengths;
};
