#include "plugins/dxf/CDxfBlockList.h"

void CDxfBlockList::Add(std::unique_ptr<CPorStream> block) {
    // The first block of a name is the one found.
    m_byName.try_emplace(std::string(block->Name().view()), block.get());
    m_blocks.push_back(std::move(block));
}

CPorStream* CDxfBlockList::Find(std::string_view name) const {
    const auto found = m_byName.find(std::string(name));
    return found != m_byName.end() ? found->second : nullptr;
}
