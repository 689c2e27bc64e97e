#pragma once
// The place of a field inside a POR record: the index of its first 32-bit
// word ([n] starts at byte 4n) and its kind, which says how many words it
// spans and how its value is read.

enum class PorFieldKind {
    Int,        // one signed word
    Unsigned,   // one unsigned word
    Color,      // one COLORREF word; the by-block marker reads as white
    String,     // length word, then offset word, of a NUL-terminated string
    FaceName,   // offset word of a NUL-terminated string that has no length
    Point,      // x, y
    Points,     // a fixed number of (x, y) pairs
    Pen,        // line type, line-type scale, width, colour
    Fill,       // fill type, fill colour
    PointList,  // a count word, then that many (x, y) pairs
    ValueList,  // a count word, then that many signed words
    Bytes,      // offset word, then length word, of a byte range
    RecordList, // a count word, then that many complete records
    GroupItems, // a count word, then that many member items
};

template <PorFieldKind K> struct PorField {
    static constexpr PorFieldKind Kind = K;
    int word;
    int count = 1; // pairs of a Points field
};

using PorIntField = PorField<PorFieldKind::Int>;
using PorUnsignedField = PorField<PorFieldKind::Unsigned>;
using PorColorField = PorField<PorFieldKind::Color>;
using PorStringField = PorField<PorFieldKind::String>;
using PorFaceNameField = PorField<PorFieldKind::FaceName>;
using PorPointField = PorField<PorFieldKind::Point>;
using PorPointsField = PorField<PorFieldKind::Points>;
using PorPenField = PorField<PorFieldKind::Pen>;
using PorFillField = PorField<PorFieldKind::Fill>;
using PorPointListField = PorField<PorFieldKind::PointList>;
using PorValueListField = PorField<PorFieldKind::ValueList>;
using PorBytesField = PorField<PorFieldKind::Bytes>;
using PorRecordListField = PorField<PorFieldKind::RecordList>;
using PorGroupItemsField = PorField<PorFieldKind::GroupItems>;

// Words a field takes in the fixed part of its record; a list counts only
// its count word, as its items follow the fixed part.
constexpr int PorFieldWords(PorFieldKind kind, int count) {
    switch (kind) {
    case PorFieldKind::String:
    case PorFieldKind::Point:
    case PorFieldKind::Fill:
    case PorFieldKind::Bytes:
        return 2;
    case PorFieldKind::Points:
        return 2 * count;
    case PorFieldKind::Pen:
        return 4;
    default:
        return 1;
    }
}
