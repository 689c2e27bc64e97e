#pragma once
// Reads the records of a whole POR block in order, as the import dispatches
// them: header, layers, line-type scale, line types and drawing objects. The
// types that carry nothing are skipped by their size, the end record ends the
// walk, and a block whose header cannot be used is refused as a whole.

#include "platform/win/WinTypes.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"
#include "por/PorStopReason.h"

#include <cstddef>
#include <optional>
#include <span>

class PorBlockReader {
public:
    // The block's size is the data length; bytes after the end record are not read.
    explicit PorBlockReader(std::span<const BYTE> block) : m_walker(block) {}

    // The next record to act on; nothing once the walk has stopped. A header
    // is yielded only when its version and scale are usable.
    std::optional<PorRecord> Next();

    PorStopReason StopReason() const { return m_stop; }
    // The header was refused: nothing of the block may be used.
    bool Refused() const { return IsPorRefusal(m_stop); }
    std::size_t Position() const { return m_walker.Position(); }

private:
    std::optional<PorRecord> Stop(PorStopReason reason);
    static PorStopReason CheckHeader(const PorRecord& header);

    PorRecordWalker m_walker;
    PorStopReason m_stop = PorStopReason::Walking;
};
