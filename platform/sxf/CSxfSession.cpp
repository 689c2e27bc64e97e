#include "platform/sxf/CSxfSession.h"

#include "platform/sxf/CSfcParameters.h"

#include <algorithm>
#include <cstring>

namespace {

// The type names handed out fit a buffer of this size with their NUL.
constexpr std::size_t TypeNameSize = 32;

void SetEnd(int* end, bool value) {
    if (end) {
        *end = value ? 1 : 0;
    }
}

} // namespace

CSxfSession& CSxfSession::Instance() {
    static CSxfSession session;
    return session;
}

int CSxfSession::Fail(int number, const std::string& text) {
    m_messages.push_back({number, text});
    return -1;
}

int CSxfSession::Refuse(Message number, const std::string& text) {
    return Fail(number, text);
}

int CSxfSession::Open(const std::string& path, CSfcDocument::Form form) {
    m_document.reset();
    try {
        m_document = CSfcDocument::Load(path, form);
    } catch (const CSfcError& error) {
        return Fail(OpenFailed, error.what());
    }
    m_tableNext.fill(0);
    m_assemblyNext.fill(0);
    m_assemblyKind = 0;
    m_assembly = NoAssembly;
    m_featureNext = 0;
    return 0;
}

int CSxfSession::Close() {
    if (!m_document) {
        return Fail(NotOpen, "no SXF file is open");
    }
    m_document.reset();
    return 0;
}

int CSxfSession::ReadTable(int kind, void* buffer, int* end) {
    SetEnd(end, true);
    if (!m_document) {
        return Fail(NotOpen, "no SXF file is open");
    }
    if (kind < SxfTableLayer || kind > SxfTableTextFont || !buffer) {
        return Fail(WrongKind, "no table of kind " + std::to_string(kind));
    }
    const auto& entries = m_document->Tables().Entries(kind);
    std::size_t& next = m_tableNext[static_cast<std::size_t>(kind - 1)];
    if (next >= entries.size()) {
        return 0;
    }
    const CSfcTableEntry& entry = entries[next++];
    std::memcpy(buffer, &entry.entry, sizeof entry.entry);
    SetEnd(end, next == entries.size());
    return entry.code;
}

int CSxfSession::ReadAssembly(int kind, void*& data, int* end) {
    data = nullptr;
    SetEnd(end, true);
    if (!m_document) {
        return Fail(NotOpen, "no SXF file is open");
    }
    if (kind < SxfAssemblySheet || kind > SxfAssemblyCompositeCurve) {
        return Fail(WrongKind, "no assembly of kind " + std::to_string(kind));
    }
    auto& assemblies = m_document->Assemblies(kind);
    std::size_t& next = m_assemblyNext[static_cast<std::size_t>(kind - 1)];
    if (next >= assemblies.size()) {
        m_assembly = NoAssembly;
        return -1;
    }
    m_assemblyKind = kind;
    m_assembly = next++;
    m_featureNext = 0;
    CSfcAssembly& assembly = assemblies[m_assembly];
    data = assembly.DataPointer();
    SetEnd(end, next == assemblies.size());
    return assembly.code;
}

int CSxfSession::ReadNextFeature(char* typeName, void*& data, int* end) {
    data = nullptr;
    SetEnd(end, true);
    if (typeName) {
        typeName[0] = '\0';
    }
    if (!m_document || m_assembly == NoAssembly) {
        return Fail(NotOpen, "no assembly is being read");
    }
    const auto features = m_document->Features(m_document->Assemblies(m_assemblyKind)[m_assembly]);
    if (m_featureNext >= features.size()) {
        return 0;
    }
    CSfcFeature& feature = features[m_featureNext++];
    SetEnd(end, m_featureNext == features.size());
    if (!feature.error.empty()) {
        Fail(FeatureError, feature.error);
        return 0;
    }
    if (typeName) {
        const std::size_t length = std::min(feature.typeName.size(), TypeNameSize - 1);
        std::memcpy(typeName, feature.typeName.data(), length);
        typeName[length] = '\0';
    }
    data = feature.DataPointer();
    return feature.id;
}

int CSxfSession::PopMessage(char*& text, char*& second) {
    m_popped.clear();
    m_second.clear();
    int number = 0;
    if (!m_messages.empty()) {
        number = m_messages.front().number;
        m_popped = m_messages.front().text;
        m_messages.pop_front();
    }
    text = m_popped.data();
    second = m_second.data();
    return number;
}
