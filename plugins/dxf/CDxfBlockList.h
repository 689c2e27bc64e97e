#pragma once
// The BLOCK definitions of one conversion, each a record stream of its own,
// in file order.

#include "plugins/dxf/CPorStream.h"

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CDxfBlockList {
public:
    void Add(std::unique_ptr<CPorStream> block);
    // The first block of the name, compared byte for byte.
    CPorStream* Find(std::string_view name) const;
    const std::vector<std::unique_ptr<CPorStream>>& Blocks() const { return m_blocks; }

private:
    std::vector<std::unique_ptr<CPorStream>> m_blocks;
    // Drawings hold thousands of blocks and many more references to them.
    std::unordered_map<std::string, CPorStream*> m_byName;
};
