#pragma once
// POR records for the group, insert and factory tests: lines with an id and
// a layer, groups listing member ids, inserts nesting other records.

#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

using RecordBytes = std::vector<BYTE>;

inline RecordBytes LineRecord(const char* id, const char* layer, POINT start, POINT end) {
    PorRecordBuilder record(PorLine::Type);
    record.Set(PorLine::Start, start);
    record.Set(PorLine::End, end);
    record.Set(PorLine::Pen, PorPen{1, 1000, 0, 0x0000FF});
    record.Set(PorLine::Id, id);
    record.Set(PorLine::Layer, layer);
    return RecordBytes(record.Bytes().begin(), record.Bytes().end());
}

inline RecordBytes GroupRecord(const char* name, const char* id,
                               std::initializer_list<const char*> members) {
    PorRecordBuilder record(PorGroup::Type);
    for (const char* member : members)
        record.Append(PorGroup::Members, member);
    record.Set(PorGroup::Name, name);
    record.Set(PorGroup::Id, id);
    return RecordBytes(record.Bytes().begin(), record.Bytes().end());
}

inline RecordBytes InsertRecord(const char* id, const char* layer,
                                std::initializer_list<RecordBytes> children) {
    PorRecordBuilder record(PorInsert::Type);
    for (const RecordBytes& child : children)
        record.Append(PorInsert::Children, child);
    record.Set(PorInsert::Id, id);
    record.Set(PorInsert::Layer, layer);
    return RecordBytes(record.Bytes().begin(), record.Bytes().end());
}

// The record framed over its bytes, which must outlive it.
inline PorRecord Framed(const RecordBytes& bytes) {
    const auto record = PorRecord::Frame(bytes);
    if (!record)
        throw std::invalid_argument("not a framed record");
    return *record;
}
