// The features of texts, markers, circles, dimensions, fills and attributes
// decoded into the data the library hands out.

#include "platform/sxf/CSfcFeatureDecoder.h"
#include "platform/sxf/CSfcScanner.h"
#include "tests/support/SfcText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The one feature of a file holding just that comment.
CSfcFeature Decoded(const std::string& body) {
    const std::string text = SfcText::File(SfcText::Feature(10, body));
    CSfcScanner scanner(text);
    EXPECT_TRUE(scanner.IsPart21());
    const std::vector<CSfcStatement> statements = scanner.Statements();
    EXPECT_EQ(statements.size(), 1u);
    if (statements.empty()) {
        return {};
    }
    auto feature = CSfcFeatureDecoder::Decode(statements[0]);
    EXPECT_TRUE(feature);
    return feature ? std::move(*feature) : CSfcFeature{};
}

template <typename Data> const Data& As(CSfcFeature& feature) {
    EXPECT_EQ(feature.error, "");
    const Data* data = feature.Get<Data>();
    EXPECT_NE(data, nullptr) << feature.typeName;
    static const Data none{};
    return data ? *data : none;
}

const std::string TextBlock = "'3','\\'寸法表\\'','1.5','2.5','3.5','20','0.5','30','15','5','2'";
const std::string Arrow1 = "'1','2','10','20','3'";
const std::string Arrow2 = "'6','1','30','40','2'";
const std::string Projection = "'1','0','0','1','1','2','2'";

TEST(SfcFeatureDecoder, TextKeepsItsShiftJisTextAndBlock) {
    CSfcFeature feature = Decoded("text_string_feature('1','2'," + TextBlock + ")");
    EXPECT_EQ(feature.typeName, "TEXT");
    const auto& text = As<SxfTextData>(feature);
    EXPECT_EQ(text.colour, 2);
    EXPECT_EQ(text.block.font, 3);
    EXPECT_STREQ(text.block.text, "\x90\xa1\x96\x40\x95\x5c");
    EXPECT_EQ(text.block.width, 20);
    EXPECT_EQ(text.block.slant, 15);
    EXPECT_EQ(text.block.anchor, 5);
    EXPECT_EQ(text.block.direction, 2);
}

TEST(SfcFeatureDecoder, PointMarkerArcAndClothoid) {
    CSfcFeature marker = Decoded("point_marker_feature('1','2','3.5','4.5','6','90','2')");
    EXPECT_EQ(As<SxfPointMarkerData>(marker).code, 6);
    EXPECT_EQ(As<SxfPointMarkerData>(marker).scale, 2);
    CSfcFeature arc = Decoded("arc_feature('1','2','3','4','0','0','5','1','10','80')");
    EXPECT_EQ(As<SxfArcData>(arc).direction, 1);
    EXPECT_EQ(As<SxfArcData>(arc).endAngle, 80);
    CSfcFeature clothoid =
        Decoded("clothoid_feature('1','2','3','4','5','6','7','1','30','0','9')");
    EXPECT_EQ(As<SxfClothoidData>(clothoid).parameter, 7);
    EXPECT_EQ(As<SxfClothoidData>(clothoid).endLength, 9);
}

TEST(SfcFeatureDecoder, LinearDimensionInOrder) {
    CSfcFeature feature =
        Decoded("linear_dim_feature('1','2','3','4','0','0','100','0'," + Projection + "," +
                Projection + "," + Arrow1 + "," + Arrow2 + ",'1'," + TextBlock + ")");
    const auto& dim = As<SxfLinearDimData>(feature);
    EXPECT_EQ(dim.endX, 100);
    EXPECT_EQ(dim.projection2.endY, 2);
    EXPECT_EQ(dim.arrow1.placement, 2);
    EXPECT_EQ(dim.arrow2.code, 6);
    EXPECT_EQ(dim.arrow2.size, 2);
    EXPECT_EQ(dim.textFlag, 1);
    EXPECT_EQ(dim.text.anchor, 5);
}

TEST(SfcFeatureDecoder, CurveDimensionIsAnAngularOne) {
    CSfcFeature feature =
        Decoded("curve_dim_feature('1','2','3','4','5','6','7','0','90'," + Projection + "," +
                Projection + "," + Arrow1 + "," + Arrow2 + ",'0'," + TextBlock + ")");
    EXPECT_EQ(feature.typeName, "CURVE_DIMENSION");
    EXPECT_EQ(As<SxfAngularDimData>(feature).radius, 7);
    EXPECT_EQ(As<SxfAngularDimData>(feature).endAngle, 90);
}

TEST(SfcFeatureDecoder, BalloonAndLabelVertices) {
    CSfcFeature balloon = Decoded("balloon_feature('1','2','3','4','2','(0,10)','(0,5)','20','5',"
                                  "'4','9','2.5','1'," +
                                  TextBlock + ")");
    const auto& b = As<SxfBalloonData>(balloon);
    EXPECT_EQ(b.count, 2);
    EXPECT_EQ(b.y[1], 5);
    EXPECT_EQ(b.radius, 4);
    EXPECT_EQ(b.arrowCode, 9);
    CSfcFeature label =
        Decoded("label_feature('1','2','3','4','3','(0,1)','(0,1)','1','2','0'," + TextBlock + ")");
    EXPECT_NE(label.error.find("vertex count 3"), std::string::npos);
}

TEST(SfcFeatureDecoder, FillsKeepTheirCompositeCurveNumbers) {
    CSfcFeature colour = Decoded("fill_area_style_colour_feature('1','4','2','2','(3,5)')");
    const auto& c = As<SxfFillColourData>(colour);
    EXPECT_EQ(c.boundaries.outer, 2);
    EXPECT_EQ(c.boundaries.holes, (std::vector<int>{3, 5}));
    CSfcFeature wrong = Decoded("fill_area_style_colour_feature('1','4','2','3','(3,5)')");
    EXPECT_NE(wrong.error.find("hole count 3"), std::string::npos);
    CSfcFeature tiles =
        Decoded("fill_area_style_tiles_feature('1','\\'sxf_hatch_style_7_symbol\\'',"
                "'4','1','2','3','4','5','6','7','8','9','1','0','()')");
    const auto& t = As<SxfFillTilesData>(tiles);
    EXPECT_STREQ(t.name, "sxf_hatch_style_7_symbol");
    EXPECT_EQ(t.angle, 9);
    EXPECT_TRUE(t.boundaries.holes.empty());
    CSfcFeature hatch = Decoded("externally_defined_hatch_feature('1','\\'h\\'','1','1','(2)')");
    EXPECT_EQ(As<SxfExternalHatchData>(hatch).boundaries.holes, (std::vector<int>{2}));
}

TEST(SfcFeatureDecoder, HatchingKeepsFourLinesOfMore) {
    std::string lines;
    for (int i = 1; i <= 5; ++i) {
        lines += ",'(" + std::to_string(i) + ",2,3,0,0,1,45)'";
    }
    CSfcFeature feature =
        Decoded("fill_area_style_hatching_feature('1','5'" + lines + ",'7','0','()')");
    const auto& hatching = As<SxfFillHatchingData>(feature);
    EXPECT_EQ(hatching.count, 5);
    EXPECT_EQ(hatching.lines[3].colour, 4);
    EXPECT_EQ(hatching.lines[3].angle, 45);
    EXPECT_EQ(hatching.boundaries.outer, 7);
    CSfcFeature shortItem =
        Decoded("fill_area_style_hatching_feature('1','1','(1,2,3,0,0,1)','7','0','()')");
    EXPECT_NE(shortItem.error.find("hatch line 1"), std::string::npos);
    CSfcFeature fraction =
        Decoded("fill_area_style_hatching_feature('1','1','(1.5,2,3,0,0,1,0)','7','0','()')");
    EXPECT_NE(fraction.error.find("hatch line 1"), std::string::npos);
}

TEST(SfcFeatureDecoder, AttributeTexts) {
    CSfcFeature feature =
        Decoded("drawing_attribute_feature('\\'p\\'','\\'c\\'','\\'t\\'','\\'n\\'','\\'1\\'',"
                "'\\'d\\'','\\'1:100\\'','2009','2','25','\\'k\\'','\\'o\\'')");
    const auto& attribute = As<SxfAttributeData>(feature);
    EXPECT_STREQ(attribute.texts[6], "1:100");
    EXPECT_EQ(attribute.day, 25);
    EXPECT_STREQ(attribute.owner, "o");
}

} // namespace
