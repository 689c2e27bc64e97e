#include "plugins/sxf/CSxfRasterFrame.h"

#include "image/CPictureFiles.h"
#include "plugins/sxf/CSxfPolyLine.h"
#include "plugins/sxf/SxfInputFolder.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <array>

namespace {

constexpr const char* FrameId = "XXX";

} // namespace

bool CSxfRasterFrame::Write(PorBlockWriter& stream, const std::string& fileName,
                            CPictureFiles& pictures) const {
    const std::string path = SxfInputFolder::Get() + fileName;
    const std::vector<BYTE>* dib = pictures.Place(path);
    if (!dib) {
        return false;
    }
    const std::vector<POINT> vertices = m_frame.m_vertices.ToPor(m_frame.UnitScale());
    std::array<POINT, 2 * Corners> frame{};
    for (std::size_t i = 0; i < Corners; ++i) {
        frame[i] = vertices[i];
        frame[i + Corners] = vertices[i];
    }
    PorRecordBuilder record(PorIFrame::Type);
    record.Set(PorIFrame::Frame, frame);
    // The strings follow the image bytes directly; the padding comes last.
    record.Set(PorIFrame::Image, *dib);
    record.Set(PorIFrame::Id, CString(FrameId));
    record.Set(PorIFrame::Layer, m_layer);
    record.Set(PorIFrame::ImageName, CString(path));
    record.PadTo(record.Size() + SxfPadded(dib->size()) - dib->size());
    stream.Append(record);
    return true;
}
