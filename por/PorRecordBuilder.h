#pragma once
// Builds one POR record field by field. The record starts as its type's
// zero-filled fixed part; fields at fixed places may be set anywhere before
// the variable part, which strings, image bytes, nested records, member items
// and free words are appended to, in the order the writer wants them. The
// size word always holds the current size.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorField.h"
#include "por/PorFill.h"
#include "por/PorPen.h"

#include <cstddef>
#include <span>
#include <vector>

class PorRecordBuilder {
public:
    // The zero-filled fixed part of the type's layout; the bare head for a
    // type without one.
    explicit PorRecordBuilder(LONG type);

    std::span<const BYTE> Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

    // Fields at fixed places. Writing into bytes already appended throws
    // std::logic_error: the variable part must come after them.
    void SetLong(int word, LONG value);
    void Set(PorIntField field, LONG value) { SetLong(field.word, value); }
    void Set(PorUnsignedField field, DWORD value);
    void Set(PorColorField field, COLORREF value);
    void Set(PorPointField field, POINT point);
    // Exactly the field's number of points, else std::invalid_argument.
    void Set(PorPointsField field, std::span<const POINT> points);
    void Set(PorPenField field, const PorPen& pen);
    void Set(PorFillField field, const PorFill& fill);
    // The count, then the items from the next word on.
    void Set(PorPointListField field, std::span<const POINT> points);
    void Set(PorValueListField field, std::span<const LONG> values);

    // Appended parts. A string goes to the end with its NUL, and its pair
    // (or the face name's offset) is set to it.
    void Set(PorStringField field, const CString& text);
    void Set(PorFaceNameField field, const CString& text);
    void Set(PorBytesField field, std::span<const BYTE> bytes);
    // List items directly follow their count word, so they are appended
    // before any other variable part, else std::logic_error.
    // Complete records, back to back, added to the count; bytes that are not
    // well-framed records throw std::invalid_argument.
    void Append(PorRecordListField field, std::span<const BYTE> records);
    // Appends one member item {size, id length, 12, id, NUL} and counts it.
    void Append(PorGroupItemsField field, const CString& id);
    void AppendLong(LONG value);
    void AppendLongs(std::span<const LONG> values);
    // Zero bytes up to size (writers put their strings at fixed places or
    // round records up to a multiple of 4); never shrinks.
    void PadTo(std::size_t size);

private:
    void Place(std::size_t offset, std::span<const BYTE> bytes);
    std::size_t Append(std::span<const BYTE> bytes);
    std::size_t AppendText(const CString& text);
    void StartItems(int countWord) const;
    LONG Word(int word) const;
    void PatchSize();

    std::vector<BYTE> m_bytes;
    std::size_t m_appendedFrom;
    std::size_t m_itemsEnd;
};
