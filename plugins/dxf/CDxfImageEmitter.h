#pragma once
// Writes a placed raster image as one image-frame record that carries the
// four corners and the image's packed bitmap, so the program needs neither
// the file nor a codec of its own.

#include "geometry/Geometry.h"
#include "platform/mfc/CString.h"
#include "plugins/dxf/CDxfEntityTag.h"

class CDxfPrimitiveEmitter;
class CPictureFiles;
class CPorStream;

struct CDxfImagePlacement {
    DPOINT insertion;
    DPOINT u; // one pixel along the image's bottom edge
    DPOINT v; // one pixel along its left edge
    double width = 0.0;
    double height = 0.0;
};

class CDxfImageEmitter {
public:
    CDxfImageEmitter(const CDxfPrimitiveEmitter& units, CPictureFiles& pictures)
        : m_units(units), m_pictures(pictures) {}

    // file: the path the image is read from (file-system bytes); name: the
    // text the record keeps (CP932). 1 when the record was written, 0 when
    // the file is missing, cannot be read or is left out for the pictures'
    // budget.
    int WriteImage(const CDxfImagePlacement& placement, const char* file, const CString& name,
                   int lineType, COLORREF color, const CDxfEntityTag& tag, CPorStream& target);

private:
    const CDxfPrimitiveEmitter& m_units;
    CPictureFiles& m_pictures;
};
