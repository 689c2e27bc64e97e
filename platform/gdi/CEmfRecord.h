#pragma once
// One enhanced-metafile record being built: its type, then fields appended
// in order as little-endian bytes. Bytes() pads the record to a multiple of
// four bytes and fills in its size.

#include "platform/gdi/GdiDefs.h"

#include <string_view>
#include <vector>

class CEmfRecord {
public:
    explicit CEmfRecord(DWORD type);

    CEmfRecord& U8(BYTE value);
    CEmfRecord& U16(WORD value);
    CEmfRecord& U32(DWORD value);
    CEmfRecord& I32(LONG value) { return U32(static_cast<DWORD>(value)); }
    CEmfRecord& Float(float value);
    CEmfRecord& Point(POINT point) { return I32(point.x).I32(point.y); }
    // A point of the 16-bit record forms; the caller makes sure it fits.
    CEmfRecord& Point16(POINT point);
    CEmfRecord& Size(SIZE size) { return I32(size.cx).I32(size.cy); }
    CEmfRecord& Rect(const RECT& rect);
    // The characters only, without a terminator or padding.
    CEmfRecord& Utf16(std::u16string_view text);
    // Zero bytes up to the next multiple of four.
    CEmfRecord& Align();

    // The length so far, header included: the offset the next field gets.
    DWORD Length() const { return static_cast<DWORD>(m_bytes.size()); }
    std::vector<BYTE> Bytes() const;

private:
    std::vector<BYTE> m_bytes;
};
