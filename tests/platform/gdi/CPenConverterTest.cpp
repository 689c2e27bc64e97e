#include "platform/gdi/CPenConverter.h"
#include "platform/gdi/CPen.h"

#include <gtest/gtest.h>

namespace {

struct DashCase {
    std::vector<qreal> lengths;
    bool solid;
    QList<qreal> pattern;
    qreal offset;
};

class StyleArrays : public testing::TestWithParam<DashCase> {};

TEST_P(StyleArrays, BecomeQtPatterns) {
    const DashCase& c = GetParam();
    const std::optional<CPenConverter::Dashes> dashes = CPenConverter::ToDashes(c.lengths);
    ASSERT_EQ(!dashes.has_value(), c.solid);
    if (!dashes)
        return;
    EXPECT_EQ(dashes->pattern, c.pattern);
    EXPECT_DOUBLE_EQ(dashes->offset, c.offset);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StyleArrays,
    testing::Values(DashCase{{10, 5}, false, {10, 5}, 0},
                    // Odd counts run twice, dashes and gaps swapped the second time.
                    DashCase{{5}, false, {5, 5}, 0},
                    DashCase{{1, 2, 3}, false, {1, 2, 3, 1, 2, 3}, 0},
                    // A zero gap joins its dashes; no gap left is a solid line.
                    DashCase{{4, 0}, true, {}, 0}, DashCase{{3, 0, 2, 1}, false, {5, 1}, 0},
                    DashCase{{2, 0, 0, 3}, false, {2, 3}, 0},
                    // Starting with an empty dash: the line starts 4 into {3, 3}.
                    DashCase{{0, 2, 3, 1}, false, {3, 3}, 4},
                    // The last dash runs into the first one.
                    DashCase{{2, 1, 3, 0}, false, {5, 1}, 3},
                    // No dash at all draws nothing.
                    DashCase{{0, 5}, false, {}, 0}));

ExtLogPen Geometric(DWORD style, DWORD width, std::vector<DWORD> lengths = {}) {
    CPen pen;
    const LOGBRUSH brush{BS_SOLID, RGB(0, 0, 255), 0};
    EXPECT_TRUE(pen.ExtCreatePen(PS_GEOMETRIC | style, width, brush,
                                 static_cast<DWORD>(lengths.size()),
                                 lengths.empty() ? nullptr : lengths.data()));
    ExtLogPen description;
    pen.GetExtLogPen(&description);
    return description;
}

ExtLogPen Simple(int style, int width) {
    CPen pen;
    EXPECT_TRUE(pen.CreatePen(style, width, RGB(255, 0, 0)));
    ExtLogPen description;
    pen.GetExtLogPen(&description);
    return description;
}

TEST(CPenConverterTest, UserStylesCountInPenWidths) {
    const QPen pen =
        CPenConverter::ToQPen(Geometric(PS_ENDCAP_FLAT | PS_USERSTYLE, 5, {10, 5}), 1.0);
    EXPECT_EQ(pen.width(), 5);
    EXPECT_EQ(pen.capStyle(), Qt::FlatCap);
    EXPECT_EQ(pen.style(), Qt::CustomDashLine);
    EXPECT_EQ(pen.dashPattern(), (QList<qreal>{2, 1}));
    EXPECT_EQ(pen.color(), QColor(0, 0, 255));
}

TEST(CPenConverterTest, UserStylesScaleWithTheMapping) {
    // Width 5 and lengths {10, 5} at 2 pixels per unit: 10 pixels wide, {20, 10}.
    const QPen wide =
        CPenConverter::ToQPen(Geometric(PS_ENDCAP_FLAT | PS_USERSTYLE, 5, {10, 5}), 2.0);
    EXPECT_EQ(wide.width(), 10);
    EXPECT_EQ(wide.dashPattern(), (QList<qreal>{2, 1}));
    // Width 0 is one pixel: lengths become pixels.
    const QPen thin =
        CPenConverter::ToQPen(Geometric(PS_ENDCAP_FLAT | PS_USERSTYLE, 0, {4, 2}), 3.0);
    EXPECT_EQ(thin.width(), 0);
    EXPECT_EQ(thin.dashPattern(), (QList<qreal>{12, 6}));
}

TEST(CPenConverterTest, GeometricCapsAndJoinsFollowTheStyle) {
    const QPen square = CPenConverter::ToQPen(Geometric(PS_ENDCAP_SQUARE | PS_JOIN_MITER, 4), 1.0);
    EXPECT_EQ(square.capStyle(), Qt::SquareCap);
    EXPECT_EQ(square.joinStyle(), Qt::MiterJoin);
    EXPECT_EQ(square.style(), Qt::SolidLine);
    const QPen round = CPenConverter::ToQPen(Geometric(PS_SOLID, 4), 1.0);
    EXPECT_EQ(round.capStyle(), Qt::RoundCap);
    EXPECT_EQ(round.joinStyle(), Qt::RoundJoin);
}

TEST(CPenConverterTest, SimplePens) {
    const QPen thin = CPenConverter::ToQPen(Simple(PS_SOLID, 0), 0.01);
    EXPECT_EQ(thin.width(), 0);
    EXPECT_EQ(thin.capStyle(), Qt::FlatCap);
    // Width in logical units: 5 at half scale is 2.5 pixels, rounded to 3.
    const QPen wide = CPenConverter::ToQPen(Simple(PS_SOLID, 5), 0.5);
    EXPECT_EQ(wide.width(), 3);
    EXPECT_EQ(wide.capStyle(), Qt::RoundCap);
    const QPen dashed = CPenConverter::ToQPen(Simple(PS_DASH, 1), 1.0);
    EXPECT_EQ(dashed.dashPattern(), (QList<qreal>{18, 6}));
    // Dash styles hold only for one-pixel pens.
    const QPen wideDashed = CPenConverter::ToQPen(Simple(PS_DASH, 3), 1.0);
    EXPECT_EQ(wideDashed.style(), Qt::SolidLine);
    EXPECT_EQ(CPenConverter::ToQPen(Simple(PS_NULL, 1), 1.0).style(), Qt::NoPen);
}

TEST(CPenConverterTest, InvalidPensAreNotCreated) {
    CPen pen;
    const LOGBRUSH solid{BS_SOLID, 0, 0};
    const DWORD zeros[2] = {0, 0};
    const DWORD one[1] = {4};
    EXPECT_FALSE(pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, solid, 2, zeros));
    EXPECT_FALSE(pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, solid, 0, one));
    EXPECT_FALSE(pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, solid, 1, nullptr));
    EXPECT_FALSE(pen.ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 1, solid, 1, one));
    EXPECT_FALSE(pen.ExtCreatePen(PS_COSMETIC | PS_SOLID, 3, solid, 0, nullptr));
    const std::vector<DWORD> tooMany(CPen::kMaxUserStyles + 1, 2);
    EXPECT_FALSE(pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, solid,
                                  static_cast<DWORD>(tooMany.size()), tooMany.data()));
    EXPECT_FALSE(pen.CreatePen(9, 1, 0));
    EXPECT_FALSE(pen.CreatePen(PS_SOLID, -1, 0));
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    const std::vector<DWORD> most(CPen::kMaxUserStyles, 2);
    EXPECT_TRUE(pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE, 1, solid,
                                 static_cast<DWORD>(most.size()), most.data()));
}

} // namespace
