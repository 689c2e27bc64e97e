#include "plugins/dxf/CDxfImageEmitter.h"

#include "image/CPictureFiles.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <span>

namespace {

// The bitmap starts right after the fixed part.
constexpr std::size_t kBitmapOffset = 140;

DPOINT Scaled(const DPOINT& vector, double count) {
    return {vector.x * count, vector.y * count};
}

DPOINT Sum(const DPOINT& a, const DPOINT& b) {
    return {a.x + b.x, a.y + b.y};
}

} // namespace

int CDxfImageEmitter::WriteImage(const CDxfImagePlacement& placement, const char* file,
                                 const CString& name, int lineType, COLORREF color,
                                 const CDxfEntityTag& tag, CPorStream& target) {
    const std::vector<BYTE>* picture = m_pictures.Place(file);
    if (!picture)
        return 0;
    const DPOINT across = Scaled(placement.u, placement.width);
    const DPOINT up = Scaled(placement.v, placement.height);
    const POINT c1 = m_units.ToUnits(placement.insertion);
    const POINT c2 = m_units.ToUnits(Sum(placement.insertion, up));
    const POINT c3 = m_units.ToUnits(Sum(Sum(placement.insertion, across), up));
    const POINT c4 = m_units.ToUnits(Sum(placement.insertion, across));
    const POINT corners[] = {c1, c2, c3, c4, c1, c2, c3, c4};

    PorRecordBuilder record(PorIFrame::Type);
    record.Set(PorIFrame::Frame, corners);
    record.Set(PorIFrame::LineType, lineType);
    record.Set(PorIFrame::Color, color);
    record.PadTo(kBitmapOffset);
    record.Set(PorIFrame::Image, std::span<const BYTE>(*picture));
    record.Set(PorObjectRecord::Id, tag.handle);
    record.Set(PorIFrame::Layer, tag.layer);
    record.Set(PorIFrame::ImageName, name);
    record.PadTo((record.Size() + 3) / 4 * 4);
    target.AppendRecord(record);
    for (const POINT& corner : {c1, c2, c3, c4})
        target.ExtendBounds(corner.x, corner.y);
    return 1;
}
