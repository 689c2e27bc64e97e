#include "tools/pordump/PorDumper.h"

#include "DxfTestSupport.h"
#include "por/PorBlockWriter.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

namespace {

TEST(PorDumper, NestedRecordsAreIndentedAndCounted) {
    PorRecordBuilder dot(PorDot::Type);
    dot.Set(PorDot::Position, POINT{1, -2});
    dot.Set(PorDot::Color, PorByBlockColor);
    dot.Set(PorDot::Layer, CString("\x90\x7D"));
    PorRecordBuilder inner(PorInsert::Type);
    inner.Append(PorInsert::Children, dot.Bytes());
    PorRecordBuilder outer(PorInsert::Type);
    outer.Append(PorInsert::Children, inner.Bytes());
    outer.Append(PorInsert::Children, dot.Bytes());
    PorBlockWriter block;
    block.Append(outer);
    block.Append(PorRecordBuilder(PorEnd::Type));

    EXPECT_EQ(
        PorDumper::Dump(block.Storage()),
        "33 PorInsert size=150 Id=\"\" Layer=\"\" Children=2\n"
        "  33 PorInsert size=75 Id=\"\" Layer=\"\" Children=1\n"
        "    21 PorDot size=47 Id=\"\" Position=(1,-2) Mode=0 Size=0 Color=0x80000000 "
        "Layer=\"図\"\n"
        "  21 PorDot size=47 Id=\"\" Position=(1,-2) Mode=0 Size=0 Color=0x80000000 Layer=\"図\"\n"
        "2 PorEnd size=8\n");
    EXPECT_EQ(PorDumper::Summary(block.Storage()),
              "2 PorEnd 1 0\n21 PorDot 0 2\n33 PorInsert 1 1\n");
}

TEST(PorDumper, BlockWithoutEndRecordSaysWhereItStopped) {
    PorRecordBuilder line(PorLine::Type);
    PorBlockWriter block;
    block.Append(line);
    EXPECT_EQ(PorDumper::Dump(block.Storage()),
              "3 PorLine size=56 Id=\"\" Start=(0,0) End=(0,0) Pen=(lt=0,lts=0,w=0,c=0x00000000) "
              "Layer=\"\"\n# no end record; stopped at byte 56\n");
}

} // namespace
