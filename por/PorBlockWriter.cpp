#include "por/PorBlockWriter.h"

#include "platform/win/GlobalMemory.h"

#include <algorithm>

void PorBlockWriter::Append(std::span<const BYTE> bytes) {
    const std::size_t size = m_size + bytes.size();
    if (size > m_storage.size()) {
        m_storage.resize((size + GrowthStep - 1) / GrowthStep * GrowthStep);
    }
    std::ranges::copy(bytes, m_storage.begin() + static_cast<std::ptrdiff_t>(m_size));
    m_size = size;
}

HGLOBAL PorBlockWriter::ToGlobalBlock() const {
    if (m_size == 0) {
        return nullptr;
    }
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, m_storage.size());
    if (!block) {
        return nullptr;
    }
    std::ranges::copy(Data(), static_cast<BYTE*>(GlobalLock(block)));
    GlobalUnlock(block);
    return block;
}
