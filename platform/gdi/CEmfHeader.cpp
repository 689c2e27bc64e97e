#include "platform/gdi/CEmfHeader.h"

#include "platform/gdi/CEmfReader.h"
#include "platform/gdi/EmfDefs.h"

namespace {

// The header without its extensions, and with both.
constexpr DWORD kBaseHeaderSize = 88;
constexpr DWORD kExtendedHeaderSize = 108;

} // namespace

std::optional<CEmfHeader> CEmfHeader::Read(const BYTE* data, std::size_t size) {
    if (!data)
        return std::nullopt;
    CEmfReader reader(data, size);
    CEmfHeader header;
    const DWORD type = reader.U32();
    header.headerSize = reader.U32();
    header.bounds = reader.Rect();
    header.frame = reader.Rect();
    const DWORD signature = reader.U32();
    reader.U32();
    header.fileSize = reader.U32();
    header.records = reader.U32();
    header.handles = reader.U16();
    reader.U16();
    const DWORD descriptionChars = reader.U32();
    const DWORD descriptionOffset = reader.U32();
    reader.U32();
    header.device = reader.Size();
    header.millimetres = reader.Size();
    if (!reader.Ok() || type != EMR_HEADER || signature != ENHMETA_SIGNATURE ||
        header.headerSize < kBaseHeaderSize || header.headerSize % 4 != 0 ||
        header.fileSize < header.headerSize || header.fileSize > size || header.device.cx <= 0 ||
        header.device.cy <= 0 || header.millimetres.cx <= 0 || header.millimetres.cy <= 0)
        return std::nullopt;
    if (header.headerSize >= kExtendedHeaderSize) {
        reader.Seek(kExtendedHeaderSize - 8);
        const SIZE micrometres = reader.Size();
        if (reader.Ok() && micrometres.cx > 0 && micrometres.cy > 0)
            header.micrometres = micrometres;
    }
    if (descriptionChars > 0) {
        CEmfReader description(data, header.headerSize);
        description.Seek(descriptionOffset);
        header.description = description.Utf16(descriptionChars);
        if (!description.Ok())
            return std::nullopt;
    }
    return header;
}
