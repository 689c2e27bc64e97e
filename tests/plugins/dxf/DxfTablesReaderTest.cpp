#include "plugins/dxf/CDxfTablesReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfTextDecoder.h"

#include <gtest/gtest.h>

namespace {

class TablesReader : public ::testing::Test {
protected:
    void Read(const std::string& text) {
        CDxfFile file(text);
        CDxfTablesReader(file, decoder, layers, lineTypes).Read();
        CDxfGroup group;
        rest = file.ReadGroup(group) ? std::string(group.value) : std::string();
    }

    CDxfTextDecoder decoder;
    CDxfLayerTable layers;
    CDxfLineTypeTable lineTypes;
    std::string rest;
};

TEST_F(TablesReader, LayerEntries) {
    Read("  0\nTABLE\n  2\nLAYER\n"
         "  0\nLAYER\n  2\nPlain\n"
         "  0\nLAYER\n  2\nHidden\n 62\n-7\n  6\nDASHED\n370\n50\n"
         "  0\nLAYER\n 62\n1\n"
         "  0\nENDTAB\n  0\nENDSEC\n  0\nSECTION\n");
    ASSERT_EQ(layers.Layers().size(), 2u);
    const CDxfLayer& plain = layers.Layers()[0];
    EXPECT_EQ(plain.name, "Plain");
    EXPECT_EQ(plain.color, PorByLayerColor);
    EXPECT_EQ(plain.lineType, 1);
    EXPECT_EQ(plain.lineWeight, 0);
    EXPECT_EQ(plain.visible, 1);
    const CDxfLayer& hidden = layers.Layers()[1];
    EXPECT_EQ(hidden.color, 0x000000u);
    EXPECT_EQ(hidden.visible, 0);
    EXPECT_EQ(hidden.lineType, 3);
    EXPECT_EQ(hidden.lineWeight, 50);
    EXPECT_EQ(rest, "SECTION");
}

TEST_F(TablesReader, LineTypeKeepsOnlyTheAnnouncedLengths) {
    Read("  0\nLTYPE\n  2\nTWO\n 49\n9\n 73\n2\n 49\n0.5\n 49\n-0.25\n 49\n0.125\n"
         "  0\nLTYPE\n  2\nSHORT\n 73\n4\n 49\n1\n"
         "  0\nLTYPE\n  2\nHUGE\n 73\n2147483647\n 49\n1\n"
         "  0\nLTYPE\n  2\nCONTINUOUS\n 73\n0\n"
         "  0\nLTYPE\n 73\n1\n 49\n1\n"
         "  0\nENDSEC\n");
    const auto& entries = lineTypes.LineTypes();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].elements, (std::vector<double>{0.5, -0.25}));
    EXPECT_EQ(entries[0].number, 1000);
    EXPECT_EQ(entries[1].elements, (std::vector<double>{1.0}));
    EXPECT_EQ(entries[1].number, 1001);
    EXPECT_EQ(entries[2].elements, (std::vector<double>{1.0}));
    EXPECT_EQ(entries[3].number, 1);
    EXPECT_EQ(lineTypes.GetLineTypeNo("two"), 1000);
}

TEST_F(TablesReader, OtherTablesAreSkipped) {
    Read("  0\nTABLE\n  2\nSTYLE\n  0\nSTYLE\n  2\nLAYER\n 62\n3\n  0\nENDTAB\n  0\nENDSEC\n");
    EXPECT_TRUE(layers.Layers().empty());
}

} // namespace
