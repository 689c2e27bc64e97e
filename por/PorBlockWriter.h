#pragma once
// A growing block of POR records, as the plug-ins build it: records are
// appended back to back, the storage grows in steps of 4096 bytes and every
// byte after the data is zero.
//
// The storage is itself a global memory block, so that a plug-in can hand
// its records over without holding them twice.

#include "platform/win/WinTypes.h"
#include "por/PorRecordBuilder.h"

#include <cstddef>
#include <span>

class PorBlockWriter {
public:
    static constexpr std::size_t GrowthStep = 4096;

    PorBlockWriter() = default;
    PorBlockWriter(PorBlockWriter&& other) noexcept;
    PorBlockWriter& operator=(PorBlockWriter&& other) noexcept;
    PorBlockWriter(const PorBlockWriter&) = delete;
    PorBlockWriter& operator=(const PorBlockWriter&) = delete;
    ~PorBlockWriter();

    void Append(const PorRecordBuilder& record) { Append(record.Bytes()); }
    // Bytes taken as they are: records copied from another block.
    void Append(std::span<const BYTE> bytes);
    // Bytes put before the data, which moves up by their length.
    void Prepend(std::span<const BYTE> bytes);

    std::span<const BYTE> Data() const { return {m_data, m_size}; }
    // The data in place, for changes that keep its length.
    std::span<BYTE> MutableData() { return {m_data, m_size}; }
    // The data and the zero bytes after it, a whole number of growth steps.
    std::span<const BYTE> Storage() const { return {m_data, StepsFor(m_size)}; }

    // A copy of the storage in a new unlocked global memory block
    // (GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT), owned by the caller; null
    // when nothing was written or the memory cannot be had. The writer keeps
    // its records and can go on appending.
    HGLOBAL ToGlobalBlock() const;
    // The storage itself as such a block, without a copy; the writer is empty
    // afterwards. Null when nothing was written or the memory cannot be had,
    // and then the writer keeps its records.
    HGLOBAL ReleaseGlobalBlock();

private:
    static std::size_t StepsFor(std::size_t size);
    // Room for at least `size` bytes; throws std::bad_alloc without it.
    void Reserve(std::size_t size);

    // Locked for the writer's life; m_data is its data.
    HGLOBAL m_block = nullptr;
    BYTE* m_data = nullptr;
    std::size_t m_capacity = 0;
    std::size_t m_size = 0;
};
