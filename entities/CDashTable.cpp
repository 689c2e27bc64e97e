#include "entities/CDashTable.h"

#include <utility>

namespace {

constexpr int kFirstType = 2;
constexpr int kLastType = 25;
constexpr int kExtraType = 200;

// Types 2..25, then 200.
const std::vector<std::vector<LONG>>& StandardEntries() {
    static const std::vector<std::vector<LONG>> entries = {
        {66, 25},                       // 2
        {130, 60},                      // 3
        {255, 125},                     // 4
        {1, 33},                        // 5
        {1, 65},                        // 6
        {1, 130},                       // 7
        {325, 60, 65, 60},              // 8
        {195, 28, 37, 28},              // 9
        {637, 123, 128, 123},           // 10
        {162, 30, 33, 30, 33, 30},      // 11
        {320, 60, 67, 60, 67, 60},      // 12
        {640, 120, 130, 120, 130, 120}, // 13
        {33, 14},                       // 14
        {66, 28},                       // 15
        {132, 57},                      // 16
        {65, 33, 1, 33},                // 17
        {130, 65, 1, 65},               // 18
        {260, 130, 1, 130},             // 19
        {65, 33, 65, 33, 1, 33},        // 20
        {130, 65, 130, 65, 1, 65},      // 21
        {260, 130, 260, 130, 1, 130},   // 22
        {65, 33, 1, 33, 1, 33},         // 23
        {130, 65, 1, 65, 1, 65},        // 24
        {260, 130, 1, 130, 1, 130},     // 25
        {130, 90},                      // 200
    };
    return entries;
}

} // namespace

CDashTable::CDashTable() : m_entries(StandardEntries()) {}

const CDashTable& CDashTable::Standard() {
    static const CDashTable table;
    return table;
}

int CDashTable::SlotOf(int lineType) {
    if (lineType >= kFirstType && lineType <= kLastType)
        return lineType - kFirstType;
    if (lineType == kExtraType)
        return kLastType - kFirstType + 1;
    return -1;
}

const std::vector<LONG>* CDashTable::Find(int lineType) const {
    const int slot = SlotOf(lineType);
    return slot < 0 ? nullptr : &m_entries[static_cast<std::size_t>(slot)];
}

bool CDashTable::Set(int lineType, std::vector<LONG> lengths) {
    const int slot = SlotOf(lineType);
    if (slot < 0)
        return false;
    m_entries[static_cast<std::size_t>(slot)] = std::move(lengths);
    return true;
}

void CDashTable::Reset() {
    m_entries = StandardEntries();
}
