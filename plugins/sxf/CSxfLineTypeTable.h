#pragma once
// The 32 line-type slots of an SXF conversion: the fifteen predefined
// patterns fill the slot of their own number when the file names them,
// user line types the slot of their code. Written as POR line types
// 1001..1032.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <span>

class PorBlockWriter;

class CSxfLineTypeTable {
public:
    static constexpr int Slots = 32;
    static constexpr int MaxValues = 10;
    static constexpr LONG FirstPorId = 1000;

    struct Entry {
        CString name;
        int count = 0;
        std::array<double, MaxValues> values{};
    };

    // A predefined name fills its slot; any other name fills nothing.
    void SetPreDefined(const CString& name);
    // A code outside 1..32 changes nothing; the count is held to the values given.
    void SetUser(int code, const CString& name, std::span<const double> values);

    // Slot 1..32; std::out_of_range for another number.
    const Entry& At(int slot) const;

    // One POR line-type record per slot, dash lengths trunc(rate x mm).
    void WritePOR(PorBlockWriter& stream, int dashPitchRate) const;

private:
    std::array<Entry, Slots> m_entries;
};
