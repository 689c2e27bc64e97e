#include "plugins/dxf/CDxfToleranceEmitter.h"

#include "DxfTestSupport.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using DxfTest::Children;
using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

const std::string Gothic = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";

// A DIMSTYLE whose text height is 2.5.
const std::string Tables = "  0\nSECTION\n  2\nTABLES\n"
                           "  0\nDIMSTYLE\n  2\nISO-25\n140\n2.5\n"
                           "  0\nENDSEC\n";

std::string Tolerance(const std::string& text, const std::string& groups = "") {
    return "  0\nTOLERANCE\n  5\nT1\n  8\nGDT\n 62\n1\n 10\n10\n 20\n20\n" + groups + "  1\n" +
           text + "\n";
}

using XY = std::pair<LONG, LONG>;

XY At(const std::optional<POINT>& point) {
    return point ? XY{point->x, point->y} : XY{};
}

std::vector<XY> At(const std::optional<std::vector<POINT>>& points) {
    std::vector<XY> pairs;
    for (const POINT& point : points.value_or(std::vector<POINT>{}))
        pairs.emplace_back(point.x, point.y);
    return pairs;
}

// The only record of a drawing, which must outlive it.
PorRecord Single(const DxfTest::Drawing& drawing) {
    EXPECT_EQ(drawing.records.size(), 1u);
    return drawing.records.at(0);
}

struct CellCase {
    const char* name;
    std::string text;
    std::vector<std::string> cells;
};

void PrintTo(const CellCase& cells, std::ostream* out) {
    *out << cells.name;
}

class ToleranceCells : public ::testing::TestWithParam<CellCase> {};

TEST_P(ToleranceCells, AreThePiecesBetweenTheMarks) {
    EXPECT_EQ(CDxfToleranceEmitter::Cells(GetParam().text), GetParam().cells);
}

INSTANTIATE_TEST_SUITE_P(
    Tolerance, ToleranceCells,
    ::testing::Values(CellCase{"One", "A", {"A"}}, CellCase{"Empty", "", {}},
                      CellCase{"OnlyMarks", "%%v%%v", {}},
                      CellCase{"EmptyCellsSkipped", "%%vA%%v%%vB%%v", {"A", "B"}},
                      CellCase{"PercentBeforeMark", "5%%%v6", {"5%", "6"}},
                      CellCase{"TwoByteCell", "\x83\xB3%%v1", {"\x83\xB3", "1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tolerance, EachCellIsATextInAFrameLaidOutLeftToRight) {
    const auto drawing = DrawingOf(
        Tables + EntitiesSection(Tolerance("A%%v0.05", "  3\nISO-25\n  6\nDASHED\n 48\n2\n")));
    const PorRecord insert = Single(drawing);
    ASSERT_EQ(insert.Type(), PorInsert::Type);
    EXPECT_EQ(insert.Get(PorInsert::Id), "T1");
    EXPECT_EQ(insert.Get(PorInsert::Layer), "GDT");
    const auto cells = Children(insert);
    ASSERT_EQ(cells.size(), 4u);

    // Cells 3.75 high (1.5 times the style's text height), one height wide
    // per byte, centred on the insertion point's y.
    EXPECT_EQ(cells[0].Type(), PorText::Type);
    EXPECT_EQ(cells[0].Get(PorText::Text), "A");
    EXPECT_EQ(cells[0].Get(PorText::FaceName), CString(Gothic));
    EXPECT_EQ(At(cells[0].Get(PorText::First)), XY(10000, 21875));
    EXPECT_EQ(At(cells[0].Get(PorText::Second)), XY(13750, 18125));
    EXPECT_EQ(cells[0].Get(PorText::Color), COLORREF{0x0000FF});
    EXPECT_EQ(cells[0].Get(PorText::Angle), 0);

    EXPECT_EQ(cells[1].Type(), PorPolygon::Type);
    const std::vector<XY> frame{{10000, 21875}, {13750, 21875}, {13750, 18125}, {10000, 18125}};
    EXPECT_EQ(At(cells[1].Get(PorPolygon::Points)), frame);
    // Frames are continuous lines without width, whatever the entity's line
    // type; the line-type scale is the entity's.
    EXPECT_EQ(*cells[1].Get(PorPolygon::Pen), (PorPen{1, 2000, 0, 0x0000FF}));
    EXPECT_EQ(cells[1].Get(PorPolygon::Fill)->type, 0);
    EXPECT_EQ(cells[1].Get(PorPolygon::Transparent), 1);
    EXPECT_EQ(cells[1].Get(PorPolygon::Layer), "GDT");
    EXPECT_EQ(cells[1].Get(PorPolygon::Id), "T1");

    EXPECT_EQ(cells[2].Get(PorText::Text), "0.05");
    EXPECT_EQ(At(cells[2].Get(PorText::First)), XY(13750, 21875));
    EXPECT_EQ(At(cells[2].Get(PorText::Second)), XY(28750, 18125));
}

struct HeightCase {
    const char* name;
    std::string style;
    LONG top;
};

void PrintTo(const HeightCase& height, std::ostream* out) {
    *out << height.name;
}

class ToleranceHeights : public ::testing::TestWithParam<HeightCase> {};

TEST_P(ToleranceHeights, ComeFromTheDimensionStyle) {
    const auto drawing = DrawingOf(Tables + EntitiesSection(Tolerance("A", GetParam().style)));
    const auto cells = Children(Single(drawing));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].Get(PorText::First)->y, GetParam().top);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, ToleranceHeights,
                         ::testing::Values(HeightCase{"NamedStyle", "  3\nISO-25\n", 20000 + 1875},
                                           HeightCase{"NameComparedExactly", "  3\niso-25\n",
                                                      20000 + 50},
                                           HeightCase{"UnknownStyle", "  3\nNONE\n", 20000 + 50},
                                           HeightCase{"NoStyle", "", 20000 + 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Tolerance, MendedTextHeightIsScaledLikeEveryOtherText) {
    // Written in tenths of a point, the text would be drawn a thirty-fifth
    // of its frame's height.
    const auto drawing = DrawingOf(Tables + EntitiesSection(Tolerance("A", "  3\nISO-25\n")));
    const auto cells = Children(Single(drawing));
    ASSERT_FALSE(cells.empty());
    EXPECT_EQ(cells[0].Get(PorText::Height), 3750);
}

struct TurnCase {
    const char* name;
    std::string direction;
    LONG angle;
};

void PrintTo(const TurnCase& turn, std::ostream* out) {
    *out << turn.name;
}

class ToleranceTurns : public ::testing::TestWithParam<TurnCase> {};

TEST_P(ToleranceTurns, FollowTheDirectionVector) {
    const auto drawing = DrawingOf(EntitiesSection(Tolerance("A", GetParam().direction)));
    const auto cells = Children(Single(drawing));
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(cells[0].Get(PorText::Angle), GetParam().angle);
}

INSTANTIATE_TEST_SUITE_P(Tolerance, ToleranceTurns,
                         ::testing::Values(TurnCase{"Up", " 11\n0\n 21\n1\n", 900},
                                           TurnCase{"Left", " 11\n-1\n 21\n0\n", 1800},
                                           TurnCase{"Right", " 11\n1\n 21\n0\n", 0},
                                           TurnCase{"None", "", 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Tolerance, TurnedCellsTurnTheirFramesAboutTheInsertionPoint) {
    const auto drawing = DrawingOf(EntitiesSection(Tolerance("AB", " 11\n0\n 21\n1\n")));
    const auto cells = Children(Single(drawing));
    ASSERT_EQ(cells.size(), 2u);
    const auto frame = *cells[1].Get(PorPolygon::Points);
    ASSERT_EQ(frame.size(), 4u);
    // The cell (0, 0.05)..(0.2, -0.05) turned a quarter about (10, 20).
    const POINT expected[] = {{9950, 20000}, {9950, 20200}, {10050, 20200}, {10050, 20000}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(frame[i].x, expected[i].x, 1) << i;
        EXPECT_NEAR(frame[i].y, expected[i].y, 1) << i;
    }
}

TEST(Tolerance, MendedCaretStartsARowUnderTheFirstWithoutItsLetter) {
    const auto drawing = DrawingOf(
        Tables + EntitiesSection(Tolerance("AB%%vC%%v^J{\\Fgdt;a}%%vD", "  3\nISO-25\n")));
    const auto cells = Children(Single(drawing));
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[4].Get(PorText::Text), "a");
    EXPECT_EQ(cells[4].Get(PorText::FaceName), "CSC Tolerance");
    // One line step (1.67 heights) lower, back at the insertion point's x.
    EXPECT_EQ(At(cells[4].Get(PorText::First)), XY(10000, 21875 - 6262));
    EXPECT_EQ(cells[6].Get(PorText::Text), "D");
    EXPECT_EQ(cells[6].Get(PorText::First)->x, 13750);
}

TEST(Tolerance, MendedInABlockIsPlacedFromTheBlockBase) {
    const std::string dxf = "  0\nSECTION\n  2\nBLOCKS\n"
                            "  0\nBLOCK\n  2\nDatum\n 10\n5\n 20\n5\n"
                            "  0\nTOLERANCE\n  8\n0\n 10\n5\n 20\n5\n  1\nA\n"
                            "  0\nENDBLK\n  0\nENDSEC\n" +
                            EntitiesSection("  0\nINSERT\n  8\n0\n  2\nDatum\n 10\n30\n 20\n30\n");
    const auto drawing = DrawingOf(dxf);
    const auto placed = Children(Single(drawing));
    ASSERT_EQ(placed.size(), 1u);
    const auto cells = Children(placed[0]);
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(At(cells[0].Get(PorText::First)), XY(30000, 30050));
}

TEST(Tolerance, MendedWithoutCellsWritesNoEmptyReference) {
    // An empty reference would stretch the drawing's extent to its origin.
    EXPECT_EQ(DxfTest::DumpText(EntitiesSection(Tolerance("%%v%%v") + Tolerance("{}"))), "null\n");
}

} // namespace
