#include "entities/CEntityDocument.h"

#include <algorithm>

const CLinePattern* CEntityDocument::FindLinePattern(int id) const {
    const auto found =
        std::find_if(m_linePatterns.begin(), m_linePatterns.end(),
                     [id](const CLinePattern& pattern) { return pattern.GetId() == id; });
    return found == m_linePatterns.end() ? nullptr : &*found;
}
