#include "por/PorCursor.h"

#include "por/PorWord.h"

#include <cstdint>

bool PorCursor::Fits(LONG count, std::size_t itemSize) const {
    return count >= 0 && static_cast<std::uint64_t>(count) * itemSize <= Remaining();
}

std::optional<LONG> PorCursor::Long() {
    if (!Fits(1, PorWordSize)) {
        return std::nullopt;
    }
    const LONG value = LoadPorWord(m_record.data() + m_offset);
    m_offset += PorWordSize;
    return value;
}

std::optional<DWORD> PorCursor::ULong() {
    const auto value = Long();
    return value ? std::optional<DWORD>(static_cast<DWORD>(*value)) : std::nullopt;
}

std::optional<POINT> PorCursor::Point() {
    if (!Fits(1, 2 * PorWordSize)) {
        return std::nullopt;
    }
    const POINT point{*Long(), *Long()};
    return point;
}

std::optional<std::vector<LONG>> PorCursor::Longs(LONG count) {
    if (!Fits(count, PorWordSize)) {
        return std::nullopt;
    }
    std::vector<LONG> values(static_cast<std::size_t>(count));
    for (LONG& value : values) {
        value = *Long();
    }
    return values;
}

std::optional<std::vector<POINT>> PorCursor::Points(LONG count) {
    if (!Fits(count, 2 * PorWordSize)) {
        return std::nullopt;
    }
    std::vector<POINT> points(static_cast<std::size_t>(count));
    for (POINT& point : points) {
        point = *Point();
    }
    return points;
}

template <typename T, typename Read> std::optional<std::vector<T>> PorCursor::List(Read read) {
    const std::size_t start = m_offset;
    const auto count = Long();
    if (!count) {
        return std::nullopt;
    }
    auto items = read(*count);
    if (!items) {
        m_offset = start;
    }
    return items;
}

std::optional<std::vector<LONG>> PorCursor::LongList() {
    return List<LONG>([this](LONG count) { return Longs(count); });
}

std::optional<std::vector<POINT>> PorCursor::PointList() {
    return List<POINT>([this](LONG count) { return Points(count); });
}
