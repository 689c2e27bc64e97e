#pragma once
// Reads the HEADER section: the few variables the conversion keeps, and the
// extents that fix the integer scale.

#include "plugins/dxf/CDxfHeader.h"

class CDxfFile;
class CDxfProgress;

class CDxfHeaderReader {
public:
    // Reads up to and including ENDSEC, the end of the file or Escape.
    static void Read(CDxfFile& file, CDxfProgress& progress, CDxfHeader& header);

    // The smallest power of ten that takes the larger extent past 297000
    // units, at most 100000000; the default when the extents are empty.
    static unsigned ScaleForExtents(double minX, double minY, double maxX, double maxY);
};
