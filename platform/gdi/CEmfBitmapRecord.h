#pragma once
// The record that stretches a device-independent bitmap onto the page
// (EMR_STRETCHDIBITS): its fields, how our metafile context writes them and
// how the player reads them back with every offset and size checked.

#include "platform/gdi/CEmfRecord.h"

#include <optional>
#include <vector>

class CEmfReader;

class CEmfBitmapRecord {
public:
    RECT bounds{};
    LONG x = 0;
    LONG y = 0;
    LONG width = 0;
    LONG height = 0;
    LONG xSrc = 0;
    LONG ySrc = 0;
    LONG srcWidth = 0;
    LONG srcHeight = 0;
    UINT usage = 0;
    DWORD rop = 0;
    // Header and colour table, and the pixel rows.
    std::vector<BYTE> info;
    std::vector<BYTE> bits;

    CEmfRecord Build() const;
    // Reads the fields after the type and size; none when an offset or a
    // size runs outside the record.
    static std::optional<CEmfBitmapRecord> Read(CEmfReader& record, const BYTE* data,
                                                std::size_t size);
};
