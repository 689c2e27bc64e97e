#include "plugins/dxf/CDxfLineTypeTable.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* name;
    int number;
};

class StandardLineType : public ::testing::TestWithParam<NameCase> {};

TEST_P(StandardLineType, HasItsNumber) {
    CDxfLineTypeTable table;
    EXPECT_EQ(table.GetLineTypeNo(GetParam().name), GetParam().number) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    DxfLineTypes, StandardLineType,
    ::testing::Values(NameCase{"CONTINUOUS", 1}, NameCase{"continuous", 1}, NameCase{"ByLayer", 1},
                      NameCase{"byblock", 1}, NameCase{"DASHED2", 2}, NameCase{"DASHED", 3},
                      NameCase{"DASHEDX2", 4}, NameCase{"DOT2", 5}, NameCase{"DOT", 6},
                      NameCase{"DOTX2", 7}, NameCase{"CENTER", 8}, NameCase{"CENTER2", 9},
                      NameCase{"CENTERX2", 10}, NameCase{"PHANTOM2", 11}, NameCase{"PHANTOM", 12},
                      NameCase{"PHANTOMX2", 13}, NameCase{"HIDDEN2", 14}, NameCase{"HIDDEN", 15},
                      NameCase{"HIDDENX2", 16}, NameCase{"DASHDOT2", 17}, NameCase{"DASHDOT", 18},
                      NameCase{"DASHDOTX2", 19}, NameCase{"BORDER2", 20}, NameCase{"BORDER", 21},
                      NameCase{"BORDERX2", 22}, NameCase{"DIVIDE2", 23}, NameCase{"DIVIDE", 24},
                      NameCase{"DIVIDEX2", 25}));

TEST(DxfLineTypes, UnknownNameKeepsTheNumberOfItsFirstCall) {
    CDxfLineTypeTable table;
    EXPECT_EQ(table.GetLineTypeNo("dashed"), 1000);
    EXPECT_EQ(table.GetLineTypeNo("ZIGZAG"), 1001);
    EXPECT_EQ(table.GetLineTypeNo("Dashed"), 1000);
    EXPECT_EQ(table.GetLineTypeNo("zigzag"), 1001);
    EXPECT_EQ(table.GetLineTypeNo("WAVE"), 1002);
}

TEST(DxfLineTypes, TableEntryIsFoundInAnyCase) {
    CDxfLineTypeTable table;
    table.Add({"Dashed", {0.5, -0.25}, 1000});
    table.Add({"dashed", {}, 1001});
    EXPECT_EQ(table.GetLineTypeNo("dashed"), 1000);
    EXPECT_EQ(table.GetLineTypeNo("DASHED"), 3);
}

} // namespace
