#include "plugins/dxf/CDxfTablesReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfLayerTable.h"
#include "plugins/dxf/CDxfLineTypeTable.h"
#include "plugins/dxf/CDxfStyleTables.h"
#include "plugins/dxf/CDxfTextDecoder.h"

#include <gtest/gtest.h>

namespace {

class TablesReader : public ::testing::Test {
protected:
    void Read(const std::string& text) {
        CDxfFile file(text);
        CDxfTablesReader(file, decoder, layers, lineTypes, styles).Read();
        CDxfGroup group;
        rest = file.ReadGroup(group) ? std::string(group.value) : std::string();
    }

    CDxfTextDecoder decoder;
    CDxfLayerTable layers;
    CDxfLineTypeTable lineTypes;
    CDxfStyleTables styles;
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
    Read("  0\nTABLE\n  2\nAPPID\n  0\nAPPID\n  2\nLAYER\n 62\n3\n  0\nENDTAB\n  0\nENDSEC\n");
    EXPECT_TRUE(layers.Layers().empty());
}

TEST_F(TablesReader, TextStyles) {
    Read("  0\nSTYLE\n  2\nSimplex\n  3\nromans.shx\n 41\n0.8\n 50\n15\n 70\n4\n 62\n1\n"
         "  0\nSTYLE\n  2\nSTANDARD\n  3\nmsgothic.ttc\n"
         "  0\nSTYLE\n  3\nnameless.shx\n  0\nENDSEC\n");
    const CDxfTextStyle* simplex = styles.FindTextStyle("SIMPLEX");
    ASSERT_TRUE(simplex);
    EXPECT_EQ(simplex->fontFile, "romans");
    EXPECT_DOUBLE_EQ(simplex->widthFactor, 0.8);
    EXPECT_DOUBLE_EQ(simplex->obliqueAngle, 15.0);
    EXPECT_EQ(simplex->vertical, 1);
    const CDxfTextStyle* standard = styles.FindTextStyle("standard");
    ASSERT_TRUE(standard);
    EXPECT_EQ(standard->fontFile, "msgothic");
    EXPECT_EQ(standard->vertical, 0);
    EXPECT_DOUBLE_EQ(standard->widthFactor, 1.0);
    EXPECT_FALSE(styles.FindTextStyle(""));
}

TEST_F(TablesReader, DimensionStylesAndBlockRecords) {
    Read("  0\nDIMSTYLE\n  2\nISO\n 41\n2.5\n 40\n10\n176\n1\n341\n1F\n"
         "  0\nDIMSTYLE\n  2\nBare\n"
         "  0\nBLOCK_RECORD\n  5\n1F\n  2\n_ArchTick\n"
         "  0\nBLOCK_RECORD\n  5\n20\n  0\nENDSEC\n");
    const CDxfDimStyle* iso = styles.FindDimStyle("ISO");
    ASSERT_TRUE(iso);
    EXPECT_DOUBLE_EQ(iso->arrowSize, 2.5);
    EXPECT_DOUBLE_EQ(iso->overallScale, 10.0);
    EXPECT_EQ(iso->lineColor, 0x0000FFu);
    EXPECT_EQ(iso->leaderArrowBlock, "1F");
    EXPECT_FALSE(styles.FindDimStyle("iso"));
    const CDxfDimStyle* bare = styles.FindDimStyle("Bare");
    ASSERT_TRUE(bare);
    EXPECT_DOUBLE_EQ(bare->textHeight, 0.1);
    EXPECT_EQ(bare->lineColor, PorByLayerColor);
    EXPECT_EQ(styles.GetBlockNameByHandle("1F"), "_ArchTick");
    EXPECT_EQ(styles.GetBlockNameByHandle("20"), "");
    EXPECT_EQ(styles.GetBlockNameByHandle("1f"), "");
}

} // namespace
