#pragma once
// POR data as text, one record per line: its type number and name, its size,
// then every field of its layout by name. Colours are the stored words (the
// by-block marker is not replaced), strings are quoted UTF-8, nested records
// follow their container on lines indented by two spaces per level.

#include "platform/win/WinTypes.h"

#include <span>
#include <string>

class PorDumper {
public:
    static std::string Dump(std::span<const BYTE> block);
    // One line per record type present: "<type> <name> <top-level count>
    // <nested count>", sorted by type.
    static std::string Summary(std::span<const BYTE> block);

    // The same for a global memory block, locked only while it is read.
    static std::string Dump(HGLOBAL block);
    static std::string Summary(HGLOBAL block);
};
