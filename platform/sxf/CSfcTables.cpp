#include "platform/sxf/CSfcTables.h"

#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

namespace {

// Codes 1 to 16 in this order.
constexpr std::string_view PreDefinedColours[] = {
    "black",    "red",   "green",  "blue",       "yellow",    "magenta",  "cyan",      "white",
    "deeppink", "brown", "orange", "lightgreen", "lightblue", "lavender", "lightgray", "darkgray"};

// Codes 1 to 15 in this order.
constexpr std::string_view PreDefinedLineTypes[] = {"continuous",
                                                    "dashed",
                                                    "dashed spaced",
                                                    "long dashed dotted",
                                                    "long dashed double-dotted",
                                                    "long dashed triplicate-dotted",
                                                    "dotted",
                                                    "chain",
                                                    "chain double dash",
                                                    "dashed dotted",
                                                    "double-dashed dotted",
                                                    "dashed double-dotted",
                                                    "double-dashed double-dotted",
                                                    "dashed triplicate-dotted",
                                                    "double-dashed triplicate-dotted"};

// Codes 1 to 9 in this order, millimetres.
constexpr double PreDefinedWidths[] = {0.13, 0.18, 0.25, 0.35, 0.5, 0.7, 1.0, 1.4, 2.0};

int CodeOf(std::span<const std::string_view> names, std::string_view name) {
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? 0 : static_cast<int>(found - names.begin()) + 1;
}

SxfTableEntry ZeroEntry() {
    SxfTableEntry entry;
    std::fill_n(reinterpret_cast<unsigned char*>(&entry), sizeof entry, 0);
    return entry;
}

} // namespace

bool CSfcTables::Take(const CSfcStatement& statement) {
    struct TableFeature {
        std::string_view name;
        void (CSfcTables::*take)(const CSfcStatement&);
    };
    static constexpr TableFeature Features[] = {
        {"layer_feature", &CSfcTables::TakeLayer},
        {"pre_defined_colour_feature", &CSfcTables::TakePreColour},
        {"user_defined_colour_feature", &CSfcTables::TakeUserColour},
        {"pre_defined_font_feature", &CSfcTables::TakePreLineType},
        {"user_defined_font_feature", &CSfcTables::TakeUserLineType},
        {"width_feature", &CSfcTables::TakeWidth},
        {"text_font_feature", &CSfcTables::TakeTextFont},
    };
    const auto feature =
        std::find_if(std::begin(Features), std::end(Features),
                     [&](const TableFeature& f) { return f.name == statement.name; });
    if (feature == std::end(Features)) {
        return false;
    }
    (this->*feature->take)(statement);
    return true;
}

const std::vector<CSfcTableEntry>& CSfcTables::Entries(int kind) const {
    static const std::vector<CSfcTableEntry> none;
    if (kind < SxfTableLayer || kind > SxfTableTextFont) {
        return none;
    }
    return m_tables[static_cast<std::size_t>(kind - 1)];
}

void CSfcTables::Add(int kind, int code, const SxfTableEntry& entry) {
    m_tables[static_cast<std::size_t>(kind - 1)].push_back({code, entry});
}

void CSfcTables::TakeLayer(const CSfcStatement& statement) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    parameters.CopyText(0, entry.layer.name, sizeof entry.layer.name);
    entry.layer.shown = parameters.Int(1);
    const int code = static_cast<int>(Entries(SxfTableLayer).size()) + 1;
    if (code <= MaxLayers) {
        Add(SxfTableLayer, code, entry);
    }
}

void CSfcTables::TakePreDefined(const CSfcStatement& statement, int kind,
                                std::span<const std::string_view> names) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    parameters.CopyText(0, entry.named.name, sizeof entry.named.name);
    if (const int code = CodeOf(names, entry.named.name)) {
        Add(kind, code, entry);
    }
}

void CSfcTables::TakePreColour(const CSfcStatement& statement) {
    TakePreDefined(statement, SxfTablePreColour, PreDefinedColours);
}

void CSfcTables::TakeUserColour(const CSfcStatement& statement) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    entry.userColour = {parameters.Int(0), parameters.Int(1), parameters.Int(2)};
    if (m_nextUserColour <= MaxColourCode) {
        Add(SxfTableUserColour, m_nextUserColour++, entry);
    }
}

void CSfcTables::TakePreLineType(const CSfcStatement& statement) {
    TakePreDefined(statement, SxfTablePreLineType, PreDefinedLineTypes);
}

void CSfcTables::TakeUserLineType(const CSfcStatement& statement) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    auto& lineType = entry.userLineType;
    parameters.CopyText(0, lineType.name, sizeof lineType.name);
    const int segments = parameters.Int(1);
    const std::vector<double> pitches = parameters.DoubleList(2);
    if (segments < 0 || static_cast<std::size_t>(segments) != pitches.size() ||
        pitches.size() > std::size(lineType.values)) {
        parameters.Refuse("the segment count does not match its pitches");
    }
    lineType.count = segments;
    std::copy(pitches.begin(), pitches.end(), lineType.values);
    if (m_nextUserLineType <= MaxLineTypeCode) {
        Add(SxfTableUserLineType, m_nextUserLineType++, entry);
    }
}

void CSfcTables::TakeWidth(const CSfcStatement& statement) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    entry.lineWidth.width = parameters.Double(0);
    const auto predefined =
        std::find_if(std::begin(PreDefinedWidths), std::end(PreDefinedWidths),
                     [&](double width) { return std::fabs(width - entry.lineWidth.width) < 1e-9; });
    if (predefined != std::end(PreDefinedWidths)) {
        Add(SxfTableLineWidth, static_cast<int>(predefined - std::begin(PreDefinedWidths)) + 1,
            entry);
    } else if (m_nextUserWidth <= MaxWidthCode) {
        Add(SxfTableLineWidth, m_nextUserWidth++, entry);
    }
}

void CSfcTables::TakeTextFont(const CSfcStatement& statement) {
    const CSfcParameters parameters(statement);
    SxfTableEntry entry = ZeroEntry();
    parameters.CopyText(0, entry.named.name, sizeof entry.named.name);
    Add(SxfTableTextFont, static_cast<int>(Entries(SxfTableTextFont).size()) + 1, entry);
}
