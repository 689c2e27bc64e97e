// Every record type built from its field table with a distinct value in every
// field, then read back field by field, alone and inside a block.
#include "PorTestData.h"
#include "por/PorBlockReader.h"
#include "por/PorBlockWriter.h"
#include "por/PorLayout.h"
#include "por/PorRecord.h"
#include "por/PorRecordWalker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Fields at fixed places first, then list items right after their count,
// then the other appended parts.
int BuildPass(PorFieldKind kind) {
    switch (kind) {
    case PorFieldKind::RecordList:
    case PorFieldKind::GroupItems:
        return 1;
    case PorFieldKind::String:
    case PorFieldKind::FaceName:
    case PorFieldKind::Bytes:
        return 2;
    default:
        return 0;
    }
}

// Sample values derived from the field's place, so a value read from the
// wrong word never matches.
LONG IntSample(const PorFieldInfo& f) {
    return (f.word % 2 ? -1 : 1) * (100003 * f.word + 7);
}
COLORREF ColorSample(const PorFieldInfo& f) {
    return RGB(f.word, 255 - f.word, 3 * f.word);
}
POINT PointSample(const PorFieldInfo& f, int i) {
    return {-(1000 * f.word + i), 70000 * f.word + i};
}
std::vector<POINT> PointsSample(const PorFieldInfo& f, int count) {
    std::vector<POINT> points;
    for (int i = 0; i < count; ++i) {
        points.push_back(PointSample(f, i));
    }
    return points;
}
CString TextSample(const PorFieldInfo& f) {
    // CP932 text whose trail byte 0x5C is a backslash in ASCII.
    return CString(f.name) + "\x95\x5C" + std::to_string(f.word).c_str();
}
std::vector<BYTE> BytesSample(const PorFieldInfo& f) {
    std::vector<BYTE> bytes;
    for (int i = 0; i < 9; ++i) {
        bytes.push_back(static_cast<BYTE>(f.word * 11 + i));
    }
    return bytes;
}
std::vector<BYTE> ChildrenSample() {
    return Join({MakeLine({1, -2}, {3, -4}, "C").Bytes(), MakeEnd().Bytes()});
}
const std::vector<CString> MemberSample{"1F", "\x83\x65\x83\x58\x83\x67", "2A0"};

void SetSample(PorRecordBuilder& record, const PorFieldInfo& f) {
    switch (f.kind) {
    case PorFieldKind::Int:
        record.Set(PorIntField{f.word}, IntSample(f));
        break;
    case PorFieldKind::Unsigned:
        record.Set(PorUnsignedField{f.word}, 0x80000000u + static_cast<DWORD>(f.word));
        break;
    case PorFieldKind::Color:
        record.Set(PorColorField{f.word}, ColorSample(f));
        break;
    case PorFieldKind::Point:
        record.Set(PorPointField{f.word}, PointSample(f, 0));
        break;
    case PorFieldKind::Points:
        record.Set(PorPointsField{f.word, f.count}, PointsSample(f, f.count));
        break;
    case PorFieldKind::Pen:
        record.Set(PorPenField{f.word}, PorPen{f.word, 350, -1, ColorSample(f)});
        break;
    case PorFieldKind::Fill:
        record.Set(PorFillField{f.word}, PorFill{3, ColorSample(f)});
        break;
    case PorFieldKind::PointList:
        record.Set(PorPointListField{f.word}, PointsSample(f, 5));
        break;
    case PorFieldKind::ValueList: {
        const std::vector<LONG> values{IntSample(f), 0, -IntSample(f)};
        record.Set(PorValueListField{f.word}, values);
        break;
    }
    case PorFieldKind::String:
        record.Set(PorStringField{f.word}, TextSample(f));
        break;
    case PorFieldKind::FaceName:
        record.Set(PorFaceNameField{f.word}, TextSample(f));
        break;
    case PorFieldKind::Bytes:
        record.Set(PorBytesField{f.word}, BytesSample(f));
        break;
    case PorFieldKind::RecordList:
        record.Append(PorRecordListField{f.word}, ChildrenSample());
        break;
    case PorFieldKind::GroupItems:
        for (const CString& id : MemberSample) {
            record.Append(PorGroupItemsField{f.word}, id);
        }
        break;
    }
}

void ExpectSample(const PorRecord& record, const PorFieldInfo& f) {
    SCOPED_TRACE(f.name);
    switch (f.kind) {
    case PorFieldKind::Int:
        EXPECT_EQ(record.Get(PorIntField{f.word}), IntSample(f));
        break;
    case PorFieldKind::Unsigned:
        EXPECT_EQ(record.Get(PorUnsignedField{f.word}), 0x80000000u + static_cast<DWORD>(f.word));
        break;
    case PorFieldKind::Color:
        EXPECT_EQ(record.Get(PorColorField{f.word}), ColorSample(f));
        break;
    case PorFieldKind::Point: {
        const auto point = record.Get(PorPointField{f.word});
        ASSERT_TRUE(point.has_value());
        EXPECT_EQ(point->x, PointSample(f, 0).x);
        EXPECT_EQ(point->y, PointSample(f, 0).y);
        break;
    }
    case PorFieldKind::Points:
    case PorFieldKind::PointList: {
        const auto points = f.kind == PorFieldKind::Points
                                ? record.Get(PorPointsField{f.word, f.count})
                                : record.Get(PorPointListField{f.word});
        ASSERT_TRUE(points.has_value());
        const auto expected = PointsSample(f, f.kind == PorFieldKind::Points ? f.count : 5);
        ASSERT_EQ(points->size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ((*points)[i].x, expected[i].x);
            EXPECT_EQ((*points)[i].y, expected[i].y);
        }
        break;
    }
    case PorFieldKind::Pen:
        EXPECT_EQ(record.Get(PorPenField{f.word}), (PorPen{f.word, 350, -1, ColorSample(f)}));
        break;
    case PorFieldKind::Fill:
        EXPECT_EQ(record.Get(PorFillField{f.word}), (PorFill{3, ColorSample(f)}));
        break;
    case PorFieldKind::ValueList:
        EXPECT_EQ(record.Get(PorValueListField{f.word}),
                  (std::vector<LONG>{IntSample(f), 0, -IntSample(f)}));
        break;
    case PorFieldKind::String:
        EXPECT_EQ(record.Get(PorStringField{f.word}), TextSample(f));
        break;
    case PorFieldKind::FaceName:
        EXPECT_EQ(record.Get(PorFaceNameField{f.word}), TextSample(f));
        break;
    case PorFieldKind::Bytes: {
        const auto bytes = record.Get(PorBytesField{f.word});
        ASSERT_TRUE(bytes.has_value());
        EXPECT_EQ(std::vector<BYTE>(bytes->begin(), bytes->end()), BytesSample(f));
        break;
    }
    case PorFieldKind::RecordList: {
        PorRecordWalker children = PorRecordWalker::Nested(record, PorRecordListField{f.word});
        const auto line = children.Next();
        ASSERT_TRUE(line.has_value());
        EXPECT_EQ(line->Get(PorLine::End)->y, -4);
        EXPECT_EQ(line->Get(PorLine::Layer).str(), "C");
        EXPECT_EQ(children.Next()->Type(), PorEnd::Type);
        EXPECT_FALSE(children.Next().has_value());
        EXPECT_EQ(children.StopReason(), PorStopReason::CountReached);
        break;
    }
    case PorFieldKind::GroupItems:
        EXPECT_EQ(record.Get(PorGroupItemsField{f.word}), MemberSample);
        break;
    }
}

PorRecordBuilder BuildSample(const PorLayout& layout) {
    PorRecordBuilder record(layout.type);
    for (int pass : {0, 1, 2}) {
        for (const PorFieldInfo& field : layout.fields) {
            if (BuildPass(field.kind) == pass) {
                SetSample(record, field);
            }
        }
    }
    return record;
}

TEST(PorRoundTripTest, EveryFieldOfEveryRecordTypeReadsBackAsWritten) {
    for (const PorLayout& layout : PorLayouts()) {
        SCOPED_TRACE(layout.name);
        const PorRecordBuilder built = BuildSample(layout);
        const auto record = PorRecord::Frame(built.Bytes());
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->Type(), layout.type);
        EXPECT_EQ(record->Size(), built.Size());
        EXPECT_TRUE(record->HasFixedPart());
        for (const PorFieldInfo& field : layout.fields) {
            ExpectSample(*record, field);
        }
    }
}

TEST(PorRoundTripTest, BlockOfEveryObjectRecordIsReadInOrder) {
    PorBlockWriter writer;
    writer.Append(MakeHeader());
    std::vector<LONG> written{PorHeader::Type};
    for (const PorLayout& layout : PorLayouts()) {
        if (layout.type != PorHeader::Type && layout.type != PorEnd::Type) {
            writer.Append(BuildSample(layout));
            written.push_back(layout.type);
        }
    }
    writer.Append(MakeEnd());

    PorBlockReader reader(writer.Storage());
    std::vector<LONG> read;
    while (auto record = reader.Next()) {
        read.push_back(record->Type());
        if (const PorLayout* layout = FindPorLayout(record->Type());
            layout && record->Type() != PorHeader::Type) {
            for (const PorFieldInfo& field : layout->fields) {
                ExpectSample(*record, field);
            }
        }
    }
    EXPECT_EQ(read, written);
    EXPECT_EQ(reader.StopReason(), PorStopReason::EndRecord);
    EXPECT_EQ(reader.Position(), writer.Data().size());
}

} // namespace
