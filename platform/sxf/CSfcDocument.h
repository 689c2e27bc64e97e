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
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

struct CSfcAssembly {
    int code = 0;
    std::variant<SxfSheetData, SxfSfigOrgData, SxfCompositeCurveData> data;
    std::vector<CSfcFeature> features;

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
    // The features in file order, as either form gives them.
    static CSfcDocument Build(const std::vector<CSfcStatement>& statements);

    const CSfcTables& Tables() const { return m_tables; }
    // The assemblies of a kind 1..3 in file order; std::out_of_range for
    // another kind.
    std::vector<CSfcAssembly>& Assemblies(int kind);

private:
    bool TakeGroup(const CSfcStatement& statement, std::vector<CSfcFeature>& pending);
    // The features after the last group, as failures of that group.
    void ReportUngrouped(std::vector<CSfcFeature> features);

    CSfcTables m_tables;
    std::array<std::vector<CSfcAssembly>, 3> m_assemblies;
    // The kind and index of the group read last.
    std::optional<std::pair<int, std::size_t>> m_lastGroup;
};
