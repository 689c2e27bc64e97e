// The contrast and grey colour rules.
#include "entities/ColorRules.h"

#include <gtest/gtest.h>

namespace {

struct ContrastCase {
    COLORREF color;
    COLORREF background;
    COLORREF expected;
};

class ContrastColor : public testing::TestWithParam<ContrastCase> {};

TEST_P(ContrastColor, TurnsOnlyAColourEqualToItsBackground) {
    const ContrastCase& c = GetParam();
    EXPECT_EQ(GetContrastColor(c.color, c.background), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ContrastColor,
    testing::Values(
        ContrastCase{0xFFFFFF, 0xFFFFFF, 0x000000}, ContrastCase{0x000000, 0x000000, 0xFFFFFF},
        // Luminance 129 and 127 on either side of the threshold, 128 on it.
        ContrastCase{0x818181, 0x818181, 0x000000}, ContrastCase{0x7F7F7F, 0x7F7F7F, 0xFFFFFF},
        ContrastCase{0x808080, 0x808080, 0x000000}, ContrastCase{0x0000FF, 0xFFFFFF, 0x0000FF},
        // R 255, G 100: 0.3 x 255 + 0.59 x 100 = 135.5 is light; the same
        // values in B and G give 0.11 x 255 + 59 = 87.05, dark.
        ContrastCase{RGB(255, 100, 0), RGB(255, 100, 0), 0x000000},
        ContrastCase{RGB(0, 100, 255), RGB(0, 100, 255), 0xFFFFFF},
        // Green weighs 0.59: 150.45.
        ContrastCase{RGB(0, 255, 0), RGB(0, 255, 0), 0x000000}));

struct GrayCase {
    COLORREF color;
    COLORREF expected;
};

class GrayColor : public testing::TestWithParam<GrayCase> {};

TEST_P(GrayColor, WeighsTheChannels) {
    EXPECT_EQ(ToGrayColor(GetParam().color), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, GrayColor,
                         testing::Values(GrayCase{0xFFFFFF, 0xFFFFFF}, GrayCase{0x000000, 0x000000},
                                         GrayCase{RGB(255, 0, 0), 0x4C4C4C}, // 76.245
                                         GrayCase{RGB(0, 255, 0), 0x959595}, // 149.685
                                         GrayCase{RGB(0, 0, 255), 0x1D1D1D}, // 29.07
                                         GrayCase{RGB(0x12, 0x34, 0x56), 0x2D2D2D},
                                         // "No fill colour" reads as its low bytes.
                                         GrayCase{0xFFFFFFFE, 0xFEFEFE}));

} // namespace
