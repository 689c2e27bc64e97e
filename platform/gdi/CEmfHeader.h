#pragma once
// The fields of an enhanced-metafile header that playing needs, read and
// checked: the record type, the signature, a header size and a file size
// that fit the bytes, a reference device of some size.

#include "platform/gdi/GdiDefs.h"

#include <cstddef>
#include <optional>
#include <string>

struct CEmfHeader {
    RECT bounds{};
    RECT frame{};
    DWORD headerSize = 0;
    DWORD fileSize = 0;
    DWORD records = 0;
    WORD handles = 0;
    SIZE device{};
    SIZE millimetres{};
    // The same size more precisely; none in a header without it.
    std::optional<SIZE> micrometres;
    std::u16string description;

    // Null when the bytes do not start with a sound header.
    static std::optional<CEmfHeader> Read(const BYTE* data, std::size_t size);
};
