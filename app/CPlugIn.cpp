#include "app/CPlugIn.h"

#include "platform/mfc/Cp932.h"
#include "platform/win/PathFunctions.h"

namespace {

using FilterText = const char* (*)();

} // namespace

CPlugIn::~CPlugIn() {
    Unload();
}

void CPlugIn::Init(const CString& path) {
    Unload();
    m_path = path;
    m_filter.Empty();
    m_patterns.clear();
    HMODULE module = Load();
    if (!module)
        return;
    auto comment = reinterpret_cast<FilterText>(GetProcAddress(module, "VP_GetFilterComment"));
    auto patterns = reinterpret_cast<FilterText>(GetProcAddress(module, "VP_GetFilterExt"));
    if (comment && patterns) {
        // The texts live in the library: copied before it goes.
        const CString caption = comment();
        SetFilter(caption, patterns());
    }
    Unload();
}

HMODULE CPlugIn::Load() {
    if (!m_module)
        m_module = LoadLibraryA(m_path);
    return m_module;
}

void CPlugIn::Unload() {
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
}

bool CPlugIn::MatchesPath(const CString& path) const {
    for (const CString& pattern : m_patterns) {
        // "*.dxf" without its star, whatever character the star is; a bare
        // star names no extension.
        const CString extension = pattern.Mid(Cp932::CharLength(pattern.view(), 0));
        if (!extension.IsEmpty() && HasExtension(path, extension))
            return true;
    }
    return false;
}

// The patterns come from the list itself, not from splitting the filter at
// its bars: a bar inside the caption, or a trail byte 0x7C such as that of
// "ポ", would shift the fields.
void CPlugIn::SetFilter(const CString& caption, const CString& patternList) {
    m_filter = caption + "(" + patternList + ")|" + patternList + "|";
    int start = 0;
    while (start < patternList.GetLength()) {
        int end = patternList.Find(';', start);
        if (end < 0)
            end = patternList.GetLength();
        if (end > start)
            m_patterns.push_back(patternList.Mid(start, end - start));
        start = end + 1;
    }
}
