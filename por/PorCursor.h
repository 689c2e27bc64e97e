#pragma once
// Reads the words of one POR record one after the other from a byte offset,
// for the parts whose place depends on earlier counts (NURBS weights and
// knots, hatch loops and pattern lines). Every read is checked against the
// record's end; a read that does not fit gives nothing and leaves the
// cursor where it was.

#include "platform/win/WinTypes.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

class PorCursor {
public:
    PorCursor(std::span<const BYTE> record, std::size_t offset)
        : m_record(record), m_offset(offset) {}

    std::size_t Offset() const { return m_offset; }
    std::size_t Remaining() const {
        return m_offset < m_record.size() ? m_record.size() - m_offset : 0;
    }

    std::optional<LONG> Long();
    std::optional<DWORD> ULong();
    std::optional<POINT> Point();
    // count words or (x, y) pairs; a negative count or one that runs past
    // the record gives nothing.
    std::optional<std::vector<LONG>> Longs(LONG count);
    std::optional<std::vector<POINT>> Points(LONG count);
    // A count word followed by that many items.
    std::optional<std::vector<LONG>> LongList();
    std::optional<std::vector<POINT>> PointList();

private:
    bool Fits(LONG count, std::size_t itemSize) const;
    template <typename T, typename Read> std::optional<std::vector<T>> List(Read read);

    std::span<const BYTE> m_record;
    std::size_t m_offset;
};
