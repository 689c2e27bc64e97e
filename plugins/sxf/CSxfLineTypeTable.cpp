#include "plugins/sxf/CSxfLineTypeTable.h"

#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace {

struct PreDefinedLineType {
    std::string_view name;
    std::initializer_list<double> values;
};

// Slots 1 to 15 in this order.
const PreDefinedLineType PreDefined[] = {
    {"continuous", {}},
    {"dashed", {6, 1.5}},
    {"dashed spaced", {6, 6}},
    {"long dashed dotted", {12, 1.5, 0.25, 1.5}},
    {"long dashed double-dotted", {12, 1.5, 0.25, 1.5, 0.25, 1.5}},
    {"long dashed triplicate-dotted", {12, 1.5, 0.25, 1.5, 0.25, 1.5, 0.25, 1.5}},
    {"dotted", {0.25, 1.5}},
    {"chain", {12, 1.5, 3.5, 1.5}},
    {"chain double dash", {12, 1.5, 3.5, 1.5, 3.5, 1.5}},
    {"dashed dotted", {6, 1.5, 0.25, 1.5}},
    {"double-dashed dotted", {6, 1.5, 6, 1.5, 0.25, 1.5}},
    {"dashed double-dotted", {6, 1.5, 0.25, 1.5, 0.25, 1.5}},
    {"double-dashed double-dotted", {6, 1.5, 6, 1.5, 0.25, 1.5, 0.25, 1.5}},
    {"dashed triplicate-dotted", {6, 1.5, 0.25, 1.5, 0.25, 1.5, 0.25, 1.5}},
    {"double-dashed triplicate-dotted", {6, 1.5, 6, 1.5, 0.25, 1.5, 0.25, 1.5, 0.25, 1.5}},
};

} // namespace

void CSxfLineTypeTable::SetPreDefined(const CString& name) {
    const auto found =
        std::find_if(std::begin(PreDefined), std::end(PreDefined),
                     [&](const PreDefinedLineType& t) { return t.name == name.view(); });
    if (found == std::end(PreDefined)) {
        return;
    }
    const std::vector<double> values(found->values);
    SetUser(static_cast<int>(found - std::begin(PreDefined)) + 1, name, values);
}

void CSxfLineTypeTable::SetUser(int code, const CString& name, std::span<const double> values) {
    if (code < 1 || code > Slots) {
        return;
    }
    Entry& entry = m_entries[static_cast<std::size_t>(code - 1)];
    entry.name = name;
    entry.count = static_cast<int>(std::min<std::size_t>(values.size(), MaxValues));
    entry.values = {};
    std::copy_n(values.begin(), entry.count, entry.values.begin());
}

const CSxfLineTypeTable::Entry& CSxfLineTypeTable::At(int slot) const {
    return m_entries.at(static_cast<std::size_t>(slot - 1));
}

void CSxfLineTypeTable::WritePOR(PorBlockWriter& stream, int dashPitchRate) const {
    for (int slot = 1; slot <= Slots; ++slot) {
        const Entry& entry = At(slot);
        std::vector<LONG> dashes;
        for (int i = 0; i < entry.count; ++i) {
            dashes.push_back(SxfToPor(entry.values[static_cast<std::size_t>(i)], dashPitchRate));
        }
        PorRecordBuilder record(PorLineType::Type);
        record.Set(PorLineType::LineTypeId, FirstPorId + slot);
        record.Set(PorLineType::Dashes, dashes);
        stream.Append(record);
    }
}
