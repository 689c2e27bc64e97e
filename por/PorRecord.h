#pragma once
// A view of one framed POR record inside a block: its bytes are never read
// outside the record. Fields are read by word index or through the named
// field constants of PorRecords.h; a field that does not lie inside the
// record gives nothing, a string that does not gives an empty string.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"
#include "por/PorCursor.h"
#include "por/PorField.h"
#include "por/PorFill.h"
#include "por/PorPen.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

class PorRecord {
public:
    // The record at the start of data: its size word must be at least the
    // head and must not run past data. The type is not judged here.
    static std::optional<PorRecord> Frame(std::span<const BYTE> data);

    LONG Type() const;
    std::size_t Size() const { return m_bytes.size(); }
    std::span<const BYTE> Bytes() const { return m_bytes; }
    // The record holds the whole fixed part of its type's layout.
    bool HasFixedPart() const;

    std::optional<LONG> Long(int word) const;
    std::optional<DWORD> ULong(int word) const;
    PorCursor CursorAt(std::size_t offset) const { return PorCursor(m_bytes, offset); }
    // The bytes from offset to the record's end as a part of their own, whose
    // fields count from its start (hatch loops, edges, pattern lines);
    // nothing for an offset past the end.
    std::optional<PorRecord> Part(std::size_t offset) const;

    std::optional<LONG> Get(PorIntField field) const { return Long(field.word); }
    std::optional<DWORD> Get(PorUnsignedField field) const { return ULong(field.word); }
    std::optional<COLORREF> Get(PorColorField field) const;
    CString Get(PorStringField field) const;
    CString Get(PorFaceNameField field) const;
    std::optional<POINT> Get(PorPointField field) const;
    std::optional<std::vector<POINT>> Get(PorPointsField field) const;
    std::optional<PorPen> Get(PorPenField field) const;
    std::optional<PorFill> Get(PorFillField field) const;
    // A count that claims more items than the record holds gives nothing.
    std::optional<std::vector<POINT>> Get(PorPointListField field) const;
    std::optional<std::vector<LONG>> Get(PorValueListField field) const;
    std::optional<std::span<const BYTE>> Get(PorBytesField field) const;
    // The member ids, walked by each item's size; the walk ends at an item
    // that does not fit, and items without a readable id are left out.
    std::vector<CString> Get(PorGroupItemsField field) const;

private:
    explicit PorRecord(std::span<const BYTE> bytes) : m_bytes(bytes) {}

    PorCursor Cursor(int word) const;

    std::span<const BYTE> m_bytes;
};

// The colour as a reader uses it: the by-block marker becomes white.
COLORREF PorReadColor(DWORD stored);
