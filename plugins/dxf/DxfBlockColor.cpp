#include "plugins/dxf/DxfBlockColor.h"

#include "por/PorRecord.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <array>

namespace {

// The word indexes of the colours that one record type takes from its block,
// tested on the first.
struct ColorSlots {
    LONG type;
    std::array<int, 3> slots;
    int count;
};

constexpr ColorSlots SlotTable[] = {
    {3, {11}, 1},         {4, {13, 15, 16}, 3}, {5, {7}, 1},           {6, {7, 9, 10}, 3},
    {7, {13, 15, 16}, 3}, {8, {7}, 1},          {9, {15, 17, 18}, 3},  {10, {15, 17, 18}, 3},
    {11, {19}, 1},        {12, {19}, 1},        {13, {19, 21, 22}, 3}, {14, {24}, 1},
    {15, {5, 17}, 2},     {16, {5, 17}, 2},     {17, {17, 29}, 2},     {18, {9, 11, 12}, 3},
    {19, {25}, 1},        {20, {9}, 1},         {21, {8}, 1},          {29, {7}, 1},
    {30, {7, 9, 10}, 3},  {36, {6}, 1},         {37, {7, 9, 10}, 3},   {38, {7}, 1},
    {39, {7, 9, 10}, 3},
};

constexpr std::size_t ChildrenStart = 28;

bool Holds(std::span<const BYTE> record, int word) {
    const auto offset = static_cast<std::size_t>(word) * PorWordSize;
    return offset + PorWordSize <= record.size();
}

void PushDownChildren(COLORREF color, std::span<BYTE> record) {
    if (!Holds(record, PorInsert::Children.word) || record.size() < ChildrenStart) {
        return;
    }
    const LONG count = LoadPorWord(record.data() + PorInsert::Children.word * PorWordSize);
    std::span<BYTE> rest = record.subspan(ChildrenStart);
    for (LONG i = 0; i < count; ++i) {
        const auto child = PorRecord::Frame(rest);
        if (!child) {
            return;
        }
        PushDownBlockColor(color, rest.first(child->Size()), false);
        rest = rest.subspan(child->Size());
    }
}

} // namespace

void PushDownBlockColor(COLORREF color, std::span<BYTE> record, bool force) {
    if (!Holds(record, 0)) {
        return;
    }
    const LONG type = LoadPorWord(record.data());
    if (type == PorInsert::Type) {
        PushDownChildren(color, record);
        return;
    }
    for (const ColorSlots& row : SlotTable) {
        if (row.type != type) {
            continue;
        }
        const int first = row.slots[0];
        if (!Holds(record, first)) {
            return;
        }
        const auto marker = static_cast<DWORD>(LoadPorWord(record.data() + first * PorWordSize));
        if (!force && marker != PorByBlockColor) {
            return;
        }
        for (int i = 0; i < row.count; ++i) {
            const int slot = row.slots[static_cast<std::size_t>(i)];
            if (Holds(record, slot)) {
                StorePorWord(record.data() + slot * PorWordSize, static_cast<LONG>(color));
            }
        }
        return;
    }
}
