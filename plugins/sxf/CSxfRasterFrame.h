#pragma once
// A raster image placed on an SXF drawing: the image file found in the
// input file's folder, written as one POR image frame over the first four
// vertices of its frame polyline.

#include "platform/mfc/CString.h"

#include <string>

class CPictureFiles;
class CSxfPolyLine;
class PorBlockWriter;

class CSxfRasterFrame {
public:
    static constexpr std::size_t Corners = 4;

    // The frame must have at least four vertices.
    CSxfRasterFrame(const CSxfPolyLine& frame, const CString& layer)
        : m_frame(frame), m_layer(layer) {}

    // False, writing nothing, when the file is missing, no image or left
    // out for the pictures' budget.
    bool Write(PorBlockWriter& stream, const std::string& fileName, CPictureFiles& pictures) const;

private:
    const CSxfPolyLine& m_frame;
    CString m_layer;
};
