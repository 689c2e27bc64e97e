#pragma once
// A read-only text that equal texts share: the layer names, tags and names
// repeated over the entities of a drawing are held once, each entity keeping
// a pointer. An empty text holds nothing. Copies share the text; the last one
// to go frees it. Safe to copy and drop from several threads.
//
// It reads as the CString it holds, and is archived as that CString.

#include "platform/mfc/CString.h"

#include <atomic>
#include <string>
#include <string_view>

class CArchive;

class CSharedString {
public:
    CSharedString() = default;
    CSharedString(const CString& text) : m_entry(Share(text.view())) {}
    CSharedString(const char* text) : m_entry(Share(text ? std::string_view(text) : "")) {}
    CSharedString(const CSharedString& other) noexcept : m_entry(other.m_entry) { Hold(); }
    CSharedString(CSharedString&& other) noexcept : m_entry(other.m_entry) {
        other.m_entry = nullptr;
    }
    CSharedString& operator=(const CSharedString& other) noexcept;
    CSharedString& operator=(CSharedString&& other) noexcept;
    CSharedString& operator=(const CString& text) { return *this = CSharedString(text); }
    CSharedString& operator=(const char* text) { return *this = CSharedString(text); }
    ~CSharedString() { Drop(); }

    const CString& Get() const { return m_entry ? m_entry->text : EmptyText(); }
    operator const CString&() const { return Get(); }

    bool IsEmpty() const { return m_entry == nullptr; }
    void Empty() { Drop(); }
    int GetLength() const { return Get().GetLength(); }
    const char* c_str() const { return Get().c_str(); }
    const std::string& str() const { return Get().str(); }
    std::string_view view() const { return Get().view(); }
    int Compare(const char* other) const { return Get().Compare(other); }
    int CompareNoCase(const char* other) const { return Get().CompareNoCase(other); }
    QString ToQString() const;

    // Equal texts are one entry.
    friend bool operator==(const CSharedString& a, const CSharedString& b) {
        return a.m_entry == b.m_entry;
    }
    friend bool operator==(const CSharedString& a, const CString& b) { return a.Get() == b; }
    friend bool operator==(const CSharedString& a, const char* b) { return a.Get() == b; }

    // How many distinct texts are shared now.
    static std::size_t SharedCount();

private:
    struct Entry {
        CString text;
        std::atomic<long> holders{1};
    };

    static const CString& EmptyText();
    // The entry of the text, held once more; null for the empty text.
    static Entry* Share(std::string_view text);
    void Hold() const {
        if (m_entry)
            m_entry->holders.fetch_add(1, std::memory_order_relaxed);
    }
    void Drop();

    Entry* m_entry = nullptr;
};

CArchive& operator<<(CArchive& ar, const CSharedString& text);
CArchive& operator>>(CArchive& ar, CSharedString& text);
