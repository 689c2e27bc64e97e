#include "plugins/dxf/CDxfObjectsReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfProgress.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfNumber.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <algorithm>
#include <optional>

namespace {

// A GROUP flag value that leaves the group out.
constexpr int SkippedGroupFlag = 3;

} // namespace

void CDxfObjectsReader::Read() {
    CDxfGroup group;
    while (m_progress.Poll(m_file.GetPosition()) && m_file.ReadGroup(group)) {
        if (group.code != 0) {
            continue;
        }
        if (group.value == "ENDSEC") {
            return;
        }
        if (group.value == "SECTION" || group.value == "EOF") {
            // The section lost its end: what follows belongs to the caller.
            m_file.UngetGroup();
            return;
        }
        if (group.value == "DICTIONARY") {
            ReadDictionary();
        } else if (group.value == "GROUP") {
            ReadGroup();
        }
    }
}

void CDxfObjectsReader::ReadDictionary() {
    Dictionary dictionary;
    std::optional<Entry> current;
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code == 0) {
            m_file.UngetGroup();
            break;
        }
        switch (group.code) {
        case 5:
            dictionary.handle = CString(group.value);
            break;
        case 330:
        case 360:
            dictionary.owner = CString(group.value);
            break;
        case 3:
            current = Entry{m_decoder.Decode(group.value), CString()};
            break;
        case 350:
            if (current) {
                current->handle = CString(group.value);
                dictionary.entries.push_back(std::move(*current));
                current.reset();
            }
            break;
        default:
            break;
        }
    }
    if (!dictionary.handle.IsEmpty()) {
        m_dictionaries.push_back(std::move(dictionary));
    }
}

void CDxfObjectsReader::ReadGroup() {
    CString handle;
    CString owner;
    int flag = 0;
    std::vector<CString> members;
    CDxfGroup group;
    while (m_file.ReadGroup(group)) {
        if (group.code == 0) {
            m_file.UngetGroup();
            break;
        }
        switch (group.code) {
        case 5:
            handle = CString(group.value);
            break;
        case 70:
            flag = DxfToInt(group.value);
            break;
        case 330:
            owner = CString(group.value);
            break;
        case 340:
            members.emplace_back(group.value);
            break;
        default:
            break;
        }
    }
    if (members.empty() || flag == SkippedGroupFlag) {
        return;
    }
    PorRecordBuilder record(PorGroup::Type);
    for (const CString& member : members) {
        record.Append(PorGroup::Members, member);
    }
    record.Set(PorGroup::Id, handle);
    record.Set(PorGroup::Name,
               handle.IsEmpty() ? CString() : FindGroupName(owner.view(), handle.view()));
    m_drawing.AppendRecord(record);
}

CString CDxfObjectsReader::FindGroupName(std::string_view owner, std::string_view handle) const {
    const auto dictionary = std::ranges::find_if(
        m_dictionaries, [owner](const Dictionary& d) { return d.handle.view() == owner; });
    if (dictionary == m_dictionaries.end()) {
        return CString();
    }
    const auto entry = std::ranges::find_if(
        dictionary->entries, [handle](const Entry& e) { return e.handle.view() == handle; });
    return entry != dictionary->entries.end() ? entry->name : CString();
}
