#pragma once
// Reads little-endian fields from a block of bytes, never past its end. A
// read that does not fit gives 0 and marks the reader failed for good, so
// a caller reads a record's fields and checks Ok() once.

#include "platform/gdi/GdiDefs.h"

#include <bit>
#include <cstddef>
#include <string>

class CEmfReader {
public:
    CEmfReader(const BYTE* data, std::size_t size) : m_data(data), m_size(size) {}

    BYTE U8();
    WORD U16();
    DWORD U32();
    LONG I32() { return static_cast<LONG>(U32()); }
    float Float() { return std::bit_cast<float>(U32()); }
    POINT Point() { return POINT{I32(), I32()}; }
    POINT Point16();
    SIZE Size() { return SIZE{I32(), I32()}; }
    RECT Rect();
    std::u16string Utf16(std::size_t count);

    // Moves to an offset from the start; past the end fails.
    void Seek(std::size_t offset);
    std::size_t Remaining() const { return m_ok ? m_size - m_offset : 0; }
    bool Ok() const { return m_ok; }

private:
    bool Take(std::size_t count);

    const BYTE* m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
    bool m_ok = true;
};
