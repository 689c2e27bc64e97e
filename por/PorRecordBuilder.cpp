#include "por/PorRecordBuilder.h"

#include "por/PorLayout.h"
#include "por/PorRecordWalker.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <algorithm>
#include <array>
#include <limits>
#include <stdexcept>

namespace {

constexpr std::size_t Nothing = std::numeric_limits<std::size_t>::max();

LONG ToLong(std::size_t value) {
    if (value > static_cast<std::size_t>(std::numeric_limits<LONG>::max())) {
        throw std::length_error("POR record too large");
    }
    return static_cast<LONG>(value);
}

} // namespace

PorRecordBuilder::PorRecordBuilder(LONG type) : m_appendedFrom(Nothing), m_itemsEnd(Nothing) {
    const PorLayout* layout = FindPorLayout(type);
    m_bytes.resize(layout ? layout->fixedSize : PorHeadSize);
    StorePorWord(m_bytes.data(), type);
    PatchSize();
}

void PorRecordBuilder::PatchSize() {
    StorePorWord(m_bytes.data() + PorWordSize, ToLong(m_bytes.size()));
}

void PorRecordBuilder::Place(std::size_t offset, std::span<const BYTE> bytes) {
    const std::size_t end = offset + bytes.size();
    if (m_appendedFrom != Nothing && end > m_appendedFrom) {
        throw std::logic_error("POR field overlaps the appended part of its record");
    }
    if (end > m_bytes.size()) {
        m_bytes.resize(end);
        PatchSize();
    }
    std::ranges::copy(bytes, m_bytes.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::size_t PorRecordBuilder::Append(std::span<const BYTE> bytes) {
    const std::size_t offset = m_bytes.size();
    if (m_appendedFrom == Nothing) {
        m_appendedFrom = offset;
    }
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    PatchSize();
    return offset;
}

std::size_t PorRecordBuilder::AppendText(const CString& text) {
    const auto* chars = reinterpret_cast<const BYTE*>(text.c_str());
    return Append(std::span(chars, static_cast<std::size_t>(text.GetLength()) + 1));
}

void PorRecordBuilder::StartItems(int countWord) const {
    const std::size_t first = (static_cast<std::size_t>(countWord) + 1) * PorWordSize;
    if (m_bytes.size() != (m_itemsEnd != Nothing ? m_itemsEnd : first)) {
        throw std::logic_error("POR list items must directly follow their count");
    }
}

LONG PorRecordBuilder::Word(int word) const {
    return LoadPorWord(m_bytes.data() + static_cast<std::size_t>(word) * PorWordSize);
}

void PorRecordBuilder::SetLong(int word, LONG value) {
    BYTE bytes[PorWordSize];
    StorePorWord(bytes, value);
    Place(static_cast<std::size_t>(word) * PorWordSize, bytes);
}

void PorRecordBuilder::Set(PorUnsignedField field, DWORD value) {
    SetLong(field.word, static_cast<LONG>(value));
}

void PorRecordBuilder::Set(PorColorField field, COLORREF value) {
    SetLong(field.word, static_cast<LONG>(value));
}

void PorRecordBuilder::Set(PorPointField field, POINT point) {
    SetLong(field.word, point.x);
    SetLong(field.word + 1, point.y);
}

void PorRecordBuilder::Set(PorPointsField field, std::span<const POINT> points) {
    if (points.size() != static_cast<std::size_t>(field.count)) {
        throw std::invalid_argument("POR point field needs its exact number of points");
    }
    for (std::size_t i = 0; i < points.size(); ++i) {
        Set(PorPointField{field.word + 2 * static_cast<int>(i)}, points[i]);
    }
}

void PorRecordBuilder::Set(PorPenField field, const PorPen& pen) {
    SetLong(field.word, pen.lineType);
    SetLong(field.word + 1, pen.lineTypeScale);
    SetLong(field.word + 2, pen.width);
    SetLong(field.word + 3, static_cast<LONG>(pen.color));
}

void PorRecordBuilder::Set(PorFillField field, const PorFill& fill) {
    SetLong(field.word, fill.type);
    SetLong(field.word + 1, static_cast<LONG>(fill.color));
}

void PorRecordBuilder::Set(PorPointListField field, std::span<const POINT> points) {
    SetLong(field.word, ToLong(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        Set(PorPointField{field.word + 1 + 2 * static_cast<int>(i)}, points[i]);
    }
}

void PorRecordBuilder::Set(PorValueListField field, std::span<const LONG> values) {
    SetLong(field.word, ToLong(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        SetLong(field.word + 1 + static_cast<int>(i), values[i]);
    }
}

void PorRecordBuilder::Set(PorStringField field, const CString& text) {
    const std::size_t offset = AppendText(text);
    SetLong(field.word, text.GetLength());
    SetLong(field.word + 1, ToLong(offset));
}

void PorRecordBuilder::Set(PorFaceNameField field, const CString& text) {
    SetLong(field.word, ToLong(AppendText(text)));
}

void PorRecordBuilder::Set(PorBytesField field, std::span<const BYTE> bytes) {
    const std::size_t offset = Append(bytes);
    SetLong(field.word, ToLong(offset));
    SetLong(field.word + 1, ToLong(bytes.size()));
}

void PorRecordBuilder::Append(PorRecordListField field, std::span<const BYTE> records) {
    PorRecordWalker walker(records);
    LONG count = 0;
    while (walker.Next()) {
        ++count;
    }
    if (walker.Position() != records.size()) {
        throw std::invalid_argument("nested POR data is not a sequence of records");
    }
    StartItems(field.word);
    Append(records);
    m_itemsEnd = m_bytes.size();
    SetLong(field.word, Word(field.word) + count);
}

void PorRecordBuilder::Append(PorGroupItemsField field, const CString& id) {
    const LONG length = id.GetLength();
    std::array<BYTE, PorGroup::ItemHeadSize> head;
    StorePorWord(head.data(),
                 ToLong(PorGroup::ItemHeadSize + static_cast<std::size_t>(length) + 1));
    StorePorWord(head.data() + PorWordSize, length);
    StorePorWord(head.data() + 2 * PorWordSize, static_cast<LONG>(PorGroup::ItemHeadSize));
    StartItems(field.word);
    Append(head);
    AppendText(id);
    m_itemsEnd = m_bytes.size();
    SetLong(field.word, Word(field.word) + 1);
}

void PorRecordBuilder::AppendLong(LONG value) {
    BYTE bytes[PorWordSize];
    StorePorWord(bytes, value);
    Append(bytes);
}

void PorRecordBuilder::AppendLongs(std::span<const LONG> values) {
    for (LONG value : values) {
        AppendLong(value);
    }
}

void PorRecordBuilder::PadTo(std::size_t size) {
    if (size > m_bytes.size()) {
        m_bytes.resize(size);
        PatchSize();
    }
}
