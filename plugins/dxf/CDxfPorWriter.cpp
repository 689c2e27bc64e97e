#include "plugins/dxf/CDxfPorWriter.h"

#include "geometry/Geometry.h"
#include "plugins/dxf/CDxfHeader.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CPorStream.h"
#include "plugins/dxf/DxfBlockColor.h"
#include "plugins/dxf/DxfColor.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <vector>

namespace {

// Dash lengths travel in ten-thousandths.
constexpr double DashUnits = 10000.0;

PorRecordBuilder HeaderRecord(const CDxfHeader& header, LONG leftOut) {
    PorRecordBuilder record(PorHeader::Type);
    record.Set(PorHeader::Magic, PorHeader::MagicValue);
    record.Set(PorHeader::Version, CDxfPorWriter::Version);
    record.Set(PorHeader::Scale, static_cast<LONG>(header.scale));
    record.Set(PorHeader::LeftOut, leftOut);
    record.Set(PorHeader::Factor, 1000);
    return record;
}

PorRecordBuilder LineTypeScaleRecord(const CDxfHeader& header) {
    PorRecordBuilder record(PorLineTypeScale::Type);
    record.Set(
        PorLineTypeScale::Scale,
        static_cast<DWORD>(TruncInt(static_cast<double>(header.scale) * header.lineTypeScale)));
    record.Set(PorLineTypeScale::Measurement, header.measurement);
    return record;
}

PorRecordBuilder LineTypeRecord(const CDxfLineType& lineType) {
    std::vector<LONG> dashes;
    dashes.reserve(lineType.elements.size());
    for (double element : lineType.elements) {
        dashes.push_back(TruncInt(element * DashUnits));
    }
    PorRecordBuilder record(PorLineType::Type);
    record.Set(PorLineType::LineTypeId, lineType.number);
    record.Set(PorLineType::Dashes, dashes);
    return record;
}

PorRecordBuilder LayerRecord(const CDxfLayer& layer) {
    PorRecordBuilder record(PorLayer::Type);
    record.Set(PorLayer::Color, layer.color);
    record.Set(PorLayer::LineType, layer.lineType);
    record.Set(PorLayer::Visible, layer.visible);
    record.Set(PorLayer::Name, layer.name);
    return record;
}

// Outside every block reference a by-block colour has no block to take its
// colour from: it becomes the foreground colour, as the marker would read as
// white on the program's white sheet.
void ResolveByBlock(std::span<BYTE> records) {
    const COLORREF foreground = AciToColor(7);
    while (const auto record = PorRecord::Frame(records)) {
        PushDownBlockColor(foreground, records.first(record->Size()), false);
        records = records.subspan(record->Size());
    }
}

} // namespace

HGLOBAL CDxfPorWriter::Write(const CDxfHeader& header, LONG leftOut,
                             const CDxfLineTypeTable& lineTypes, const CDxfLayerTable& layers,
                             CPorStream& drawing) {
    if (drawing.ByteCount() == 0) {
        return nullptr;
    }
    PorBlockWriter head;
    head.Append(HeaderRecord(header, leftOut));
    head.Append(LineTypeScaleRecord(header));
    for (const CDxfLineType& lineType : lineTypes.LineTypes()) {
        // The solid line needs no pattern.
        if (lineType.number != CDxfLineTypeTable::Solid) {
            head.Append(LineTypeRecord(lineType));
        }
    }
    for (const CDxfLayer& layer : layers.Layers()) {
        head.Append(LayerRecord(layer));
    }

    // The drawing's records are most of the block: it is built around them.
    PorBlockWriter block = drawing.TakeRecords();
    ResolveByBlock(block.MutableData());
    block.Prepend(head.Data());
    block.Append(PorRecordBuilder(PorEnd::Type));
    return block.ReleaseGlobalBlock();
}
