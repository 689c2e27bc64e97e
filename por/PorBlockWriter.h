#pragma once
// A growing block of POR records, as the plug-ins build it: records are
// appended back to back, the storage grows in steps of 4096 bytes and every
// byte after the data is zero.

#include "platform/win/WinTypes.h"
#include "por/PorRecordBuilder.h"

#include <cstddef>
#include <span>
#include <vector>

class PorBlockWriter {
public:
    static constexpr std::size_t GrowthStep = 4096;

    void Append(const PorRecordBuilder& record) { Append(record.Bytes()); }
    // Bytes taken as they are: records copied from another block.
    void Append(std::span<const BYTE> bytes);

    std::span<const BYTE> Data() const { return std::span(m_storage).first(m_size); }
    // The data and the zero bytes after it, a whole number of growth steps.
    std::span<const BYTE> Storage() const { return m_storage; }

    // A copy of the storage in a new unlocked global memory block
    // (GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT), owned by the caller; null
    // when nothing was written or the memory cannot be had. The writer keeps
    // its records and can go on appending.
    HGLOBAL ToGlobalBlock() const;

private:
    std::vector<BYTE> m_storage;
    std::size_t m_size = 0;
};
