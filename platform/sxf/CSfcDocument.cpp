#include "platform/sxf/CSfcDocument.h"

#include "platform/mfc/CFile.h"

#include "platform/sxf/CP21Mapper.h"
#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CSfcFeatureDecoder.h"
#include "platform/sxf/CSfcParameters.h"
#include "platform/sxf/CSfcScanner.h"

#include <algorithm>
#include <iterator>
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
    return Build(scanner.Statements());
}

CSfcDocument CSfcDocument::ParseP21(std::string_view bytes) {
    return Build(CP21Mapper::Map(CP21Model::Parse(bytes)));
}

CSfcDocument CSfcDocument::Build(const std::vector<CSfcStatement>& statements) {
    CSfcDocument document;
    std::vector<CSfcFeature> pending;
    for (const CSfcStatement& statement : statements) {
        if (!statement.error.empty()) {
            // Its group still reports it when the feature is read.
            CSfcFeature broken;
            broken.id = static_cast<int>(statement.id);
            broken.error = statement.line
                               ? "line " + std::to_string(statement.line) + ": " + statement.error
                               : statement.error;
            pending.push_back(std::move(broken));
            continue;
        }
        try {
            if (document.m_tables.Take(statement)) {
                continue;
            }
        } catch (const CSfcError&) {
            // A wrong table entry is left out.
            continue;
        }
        if (document.TakeGroup(statement, pending)) {
            continue;
        }
        if (auto feature = CSfcFeatureDecoder::Decode(statement)) {
            pending.push_back(std::move(*feature));
        }
    }
    document.ReportUngrouped(std::move(pending));
    return document;
}

void CSfcDocument::ReportUngrouped(std::vector<CSfcFeature> features) {
    if (!m_lastGroup) {
        return;
    }
    // Features after the last group belong to none and are not drawn; the
    // last group reports them, so none is lost without a word.
    auto& members = Assemblies(m_lastGroup->first)[m_lastGroup->second].features;
    for (CSfcFeature& feature : features) {
        CSfcFeature lost;
        lost.id = feature.id;
        lost.error = feature.error.empty()
                         ? "#" + std::to_string(feature.id) + " belongs to no group"
                         : std::move(feature.error);
        members.push_back(std::move(lost));
    }
}

std::vector<CSfcAssembly>& CSfcDocument::Assemblies(int kind) {
    return m_assemblies.at(static_cast<std::size_t>(kind - 1));
}

bool CSfcDocument::TakeGroup(const CSfcStatement& statement, std::vector<CSfcFeature>& pending) {
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
    assembly.features = std::exchange(pending, {});
    try {
        assembly.data = group->decode(CSfcParameters(statement));
    } catch (const CSfcError& error) {
        // A group that cannot be read is left out with its members; the
        // next group reports each of them, so none is lost without a word.
        const auto lost = [&](int id, std::string why) {
            CSfcFeature broken;
            broken.id = id;
            broken.error = std::move(why);
            pending.push_back(std::move(broken));
        };
        lost(static_cast<int>(statement.id), error.what());
        for (const CSfcFeature& member : assembly.features) {
            lost(member.id, member.error.empty()
                                ? "its group #" + std::to_string(statement.id) + " cannot be read"
                                : member.error);
        }
        return true;
    }
    auto& list = Assemblies(group->kind);
    assembly.code = static_cast<int>(list.size()) + 1;
    m_lastGroup.emplace(group->kind, list.size());
    list.push_back(std::move(assembly));
    return true;
}
