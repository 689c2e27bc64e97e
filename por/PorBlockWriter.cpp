#include "por/PorBlockWriter.h"

#include <algorithm>

void PorBlockWriter::Append(std::span<const BYTE> bytes) {
    const std::size_t size = m_size + bytes.size();
    if (size > m_storage.size()) {
        m_storage.resize((size + GrowthStep - 1) / GrowthStep * GrowthStep);
    }
    std::ranges::copy(bytes, m_storage.begin() + static_cast<std::ptrdiff_t>(m_size));
    m_size = size;
}
