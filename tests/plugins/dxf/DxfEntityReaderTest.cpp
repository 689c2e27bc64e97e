#include "plugins/dxf/CDxfEntityReader.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/CDxfBlockList.h"
#include "plugins/dxf/CDxfEntityStyle.h"
#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfInsertEmitter.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfPrimitiveEmitter.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"
#include "plugins/dxf/CDxfTextEmitter.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using DxfTest::Records;

class EntityReader : public ::testing::Test {
protected:
    EntityReader() {
        header.scale = 1000;
        layers.Add({"Red", 0x0000FF, 3, 35, 1});
        layers.Add({"NoColour", PorByLayerColor, 1, 0, 1});
    }

    // Reads one entity from its groups (without the name group); true when
    // the name has a reader.
    bool Read(const std::string& name, const std::string& groups, CPorStream& target,
              DPOINT base = {0, 0}) {
        file = std::make_unique<CDxfFile>(groups);
        return reader.Read(name, *file, target, base);
    }
    bool Read(const std::string& name, const std::string& groups) {
        return Read(name, groups, stream);
    }

    static std::vector<LONG> Words(const PorRecord& record, int first, int count) {
        std::vector<LONG> words;
        for (int i = first; i < first + count; ++i) {
            words.push_back(*record.Long(i));
        }
        return words;
    }

    CDxfHeader header;
    CDxfTextDecoder decoder;
    CDxfLayerTable layers;
    CDxfLineTypeTable lineTypes;
    CDxfPrimitiveEmitter emitter{header};
    CDxfEntityStyle style{layers, lineTypes};
    CDxfBlockList blocks;
    CDxfStyleTables tables;
    CDxfInsertEmitter inserts{header, blocks};
    CDxfTextEmitter texts{header};
    CPictureFiles pictures;
    CDxfEntityReader reader{emitter, style, decoder, inserts, tables, texts, pictures};
    std::unique_ptr<CDxfFile> file;
    CPorStream stream;
};

struct ArcSpanCase {
    const char* name;
    double start, end;
    LONG type;
};

class ArcSpans : public EntityReader, public ::testing::WithParamInterface<ArcSpanCase> {};

TEST_P(ArcSpans, BelowOneDegreeBecomeAChordOrAPoint) {
    const std::string groups = " 10\n1\n 20\n2\n 40\n3\n 50\n" + std::to_string(GetParam().start) +
                               "\n 51\n" + std::to_string(GetParam().end) + "\n";
    ASSERT_TRUE(Read("ARC", groups));
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Type(), GetParam().type);
}

INSTANTIATE_TEST_SUITE_P(EntityReader, ArcSpans,
                         ::testing::Values(ArcSpanCase{"AcrossZero", 350, 10, PorArc::Type},
                                           ArcSpanCase{"OneDegree", 30, 31, PorArc::Type},
                                           ArcSpanCase{"HalfDegree", 30, 30.5, PorLine::Type},
                                           ArcSpanCase{"NoSpan", 30, 30, PorDot::Type},
                                           ArcSpanCase{"AlmostFull", 10, 9.5, PorArc::Type}),
                         [](const auto& info) { return info.param.name; });

TEST_F(EntityReader, HalfDegreeArcIsTheChordBetweenItsEnds) {
    ASSERT_TRUE(Read("ARC", " 10\n0\n 20\n0\n 40\n100\n 50\n0\n 51\n0.5\n"));
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(Words(r, 4, 4), (std::vector<LONG>{100000, 0, 99996, 872}));
}

TEST_F(EntityReader, ShortEllipseSpanBecomesAChordOrAPoint) {
    CPorStream equal;
    ASSERT_TRUE(
        Read("ELLIPSE", " 10\n0\n 20\n0\n 11\n0\n 21\n-10\n 40\n0.5\n 41\n1\n 42\n1\n", equal));
    EXPECT_EQ(Records(equal)[0].Type(), PorDot::Type);

    ASSERT_TRUE(Read("ELLIPSE", " 10\n0\n 20\n0\n 11\n0\n 21\n-10\n 40\n0.5\n 41\n0\n 42\n0.01\n"));
    const PorRecord chord = Records(stream)[0];
    EXPECT_EQ(chord.Type(), PorLine::Type);
    // The major axis points down: parameter 0 lies at (0, -10), and the
    // end is not rounded to whole drawing units.
    EXPECT_EQ(Words(chord, 4, 4), (std::vector<LONG>{0, -10000, 49, -9999}));
}

TEST_F(EntityReader, FullParameterRangeIsAWholeEllipse) {
    ASSERT_TRUE(Read("ELLIPSE",
                     " 10\n0\n 20\n0\n 11\n4\n 21\n0\n 40\n0.5\n 41\n0\n 42\n6.283185307179586\n"));
    EXPECT_EQ(Records(stream)[0].Type(), PorEllipse::Type);
}

TEST_F(EntityReader, DownwardExtrusionMirrorsCirclesArcsAndSolids) {
    ASSERT_TRUE(Read("CIRCLE", " 10\n5\n 20\n0\n 40\n1\n210\n0\n220\n0\n230\n-1\n"));
    ASSERT_TRUE(Read("ARC", " 10\n5\n 20\n0\n 40\n1\n 50\n0\n 51\n90\n230\n-1\n"));
    ASSERT_TRUE(
        Read("SOLID", " 10\n1\n 20\n0\n 11\n2\n 21\n0\n 12\n1\n 22\n1\n 13\n2\n 23\n1\n230\n-1\n"));
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(Words(records[0], 4, 8),
              (std::vector<LONG>{-6000, 1000, -6000, -1000, -4000, -1000, -4000, 1000}));
    // 0..90 seen from below runs 90..180 about (-5, 0).
    const auto arcEnds = Words(records[1], 12, 4);
    EXPECT_NEAR(arcEnds[0], -5000, 1);
    EXPECT_EQ(arcEnds[1], 1000);
    EXPECT_EQ(arcEnds[2], -6000);
    EXPECT_NEAR(arcEnds[3], 0, 1);
    EXPECT_EQ(Words(records[2], 19, 9),
              (std::vector<LONG>{4, -1000, 0, -2000, 0, -2000, 1000, -1000, 1000}));
}

struct FaceCase {
    int flags;
    std::vector<LONG> starts; // x of each line's start
};

class FaceEdges : public EntityReader, public ::testing::WithParamInterface<FaceCase> {};

TEST_P(FaceEdges, VisibleEdgesBecomeLinesWithoutHandle) {
    ASSERT_TRUE(Read(
        "3DFACE", "  5\nFF\n 10\n0\n 20\n0\n 11\n1\n 21\n0\n 12\n2\n 22\n0\n 13\n3\n 23\n0\n 70\n" +
                      std::to_string(GetParam().flags) + "\n"));
    std::vector<LONG> starts;
    for (const PorRecord& r : Records(stream)) {
        EXPECT_EQ(r.Type(), PorLine::Type);
        EXPECT_EQ(*r.Long(2), 0) << "identifier length";
        starts.push_back(*r.Long(4));
    }
    EXPECT_EQ(starts, GetParam().starts);
}

INSTANTIATE_TEST_SUITE_P(EntityReader, FaceEdges,
                         ::testing::Values(FaceCase{0, {0, 1000, 2000, 3000}}, FaceCase{15, {}},
                                           FaceCase{5, {1000, 3000}}, FaceCase{10, {0, 2000}}));

TEST_F(EntityReader, CoordinatesAreRelativeToTheBlockBase) {
    CPorStream block;
    block.SetName("B");
    ASSERT_TRUE(Read("LINE", " 10\n101\n 20\n52\n 11\n100\n 21\n50\n", block, {100, 50}));
    ASSERT_TRUE(Read("XLINE", " 10\n101\n 20\n52\n 11\n0\n 21\n1\n", block, {100, 50}));
    EXPECT_EQ(Words(Records(block)[0], 4, 4), (std::vector<LONG>{1000, 2000, 0, 0}));
    // Infinite lines keep their base point as read.
    ASSERT_EQ(block.InfiniteLines().size(), 1u);
    EXPECT_EQ(block.InfiniteLines()[0].base.x, 101.0);
    EXPECT_EQ(block.InfiniteLines()[0].direction.y, 1.0);
    EXPECT_EQ(block.Bounds().maxX, 101000);
    EXPECT_EQ(block.RecordCount(), 1u);
}

TEST_F(EntityReader, EntityEndingAtTheEndOfTheFileIsWritten) {
    // The last code line has no value line.
    ASSERT_TRUE(Read("LINE", "  5\n7\n 10\n1\n 20\n1\n 11\n2\n 21"));
    EXPECT_EQ(Words(Records(stream)[0], 4, 4), (std::vector<LONG>{1000, 1000, 2000, 0}));
}

TEST_F(EntityReader, StopsAtTheNextEntity) {
    ASSERT_TRUE(Read("POINT", " 10\n1\n 20\n1\n  0\nLINE\n"));
    CDxfGroup group;
    ASSERT_TRUE(file->ReadGroup(group));
    EXPECT_TRUE(group.Is(0, "LINE"));
}

TEST_F(EntityReader, NameWithoutReaderReadsNothing) {
    EXPECT_FALSE(Read("VIEWPORT", " 10\n1\n"));
    EXPECT_FALSE(Read("line", " 10\n1\n"));
    CDxfGroup group;
    ASSERT_TRUE(file->ReadGroup(group));
    EXPECT_EQ(group.code, 10);
    EXPECT_EQ(stream.ByteCount(), 0u);
}

struct StyleCase {
    const char* name;
    std::string groups;
    COLORREF color;
    LONG lineType;
    LONG width;
};

class EntityStyle : public EntityReader, public ::testing::WithParamInterface<StyleCase> {};

TEST_P(EntityStyle, ResolvesPenFromEntityAndLayer) {
    ASSERT_TRUE(Read("LINE", GetParam().groups + " 10\n0\n 20\n0\n 11\n1\n 21\n1\n"));
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(static_cast<COLORREF>(*r.Long(11)), GetParam().color);
    EXPECT_EQ(*r.Long(8), GetParam().lineType);
    EXPECT_EQ(*r.Long(10), GetParam().width);
}

INSTANTIATE_TEST_SUITE_P(
    EntityReader, EntityStyle,
    ::testing::Values(StyleCase{"LayerColour", "  8\nRed\n", 0x0000FF, 3, 35},
                      StyleCase{"OwnColour", "  8\nRed\n 62\n3\n", 0x00FF00, 3, 35},
                      StyleCase{"OwnBeforeLayer", " 62\n3\n  6\nHIDDEN\n  8\nRed\n", 0x00FF00, 15,
                                35},
                      StyleCase{"ByLayerNumber", "  8\nRed\n 62\n256\n", 0x0000FF, 3, 35},
                      StyleCase{"ByLayerUnknown", "  8\nGone\n 62\n256\n", 0xFFFFFF, 1, 0},
                      StyleCase{"UnknownLayer", "  8\nGone\n", 0xFFFFFF, 1, 0},
                      StyleCase{"LayerWithoutColour", "  8\nNoColour\n", 0xFFFFFF, 1, 0},
                      StyleCase{"ByBlock", "  8\nRed\n 62\n0\n", 0x80000000, 3, 35},
                      StyleCase{"ByLayerLineType", "  8\nRed\n  6\nByLayer\n", 0x0000FF, 3, 35},
                      StyleCase{"Continuous", "  8\nRed\n  6\nCONTINUOUS\n", 0x0000FF, 1, 35},
                      StyleCase{"OwnLineWeight", "370\n-3\n  8\nRed\n", 0x0000FF, 3, -3},
                      StyleCase{"DefaultLayer", "", 0xFFFFFF, 1, 0}),
    [](const auto& info) { return info.param.name; });

TEST_F(EntityReader, LayerZeroLinesOfABlockTakeTheBlockColour) {
    CPorStream block;
    block.SetName("B");
    block.SetBlockColor(0x00FF00);
    ASSERT_TRUE(Read("LINE", " 11\n1\n", block));
    ASSERT_TRUE(Read("LINE", "  8\nRed\n 11\n1\n", block));
    ASSERT_TRUE(Read("LINE", " 62\n5\n 11\n1\n", block));
    ASSERT_TRUE(Read("CIRCLE", " 40\n1\n", block));
    const auto records = Records(block);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(static_cast<COLORREF>(*records[0].Long(11)), 0x00FF00u);
    EXPECT_EQ(static_cast<COLORREF>(*records[1].Long(11)), 0x0000FFu);
    EXPECT_EQ(static_cast<COLORREF>(*records[2].Long(11)), 0xFF0000u);
    EXPECT_EQ(static_cast<COLORREF>(*records[3].Long(15)), 0xFFFFFFu);
}

TEST_F(EntityReader, PointWithColourSetsTheBlockColour) {
    CPorStream block;
    block.SetName("B");
    ASSERT_TRUE(Read("POINT", "  8\nRed\n", block));
    EXPECT_FALSE(block.BlockColor());
    ASSERT_TRUE(Read("POINT", " 62\n4\n", block));
    EXPECT_EQ(block.BlockColor(), 0xFFFF00u);
    ASSERT_TRUE(Read("POINT", " 62\n4\n"));
    EXPECT_FALSE(stream.BlockColor());
}

} // namespace
