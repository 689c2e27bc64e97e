#include "por/PorBlockWriter.h"

#include "platform/win/GlobalMemory.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace {

constexpr UINT kBlockFlags = GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT;

} // namespace

PorBlockWriter::PorBlockWriter(PorBlockWriter&& other) noexcept
    : m_block(std::exchange(other.m_block, nullptr)), m_data(std::exchange(other.m_data, nullptr)),
      m_capacity(std::exchange(other.m_capacity, 0)), m_size(std::exchange(other.m_size, 0)) {}

PorBlockWriter& PorBlockWriter::operator=(PorBlockWriter&& other) noexcept {
    if (this != &other) {
        GlobalFree(m_block);
        m_block = std::exchange(other.m_block, nullptr);
        m_data = std::exchange(other.m_data, nullptr);
        m_capacity = std::exchange(other.m_capacity, 0);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

PorBlockWriter::~PorBlockWriter() {
    GlobalFree(m_block);
}

std::size_t PorBlockWriter::StepsFor(std::size_t size) {
    return (size + GrowthStep - 1) / GrowthStep * GrowthStep;
}

void PorBlockWriter::Reserve(std::size_t size) {
    if (size <= m_capacity)
        return;
    // Growing by half again keeps the copies of a long conversion few;
    // the block may be moved, never its handle.
    const std::size_t capacity = StepsFor(std::max(size, m_capacity + m_capacity / 2));
    if (!m_block) {
        m_block = GlobalAlloc(kBlockFlags, capacity);
    } else {
        GlobalUnlock(m_block);
        if (!GlobalReAlloc(m_block, capacity, kBlockFlags)) {
            m_data = static_cast<BYTE*>(GlobalLock(m_block));
            throw std::bad_alloc();
        }
    }
    m_data = static_cast<BYTE*>(GlobalLock(m_block));
    if (!m_data)
        throw std::bad_alloc();
    m_capacity = capacity;
}

void PorBlockWriter::Append(std::span<const BYTE> bytes) {
    if (bytes.empty())
        return;
    Reserve(m_size + bytes.size());
    std::memcpy(m_data + m_size, bytes.data(), bytes.size());
    m_size += bytes.size();
}

void PorBlockWriter::Prepend(std::span<const BYTE> bytes) {
    if (bytes.empty())
        return;
    Reserve(m_size + bytes.size());
    std::memmove(m_data + bytes.size(), m_data, m_size);
    std::memcpy(m_data, bytes.data(), bytes.size());
    m_size += bytes.size();
}

HGLOBAL PorBlockWriter::ToGlobalBlock() const {
    if (m_size == 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(kBlockFlags, StepsFor(m_size));
    if (!block)
        return nullptr;
    std::memcpy(GlobalLock(block), m_data, m_size);
    GlobalUnlock(block);
    return block;
}

HGLOBAL PorBlockWriter::ReleaseGlobalBlock() {
    if (m_size == 0)
        return nullptr;
    // The block is handed over at the size a copy would have.
    GlobalUnlock(m_block);
    if (!GlobalReAlloc(m_block, StepsFor(m_size), kBlockFlags)) {
        m_data = static_cast<BYTE*>(GlobalLock(m_block));
        return nullptr;
    }
    m_data = nullptr;
    m_capacity = 0;
    m_size = 0;
    return std::exchange(m_block, nullptr);
}
