#pragma once
// Walks framed POR records back to back through a byte range, by their
// sizes, and stops at the first head that cannot be a record: fewer than 8
// bytes left, a type of 0 or above the last type (taken unsigned), a size
// below the head or past the range. Every record it yields lies wholly
// inside the range.

#include "platform/win/WinTypes.h"
#include "por/PorField.h"
#include "por/PorRecord.h"
#include "por/PorStopReason.h"

#include <cstddef>
#include <limits>
#include <optional>
#include <span>

class PorRecordWalker {
public:
    explicit PorRecordWalker(std::span<const BYTE> data,
                             std::size_t maxRecords = std::numeric_limits<std::size_t>::max())
        : m_data(data), m_left(maxRecords) {}

    // The records nested in a container: from the word after the count to
    // the container's end, at most count of them (none for a negative count).
    static PorRecordWalker Nested(const PorRecord& container, PorRecordListField field);

    std::optional<PorRecord> Next();
    PorStopReason StopReason() const { return m_stop; }
    // Bytes walked so far: where the next record starts.
    std::size_t Position() const { return m_position; }

private:
    std::optional<PorRecord> Stop(PorStopReason reason);

    std::span<const BYTE> m_data;
    std::size_t m_left;
    std::size_t m_position = 0;
    PorStopReason m_stop = PorStopReason::Walking;
};
