#include "por/PorRecordWalker.h"

#include "por/PorRecords.h"
#include "por/PorWord.h"

PorRecordWalker PorRecordWalker::Nested(const PorRecord& container, PorRecordListField field) {
    const std::size_t first = (static_cast<std::size_t>(field.word) + 1) * PorWordSize;
    const auto count = container.Long(field.word);
    const auto bytes = container.Bytes();
    if (!count || *count < 0 || first > bytes.size()) {
        return PorRecordWalker({}, 0);
    }
    return PorRecordWalker(bytes.subspan(first), static_cast<std::size_t>(*count));
}

std::optional<PorRecord> PorRecordWalker::Stop(PorStopReason reason) {
    m_stop = reason;
    return std::nullopt;
}

std::optional<PorRecord> PorRecordWalker::Next() {
    if (m_stop != PorStopReason::Walking) {
        return std::nullopt;
    }
    if (m_left == 0) {
        return Stop(PorStopReason::CountReached);
    }
    const auto rest = m_data.subspan(m_position);
    if (rest.size() < PorHeadSize) {
        return Stop(PorStopReason::DataEnd);
    }
    const auto type = static_cast<DWORD>(LoadPorWord(rest.data()));
    if (type == 0 || type > static_cast<DWORD>(PorMaxType)) {
        return Stop(PorStopReason::BadType);
    }
    const auto record = PorRecord::Frame(rest);
    if (!record) {
        return Stop(PorStopReason::BadSize);
    }
    m_position += record->Size();
    --m_left;
    return record;
}
