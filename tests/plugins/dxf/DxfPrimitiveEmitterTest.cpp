#include "plugins/dxf/CDxfPrimitiveEmitter.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

using DxfTest::Records;

// The three point-list records, each with its open and closed type.
enum class Kind { Polyline, Spline, Nurbs };

struct KindTypes {
    LONG open;
    LONG closed;
    int pointsWord;
};

KindTypes TypesOf(Kind kind) {
    switch (kind) {
    case Kind::Polyline:
        return {PorPolyline::Type, PorPolygon::Type, PorPolyline::Points.word};
    case Kind::Spline:
        return {PorSpline::Type, PorCSpline::Type, PorSpline::Points.word};
    default:
        return {PorNurbs::Type, PorCNurbs::Type, PorNurbs::ControlPoints.word};
    }
}

std::string KindName(Kind kind) {
    switch (kind) {
    case Kind::Polyline:
        return "Polyline";
    case Kind::Spline:
        return "Spline";
    default:
        return "Nurbs";
    }
}

const auto AllKinds = ::testing::Values(Kind::Polyline, Kind::Spline, Kind::Nurbs);

class PrimitiveEmitter : public ::testing::Test {
protected:
    PrimitiveEmitter() { header.scale = 1000; }

    // The record's words from index first on.
    static std::vector<LONG> Words(const PorRecord& record, int first, int count) {
        std::vector<LONG> words;
        for (int i = first; i < first + count; ++i) {
            words.push_back(*record.Long(i));
        }
        return words;
    }
    static std::string Text(const PorRecord& record, std::size_t offset, std::size_t length) {
        const auto bytes = record.Bytes().subspan(offset, length);
        return std::string(bytes.begin(), bytes.end());
    }
    static bool ZeroBetween(const PorRecord& record, std::size_t from, std::size_t to) {
        const auto bytes = record.Bytes().subspan(from, to - from);
        return std::all_of(bytes.begin(), bytes.end(), [](BYTE b) { return b == 0; });
    }
    void ExpectBounds(LONG minX, LONG minY, LONG maxX, LONG maxY) const {
        const CPorBounds& b = stream.Bounds();
        EXPECT_FALSE(b.empty);
        EXPECT_EQ((std::vector<LONG>{b.minX, b.minY, b.maxX, b.maxY}),
                  (std::vector<LONG>{minX, minY, maxX, maxY}));
    }

    void Emit(Kind kind, std::span<const DPOINT> points, int closedFlag, unsigned arrows) {
        switch (kind) {
        case Kind::Polyline:
            emitter.WritePolyline(points, closedFlag, pen, tag, false, stream, arrows);
            break;
        case Kind::Spline:
            emitter.WriteSpline(points, closedFlag, pen, tag, stream, arrows);
            break;
        case Kind::Nurbs:
            emitter.WriteNurbs(points, {}, {}, 3, closedFlag, pen, tag, stream, arrows);
            break;
        }
    }

    CDxfHeader header;
    CDxfPrimitiveEmitter emitter{header};
    CPorStream stream;
    const CDxfPen pen{3, 0.5, 25, 0x123456};
    const CDxfEntityTag tag{"1F", "Walls"};
};

TEST_F(PrimitiveEmitter, LineLayout) {
    emitter.WriteLine({1.5, -2.0009}, {0, 0}, pen, tag, stream);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 1u);
    const PorRecord& r = records[0];
    EXPECT_EQ(r.Size(), 94u + 2 + 5);
    EXPECT_EQ(Words(r, 0, 14),
              (std::vector<LONG>{3, 101, 2, 92, 1500, -2000, 0, 0, 3, 500, 25, 0x123456, 5, 95}));
    EXPECT_TRUE(ZeroBetween(r, 56, 92));
    EXPECT_EQ(Text(r, 92, 9), std::string("1F\0Walls\0", 9));
    EXPECT_EQ(stream.RecordCount(), 1u);
    ExpectBounds(0, -2000, 1500, 0);
}

TEST_F(PrimitiveEmitter, CoordinatesSaturate) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    emitter.WriteLine({1e300, -1e300}, {nan, std::numeric_limits<double>::infinity()}, pen, tag,
                      stream);
    EXPECT_EQ(Words(Records(stream)[0], 4, 4),
              (std::vector<LONG>{INT32_MAX, INT32_MIN, 0, INT32_MAX}));
}

TEST_F(PrimitiveEmitter, PointLayout) {
    header.pointMode = 34;
    header.pointSize = 0.25;
    emitter.WritePoint({2, 3}, 0x80000000, tag, stream);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 66u + 2 + 5);
    EXPECT_EQ(Words(r, 0, 11), (std::vector<LONG>{21, 73, 2, 64, 2000, 3000, 34, 250,
                                                  static_cast<LONG>(0x80000000), 5, 67}));
    EXPECT_TRUE(ZeroBetween(r, 44, 64));
    EXPECT_EQ(Text(r, 64, 9), std::string("1F\0Walls\0", 9));
}

TEST_F(PrimitiveEmitter, TraceTakesCornersOneTwoFourThreeWithoutWidth) {
    emitter.WriteTrace({DPOINT{0, 0}, {1, 0}, {0, 2}, {1, 2}}, pen, tag, stream);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 114u + 2 + 5);
    EXPECT_EQ(Words(r, 2, 12),
              (std::vector<LONG>{2, 112, 3, 500, 0, 0x123456, 0, 0x123456, 0x123456, 5, 115, 1}));
    EXPECT_EQ(Words(r, 19, 9), (std::vector<LONG>{4, 0, 0, 1000, 0, 1000, 2000, 0, 2000}));
}

struct SolidCase {
    const char* name;
    std::array<DPOINT, 4> corners;
    std::vector<LONG> points; // count, then x, y pairs
};

class SolidCorners : public PrimitiveEmitter, public ::testing::WithParamInterface<SolidCase> {};

TEST_P(SolidCorners, AreWrittenFilled) {
    emitter.WriteSolid(GetParam().corners, pen, tag, stream);
    const PorRecord r = Records(stream)[0];
    const LONG n = GetParam().points[0];
    EXPECT_EQ(r.Size(), static_cast<std::size_t>(82 + 8 * n + 2 + 5));
    EXPECT_EQ(Words(r, 4, 7), (std::vector<LONG>{3, 500, 25, 0x123456, 3, 0x123456, 0x123456}));
    EXPECT_EQ(Words(r, 19, 1 + 2 * n), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(PrimitiveEmitter, SolidCorners,
                         ::testing::Values(SolidCase{"FourthEqualsFirst",
                                                     {DPOINT{0, 0}, {1, 0}, {0, 1}, {0, 0}},
                                                     {3, 0, 0, 1000, 0, 0, 1000}},
                                           SolidCase{"FourthEqualsThird",
                                                     {DPOINT{0, 0}, {1, 0}, {0, 1}, {0, 1}},
                                                     {4, 0, 0, 1000, 0, 0, 1000, 0, 1000}},
                                           SolidCase{"Quadrilateral",
                                                     {DPOINT{0, 0}, {1, 0}, {0, 1}, {1, 1}},
                                                     {4, 0, 0, 1000, 0, 1000, 1000, 0, 1000}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PrimitiveEmitter, CircleLayoutAndFill) {
    emitter.WriteCircle({-1, 2}, {3, -4}, pen, tag, true, stream);
    emitter.WriteCircle({-1, 2}, {3, -4}, pen, tag, false, stream);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Size(), 110u + 2 + 5);
    EXPECT_EQ(Words(records[0], 0, 22),
              (std::vector<LONG>{9,    117,      2,        108,  -1000, 2000, -1000, -4000,
                                 3000, -4000,    3000,     2000, 3,     500,  25,    0x123456,
                                 3,    0x123456, 0x123456, 5,    111,   1}));
    EXPECT_EQ(Words(records[1], 16, 3), (std::vector<LONG>{0, 0, 0}));
    ExpectBounds(-1000, -4000, 3000, 2000);
}

struct ArcBoundsCase {
    double start, end;
    LONG minX, minY, maxX, maxY;
};

class ArcBounds : public PrimitiveEmitter, public ::testing::WithParamInterface<ArcBoundsCase> {};

TEST_P(ArcBounds, TakeTheEndsAndTheAxisPointsPassed) {
    const ArcBoundsCase& c = GetParam();
    emitter.WriteArc({0, 0}, 1, c.start, c.end, pen, tag, stream);
    ExpectBounds(c.minX, c.minY, c.maxX, c.maxY);
}

INSTANTIATE_TEST_SUITE_P(PrimitiveEmitter, ArcBounds,
                         ::testing::Values(ArcBoundsCase{350, 10, 984, -173, 1000, 173},
                                           ArcBoundsCase{10, 80, 173, 173, 984, 984},
                                           ArcBoundsCase{45, 135, -707, 707, 707, 1000},
                                           ArcBoundsCase{-90, 0, 0, -1000, 1000, 0},
                                           ArcBoundsCase{100, 350, -1000, -1000, 984, 984}));

TEST_F(PrimitiveEmitter, ArcLayout) {
    emitter.WriteArc({10, 20}, 5, 0, 90, pen, tag, stream);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 126u + 2 + 5);
    // 90 x 0.017453292522222223 lies just above a right angle: the end's x
    // falls a little short of the centre and is truncated.
    EXPECT_EQ(Words(r, 0, 22),
              (std::vector<LONG>{11,    133,   2,     124,      5000,  25000, 5000, 15000,
                                 15000, 15000, 15000, 25000,    15000, 20000, 9999, 25000,
                                 3,     500,   25,    0x123456, 5,     127}));
}

TEST_F(PrimitiveEmitter, EllipseSpanOfAFullTurnIsAWholeEllipse) {
    emitter.WriteEllipse({0, 0}, {2, 0}, 0.5, 0, 6.2831853, pen, tag, true, stream);
    emitter.WriteEllipse({0, 0}, {2, 0}, 0.5, 0, 6.28318, pen, tag, true, stream);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Type(), PorEllipse::Type);
    EXPECT_EQ(records[0].Size(), 110u + 2 + 5);
    EXPECT_EQ(Words(records[0], 4, 8),
              (std::vector<LONG>{-2000, -1000, 2000, -1000, 2000, 1000, -2000, 1000}));
    EXPECT_EQ(Words(records[0], 16, 3), (std::vector<LONG>{3, 0x123456, 0x123456}));
    EXPECT_EQ(records[1].Type(), PorEArc::Type);
    EXPECT_EQ(records[1].Size(), 126u + 2 + 5);
}

TEST_F(PrimitiveEmitter, EllipticArcIsTurnedWithItsMajorAxis) {
    emitter.WriteEllipse({10, 0}, {0, 2}, 0.5, 0, 3.14159, pen, tag, false, stream);
    const PorRecord r = Records(stream)[0];
    // Corners (-A, -B), (A, -B), (A, B), (-A, B), then the start and end
    // points, turned by 90 degrees about (10, 0); truncation may take a unit.
    const std::vector<LONG> expected{11000, -2000, 11000, 2000, 9000,  2000,
                                     9000,  -2000, 10000, 2000, 10000, -2000};
    const std::vector<LONG> actual = Words(r, 4, 12);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(actual[i], expected[i], 1) << "word " << 4 + i;
    }
}

TEST_F(PrimitiveEmitter, EllipticArcIsBoundedByItsOwnEnds) {
    // From 30 to 60 degrees of parameter: the axis point of the start's
    // quadrant, (2, 0), and the ends (1.73, 0.5) and (1, 0.87).
    emitter.WriteEllipse({0, 0}, {2, 0}, 0.5, 0.5235987755982988, 1.0471975511965976, pen, tag,
                         false, stream);
    ExpectBounds(1000, 0, 2000, 866);
}

TEST_F(PrimitiveEmitter, DegenerateEllipticArcIsLeftOutButBounded) {
    emitter.WriteEllipse({1, 1}, {2, 0}, 0.0, 0, 1.0, pen, tag, false, stream);
    EXPECT_EQ(stream.ByteCount(), 0u);
    EXPECT_EQ(stream.RecordCount(), 0u);
    // The axis point at 0 degrees (the middle of the box's right side) and
    // the arc's end at parameter 1.
    ExpectBounds(2080, 1000, 3000, 1000);
}

const DPOINT Path[] = {{0, 0}, {1, 2}, {-3, 4.5}};
constexpr unsigned BothArrows =
    CDxfPrimitiveEmitter::ArrowAtStart | CDxfPrimitiveEmitter::ArrowAtEnd;

TEST_F(PrimitiveEmitter, OpenPolylineLayout) {
    emitter.WritePolyline(Path, 0, pen, tag, true, stream, BothArrows);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 1u);
    const PorRecord& r = records[0];
    EXPECT_EQ(r.Size(), 82u + 24 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 12),
              (std::vector<LONG>{5, 113, 2, 104, 3, 500, 25, 0x123456, 5, 107, 3, 3}));
    EXPECT_TRUE(ZeroBetween(r, 48, 76));
    EXPECT_EQ(Words(r, 19, 7), (std::vector<LONG>{3, 0, 0, 1000, 2000, -3000, 4500}));
    EXPECT_EQ(Text(r, 104, 9), std::string("1F\0Walls\0", 9));
    EXPECT_EQ(stream.RecordCount(), 1u);
    ExpectBounds(-3000, 0, 1000, 4500);
}

TEST_F(PrimitiveEmitter, FilledPolygonLayoutTakesNoArrows) {
    emitter.WritePolyline(Path, 1, pen, tag, true, stream, BothArrows);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 82u + 24 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 14), (std::vector<LONG>{6, 113, 2, 104, 3, 500, 25, 0x123456, 3, 0x123456,
                                                  0x123456, 5, 107, 1}));
    EXPECT_TRUE(ZeroBetween(r, 56, 76));
    EXPECT_EQ(Words(r, 19, 7), (std::vector<LONG>{3, 0, 0, 1000, 2000, -3000, 4500}));
    EXPECT_EQ(Text(r, 104, 9), std::string("1F\0Walls\0", 9));
    ExpectBounds(-3000, 0, 1000, 4500);
}

TEST_F(PrimitiveEmitter, UnfilledPolygonWritesNoFill) {
    emitter.WritePolyline(Path, 1, pen, tag, false, stream, 0);
    EXPECT_EQ(Words(Records(stream)[0], 8, 3), (std::vector<LONG>{0, 0, 0}));
}

TEST_F(PrimitiveEmitter, PolylinePointsSaturate) {
    const DPOINT far[] = {{1e300, -1e300}, {std::numeric_limits<double>::quiet_NaN(), 1}};
    emitter.WritePolyline(far, 0, pen, tag, false, stream, 0);
    EXPECT_EQ(Words(Records(stream)[0], 19, 5),
              (std::vector<LONG>{2, INT32_MAX, INT32_MIN, 0, 1000}));
    ExpectBounds(0, INT32_MIN, INT32_MAX, 1000);
}

TEST_F(PrimitiveEmitter, ClosedSplineIsSolidAndUnfilled) {
    emitter.WriteSpline(Path, 1, pen, tag, stream, BothArrows);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 82u + 24 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 14),
              (std::vector<LONG>{30, 113, 2, 104, 1, 500, 25, 0x123456, 0, 0, 0, 5, 107, 1}));
    EXPECT_TRUE(ZeroBetween(r, 56, 76));
    EXPECT_EQ(Words(r, 19, 7), (std::vector<LONG>{3, 0, 0, 1000, 2000, -3000, 4500}));
    EXPECT_EQ(Text(r, 104, 9), std::string("1F\0Walls\0", 9));
    ExpectBounds(-3000, 0, 1000, 4500);
}

TEST_F(PrimitiveEmitter, OpenSplineKeepsItsLineType) {
    emitter.WriteSpline(Path, 0, pen, tag, stream, CDxfPrimitiveEmitter::ArrowAtEnd);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 82u + 24 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 12),
              (std::vector<LONG>{29, 113, 2, 104, 3, 500, 25, 0x123456, 5, 107, 0, 3}));
    EXPECT_TRUE(ZeroBetween(r, 48, 76));
    EXPECT_EQ(Words(r, 19, 7), (std::vector<LONG>{3, 0, 0, 1000, 2000, -3000, 4500}));
    EXPECT_EQ(Text(r, 104, 9), std::string("1F\0Walls\0", 9));
}

TEST_F(PrimitiveEmitter, OpenNurbsLayoutPadsItsWeights) {
    const DPOINT points[] = {{0, 0}, {1, 1}, {2, 0}};
    const double knots[] = {0, 0, 0, 1.0019, 1.0019, 2.5};
    const double weights[] = {1, 0.5};
    emitter.WriteNurbs(points, knots, weights, 2, 0, pen, tag, stream,
                       CDxfPrimitiveEmitter::ArrowAtStart);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 1u);
    const PorRecord& r = records[0];
    // Three points, their three weights and six knots, each with its count.
    EXPECT_EQ(r.Size(), 90u + 36 + 28 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 12),
              (std::vector<LONG>{38, 161, 2, 152, 3, 500, 25, 0x123456, 5, 155, 3, 0}));
    EXPECT_TRUE(ZeroBetween(r, 48, 76));
    EXPECT_EQ(Words(r, 19, 19), (std::vector<LONG>{2, 3, 0, 0, 1000, 1000, 2000, 0, 3, 1000, 500,
                                                   1000, 6, 0, 0, 0, 1001, 1001, 2500}));
    EXPECT_EQ(Text(r, 152, 9), std::string("1F\0Walls\0", 9));
    EXPECT_EQ(stream.RecordCount(), 1u);
    ExpectBounds(0, 0, 2000, 1000);
}

TEST_F(PrimitiveEmitter, ClosedNurbsLayoutCutsItsWeightsAndKeepsAKnotWord) {
    const DPOINT points[] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    const double weights[] = {2, 3, 4, 5, 6, 7};
    emitter.WriteNurbs(points, {}, weights, 3, 1, pen, tag, stream, BothArrows);
    const PorRecord r = Records(stream)[0];
    // No knots: the count 0 and one zero word.
    EXPECT_EQ(r.Size(), 90u + 48 + 8 + 2 + 5);
    EXPECT_EQ(Words(r, 0, 14),
              (std::vector<LONG>{39, 153, 2, 144, 3, 500, 25, 0x123456, 0, 0, 0, 5, 147, 1}));
    EXPECT_TRUE(ZeroBetween(r, 56, 76));
    EXPECT_EQ(Words(r, 19, 17), (std::vector<LONG>{3, 4, 0, 0, 1000, 0, 1000, 1000, 0, 1000, 4,
                                                   2000, 3000, 4000, 5000, 0, 0}));
    EXPECT_EQ(Text(r, 144, 9), std::string("1F\0Walls\0", 9));
    ExpectBounds(0, 0, 1000, 1000);
}

struct WeightCase {
    const char* name;
    std::vector<double> given;
    std::vector<LONG> written;
};

class NurbsWeights : public PrimitiveEmitter, public ::testing::WithParamInterface<WeightCase> {};

TEST_P(NurbsWeights, AreOnePerControlPoint) {
    const DPOINT points[] = {{0, 0}, {1, 1}, {2, 0}};
    const double knots[] = {0, 1};
    emitter.WriteNurbs(points, knots, GetParam().given, 2, 0, pen, tag, stream, 0);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Size(), 90u + 36 + 12 + 2 + 5);
    PorCursor cursor = r.CursorAt(PorNurbs::ControlPoints.word * 4);
    ASSERT_TRUE(cursor.PointList().has_value());
    EXPECT_EQ(cursor.LongList(), GetParam().written);
    EXPECT_EQ(cursor.LongList(), (std::vector<LONG>{0, 1000}));
    EXPECT_EQ(cursor.Offset(), static_cast<std::size_t>(*r.Long(3)));
}

INSTANTIATE_TEST_SUITE_P(PrimitiveEmitter, NurbsWeights,
                         ::testing::Values(WeightCase{"None", {}, {1000, 1000, 1000}},
                                           WeightCase{"Fewer", {0.9999}, {999, 1000, 1000}},
                                           WeightCase{"Exact", {0.25, 1, 4}, {250, 1000, 4000}},
                                           WeightCase{"More", {2, 3, 4, 5}, {2000, 3000, 4000}},
                                           WeightCase{"Saturated",
                                                      {1e300, -1e300,
                                                       std::numeric_limits<double>::quiet_NaN()},
                                                      {INT32_MAX, INT32_MIN, 0}}),
                         [](const auto& info) { return info.param.name; });

TEST_F(PrimitiveEmitter, NurbsKnotsAreTruncatedAndSaturate) {
    const DPOINT points[] = {{0, 0}, {1, 1}};
    const double knots[] = {-0.0019, 0.0019, 1e300, -1e300};
    emitter.WriteNurbs(points, knots, {}, 1, 0, pen, tag, stream, 0);
    PorCursor cursor = Records(stream)[0].CursorAt(PorNurbs::ControlPoints.word * 4);
    ASSERT_TRUE(cursor.PointList().has_value());
    ASSERT_TRUE(cursor.LongList().has_value());
    EXPECT_EQ(cursor.LongList(), (std::vector<LONG>{-1, 1, INT32_MAX, INT32_MIN}));
}

struct ClosingCase {
    const char* name;
    int flag;
    std::size_t pointCount;
    bool closed;
};

class ClosedFlags : public PrimitiveEmitter,
                    public ::testing::WithParamInterface<std::tuple<Kind, ClosingCase>> {};

TEST_P(ClosedFlags, CloseOnTheLowBitSaveExactlyOneOnTwoPoints) {
    const auto [kind, c] = GetParam();
    const std::vector<DPOINT> points(Path, Path + c.pointCount);
    Emit(kind, points, c.flag, 0);
    const auto records = Records(stream);
    ASSERT_EQ(records.size(), 1u);
    const KindTypes types = TypesOf(kind);
    EXPECT_EQ(records[0].Type(), c.closed ? types.closed : types.open);
    EXPECT_EQ(records[0].Long(types.pointsWord), static_cast<LONG>(c.pointCount));
}

INSTANTIATE_TEST_SUITE_P(
    PrimitiveEmitter, ClosedFlags,
    ::testing::Combine(AllKinds,
                       ::testing::Values(ClosingCase{"OneOnTwoPoints", 1, 2, false},
                                         ClosingCase{"FlagsOnTwoPoints", 129, 2, true},
                                         ClosingCase{"ThreeOnTwoPoints", 3, 2, true},
                                         ClosingCase{"AllBitsOnTwoPoints", -1, 2, true},
                                         ClosingCase{"ZeroOnTwoPoints", 0, 2, false},
                                         ClosingCase{"OneOnThreePoints", 1, 3, true},
                                         ClosingCase{"HighBitOnThreePoints", 128, 3, false},
                                         ClosingCase{"TwoOnThreePoints", 2, 3, false})),
    [](const auto& info) {
        return KindName(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

class TooFewPoints : public PrimitiveEmitter,
                     public ::testing::WithParamInterface<std::tuple<Kind, std::size_t>> {};

TEST_P(TooFewPoints, WriteAndCountNothing) {
    const auto [kind, count] = GetParam();
    const std::vector<DPOINT> points(Path, Path + count);
    Emit(kind, points, 1, BothArrows);
    EXPECT_EQ(stream.ByteCount(), 0u);
    EXPECT_EQ(stream.RecordCount(), 0u);
    EXPECT_TRUE(stream.Bounds().empty);
}

INSTANTIATE_TEST_SUITE_P(PrimitiveEmitter, TooFewPoints,
                         ::testing::Combine(AllKinds,
                                            ::testing::Values(std::size_t{0}, std::size_t{1})),
                         [](const auto& info) {
                             return KindName(std::get<0>(info.param)) +
                                    std::to_string(std::get<1>(info.param)) + "Points";
                         });

struct ArrowCase {
    const char* name;
    unsigned arrows;
    LONG start;
    LONG end;
};

class ArrowFlags : public PrimitiveEmitter,
                   public ::testing::WithParamInterface<std::tuple<Kind, ArrowCase>> {};

TEST_P(ArrowFlags, AskForAnArrowAtEachEndOfAnOpenRecord) {
    const auto [kind, c] = GetParam();
    Emit(kind, Path, 0, c.arrows);
    const PorRecord r = Records(stream)[0];
    EXPECT_EQ(r.Get(PorOpenHead::StartArrow), c.start);
    EXPECT_EQ(r.Get(PorOpenHead::EndArrow), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    PrimitiveEmitter, ArrowFlags,
    ::testing::Combine(AllKinds,
                       ::testing::Values(ArrowCase{"None", 0, 0, 0}, ArrowCase{"Start", 0x01, 3, 0},
                                         ArrowCase{"End", 0x10, 0, 3},
                                         ArrowCase{"Both", 0x11, 3, 3},
                                         ArrowCase{"OtherBits", 0x0E, 0, 0},
                                         ArrowCase{"AllBits", 0xFFFFFFFF, 3, 3})),
    [](const auto& info) {
        return KindName(std::get<0>(info.param)) + std::get<1>(info.param).name;
    });

} // namespace
