#include "por/PorBlockReader.h"

#include "por/PorLayout.h"
#include "por/PorRecords.h"

std::optional<PorRecord> PorBlockReader::Stop(PorStopReason reason) {
    m_stop = reason;
    return std::nullopt;
}

PorStopReason PorBlockReader::CheckHeader(const PorRecord& header) {
    if (!header.HasFixedPart()) {
        return PorStopReason::ShortHeader;
    }
    const LONG version = *header.Get(PorHeader::Version);
    if (version < PorHeader::MinVersion || version > PorHeader::MaxVersion) {
        return PorStopReason::BadVersion;
    }
    // Line-type scales, weights, knots and tile lengths are divided by it.
    if (*header.Get(PorHeader::Scale) == 0) {
        return PorStopReason::ZeroScale;
    }
    return PorStopReason::Walking;
}

std::optional<PorRecord> PorBlockReader::Next() {
    if (m_stop != PorStopReason::Walking) {
        return std::nullopt;
    }
    while (auto record = m_walker.Next()) {
        const LONG type = record->Type();
        if (type == PorEnd::Type) {
            return Stop(PorStopReason::EndRecord);
        }
        if (type == PorHeader::Type) {
            const PorStopReason fault = CheckHeader(*record);
            return fault == PorStopReason::Walking ? record : Stop(fault);
        }
        if (!IsPorSkippedType(type)) {
            return record;
        }
    }
    return Stop(m_walker.StopReason());
}
