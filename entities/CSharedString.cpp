#include "entities/CSharedString.h"

#include "platform/mfc/CArchive.h"

#include <QString>

#include <mutex>
#include <unordered_map>

namespace {

// The entries by their text. The keys view the entries' own bytes.
struct Table {
    std::mutex mutex;
    std::unordered_map<std::string_view, void*> entries;
};

Table& Texts() {
    static Table* table = new Table; // outlives the entities of static objects
    return *table;
}

} // namespace

const CString& CSharedString::EmptyText() {
    static const CString* empty = new CString;
    return *empty;
}

CSharedString::Entry* CSharedString::Share(std::string_view text) {
    if (text.empty())
        return nullptr;
    Table& table = Texts();
    std::lock_guard<std::mutex> lock(table.mutex);
    if (const auto found = table.entries.find(text); found != table.entries.end()) {
        auto* entry = static_cast<Entry*>(found->second);
        entry->holders.fetch_add(1, std::memory_order_relaxed);
        return entry;
    }
    auto* entry = new Entry{CString(text)};
    table.entries.emplace(entry->text.view(), entry);
    return entry;
}

void CSharedString::Drop() {
    Entry* entry = m_entry;
    m_entry = nullptr;
    if (!entry)
        return;
    // Sharing a text counts its holder under the table's lock, so only a
    // drop that may be the last needs the lock.
    long holders = entry->holders.load(std::memory_order_relaxed);
    while (holders > 1) {
        if (entry->holders.compare_exchange_weak(holders, holders - 1, std::memory_order_release,
                                                 std::memory_order_relaxed))
            return;
    }
    Table& table = Texts();
    std::lock_guard<std::mutex> lock(table.mutex);
    if (entry->holders.fetch_sub(1, std::memory_order_acq_rel) != 1)
        return;
    table.entries.erase(entry->text.view());
    delete entry;
}

CSharedString& CSharedString::operator=(const CSharedString& other) noexcept {
    if (m_entry != other.m_entry) {
        other.Hold();
        Drop();
        m_entry = other.m_entry;
    }
    return *this;
}

CSharedString& CSharedString::operator=(CSharedString&& other) noexcept {
    if (this != &other) {
        Drop();
        m_entry = other.m_entry;
        other.m_entry = nullptr;
    }
    return *this;
}

QString CSharedString::ToQString() const {
    return Get().ToQString();
}

std::size_t CSharedString::SharedCount() {
    Table& table = Texts();
    std::lock_guard<std::mutex> lock(table.mutex);
    return table.entries.size();
}

CArchive& operator<<(CArchive& ar, const CSharedString& text) {
    return ar << text.Get();
}

CArchive& operator>>(CArchive& ar, CSharedString& text) {
    CString read;
    ar >> read;
    text = read;
    return ar;
}
