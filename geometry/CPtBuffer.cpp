#include "geometry/CPtBuffer.h"

#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(CPtBuffer, CObject)

POINT* CPtBuffer::Allocate(int count) {
    Free();
    if (count <= 0 || count > kMaxPoints)
        return nullptr;
    m_pBuffer.reset(new (std::nothrow) POINT[static_cast<std::size_t>(count)]());
    if (!m_pBuffer)
        return nullptr;
    m_nAllocated = count;
    m_nCount = count;
    return m_pBuffer.get();
}

bool CPtBuffer::Reserve(int count) {
    if (count <= m_nAllocated)
        return true;
    if (count > kMaxPoints)
        return false;
    const int grown = m_nAllocated > kMaxPoints / 2 ? kMaxPoints : std::max(16, m_nAllocated * 2);
    const int size = std::max(count, grown);
    std::unique_ptr<POINT[]> buffer(new (std::nothrow) POINT[static_cast<std::size_t>(size)]());
    if (!buffer)
        return false;
    if (m_pBuffer)
        std::copy(m_pBuffer.get(), m_pBuffer.get() + m_nCount, buffer.get());
    m_pBuffer = std::move(buffer);
    m_nAllocated = size;
    return true;
}

int CPtBuffer::Add(LONG x, LONG y) {
    if (!Reserve(m_nCount + 1))
        return 0;
    m_pBuffer[static_cast<std::size_t>(m_nCount)] = POINT{x, y};
    ++m_nCount;
    return 1;
}

void CPtBuffer::Free() {
    m_pBuffer.reset();
    m_nAllocated = 0;
    m_nCount = 0;
}
