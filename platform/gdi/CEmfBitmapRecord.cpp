#include "platform/gdi/CEmfBitmapRecord.h"

#include "platform/gdi/CEmfReader.h"
#include "platform/gdi/EmfDefs.h"

namespace {

// Type, size, bounds and the fourteen fields before the bitmap.
constexpr DWORD kFixedSize = 80;

// The bytes of [offset, offset + count) of the record; none outside it.
std::optional<std::vector<BYTE>> Slice(const BYTE* data, std::size_t size, DWORD offset,
                                       DWORD count) {
    if (offset > size || count > size - offset)
        return std::nullopt;
    return std::vector<BYTE>(data + offset, data + offset + count);
}

} // namespace

CEmfRecord CEmfBitmapRecord::Build() const {
    CEmfRecord record(EMR_STRETCHDIBITS);
    const DWORD infoOffset = kFixedSize;
    const DWORD bitsOffset = infoOffset + static_cast<DWORD>(info.size());
    record.Rect(bounds).I32(x).I32(y).I32(xSrc).I32(ySrc).I32(srcWidth).I32(srcHeight);
    record.U32(infoOffset).U32(static_cast<DWORD>(info.size()));
    record.U32(bitsOffset).U32(static_cast<DWORD>(bits.size()));
    record.U32(usage).U32(rop).I32(width).I32(height);
    for (BYTE byte : info)
        record.U8(byte);
    for (BYTE byte : bits)
        record.U8(byte);
    return record;
}

std::optional<CEmfBitmapRecord> CEmfBitmapRecord::Read(CEmfReader& record, const BYTE* data,
                                                       std::size_t size) {
    CEmfBitmapRecord result;
    result.bounds = record.Rect();
    result.x = record.I32();
    result.y = record.I32();
    result.xSrc = record.I32();
    result.ySrc = record.I32();
    result.srcWidth = record.I32();
    result.srcHeight = record.I32();
    const DWORD infoOffset = record.U32();
    const DWORD infoSize = record.U32();
    const DWORD bitsOffset = record.U32();
    const DWORD bitsSize = record.U32();
    result.usage = record.U32();
    result.rop = record.U32();
    result.width = record.I32();
    result.height = record.I32();
    if (!record.Ok())
        return std::nullopt;
    auto info = Slice(data, size, infoOffset, infoSize);
    auto bits = Slice(data, size, bitsOffset, bitsSize);
    if (!info || !bits)
        return std::nullopt;
    result.info = std::move(*info);
    result.bits = std::move(*bits);
    return result;
}
