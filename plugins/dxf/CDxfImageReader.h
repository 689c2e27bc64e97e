#pragma once
// Reads an IMAGE: its placement, and the image file name from the IMAGEDEF
// object that its handle names, wherever that stands further on in the
// file. Names are found beside the DXF file: a bare or relative name in its
// folder, and a Windows path (with "\" or a drive letter), which means
// nothing here, by its file name in that folder.

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfImageDefinitions.h"
#include "plugins/dxf/CDxfImageEmitter.h"

#include <string>
#include <string_view>

class CDxfEntityStyle;
class CDxfFile;
class CDxfTextDecoder;
class CPorStream;

class CDxfImageReader {
public:
    CDxfImageReader(const CDxfPrimitiveEmitter& units, CDxfEntityStyle& style,
                    const CDxfTextDecoder& decoder, CPictureFiles& pictures)
        : m_emitter(units, pictures), m_style(style), m_decoder(decoder) {}

    // The folder of the DXF file, ending in '/'; empty for the current one.
    void SetFolder(std::string folder) { m_folder = std::move(folder); }

    void Image(CDxfFile& file, CPorStream& target, const DPOINT& base);

    // The file-system path of an image name (its raw bytes) of a drawing in
    // that folder. In a CP932 name the second byte of a character ("表" is
    // 0x95 0x5C) is never taken for a separator.
    static std::string PathOf(std::string_view folder, std::string_view name, bool cp932);

private:
    CDxfImageEmitter m_emitter;
    CDxfImageDefinitions m_definitions;
    CDxfEntityStyle& m_style;
    const CDxfTextDecoder& m_decoder;
    std::string m_folder;
};
