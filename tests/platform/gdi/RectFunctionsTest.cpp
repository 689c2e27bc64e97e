#include "platform/gdi/RectFunctions.h"
#include "platform/gdi/CRect.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr LONG kMax = std::numeric_limits<LONG>::max();
constexpr LONG kMin = std::numeric_limits<LONG>::min();

struct PointInRectCase {
    POINT point;
    BOOL inside;
};

class PtInRectEdges : public testing::TestWithParam<PointInRectCase> {};

TEST_P(PtInRectEdges, HoldLeftAndTopButNotRightAndBottom) {
    const RECT rect{10, 20, 30, 40};
    EXPECT_EQ(PtInRect(&rect, GetParam().point), GetParam().inside);
    EXPECT_EQ(CRect(rect).PtInRect(GetParam().point), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PtInRectEdges,
    testing::Values(PointInRectCase{{10, 20}, TRUE}, PointInRectCase{{29, 39}, TRUE},
                    PointInRectCase{{30, 25}, FALSE}, PointInRectCase{{15, 40}, FALSE},
                    PointInRectCase{{9, 25}, FALSE}, PointInRectCase{{15, 19}, FALSE}));

TEST(RectFunctionsTest, AnInvertedRectangleIsEmptyAndHoldsNothing) {
    const RECT inverted{30, 40, 10, 20};
    EXPECT_TRUE(IsRectEmpty(&inverted));
    EXPECT_FALSE(PtInRect(&inverted, POINT{20, 30}));
    CRect normalized(inverted);
    normalized.NormalizeRect();
    EXPECT_EQ(normalized, CRect(10, 20, 30, 40));
}

TEST(RectFunctionsTest, IntersectionOfDisjointRectanglesIsZeroed) {
    const RECT a{0, 0, 10, 10};
    const RECT touching{10, 0, 20, 10};
    RECT result{1, 2, 3, 4};
    EXPECT_FALSE(IntersectRect(&result, &a, &touching));
    EXPECT_TRUE(IsRectEmpty(&result));
    EXPECT_EQ(result.left, 0);
    EXPECT_EQ(result.right, 0);
    const RECT overlapping{5, -5, 20, 5};
    EXPECT_TRUE(IntersectRect(&result, &a, &overlapping));
    EXPECT_EQ(CRect(result), CRect(5, 0, 10, 5));
}

TEST(RectFunctionsTest, UnionSkipsEmptyRectangles) {
    const RECT a{0, 0, 10, 10};
    const RECT empty{100, 100, 100, 200};
    RECT result;
    EXPECT_TRUE(UnionRect(&result, &a, &empty));
    EXPECT_EQ(CRect(result), CRect(a));
    const RECT b{-5, 5, 3, 20};
    EXPECT_TRUE(UnionRect(&result, &a, &b));
    EXPECT_EQ(CRect(result), CRect(-5, 0, 10, 20));
    EXPECT_FALSE(UnionRect(&result, &empty, &empty));
    EXPECT_TRUE(CRect(result).IsRectNull());
}

TEST(RectFunctionsTest, InflatingTheEmptyExtentsStopsAtTheEnds) {
    // An entity's fresh extents are (INT_MAX, INT_MIN): growing them must not wrap.
    RECT rect{kMax, kMax, kMin, kMin};
    EXPECT_TRUE(InflateRect(&rect, 2, 2));
    EXPECT_EQ(rect.left, kMax - 2);
    EXPECT_EQ(rect.right, kMin + 2);
    RECT huge{kMin + 1, 0, kMax - 1, 10};
    InflateRect(&huge, 5, 1);
    EXPECT_EQ(huge.left, kMin);
    EXPECT_EQ(huge.right, kMax);
    OffsetRect(&huge, 10, -10);
    EXPECT_EQ(huge.right, kMax);
    EXPECT_EQ(huge.top, -11);
    EXPECT_EQ(CRect(huge).Width(), kMax);
}

TEST(RectFunctionsTest, NormalizingSwapsOnlyTheInvertedEdges) {
    const RECT upsideDown = NormalizedRect(RECT{10, 90, 50, -20});
    EXPECT_EQ(upsideDown.left, 10);
    EXPECT_EQ(upsideDown.top, -20);
    EXPECT_EQ(upsideDown.right, 50);
    EXPECT_EQ(upsideDown.bottom, 90);
    const RECT mirrored = NormalizedRect(RECT{70, 1, 30, 2});
    EXPECT_EQ(mirrored.left, 30);
    EXPECT_EQ(mirrored.right, 70);
    EXPECT_EQ(mirrored.top, 1);
    EXPECT_EQ(mirrored.bottom, 2);
}

TEST(RectFunctionsTest, NullPointersAreRefused) {
    RECT rect{0, 0, 1, 1};
    EXPECT_FALSE(PtInRect(nullptr, POINT{0, 0}));
    EXPECT_FALSE(InflateRect(nullptr, 1, 1));
    EXPECT_FALSE(IntersectRect(&rect, nullptr, &rect));
    EXPECT_FALSE(UnionRect(nullptr, &rect, &rect));
    EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(RectFunctionsTest, CRectHelpers) {
    CRect rect(10, 20, 31, 41);
    EXPECT_EQ(rect.Width(), 21);
    EXPECT_EQ(rect.CenterPoint(), CPoint(20, 30));
    rect.DeflateRect(1, 1);
    EXPECT_EQ(rect, CRect(11, 21, 30, 40));
    EXPECT_EQ(CRect(kMin, 0, kMax, 0).CenterPoint().x, 0);
}

} // namespace
