#include "plugins/sxf/CSxfLayer.h"

#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

namespace {

constexpr LONG SolidLineType = 1;

} // namespace

int CSxfLayer::WritePOR(PorBlockWriter& stream) const {
    PorRecordBuilder record(PorLayer::Type);
    record.Set(PorLayer::LineType, SolidLineType);
    record.Set(PorLayer::Visible, m_flag);
    record.Set(PorLayer::Name, m_name);
    stream.Append(record);
    return 1;
}
