// Solid, hatched and tiled fills and externally defined hatches, bounded by
// composite curves.

#include "SxfTestSupport.h"
#include "plugins/sxf/CSxfFillHatching.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;
using SxfTest::Types;
using SxfTest::Words;

// A composite curve of one closed polyline of five vertices around (x, y).
std::string Square(int id, int x, int display, int colour = 0) {
    const std::string xs = "(" + std::to_string(x) + "," + std::to_string(x + 10) + "," +
                           std::to_string(x + 10) + "," + std::to_string(x) + "," +
                           std::to_string(x) + ")";
    return Feature(id, "polyline_feature('0','0','1','0','5','" + xs + "','(0,0,10,10,0)')") +
           Feature(id + 1, "composite_curve_org_feature('" + std::to_string(colour) +
                               "','1','0','" + std::to_string(display) + "')");
}

TEST(SxfFillColour, ASolidFillOfOneClosedPolyline) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'F\\'','1')") + Square(10, 0, 1) +
        Feature(50, "fill_area_style_colour_feature('1','2','1','0','()')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(Types(drawing), (std::vector<LONG>{PorHatch::Type, PorPolyline::Type}));
    const PorRecord& hatch = drawing[0];
    EXPECT_EQ(hatch.Size(), 48u + 16 + 72 + 2); // not padded
    EXPECT_EQ(hatch.Long(4), 1);
    EXPECT_EQ(hatch.Long(5), 48 + 16 + 72);
    EXPECT_EQ(*hatch.Get(PorHatch::Color), RGB(255, 0, 0));
    EXPECT_EQ(hatch.Long(7), 1);
    EXPECT_EQ(hatch.Long(8), 0);
    EXPECT_EQ(hatch.Long(9), 0);
    EXPECT_EQ(hatch.Long(10), 0);
    EXPECT_EQ(hatch.Long(11), 1);
    const std::vector<LONG> words = Words(hatch.Bytes());
    EXPECT_EQ(std::vector<LONG>(words.begin() + 12, words.begin() + 24),
              (std::vector<LONG>{0, 0, 0, 1, 5, 0, 0, 0, 0, 0, 0, 5}));
    EXPECT_EQ(words[24], 0);
    EXPECT_EQ(words[26], 10000);
    EXPECT_EQ(hatch.Get(PorHatch::Layer), "F");
    // The outline drawn as well, on the fill's layer.
    EXPECT_EQ(drawing[1].Get(PorPolyline::Layer), "F");
}

TEST(SxfFillColour, HolesFollowTheOutlineAndUnknownNumbersAreSkipped) {
    const Conversion conversion(
        Square(10, 0, 0) + Square(20, 20, 1) + Square(30, 40, 0) +
        Feature(50, "fill_area_style_colour_feature('0','2','1','3','(2,9,3)')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(Types(drawing), (std::vector<LONG>{PorHatch::Type, PorPolyline::Type}));
    EXPECT_EQ(drawing[0].Long(11), 3);
    const std::vector<LONG> words = Words(drawing[0].Bytes());
    // Three blocks of 4 + 8 + 10 words, the second one's first x at 20 mm.
    EXPECT_EQ(words[12 + 22 + 12], 20000);
    EXPECT_EQ(words[12 + 44 + 12], 40000);
    EXPECT_EQ(drawing[1].Get(PorPolyline::Points)->front(), (POINT{20000, 0}));
}

TEST(SxfFillColour, WithoutAnyOutlineItHasNoBoundary) {
    const Conversion conversion(
        Feature(50, "fill_area_style_colour_feature('0','2','4','0','()')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    EXPECT_EQ(drawing[0].Long(11), 0);
    EXPECT_EQ(drawing[0].Size(), 50u);
}

TEST(SxfFillHatching, PatternLinesWithTheirLineTypes) {
    const Conversion conversion(
        Feature(1, "pre_defined_font_feature('\\'dashed\\'')") +
        Feature(2, "width_feature('0.5')") + Square(10, 0, 0) +
        Feature(50, "fill_area_style_hatching_feature('0','2','(3,1,5,1.5,2.5,2,45)',"
                    "'(4,2,0,0,0,3,0)','1','0','()')") +
        Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& hatch = drawing[0];
    EXPECT_EQ(hatch.Long(7), 0);
    EXPECT_EQ(hatch.Long(10), 2);
    EXPECT_EQ(*hatch.Get(PorHatch::Color), RGB(0, 255, 0));
    EXPECT_EQ(hatch.Long(8), 32 + 40);
    const LONG fillAt = *hatch.Long(9);
    EXPECT_EQ(fillAt, 48 + 16 + 72);
    const std::vector<LONG> words = Words(hatch.Bytes());
    const auto at = static_cast<std::size_t>(fillAt / 4);
    EXPECT_EQ(std::vector<LONG>(words.begin() + at, words.begin() + at + 18),
              (std::vector<LONG>{4500, 1500, 2500, -1414, 1414, 50, RGB(0, 255, 0), 0, 0, 0, 0, 0,
                                 3000, 0, static_cast<LONG>(RGB(0, 0, 255)), 2, 6000, -1500}));
    EXPECT_EQ(hatch.Size() % 4, 0u);
}

TEST(SxfFillHatching, MendedMoreThanFourLinesKeepTheFirstFour) {
    SxfFillHatchingData data{};
    data.count = 5;
    for (int i = 0; i < SxfMaxHatchLines; ++i) {
        data.lines[i] = {i + 1, 1, 0, 0, 0, 1, 0};
    }
    const CSxfFillHatching hatching(1, nullptr, data);
    EXPECT_EQ(hatching.LineCount(), 4);
    PorBlockWriter stream;
    const auto records = SxfTest::Written(hatching, stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Long(10), 4);
    EXPECT_EQ(records[0].Long(8), 4 * 32);
}

TEST(SxfFillHatching, AColourReachesTheLinesWithoutOne) {
    SxfFillHatchingData data{};
    data.count = 4;
    data.lines[0].colour = 2;
    CSxfFillHatching hatching(1, nullptr, data);
    hatching.SetColour(4);
    EXPECT_EQ(hatching.Line(0).colour, 2);
    EXPECT_EQ(hatching.Line(1).colour, 4);
    EXPECT_EQ(hatching.Line(3).colour, 4);
}

TEST(SxfFillTiles, AKnownStyleIsATileWhateverItsCase) {
    const Conversion conversion(
        Square(10, 0, 0) +
        Feature(50, "fill_area_style_tiles_feature('0','\\'SXF_HATCH_STYLE_7_SYMBOL\\'','3','1',"
                    "'2','3','4','5','6','7','8','9','1','0','()')") +
        Feature(60, "fill_area_style_tiles_feature('0','\\'sxf_hatch_style_8_symbol\\'','3','1',"
                    "'2','3','4','5','6','7','8','9','1','0','()')") +
        Feature(70, "fill_area_style_tiles_feature('0','\\'bricks\\'','3','1',"
                    "'2','3','4','5','6','7','8','9','1','0','()')") +
        Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 3u);
    const PorRecord& seven = drawing[0];
    EXPECT_EQ(seven.Long(7), 2);
    EXPECT_EQ(seven.Long(8), 104);
    EXPECT_EQ(seven.Long(10), 0);
    const std::vector<LONG> words = Words(seven.Bytes());
    const auto at = static_cast<std::size_t>(*seven.Long(9) / 4);
    EXPECT_EQ(std::vector<LONG>(words.begin() + at, words.begin() + at + 14),
              (std::vector<LONG>{1000, 2000, 3000, 4000, 5000, 6000, 7000, 8000, 9000, 4, 0, 0,
                                 200000, 0}));
    const PorRecord& eight = drawing[1];
    EXPECT_EQ(eight.Long(8), 152);
    EXPECT_EQ(Words(eight.Bytes())[static_cast<std::size_t>(*eight.Long(9) / 4) + 8], 54000);
    const PorRecord& other = drawing[2];
    EXPECT_EQ(other.Long(7), 0);
    EXPECT_EQ(other.Long(8), 0);
    EXPECT_EQ(other.Long(9), 0);
    EXPECT_EQ(other.Long(11), 1);
}

TEST(SxfExternalHatch, DrawsOnlyItsDisplayedOutlinesOnItsLayer) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'H\\'','1')") +
        Feature(10, "arc_feature('0','0','1','0','0','0','5','0','0','90')") +
        Feature(11, "arc_feature('0','2','1','0','0','0','6','0','0','90')") +
        Feature(12, "composite_curve_org_feature('4','1','0','1')") + Square(20, 20, 0) +
        Square(30, 40, 1) +
        Feature(50, "externally_defined_hatch_feature('1','\\'h\\'','1','2','(2,3)')") + Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(Types(drawing), (std::vector<LONG>{PorArc::Type, PorArc::Type, PorPolyline::Type}));
    EXPECT_EQ(drawing[0].Get(PorArc::Pen)->color, RGB(0, 0, 255));
    EXPECT_EQ(drawing[1].Get(PorArc::Pen)->color, RGB(255, 0, 0));
    EXPECT_EQ(drawing[0].Get(PorArc::Layer), "H");
    EXPECT_EQ(drawing[1].Get(PorArc::Layer), "H");
    EXPECT_EQ(drawing[2].Get(PorPolyline::Layer), "H");
}

TEST(SxfExternalHatch, NothingWhenNoOutlineIsDisplayed) {
    const Conversion conversion(
        Square(10, 0, 0) +
        Feature(50, "externally_defined_hatch_feature('0','\\'h\\'','1','0','()')") + Sheet());
    ASSERT_TRUE(conversion.Block());
    EXPECT_TRUE(conversion.Drawing().empty());
}

} // namespace
