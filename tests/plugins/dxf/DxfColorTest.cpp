#include "plugins/dxf/DxfColor.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct AciCase {
    int aci;
    COLORREF color;
};

class AciColor : public ::testing::TestWithParam<AciCase> {};

TEST_P(AciColor, GivesItsColorRef) {
    int visible = 1;
    EXPECT_EQ(AciToColor(GetParam().aci, &visible), GetParam().color) << GetParam().aci;
    EXPECT_EQ(visible, 1);
}

INSTANTIATE_TEST_SUITE_P(
    DxfColor, AciColor,
    ::testing::Values(AciCase{0, 0x80000000}, AciCase{1, 0x0000FF}, AciCase{2, 0x00FFFF},
                      AciCase{3, 0x00FF00}, AciCase{4, 0xFFFF00}, AciCase{5, 0xFF0000},
                      AciCase{6, 0xFF00FF}, AciCase{7, 0x000000}, AciCase{8, 0x646464},
                      AciCase{9, 0xBEBEBE}, AciCase{10, 0x0000FF}, AciCase{11, 0x7F7FFF},
                      AciCase{12, 0x0000CC}, AciCase{13, 0x6666CC}, AciCase{30, 0x0080FF},
                      AciCase{31, 0x7FBFFF}, AciCase{100, 0x40FF00}, AciCase{249, 0x1F1933},
                      AciCase{250, 0x333333}, AciCase{251, 0x5B5B5B}, AciCase{252, 0x848484},
                      AciCase{253, 0xADADAD}, AciCase{254, 0xD6D6D6}, AciCase{255, 0xFFFFFF},
                      AciCase{256, 0x70000000}, AciCase{257, 0x000000}, AciCase{1000, 0x000000}));

TEST(DxfColor, NegativeIndexIsALayerSwitchedOff) {
    int visible = 1;
    EXPECT_EQ(AciToColor(-1, &visible), 0x0000FFu);
    EXPECT_EQ(visible, 0);
    visible = 1;
    EXPECT_EQ(AciToColor(-31, &visible), 0x7FBFFFu);
    EXPECT_EQ(visible, 0);
    EXPECT_EQ(AciToColor(INT_MIN, &visible), 0x000000u);
    EXPECT_EQ(AciToColor(-7), 0x000000u);
}

} // namespace
