#include "plugins/dxf/CDxfPrimitiveEmitter.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/CPorStream.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using DxfTest::Records;

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

TEST_F(PrimitiveEmitter, DegenerateEllipticArcIsLeftOutButBounded) {
    emitter.WriteEllipse({1, 1}, {2, 0}, 0.0, 0, 1.0, pen, tag, false, stream);
    EXPECT_EQ(stream.ByteCount(), 0u);
    EXPECT_EQ(stream.RecordCount(), 0u);
    // The axis point at 0 degrees: the middle of the box's right side.
    ExpectBounds(3000, 1000, 3000, 1000);
}

} // namespace
