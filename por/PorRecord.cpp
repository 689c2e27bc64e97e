#include "por/PorRecord.h"

#include "por/PorLayout.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <algorithm>
#include <cstdint>

namespace {

// The bytes [offset, offset + length) lie between first and size.
bool Inside(LONG offset, LONG length, std::size_t first, std::size_t size) {
    return offset >= 0 && length >= 0 && static_cast<std::size_t>(offset) >= first &&
           static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(length) <= size;
}

// Strings and byte ranges lie in the payload, behind the record head.
bool InPayload(LONG offset, LONG length, std::size_t size) {
    return Inside(offset, length, PorHeadSize, size);
}

CString Text(std::span<const BYTE> bytes) {
    return CString(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
}

} // namespace

COLORREF PorReadColor(DWORD stored) {
    return stored == PorByBlockColor ? PorByBlockReadColor : stored;
}

std::optional<PorRecord> PorRecord::Frame(std::span<const BYTE> data) {
    if (data.size() < PorHeadSize) {
        return std::nullopt;
    }
    const LONG size = LoadPorWord(data.data() + PorWordSize);
    if (size < static_cast<LONG>(PorHeadSize) || static_cast<std::size_t>(size) > data.size()) {
        return std::nullopt;
    }
    return PorRecord(data.first(static_cast<std::size_t>(size)));
}

LONG PorRecord::Type() const {
    return LoadPorWord(m_bytes.data());
}

bool PorRecord::HasFixedPart() const {
    const PorLayout* layout = FindPorLayout(Type());
    return Size() >= (layout ? layout->fixedSize : PorHeadSize);
}

std::optional<PorRecord> PorRecord::Part(std::size_t offset) const {
    if (offset > m_bytes.size()) {
        return std::nullopt;
    }
    return PorRecord(m_bytes.subspan(offset));
}

PorCursor PorRecord::Cursor(int word) const {
    // A negative word is placed past the end, where nothing can be read.
    const std::size_t offset =
        word >= 0 ? static_cast<std::size_t>(word) * PorWordSize : m_bytes.size();
    return PorCursor(m_bytes, offset);
}

std::optional<LONG> PorRecord::Long(int word) const {
    return Cursor(word).Long();
}

std::optional<DWORD> PorRecord::ULong(int word) const {
    return Cursor(word).ULong();
}

std::optional<COLORREF> PorRecord::Get(PorColorField field) const {
    const auto stored = ULong(field.word);
    return stored ? std::optional<COLORREF>(PorReadColor(*stored)) : std::nullopt;
}

CString PorRecord::Get(PorStringField field) const {
    PorCursor cursor = Cursor(field.word);
    const auto length = cursor.Long();
    const auto offset = cursor.Long();
    if (!length || !offset || *length == 0 || !InPayload(*offset, *length, Size())) {
        return CString();
    }
    return Text(
        m_bytes.subspan(static_cast<std::size_t>(*offset), static_cast<std::size_t>(*length)));
}

CString PorRecord::Get(PorFaceNameField field) const {
    const auto offset = Long(field.word);
    if (!offset || !InPayload(*offset, 0, Size())) {
        return CString();
    }
    const auto rest = m_bytes.subspan(static_cast<std::size_t>(*offset));
    const auto nul = std::ranges::find(rest, BYTE{0});
    return Text(rest.first(static_cast<std::size_t>(nul - rest.begin())));
}

std::optional<POINT> PorRecord::Get(PorPointField field) const {
    return Cursor(field.word).Point();
}

std::optional<std::vector<POINT>> PorRecord::Get(PorPointsField field) const {
    return Cursor(field.word).Points(field.count);
}

// Pens and fills are read once per drawn object: their words are read in
// place, without a list.
std::optional<PorPen> PorRecord::Get(PorPenField field) const {
    PorCursor cursor = Cursor(field.word);
    if (cursor.Remaining() < 4 * PorWordSize) {
        return std::nullopt;
    }
    const LONG lineType = *cursor.Long();
    const LONG lineTypeScale = *cursor.Long();
    const LONG width = *cursor.Long();
    return PorPen{lineType, lineTypeScale, width, PorReadColor(*cursor.ULong())};
}

std::optional<PorFill> PorRecord::Get(PorFillField field) const {
    PorCursor cursor = Cursor(field.word);
    if (cursor.Remaining() < 2 * PorWordSize) {
        return std::nullopt;
    }
    const LONG type = *cursor.Long();
    return PorFill{type, PorReadColor(*cursor.ULong())};
}

std::optional<std::vector<POINT>> PorRecord::Get(PorPointListField field) const {
    return Cursor(field.word).PointList();
}

std::optional<std::vector<LONG>> PorRecord::Get(PorValueListField field) const {
    return Cursor(field.word).LongList();
}

std::optional<std::span<const BYTE>> PorRecord::Get(PorBytesField field) const {
    PorCursor cursor = Cursor(field.word);
    const auto offset = cursor.Long();
    const auto length = cursor.Long();
    if (!offset || !length || !InPayload(*offset, *length, Size())) {
        return std::nullopt;
    }
    return m_bytes.subspan(static_cast<std::size_t>(*offset), static_cast<std::size_t>(*length));
}

std::vector<CString> PorRecord::Get(PorGroupItemsField field) const {
    std::vector<CString> ids;
    const auto count = Long(field.word);
    std::size_t offset = (static_cast<std::size_t>(field.word) + 1) * PorWordSize;
    for (LONG i = 0; count && i < *count && offset < Size(); ++i) {
        const auto rest = m_bytes.subspan(offset);
        const auto head = PorCursor(rest, 0).Longs(3); // item size, id length, id offset
        if (!head || (*head)[0] < static_cast<LONG>(PorGroup::ItemHeadSize) ||
            static_cast<std::size_t>((*head)[0]) > rest.size()) {
            break;
        }
        const auto item = rest.first(static_cast<std::size_t>((*head)[0]));
        const LONG length = (*head)[1];
        const LONG idOffset = (*head)[2];
        if (length > 0 && Inside(idOffset, length, PorGroup::ItemHeadSize, item.size())) {
            ids.push_back(Text(item.subspan(static_cast<std::size_t>(idOffset),
                                            static_cast<std::size_t>(length))));
        }
        offset += item.size();
    }
    return ids;
}
