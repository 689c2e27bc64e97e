#pragma once
// Little-endian 32-bit words at any byte offset. Records follow each other
// without padding, so a word is often unaligned: it is always copied, never
// read through a cast pointer.

#include "platform/win/WinTypes.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "POR data is little-endian");

inline LONG LoadPorWord(const BYTE* at) {
    LONG value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

inline void StorePorWord(BYTE* at, LONG value) {
    std::memcpy(at, &value, sizeof value);
}

constexpr std::size_t PorWordSize = 4;
