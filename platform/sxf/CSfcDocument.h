#pragma once
// A whole SXF file, read before anything is served: its tables and its
// assemblies (composite curves, sub-figure definitions, the sheet), each
// with the features that belong to it. Every feature since the previous
// group feature belongs to the next one; those after the last group are
// served by it as failures. Tables may stand anywhere. A
// ".p21" file's instances are first turned into the features its ".sfc"
// twin holds.

#include "platform/sxf/CSfcFeature.h"
#include "platform/sxf/CSfcTables.h"
#include "platform/sxf/SxfData.h"

#include <array>
#include <cstddef>
#include <deque>
#include <optional>
#include <ranges>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

struct CSfcAssembly {
    int code = 0;
    std::variant<SxfSheetData, SxfSfigOrgData, SxfCompositeCurveData> data;
    // Its features: a run of the document's list.
    std::size_t first = 0;
    std::size_t count = 0;

    void* DataPointer() {
        return std::visit([](auto& value) -> void* { return &value; }, data);
    }
};

class CSfcDocument {
public:
    static constexpr std::size_t MaxFileSize = std::size_t(1) << 30;

    enum Form { Sfc, P21 };

    // Throws CSfcError when the file cannot be read or is no Part 21 file,
    // and for a ".p21" file that is malformed anywhere.
    static CSfcDocument Load(const std::string& path, Form form = Sfc);
    // The file's bytes as they stand.
    static CSfcDocument Parse(std::string_view bytes);
    static CSfcDocument ParseP21(std::string_view bytes);
    // The features in file order, as the ".p21" form gives them.
    static CSfcDocument Build(const std::vector<CSfcStatement>& statements);

    const CSfcTables& Tables() const { return m_tables; }
    // The assemblies of a kind 1..3 in file order; std::out_of_range for
    // another kind.
    std::vector<CSfcAssembly>& Assemblies(int kind);

    using FeatureRange = std::ranges::subrange<std::deque<CSfcFeature>::iterator>;
    // The features of one of this document's assemblies, in file order.
    FeatureRange Features(const CSfcAssembly& assembly);

private:
    // Takes the next statement in file order.
    void Take(const CSfcStatement& statement);
    bool TakeGroup(const CSfcStatement& statement);
    // Features after the last group are reported by it as failures.
    void Finish();

    CSfcTables m_tables;
    std::array<std::vector<CSfcAssembly>, 3> m_assemblies;
    // Every group's features one after the other, in file order. A deque,
    // so that hundreds of thousands never stand twice in memory while the
    // list grows.
    std::deque<CSfcFeature> m_features;
    // Where the features read since the previous group begin.
    std::size_t m_pending = 0;
    // The kind and index of the group read last.
    std::optional<std::pair<int, std::size_t>> m_lastGroup;
};
