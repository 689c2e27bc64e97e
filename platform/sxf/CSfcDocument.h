#pragma once
// A whole ".sfc" file, read before anything is served: its tables and its
// assemblies (composite curves, sub-figure definitions, the sheet), each
// with the features that belong to it. Every feature since the previous
// group feature belongs to the next one; tables may stand anywhere.

#include "platform/sxf/CSfcFeature.h"
#include "platform/sxf/CSfcTables.h"
#include "platform/sxf/SxfData.h"

#include <array>
#include <string>
#include <string_view>
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

    // Throws CSfcError when the file cannot be read or is no Part 21 file.
    static CSfcDocument Load(const std::string& path);
    // The file's bytes as they stand.
    static CSfcDocument Parse(std::string_view bytes);

    const CSfcTables& Tables() const { return m_tables; }
    // The assemblies of a kind 1..3 in file order; std::out_of_range for
    // another kind.
    std::vector<CSfcAssembly>& Assemblies(int kind);

private:
    bool TakeGroup(const CSfcStatement& statement, std::vector<CSfcFeature>& pending);

    CSfcTables m_tables;
    std::array<std::vector<CSfcAssembly>, 3> m_assemblies;
};
