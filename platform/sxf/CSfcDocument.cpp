#include "platform/sxf/CSfcDocument.h"

#include "platform/mfc/CFile.h"

#include "platform/sxf/CP21Mapper.h"
#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CSfcFeatureDecoder.h"
#include "platform/sxf/CSfcParameters.h"
#include "platform/sxf/CSfcScanner.h"

#include <algorithm>
#include <iterator>
#include <ranges>
#include <string>
#include <utility>

namespace {

SxfSheetData Sheet(const CSfcParameters& p) {
    SxfSheetData data{};
    p.CopyText(0, data.name, sizeof data.name);
    data.sizeType = p.Int(1);
    data.orientation = p.Int(2);
    data.width = p.Int(3);
    data.height = p.Int(4);
    return data;
}

SxfSfigOrgData SfigOrg(const CSfcParameters& p) {
    SxfSfigOrgData data{};
    p.CopyText(0, data.name, sizeof data.name);
    data.flag = p.Int(1);
    return data;
}

SxfCompositeCurveData CompositeCurve(const CSfcParameters& p) {
    return {p.Int(0), p.Int(1), p.Int(2), p.Int(3)};
}

} // namespace

CSfcDocument CSfcDocument::Load(const std::string& path, Form form) {
    // CFile refuses pipes and devices, which would block or never end.
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead)) {
        throw CSfcError("cannot open " + path);
    }
    const ULONGLONG size = file.GetLength();
    if (size > MaxFileSize) {
        throw CSfcError("cannot read " + path);
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (file.Read(bytes.data(), static_cast<UINT>(size)) != size) {
        throw CSfcError("cannot read " + path);
    }
    return form == P21 ? ParseP21(bytes) : Parse(bytes);
}

CSfcDocument CSfcDocument::Parse(std::string_view bytes) {
    CSfcScanner scanner(bytes);
    if (!scanner.IsPart21()) {
        throw CSfcError("not an ISO-10303-21 file");
    }
    // One statement at a time: a file's features never stand in memory as text.
    CSfcDocument document;
    CSfcStatement statement;
    while (scanner.Next(statement)) {
        document.Take(statement);
    }
    document.Finish();
    return document;
}

CSfcDocument CSfcDocument::ParseP21(std::string_view bytes) {
    return Build(CP21Mapper::Map(CP21Model::Parse(bytes)));
}

CSfcDocument CSfcDocument::Build(const std::vector<CSfcStatement>& statements) {
    CSfcDocument document;
    for (const CSfcStatement& statement : statements) {
        document.Take(statement);
    }
    document.Finish();
    return document;
}

void CSfcDocument::Take(const CSfcStatement& statement) {
    if (!statement.error.empty()) {
        // Its group still reports it when the feature is read.
        CSfcFeature broken;
        broken.id = static_cast<int>(statement.id);
        broken.error = statement.line
                           ? "line " + std::to_string(statement.line) + ": " + statement.error
                           : statement.error;
        m_features.push_back(std::move(broken));
        return;
    }
    try {
        if (m_tables.Take(statement)) {
            return;
        }
    } catch (const CSfcError&) {
        // A wrong table entry is left out.
        return;
    }
    if (TakeGroup(statement)) {
        return;
    }
    if (auto feature = CSfcFeatureDecoder::Decode(statement)) {
        m_features.push_back(std::move(*feature));
    }
}

void CSfcDocument::Finish() {
    const auto pending = m_features.begin() + static_cast<long>(m_pending);
    if (!m_lastGroup) {
        m_features.erase(pending, m_features.end());
        return;
    }
    // Features after the last group belong to none and are not drawn; the
    // last group reports them, so none is lost without a word.
    for (CSfcFeature& feature : std::ranges::subrange(pending, m_features.end())) {
        if (feature.error.empty()) {
            feature.error = "#" + std::to_string(feature.id) + " belongs to no group";
        }
        feature.data = {};
    }
    Assemblies(m_lastGroup->first)[m_lastGroup->second].count += m_features.size() - m_pending;
    m_pending = m_features.size();
}

std::vector<CSfcAssembly>& CSfcDocument::Assemblies(int kind) {
    return m_assemblies.at(static_cast<std::size_t>(kind - 1));
}

CSfcDocument::FeatureRange CSfcDocument::Features(const CSfcAssembly& assembly) {
    const auto first = m_features.begin() + static_cast<long>(assembly.first);
    return {first, first + static_cast<long>(assembly.count)};
}

bool CSfcDocument::TakeGroup(const CSfcStatement& statement) {
    struct GroupFeature {
        std::string_view name;
        int kind;
        decltype(CSfcAssembly::data) (*decode)(const CSfcParameters&);
    };
    static constexpr GroupFeature Groups[] = {
        {"drawing_sheet_feature", SxfAssemblySheet,
         [](const CSfcParameters& p) { return decltype(CSfcAssembly::data)(Sheet(p)); }},
        {"sfig_org_feature", SxfAssemblySfigOrg,
         [](const CSfcParameters& p) { return decltype(CSfcAssembly::data)(SfigOrg(p)); }},
        {"composite_curve_org_feature", SxfAssemblyCompositeCurve,
         [](const CSfcParameters& p) { return decltype(CSfcAssembly::data)(CompositeCurve(p)); }},
    };
    const auto group =
        std::find_if(std::begin(Groups), std::end(Groups),
                     [&](const GroupFeature& g) { return g.name == statement.name; });
    if (group == std::end(Groups)) {
        return false;
    }
    CSfcAssembly assembly;
    try {
        assembly.data = group->decode(CSfcParameters(statement));
    } catch (const CSfcError& error) {
        // A group that cannot be read is left out with its members; the
        // next group reports each of them, so none is lost without a word.
        const auto pending = m_features.begin() + static_cast<long>(m_pending);
        for (CSfcFeature& member : std::ranges::subrange(pending, m_features.end())) {
            if (member.error.empty()) {
                member.error = "its group #" + std::to_string(statement.id) + " cannot be read";
            }
            member.data = {};
        }
        CSfcFeature lost;
        lost.id = static_cast<int>(statement.id);
        lost.error = error.what();
        m_features.insert(pending, std::move(lost));
        return true;
    }
    assembly.first = m_pending;
    assembly.count = m_features.size() - m_pending;
    m_pending = m_features.size();
    auto& list = Assemblies(group->kind);
    assembly.code = static_cast<int>(list.size()) + 1;
    m_lastGroup.emplace(group->kind, list.size());
    list.push_back(std::move(assembly));
    return true;
}
