#pragma once
// Assembles the POR block that a conversion hands to the program: header,
// line-type scale, line types, layers, the drawing's records, end.

#include "platform/win/WinTypes.h"

struct CDxfHeader;
class CDxfLayerTable;
class CDxfLineTypeTable;
class CPorStream;

class CDxfPorWriter {
public:
    static constexpr LONG Version = 3003;

    // An unlocked global memory block owned by the caller; null when the
    // drawing holds no records or the memory cannot be had. The drawing's
    // records become the block in place: the stream is left without them.
    // leftOut: the items of the file the conversion left out, for the header.
    static HGLOBAL Write(const CDxfHeader& header, LONG leftOut, const CDxfLineTypeTable& lineTypes,
                         const CDxfLayerTable& layers, CPorStream& drawing);
};
