#include "plugins/dxf/CPorTransform.h"

#include "DxfTestSupport.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "por/PorWord.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Bytes(const PorRecordBuilder& record) {
    return {record.Bytes().begin(), record.Bytes().end()};
}

std::vector<BYTE> Placed(const PorRecordBuilder& record, const CPorTransform& transform) {
    std::vector<BYTE> bytes = Bytes(record);
    transform.Apply(bytes);
    return bytes;
}

LONG WordOf(const std::vector<BYTE>& bytes, int word) {
    return LoadPorWord(bytes.data() + 4 * word);
}

std::vector<LONG> WordsOf(const std::vector<BYTE>& bytes, int first, int count) {
    std::vector<LONG> words;
    for (int i = first; i < first + count; ++i) {
        words.push_back(WordOf(bytes, i));
    }
    return words;
}

TEST(PorTransform, LineIsScaledTurnedAndMoved) {
    PorRecordBuilder line(PorLine::Type);
    line.Set(PorLine::End, POINT{1000, 0});
    const auto placed = Placed(line, CPorTransform(5000, 5000, 2, 2, 90, 1000));
    // 90 x 0.017453292522222223 lies just above a right angle.
    EXPECT_EQ(WordsOf(placed, 4, 4), (std::vector<LONG>{5000, 5000, 4999, 7000}));
}

struct WidthCase {
    LONG type;
    double xScale, yScale;
    LONG width;
};

class PolylineWidth : public ::testing::TestWithParam<WidthCase> {};

TEST_P(PolylineWidth, IsMultipliedByTheSmallerWholeScale) {
    const WidthCase& c = GetParam();
    PorRecordBuilder record(c.type);
    record.Set(PorPolyline::Pen, PorPen{1, 1000, 10, 0});
    const POINT points[] = {{1000, 0}, {0, 1000}};
    record.Set(PorPolyline::Points, points);
    const auto placed = Placed(record, CPorTransform(0, 0, c.xScale, c.yScale, 0, 1000));
    EXPECT_EQ(WordOf(placed, 6), c.width);
    EXPECT_EQ(WordsOf(placed, 19, 5), (std::vector<LONG>{2, static_cast<LONG>(1000 * c.xScale), 0,
                                                         0, static_cast<LONG>(1000 * c.yScale)}));
}

INSTANTIATE_TEST_SUITE_P(PorTransform, PolylineWidth,
                         ::testing::Values(WidthCase{PorPolyline::Type, 0.5, 0.5, 0},
                                           WidthCase{PorPolyline::Type, 2.7, 3, 20},
                                           WidthCase{PorPolyline::Type, -2, 2, 20},
                                           WidthCase{PorPolygon::Type, 3, -2, 20},
                                           WidthCase{PorCSpline::Type, 2, 2, 20},
                                           WidthCase{PorSpline::Type, 2, 2, 10}));

class MirroredArc : public ::testing::TestWithParam<LONG> {};

TEST_P(MirroredArc, KeepsRunningCounterClockwise) {
    PorRecordBuilder arc(GetParam());
    const POINT corners[] = {{-1000, 1000}, {-1000, -1000}, {1000, -1000}, {1000, 1000}};
    arc.Set(PorArcBase::Corners, corners);
    arc.Set(PorArcBase::Start, POINT{1000, 0});
    arc.Set(PorArcBase::End, POINT{0, 1000});
    const auto placed = Placed(arc, CPorTransform(0, 0, -1, 1, 0, 1000));
    // The quarter from 0 to 90 degrees becomes the quarter from 90 to 180.
    EXPECT_EQ(WordsOf(placed, 12, 4), (std::vector<LONG>{0, 1000, -1000, 0}));
    EXPECT_EQ(WordsOf(placed, 4, 8),
              (std::vector<LONG>{1000, 1000, 1000, -1000, -1000, -1000, -1000, 1000}));
}

INSTANTIATE_TEST_SUITE_P(PorTransform, MirroredArc, ::testing::Values(PorArc::Type, PorEArc::Type));

struct TextCase {
    LONG rotation;
    double angle, xScale, yScale;
    LONG placedRotation;
};

class TextRotation : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextRotation, StaysWithinATurn) {
    PorRecordBuilder text(PorText::Type);
    text.Set(PorText::Angle, GetParam().rotation);
    const auto placed = Placed(
        text, CPorTransform(0, 0, GetParam().xScale, GetParam().yScale, GetParam().angle, 1000));
    EXPECT_EQ(WordOf(placed, PorText::Angle.word), GetParam().placedRotation);
}

INSTANTIATE_TEST_SUITE_P(PorTransform, TextRotation,
                         ::testing::Values(TextCase{0, 30, 1, -1, 2100}, TextCase{0, 30, 1, 1, 300},
                                           TextCase{0, 0, -1, 1, 1800}, TextCase{0, 0, -1, -1, 0},
                                           TextCase{3500, 30, 1, 1, 200},
                                           TextCase{0, -400, 1, 1, 3200}));

TEST(PorTransform, TextBoxStaysAxisParallel) {
    PorRecordBuilder text(PorText::Type);
    text.Set(PorText::First, POINT{0, 0});
    text.Set(PorText::Second, POINT{1000, 200});
    text.Set(PorText::Height, 200);
    const auto placed = Placed(text, CPorTransform(0, 0, 1, -1, 30, 1000));
    EXPECT_EQ(WordsOf(placed, 4, 4), (std::vector<LONG>{100, 27, 1100, -173}));
    EXPECT_EQ(WordOf(placed, PorText::Height.word), 200);
}

TEST(PorTransform, ImageFrameMovesAllEightPoints) {
    PorRecordBuilder frame(PorIFrame::Type);
    std::vector<POINT> points;
    for (LONG i = 0; i < 8; ++i) {
        points.push_back({i * 1000, 0});
    }
    frame.Set(PorIFrame::Frame, points);
    const auto placed = Placed(frame, CPorTransform(0, 500, 1, 1, 0, 1000));
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(WordOf(placed, 6 + 2 * i), i * 1000);
        EXPECT_EQ(WordOf(placed, 7 + 2 * i), 500) << "frame point " << i;
    }
}

TEST(PorTransform, NurbsControlPointsMoveAndWeightsStay) {
    PorRecordBuilder nurbs(PorNurbs::Type);
    const POINT points[] = {{0, 0}, {1000, 1000}};
    nurbs.Set(PorNurbs::ControlPoints, points);
    const LONG tail[] = {2, 1000, 1000, 2, 0, 1000};
    nurbs.AppendLongs(tail);
    const auto placed = Placed(nurbs, CPorTransform(7000, 0, 1, 1, 0, 1000));
    EXPECT_EQ(WordsOf(placed, 20, 5), (std::vector<LONG>{2, 7000, 0, 8000, 1000}));
    EXPECT_EQ(WordsOf(placed, 25, 6), (std::vector<LONG>(std::begin(tail), std::end(tail))));
}

// The x of every dot, nested records included, in record order.
std::vector<LONG> DotXs(const PorRecord& record) {
    std::vector<LONG> xs;
    if (record.Type() == PorDot::Type) {
        xs.push_back(record.Get(PorDot::Position)->x);
    } else if (record.Type() == PorInsert::Type) {
        PorRecordWalker children = PorRecordWalker::Nested(record, PorInsert::Children);
        while (const auto child = children.Next()) {
            const auto nested = DotXs(*child);
            xs.insert(xs.end(), nested.begin(), nested.end());
        }
    }
    return xs;
}

TEST(PorTransform, NestedInsertsAreEachPlacedOnce) {
    PorRecordBuilder dot(PorDot::Type);
    dot.Set(PorDot::Position, POINT{1000, 0});
    PorRecordBuilder inner(PorInsert::Type);
    inner.Append(PorInsert::Children, dot.Bytes());
    PorRecordBuilder middle(PorInsert::Type);
    middle.Append(PorInsert::Children, inner.Bytes());
    middle.Append(PorInsert::Children, dot.Bytes());
    PorRecordBuilder outer(PorInsert::Type);
    outer.Append(PorInsert::Children, middle.Bytes());

    const auto placed = Placed(outer, CPorTransform(100, 0, 1, 1, 0, 1000));
    EXPECT_EQ(DotXs(*PorRecord::Frame(placed)), (std::vector<LONG>{1100, 1100}));
}

TEST(PorTransform, HatchBoundariesAndPatternLinesArePlaced) {
    PorRecordBuilder hatch(PorHatch::Type);
    hatch.Set(PorHatch::LoopCount, 2);
    hatch.Set(PorHatch::Kind, PorHatch::PatternKind);
    hatch.Set(PorHatch::PatternCount, 1);
    const LONG loops[] = {
        0, 0, 1, 2,                                     // loop head: two edges
        1, 0, 0, 0, 1000, 0, 0, 0, 0, 0,                // line (0, 0)-(1000, 0)
        5, 0, 0, 0, 0,    0, 0, 2, 0, 1000, 1000, 1000, // polyline of two points
        0, 0, 1, 1,                                     // loop head: one edge
        9, 0, 0, 0, 0,    0, 0, 1, 5, 5,                // unknown edge: nothing further moves
    };
    hatch.AppendLongs(loops);
    hatch.Set(PorHatch::FillOffset, static_cast<LONG>(hatch.Size()));
    const LONG pattern[] = {4500, 1000, 0, 0, 500, 13, 0xFF, 2, 300, -100};
    hatch.AppendLongs(pattern);

    const auto placed = Placed(hatch, CPorTransform(10000, 0, 2, 2, 90, 1000));
    const int first = PorHatch::FixedSize / 4;
    // Line edge: (0, 0) -> (10000, 0); (1000, 0) -> (10000, 2000) within a unit.
    EXPECT_EQ(WordsOf(placed, first + 6, 2), (std::vector<LONG>{10000, 0}));
    EXPECT_NEAR(WordOf(placed, first + 8), 9999, 1);
    EXPECT_EQ(WordOf(placed, first + 9), 2000);
    // Polyline edge points: (0, 1000) and (1000, 1000).
    EXPECT_NEAR(WordOf(placed, first + 22), 8000, 1);
    EXPECT_NEAR(WordOf(placed, first + 23), 0, 1);
    EXPECT_NEAR(WordOf(placed, first + 24), 8000, 1);
    EXPECT_NEAR(WordOf(placed, first + 25), 2000, 1);
    // The unknown edge stops the walk.
    EXPECT_EQ(WordsOf(placed, first + 38, 2), (std::vector<LONG>{5, 5}));
    // Pattern line: turned by 90 degrees, base point placed, offset turned
    // and scaled, dashes scaled along the line.
    const int line = first + static_cast<int>(std::size(loops));
    EXPECT_EQ(WordOf(placed, line), 13500);
    EXPECT_NEAR(WordOf(placed, line + 1), 10000, 1);
    EXPECT_EQ(WordOf(placed, line + 2), 2000);
    EXPECT_EQ(WordOf(placed, line + 3), -1000);
    EXPECT_NEAR(WordOf(placed, line + 4), 0, 1);
    EXPECT_EQ(WordsOf(placed, line + 5, 5), (std::vector<LONG>{13, 0xFF, 2, 600, -200}));
}

TEST(PorTransform, MirroredHatchArcEdgeTradesItsEndsMendsClockwiseArc) {
    PorRecordBuilder hatch(PorHatch::Type);
    hatch.Set(PorHatch::LoopCount, 1);
    const LONG loop[] = {
        0,     0,    0,     1,                           // loop head: one edge
        2,     1,    1000,  0,     0,    1000,  0,    4, // arc from (1000, 0) to (0, 1000)
        -1000, 1000, -1000, -1000, 1000, -1000, 1000, 1000,
    };
    hatch.AppendLongs(loop);
    hatch.Set(PorHatch::FillOffset, static_cast<LONG>(hatch.Size()));
    const auto placed = Placed(hatch, CPorTransform(0, 0, -1, 1, 0, 1000));
    // Mirrored in x the quarter lies between (0, 1000) and (-1000, 0), and
    // still runs counter-clockwise from its start.
    EXPECT_EQ(WordsOf(placed, PorHatch::FixedSize / 4 + 6, 4),
              (std::vector<LONG>{0, 1000, -1000, 0}));
}

TEST(PorTransform, CountsBeyondTheRecordMoveOnlyWhatIsThere) {
    PorRecordBuilder polyline(PorPolyline::Type);
    const POINT points[] = {{1000, 0}};
    polyline.Set(PorPolyline::Points, points);
    std::vector<BYTE> bytes = Bytes(polyline);
    StorePorWord(bytes.data() + 4 * PorPolyline::Points.word, 1000000);
    CPorTransform(0, 1000, 1, 1, 0, 1000).Apply(bytes);
    EXPECT_EQ(WordsOf(bytes, 20, 2), (std::vector<LONG>{1000, 1000}));

    PorRecordBuilder insert(PorInsert::Type);
    insert.SetLong(PorInsert::Children.word, 3);
    insert.AppendLongs(std::vector<LONG>{PorDot::Type, 4000});
    std::vector<BYTE> nested = Bytes(insert);
    CPorTransform(0, 1000, 1, 1, 0, 1000).Apply(nested);
    EXPECT_EQ(nested, Bytes(insert));
}

TEST(PorTransform, OtherRecordsStayAsTheyAre) {
    PorRecordBuilder group(PorGroup::Type);
    group.Append(PorGroup::Members, CString("1A"));
    EXPECT_EQ(Placed(group, CPorTransform(5000, 5000, 2, 2, 45, 1000)), Bytes(group));
}

} // namespace
