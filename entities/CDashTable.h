#pragma once
// The standard dash patterns of line types 2..25 and 200: dash, gap, ...
// lengths in tenths of the pattern unit. The document keeps an adjustable
// copy for the pen-scale rule, whose entries the drawing's own line types
// may replace; Standard() is the copy that never changes.

#include "platform/win/WinTypes.h"

#include <vector>

class CDashTable {
public:
    // Filled with the standard patterns.
    CDashTable();

    static const CDashTable& Standard();

    // The lengths of a line type; null for a type without an entry.
    const std::vector<LONG>* Find(int lineType) const;
    // Replaces the entry of a line type; false (nothing changed) for a type
    // without an entry.
    bool Set(int lineType, std::vector<LONG> lengths);
    // Brings back the standard patterns.
    void Reset();

private:
    static int SlotOf(int lineType);

    std::vector<std::vector<LONG>> m_entries;
};
