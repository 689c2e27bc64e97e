// The cloud: arcs along each edge, outward whatever the vertex order,
// degenerate sizes and ratios that must still end, archive bodies and the
// outline on an image.
#include "entities/CRukCloud.h"

#include "entities/EntityKinds.h"
#include "platform/mfc/CArchiveException.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/CapturingDC.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <set>
#include <vector>

namespace {

using Points = std::vector<POINT>;

constexpr RECT kClip{0, 0, 1000, 1000};

CRukCloud CloudOf(const Points& vertices) {
    CRukCloud cloud;
    for (const POINT& vertex : vertices)
        cloud.AppendPoint(vertex.x, vertex.y);
    cloud.RecalcExtents();
    return cloud;
}

long CountOf(const Points& points, POINT wanted) {
    return std::count_if(points.begin(), points.end(),
                         [&](const POINT& p) { return p.x == wanted.x && p.y == wanted.y; });
}

TEST(CRukCloudTest, DefaultsAreThoseOfAHundredAndTenDegreeArc) {
    const CRukCloud cloud;
    EXPECT_EQ(cloud.GetKind(), kKindCloud);
    EXPECT_EQ(cloud.m_arcSize, 4000.0);
    EXPECT_EQ(cloud.m_arcRatio, 0.52056705);
    EXPECT_NEAR(4 * std::atan(cloud.m_arcRatio) * 57.29577950560105, 110.0, 1e-6);
}

TEST(CRukCloudTest, EdgeOfTenThousandGetsArcsOfFourFourAndTwoThousand) {
    CRukCloud cloud;
    cloud.AddEdgeArcs({0, 0}, {10000, 0});
    const Points& outline = cloud.m_outline;
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ(outline.front(), (POINT{0, 0}));
    EXPECT_EQ(outline.back(), (POINT{10000, 0}));
    // Each inner joint ends one arc and starts the next.
    EXPECT_EQ(CountOf(outline, {4000, 0}), 2);
    EXPECT_EQ(CountOf(outline, {8000, 0}), 2);
    EXPECT_EQ(CountOf(outline, {10000, 0}), 1);
}

TEST(CRukCloudTest, EdgeNoLongerThanTheArcSizeGetsOneArc) {
    CRukCloud cloud;
    cloud.AddEdgeArcs({0, 0}, {4000, 0});
    const Points& outline = cloud.m_outline;
    EXPECT_EQ(outline.front(), (POINT{0, 0}));
    EXPECT_EQ(outline.back(), (POINT{4000, 0}));
    // A 110-degree arc in 5-degree steps.
    EXPECT_EQ(outline.size(), 2u + 21u);
}

TEST(CRukCloudTest, ArcsBulgeOutwardsWhicheverWayTheVerticesRun) {
    const Points square{{0, 0}, {8000, 0}, {8000, 8000}, {0, 8000}};
    CRukCloud counterClockwise = CloudOf(square);
    CRukCloud clockwise = CloudOf({{0, 0}, {0, 8000}, {8000, 8000}, {8000, 0}});
    const auto asSet = [](const Points& points) {
        std::set<std::pair<LONG, LONG>> set;
        for (const POINT& p : points)
            set.insert({p.x, p.y});
        return set;
    };
    EXPECT_EQ(asSet(counterClockwise.m_outline), asSet(clockwise.m_outline));
    EXPECT_NE(counterClockwise.m_outline, clockwise.m_outline);
    EXPECT_LT(counterClockwise.m_minY, 0);
    EXPECT_LT(counterClockwise.m_minX, 0);
    EXPECT_GT(counterClockwise.m_maxX, 8000);
    EXPECT_GT(counterClockwise.m_maxY, 8000);
    EXPECT_EQ(clockwise.m_minY, counterClockwise.m_minY);
}

TEST(CRukCloudTest, FewerThanThreeVerticesKeepThePreviousOutline) {
    CRukCloud cloud = CloudOf({{0, 0}, {100, 0}, {0, 100}});
    const Points previous = cloud.m_outline;
    cloud.m_points.RemoveAt(2);
    EXPECT_EQ(cloud.RebuildOutline(nullptr), 0);
    EXPECT_EQ(cloud.m_outline, previous);
    CRukCloud empty;
    empty.m_points.Add(POINT{5, 5});
    FakeDocument document;
    CapturingDC dc;
    const CDrawDefaults settings;
    empty.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    EXPECT_TRUE(dc.m_shapes.empty());
    EXPECT_EQ(empty.HitTest(&dc, &document, 5, 5), 0);
}

struct DegenerateCase {
    const char* name;
    double arcSize;
    double arcRatio;
};

std::ostream& operator<<(std::ostream& out, const DegenerateCase& c) {
    return out << c.name;
}

class DegenerateCloud : public testing::TestWithParam<DegenerateCase> {};

TEST_P(DegenerateCloud, FinishesWithABoundedOutlineMendsEndlessLoops) {
    // A repeated vertex gives a zero chord, which is skipped.
    CRukCloud cloud = CloudOf({{0, 0}, {100000, 0}, {100000, 0}, {100000, 100000}, {0, 100000}});
    cloud.SetArcSize(GetParam().arcSize);
    cloud.SetArcRatio(GetParam().arcRatio);
    ASSERT_EQ(cloud.RebuildOutline(nullptr), 1);
    EXPECT_FALSE(cloud.m_outline.empty());
    // At most 10000 arcs per edge, each of at most 74 points.
    EXPECT_LE(cloud.m_outline.size(), 4u * 10000u * 74u);
    FakeDocument document;
    CapturingDC dc;
    EXPECT_EQ(cloud.HitTest(&dc, &document, 3, 0), 1);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Sizes, DegenerateCloud,
                         testing::Values(DegenerateCase{"ArcSizeZero", 0.0, 0.52056705},
                                         DegenerateCase{"ArcSizeBelowOne", 0.4, 0.52056705},
                                         DegenerateCase{"ArcSizeNegative", -50.0, 0.52056705},
                                         DegenerateCase{"ArcSizeNaN", kNaN, 0.52056705},
                                         DegenerateCase{"ArcSizeInfinite",
                                                        std::numeric_limits<double>::infinity(),
                                                        0.52056705},
                                         DegenerateCase{"RatioZero", 4000.0, 0.0},
                                         DegenerateCase{"RatioNegative", 4000.0, -1.0},
                                         DegenerateCase{"RatioNaN", 4000.0, kNaN},
                                         DegenerateCase{"RatioHuge", 4000.0, 1e300}),
                         testing::PrintToStringParamName());

TEST(CRukCloudTest, UsableSizeAndRatioAreClampedNotStored) {
    EXPECT_EQ(CRukCloud::UsableArcSize(0.0, 100.0), 1.0);
    EXPECT_EQ(CRukCloud::UsableArcSize(kNaN, 100.0), 1.0);
    EXPECT_EQ(CRukCloud::UsableArcSize(5.0, 1e9), 1e5);
    EXPECT_EQ(CRukCloud::UsableArcSize(4000.0, 10000.0), 4000.0);
    EXPECT_EQ(CRukCloud::UsableArcRatio(0.52056705), 0.52056705);
    EXPECT_GT(CRukCloud::UsableArcRatio(0.0), 0.0);
    EXPECT_EQ(CRukCloud::UsableArcRatio(kNaN), 0.52056705);
    CRukCloud cloud;
    cloud.SetArcSize(0.0);
    EXPECT_EQ(cloud.m_arcSize, 0.0);
}

// ---- Archive bodies

Bytes CloudBody(UINT schema, std::uint16_t fillType, std::uint8_t flag) {
    Bytes body;
    body.Word(3).Long(0).Long(0).Long(9000).Long(0).Long(0).Long(9000).Text("R");
    body.Word(1).Long(1000).Word(35).Long(0x0000FF).Word(fillType).Long(0x00FFFF);
    if (schema >= 1)
        body.Long(0xFF0000).Byte(flag);
    body.Byte(2).Text("m");
    const double size = 2500.0;
    const double ratio = 0.25;
    std::vector<BYTE> doubles(16);
    std::memcpy(doubles.data(), &size, 8);
    std::memcpy(doubles.data() + 8, &ratio, 8);
    body.Append(doubles);
    return body;
}

TEST(CRukCloudTest, SchemaOneRoundTripsAndSchemaZeroSettlesTheFlag) {
    CRukCloud cloud;
    LoadBody(cloud, CloudBody(1, 5, 1).Get(), 1);
    EXPECT_EQ(cloud.m_arcSize, 2500.0);
    EXPECT_EQ(cloud.m_arcRatio, 0.25);
    EXPECT_EQ(cloud.m_fillType, 5);
    EXPECT_EQ(cloud.m_transparent, 1);
    EXPECT_EQ(cloud.m_thirdColor, 0xFF0000u);
    EXPECT_EQ(cloud.m_savedFillColor, 0x00FFFFu);
    EXPECT_EQ(cloud.m_childFlag, 2);
    EXPECT_FALSE(cloud.m_outline.empty());
    EXPECT_LT(cloud.m_minX, 0);
    EXPECT_EQ(StoreBody(cloud), CloudBody(1, 5, 1).Get());

    CRukCloud old;
    LoadBody(old, CloudBody(0, 5, 0).Get(), 0);
    EXPECT_EQ(old.m_transparent, 0);
    EXPECT_EQ(old.m_thirdColor, 0xFFFFFFu);
    EXPECT_EQ(old.m_arcRatio, 0.25);
    try {
        const std::unique_ptr<CObject> loaded(
            LoadObject(ClassRecord(2, "CRukCloud").Append(CloudBody(1, 5, 1).Get()).Get()));
        FAIL() << "schema 2 was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

// Mended: a cloud read with vertices at the edge of the coordinate range
// overflowed adding the radius to an arc's centre. Its outline now stops at
// the edge of the range.
TEST(CRukCloudTest, MendedOutlineAtTheEdgeOfTheRangeSaturates) {
    constexpr LONG kHigh = std::numeric_limits<LONG>::max();
    constexpr LONG kLow = std::numeric_limits<LONG>::min();
    for (const Points& corner :
         {Points{{kHigh - 20000, kHigh - 20000}, {kHigh, kHigh - 20000}, {kHigh, kHigh}},
          Points{{kLow + 20000, kLow + 20000}, {kLow, kLow + 20000}, {kLow, kLow}}}) {
        CRukCloud written = CloudOf(corner);
        CRukCloud read;
        LoadBody(read, StoreBody(written), 1);
        ASSERT_FALSE(read.m_outline.empty());
        EXPECT_GE(static_cast<long long>(read.m_maxX) - read.m_minX, 20000);
    }
}

// ---- Pixels

TEST(CRukCloudTest, DrawsBulgingArcsOnAnImage) {
    CRukCloud cloud = CloudOf({{20, 20}, {100, 20}, {100, 100}, {20, 100}});
    cloud.SetArcSize(40.0);
    cloud.m_color = 0x000000;
    const QImage image = DrawnImage(120, 120, {&cloud});
    // The corners are on the outline; the straight edges between are not.
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(40, 20), qRgb(255, 255, 255));
    int outside = 0;
    for (int x = 20; x <= 100; ++x)
        for (int y = 0; y < 20; ++y)
            outside += image.pixel(x, y) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_GT(outside, 20);
}

} // namespace
