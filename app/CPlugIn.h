#pragma once
// One import plug-in found beside the program: the library's path and the
// file type it reads, as its exports describe it. The library is loaded only
// while it is used.

#include "platform/mfc/CString.h"
#include "platform/win/Modules.h"

#include <vector>

class CPlugIn {
public:
    CPlugIn() = default;
    ~CPlugIn();
    CPlugIn(const CPlugIn&) = delete;
    CPlugIn& operator=(const CPlugIn&) = delete;

    // Asks the library at path for its caption and patterns and unloads it
    // again. A library that cannot be loaded or lacks either export gives an
    // entry with an empty filter and no patterns, which never matches.
    void Init(const CString& path);

    // The held module, loading the library first when none is held; null
    // when it cannot be loaded.
    HMODULE Load();
    void Unload();

    // True when one of the patterns ("*.dxf") names the extension of the
    // path's file name, ignoring the case of ASCII letters.
    bool MatchesPath(const CString& path) const;

    const CString& GetPath() const { return m_path; }
    // The Open-dialog filter: caption(patterns)|patterns|
    const CString& GetFilter() const { return m_filter; }
    const std::vector<CString>& GetPatterns() const { return m_patterns; }

private:
    void SetFilter(const CString& caption, const CString& patternList);

    CString m_path;
    CString m_filter;
    std::vector<CString> m_patterns;
    HMODULE m_module = nullptr;
};
