#include "plugins/dxf/CDxfBlockList.h"

#include <algorithm>

CPorStream* CDxfBlockList::Find(std::string_view name) const {
    const auto found = std::ranges::find_if(
        m_blocks, [name](const auto& block) { return block->Name().view() == name; });
    return found != m_blocks.end() ? found->get() : nullptr;
}
