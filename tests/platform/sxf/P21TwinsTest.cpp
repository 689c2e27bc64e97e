// Drawings written both as ".sfc" and as ".p21": the same tables, the same
// groups and the same features, whatever the feature kind.

#include "platform/sxf/CP21Mapper.h"
#include "platform/sxf/CP21Model.h"
#include "platform/sxf/CSfcDocument.h"
#include "platform/sxf/CSfcParameters.h"
#include "platform/sxf/CSfcScanner.h"
#include "tests/support/SfcText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::string Fixture(const std::string& name) {
    std::ifstream in(std::filesystem::path(ZUMEO_TEST_DATA) / "sxf" / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool IsTable(const std::string& name) {
    return name.ends_with("_font_feature") || name.ends_with("_colour_feature") ||
           name == "layer_feature" || name == "width_feature";
}

// The numbers of a parameter, a list or one; nothing for a text.
std::optional<std::vector<double>> Numbers(const CSfcParameter& parameter) {
    if (parameter.isText) {
        return std::nullopt;
    }
    std::string_view text = parameter.value;
    if (text.starts_with('(') && text.ends_with(')')) {
        text = text.substr(1, text.size() - 2);
    }
    std::vector<double> numbers;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        double value = 0;
        const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
        if (error != std::errc() || end != item.data() + item.size()) {
            return std::nullopt;
        }
        numbers.push_back(value);
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return numbers;
}

// A feature as words, for failure messages: "line_feature(1,2,...)".
std::string Describe(const CSfcStatement& statement) {
    std::string text = statement.name + "(";
    for (const CSfcParameter& parameter : statement.parameters) {
        text += Cp932::ToUtf8(parameter.value) + ",";
    }
    return text + ")" + statement.error;
}

void ExpectSameFeature(const CSfcStatement& sfc, const CSfcStatement& p21) {
    SCOPED_TRACE(Describe(sfc) + " against " + Describe(p21));
    EXPECT_EQ(p21.error, "");
    EXPECT_EQ(p21.name, sfc.name);
    ASSERT_EQ(p21.parameters.size(), sfc.parameters.size());
    for (std::size_t i = 0; i < sfc.parameters.size(); ++i) {
        const auto expected = Numbers(sfc.parameters[i]);
        const auto actual = Numbers(p21.parameters[i]);
        if (!expected) {
            EXPECT_EQ(p21.parameters[i].value, sfc.parameters[i].value) << "parameter " << i;
            continue;
        }
        ASSERT_TRUE(actual) << "parameter " << i;
        ASSERT_EQ(actual->size(), expected->size()) << "parameter " << i;
        for (std::size_t k = 0; k < expected->size(); ++k) {
            // Both forms keep coordinates to six decimals.
            EXPECT_NEAR((*actual)[k], (*expected)[k], 1e-6) << "parameter " << i;
        }
    }
}

struct Twin {
    const char* name;
};

void PrintTo(const Twin& twin, std::ostream* out) {
    *out << twin.name;
}

class P21Twins : public ::testing::TestWithParam<Twin> {
protected:
    std::string Sfc() const { return Fixture(std::string(GetParam().name) + ".sfc"); }
    std::string P21() const { return Fixture(std::string(GetParam().name) + ".p21"); }
};

TEST_P(P21Twins, GiveTheSameFeaturesInTheSameOrder) {
    std::vector<CSfcStatement> sfc;
    for (CSfcStatement& statement : CSfcScanner(Sfc()).Statements()) {
        if (!IsTable(statement.name)) {
            sfc.push_back(std::move(statement));
        }
    }
    std::vector<CSfcStatement> p21;
    for (CSfcStatement& statement : CP21Mapper::Map(CP21Model::Parse(P21()))) {
        if (!IsTable(statement.name)) {
            p21.push_back(std::move(statement));
        }
    }
    ASSERT_GT(sfc.size(), 3u);
    ASSERT_EQ(p21.size(), sfc.size());
    for (std::size_t i = 0; i < sfc.size(); ++i) {
        ExpectSameFeature(sfc[i], p21[i]);
    }
}

TEST_P(P21Twins, GiveTheSameTablesWithTheSameCodes) {
    const CSfcDocument sfc = CSfcDocument::Parse(Sfc());
    const CSfcDocument p21 = CSfcDocument::ParseP21(P21());
    for (int kind = SxfTableLayer; kind <= SxfTableTextFont; ++kind) {
        const auto& expected = sfc.Tables().Entries(kind);
        const auto& actual = p21.Tables().Entries(kind);
        ASSERT_EQ(actual.size(), expected.size()) << "table " << kind;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].code, expected[i].code) << "table " << kind << " entry " << i;
            EXPECT_EQ(std::memcmp(&actual[i].entry, &expected[i].entry, sizeof expected[i].entry),
                      0)
                << "table " << kind << " entry " << i;
        }
    }
}

TEST_P(P21Twins, GiveTheSameAssembliesAndFeatureKinds) {
    CSfcDocument sfc = CSfcDocument::Parse(Sfc());
    CSfcDocument p21 = CSfcDocument::ParseP21(P21());
    for (int kind = SxfAssemblySheet; kind <= SxfAssemblyCompositeCurve; ++kind) {
        auto& expected = sfc.Assemblies(kind);
        auto& actual = p21.Assemblies(kind);
        ASSERT_EQ(actual.size(), expected.size()) << "assembly kind " << kind;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(actual[i].code, expected[i].code);
            ASSERT_EQ(p21.Features(actual[i]).size(), sfc.Features(expected[i]).size());
            for (std::size_t k = 0; k < sfc.Features(expected[i]).size(); ++k) {
                EXPECT_EQ(p21.Features(actual[i])[k].typeName,
                          sfc.Features(expected[i])[k].typeName);
                EXPECT_EQ(p21.Features(actual[i])[k].error, "");
            }
        }
    }
    const auto& sheet = std::get<SxfSheetData>(p21.Assemblies(SxfAssemblySheet).at(0).data);
    const auto& expectedSheet = std::get<SxfSheetData>(sfc.Assemblies(SxfAssemblySheet).at(0).data);
    EXPECT_STREQ(sheet.name, expectedSheet.name);
    EXPECT_EQ(sheet.sizeType, expectedSheet.sizeType);
    EXPECT_EQ(sheet.orientation, expectedSheet.orientation);
    EXPECT_EQ(sheet.width, expectedSheet.width);
    EXPECT_EQ(sheet.height, expectedSheet.height);
}

INSTANTIATE_TEST_SUITE_P(Drawings, P21Twins,
                         ::testing::Values(Twin{"twin_basic"}, Twin{"twin_groups"},
                                           Twin{"twin_annotations"}),
                         [](const ::testing::TestParamInfo<Twin>& info) {
                             return std::string(info.param.name);
                         });

// Wraps AP202 instances in a file with a sheet that holds the given items.
std::string Drawing(const std::string& instances, const std::string& items) {
    return "ISO-10303-21;\r\nHEADER;\r\nFILE_DESCRIPTION(('SCADEC level2 AP202_mode'),'2;1');\r\n"
           "ENDSEC;\r\nDATA;\r\n" +
           instances + "#900=DRAWING_SHEET_REVISION('s',(" + items +
           "),$,'1');\r\nENDSEC;\r\nEND-ISO-10303-21;\r\n";
}

const std::string Line =
    "#1=CARTESIAN_POINT('',(0.,0.));\r\n#2=CARTESIAN_POINT('',(1.,2.));\r\n"
    "#3=DIRECTION('',(1.,0.));\r\n#4=VECTOR('',#3,1.);\r\n"
    "#5=LINE('',#1,#4);\r\n#6=TRIMMED_CURVE('',#5,(#1),(#2),.T.,.CARTESIAN.);\r\n"
    "#10=ANNOTATION_CURVE_OCCURRENCE('',(),#6);\r\n";

TEST(P21Drawing, AFeatureWithAMissingInstanceIsReportedAndTheOthersStay) {
    CSfcDocument document = CSfcDocument::ParseP21(
        Drawing(Line + "#11=ANNOTATION_CURVE_OCCURRENCE('',(),#99);\r\n", "#11,#10"));
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 2u);
    EXPECT_EQ(features[0].id, 11);
    EXPECT_EQ(features[0].error, "#99 is referred to but not in the file");
    EXPECT_EQ(features[1].typeName, "LINE");
    EXPECT_EQ(features[1].error, "");
    ASSERT_NE(features[1].Get<SxfLineData>(), nullptr);
    const auto& line = *features[1].Get<SxfLineData>();
    EXPECT_EQ(line.endY, 2.0);
    // Unstyled, on no layer: every code is 0.
    EXPECT_EQ(line.codes.layer, 0);
    EXPECT_EQ(line.codes.colour, 0);
}

// A sub-figure that cannot be read is reported where its members would have
// stood; they do not join the sheet.
TEST(P21Drawing, MembersOfASubFigureThatCannotBeReadStayOffTheSheet) {
    CSfcDocument document = CSfcDocument::ParseP21(
        Drawing(Line + "#11=ANNOTATION_CURVE_OCCURRENCE('',(),#6);\r\n"
                       "#20=DRAUGHTING_SUBFIGURE_REPRESENTATION(7,(#10),$);\r\n",
                "#11"));
    EXPECT_TRUE(document.Assemblies(SxfAssemblySfigOrg).empty());
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 2u);
    EXPECT_EQ(features[0].id, 20);
    EXPECT_EQ(features[0].error,
              "#20 DRAUGHTING_SUBFIGURE_REPRESENTATION: attribute 1 is not a string");
    EXPECT_EQ(features[1].id, 11);
    EXPECT_EQ(features[1].typeName, "LINE");
}

TEST(P21Drawing, StylesGivenByValueStyleNothing) {
    CSfcDocument document = CSfcDocument::ParseP21(
        Drawing(Line + "#7=DRAUGHTING_PRE_DEFINED_COLOUR('red');\r\n"
                       "#8=CURVE_STYLE('',$,POSITIVE_LENGTH_MEASURE(0.35),#7);\r\n"
                       "#9=PRESENTATION_STYLE_ASSIGNMENT((NULL_STYLE(.NULL.),#8));\r\n"
                       "#11=ANNOTATION_CURVE_OCCURRENCE('',(#9),#6);\r\n",
                "#11"));
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 1u);
    EXPECT_EQ(features[0].error, "");
    ASSERT_NE(features[0].Get<SxfLineData>(), nullptr);
    const auto& line = *features[0].Get<SxfLineData>();
    EXPECT_EQ(line.codes.colour, 2);
    EXPECT_EQ(line.codes.width, 4);
    EXPECT_EQ(line.codes.lineType, 0);
}

// An instance no list holds is no concern of the drawing; an item of the
// list that stands for no feature is reported, but for the box that closes
// the sheet's list.
TEST(P21Drawing, ItemsThatStandForNoFeatureAreReported) {
    CSfcDocument document = CSfcDocument::ParseP21(Drawing(
        Line + "#20=SOMETHING_LATER('x',(#1,#2),.T.);\r\n#21=SOMETHING_LATER('y',(),.F.);\r\n"
               "#22=ANNOTATION_CURVE_OCCURRENCE('',(),#1);\r\n"
               "#23=AXIS2_PLACEMENT_2D('',#1,$);\r\n#24=PLANAR_BOX('',1.,1.,#23);\r\n",
        "#20,#10,#22,#24"));
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 3u);
    EXPECT_EQ(features[0].id, 20);
    EXPECT_EQ(features[0].error, "#20 SOMETHING_LATER: is no feature of a drawing");
    EXPECT_EQ(features[1].typeName, "LINE");
    EXPECT_EQ(features[2].id, 22);
    EXPECT_NE(features[2].error.find("presents #1, which is no feature"), std::string::npos);
}

struct BrokenFeature {
    const char* name;
    std::string instances;
    std::string error; // a part of the feature's error
};

void PrintTo(const BrokenFeature& c, std::ostream* out) {
    *out << c.name;
}

class P21BrokenFeatures : public ::testing::TestWithParam<BrokenFeature> {};

TEST_P(P21BrokenFeatures, AreReportedWithTheirInstance) {
    CSfcDocument document = CSfcDocument::ParseP21(Drawing(GetParam().instances, "#10"));
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 1u);
    EXPECT_EQ(features[0].id, 10);
    EXPECT_NE(features[0].error.find(GetParam().error), std::string::npos) << features[0].error;
}

const std::string Origin = "#1=CARTESIAN_POINT('',(0.,0.));\r\n#2=AXIS2_PLACEMENT_2D('',#1,$);\r\n";

INSTANTIATE_TEST_SUITE_P(
    Features, P21BrokenFeatures,
    ::testing::Values(
        BrokenFeature{"RadiusNoNumber",
                      Origin + "#3=CIRCLE('',#2,'big');\r\n"
                               "#10=ANNOTATION_CURVE_OCCURRENCE('',(),#3);\r\n",
                      "#3 CIRCLE: attribute 3 is not a number"},
        BrokenFeature{"PointWithOneCoordinate",
                      "#1=CARTESIAN_POINT('',(0.));\r\n#3=POLYLINE('',(#1,#1));\r\n"
                      "#10=ANNOTATION_CURVE_OCCURRENCE('',(),#3);\r\n",
                      "#1 CARTESIAN_POINT: two coordinates expected"},
        BrokenFeature{"DirectionOfLengthZero",
                      "#1=CARTESIAN_POINT('',(0.,0.));\r\n#2=DIRECTION('',(0.,0.));\r\n"
                      "#3=AXIS2_PLACEMENT_2D('',#1,#2);\r\n#4=ELLIPSE('',#3,2.,1.);\r\n"
                      "#10=ANNOTATION_CURVE_OCCURRENCE('',(),#4);\r\n",
                      "#2 DIRECTION: a direction of length 0"},
        BrokenFeature{"TrimOfNothing",
                      Origin + "#3=CIRCLE('',#2,1.);\r\n"
                               "#4=TRIMMED_CURVE('',#3,(),(PARAMETER_VALUE(9.)),.T.,.PARAMETER.);"
                               "\r\n#10=ANNOTATION_CURVE_OCCURRENCE('',(),#4);\r\n",
                      "#4 TRIMMED_CURVE: attribute 3 trims nothing"},
        BrokenFeature{"TextAnchoredToNoneOfTheNinePoints",
                      Origin + "#3=TEXT_LITERAL('$$SXF_bottom left','a',#2,'middle',.RIGHT.,$);\r\n"
                               "#10=ANNOTATION_TEXT_OCCURRENCE('',(),#3);\r\n",
                      "anchor \"middle\" is none of the nine points"},
        BrokenFeature{"FillBoundedByNoCompositeCurve",
                      Origin + "#3=CIRCLE('',#2,1.);\r\n#7=FILL_AREA_STYLE_COLOUR('',$);\r\n"
                               "#8=FILL_AREA_STYLE('',(#7));\r\n"
                               "#9=PRESENTATION_STYLE_ASSIGNMENT((#8));\r\n"
                               "#11=ANNOTATION_FILL_AREA('',(#3));\r\n"
                               "#10=ANNOTATION_FILL_AREA_OCCURRENCE('',(#9),#11,#1);\r\n",
                      "#3 bounds it but is no composite curve"},
        BrokenFeature{"UnknownPointMarker",
                      Origin + "#3=SYMBOL_TARGET('',#2,1.,1.);\r\n"
                               "#4=PRE_DEFINED_POINT_MARKER_SYMBOL('star');\r\n"
                               "#5=DEFINED_SYMBOL('',#4,#3);\r\n"
                               "#10=ANNOTATION_SYMBOL_OCCURRENCE('',(),#5);\r\n",
                      "no point marker is named \"star\""},
        BrokenFeature{"DimensionWithoutALine",
                      "#10=(DRAUGHTING_CALLOUT(())LINEAR_DIMENSION());\r\n", "no DIMENSION_CURVE"},
        BrokenFeature{"DimensionWithoutContents", "#10=(LINEAR_DIMENSION());\r\n",
                      "#10 is no DRAUGHTING_CALLOUT"},
        BrokenFeature{"SubFigureOfNoMap",
                      Origin + "#3=SYMBOL_TARGET('',#2,1.,1.);\r\n"
                               "#4=(MAPPED_ITEM(#2,#3)REPRESENTATION_ITEM(''));\r\n"
                               "#10=STYLED_ITEM('',(),#4);\r\n",
                      "places no representation map"},
        BrokenFeature{"SymbolOfNoKnownKind",
                      Origin + "#3=SYMBOL_TARGET('',#2,1.,1.);\r\n"
                               "#4=PRE_DEFINED_SYMBOL('star');\r\n#5=DEFINED_SYMBOL('',#4,#3);\r\n"
                               "#10=ANNOTATION_SYMBOL_OCCURRENCE('',(),#5);\r\n",
                      "is a symbol no feature of a drawing stands for"},
        BrokenFeature{"ComplexSplineWithoutItsCurve",
                      "#1=CARTESIAN_POINT('',(0.,0.));\r\n"
                      "#3=(B_SPLINE_CURVE_WITH_KNOTS((4,4),(0.,1.),.UNSPECIFIED.)CURVE());\r\n"
                      "#10=ANNOTATION_CURVE_OCCURRENCE('',(),#3);\r\n",
                      "#3 is no B_SPLINE_CURVE"}),
    [](const ::testing::TestParamInfo<BrokenFeature>& info) {
        return std::string(info.param.name);
    });

struct AnchoredText {
    const char* name;
    const char* literalName;
    const char* font;
    int anchor;
    double y; // of the ".sfc" point; the file's point is (5, 0)
};

void PrintTo(const AnchoredText& c, std::ostream* out) {
    *out << c.name;
}

class P21AnchoredTexts : public ::testing::TestWithParam<AnchoredText> {};

// The writer moves a text's point up from its anchor by a share of its
// height (2 here) that its anchor row and its font's ascent and descent
// give; the name of the literal keeps the anchor.
TEST_P(P21AnchoredTexts, GetBackTheirAnchorPoint) {
    const AnchoredText& c = GetParam();
    CSfcDocument document = CSfcDocument::ParseP21(
        Drawing("#1=CARTESIAN_POINT('',(5.,0.));\r\n#2=AXIS2_PLACEMENT_2D('',#1,$);\r\n"
                "#4=EXTERNAL_SOURCE(IDENTIFIER('scadec'));\r\n"
                "#5=EXTERNALLY_DEFINED_TEXT_FONT(IDENTIFIER('" +
                    std::string(c.font) +
                    "'),#4);\r\n#6=PLANAR_EXTENT('',10.,2.);\r\n"
                    "#3=TEXT_LITERAL_WITH_EXTENT('" +
                    c.literalName +
                    "','a',#2,'baseline left',.RIGHT.,#5,#6);\r\n"
                    "#10=ANNOTATION_TEXT_OCCURRENCE('',(),#3);\r\n",
                "#10"));
    const auto& features = document.Features(document.Assemblies(SxfAssemblySheet).at(0));
    ASSERT_EQ(features.size(), 1u);
    ASSERT_EQ(features[0].error, "");
    ASSERT_NE(features[0].Get<SxfTextData>(), nullptr);
    const auto& text = *features[0].Get<SxfTextData>();
    EXPECT_EQ(text.block.font, 1);
    EXPECT_EQ(text.block.anchor, c.anchor);
    EXPECT_DOUBLE_EQ(text.block.x, 5.0);
    EXPECT_NEAR(text.block.y, c.y, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, P21AnchoredTexts,
    ::testing::Values(
        AnchoredText{"BaseLineLeft", "$$SXF_baseline left", "G", 1, -1.0},
        AnchoredText{"MiddleLineCentre", "$$SXF_middleline centre", "G", 5, 1.0},
        AnchoredText{"TopLineRight", "$$SXF_topline right", "G", 9, 2.0},
        AnchoredText{"TopLineOfAFontWithDescent", "$$SXF_topline left", "G-0.8-0.2", 7, 1.6},
        AnchoredText{"BaseLineOfAFontWithDescent", "$$SXF_baseline centre", "G-0.8-0.2", 2, -0.6},
        AnchoredText{"NameOfAnotherFormLeavesItToTheAlignment", "note", "G", 1, -1.0}),
    [](const ::testing::TestParamInfo<AnchoredText>& info) {
        return std::string(info.param.name);
    });

TEST(P21Drawing, TheContractGivesTheTitleBlockAttributes) {
    CSfcDocument document = CSfcDocument::ParseP21(
        Drawing("#1=DRAWING_DEFINITION('D-12','plan');\r\n"
                "#2=DRAUGHTING_DRAWING_REVISION('01',#1,'1:100');\r\n"
                "#3=DRAUGHTING_TITLE((#2),'JAPANESE','\\X2\\6A4B\\X0\\');\r\n"
                "#4=CONTRACT_TYPE('lump');\r\n#5=CONTRACT('works','project',#4);\r\n"
                "#6=DRAUGHTING_CONTRACT_ASSIGNMENT(#5,(#2));\r\n#7=CALENDAR_DATE(2026,11,12);\r\n"
                "#8=ORGANIZATION_ROLE('owner');\r\n#9=ORGANIZATION($,'city',' ');\r\n"
                "#10=DRAUGHTING_ORGANIZATION_ASSIGNMENT(#9,#8,(#2));\r\n"
                "#11=ORGANIZATION_ROLE('creator');\r\n#12=ORGANIZATION($,'builder',' ');\r\n"
                "#13=DRAUGHTING_ORGANIZATION_ASSIGNMENT(#12,#11,(#2));\r\n",
                ""));
    const auto& sheet = document.Assemblies(SxfAssemblySheet).at(0);
    EXPECT_EQ(std::get<SxfSheetData>(sheet.data).name, Cp932::FromUtf8("橋"));
    ASSERT_EQ(document.Features(sheet).size(), 1u);
    ASSERT_EQ(document.Features(sheet)[0].error, "");
    ASSERT_NE(document.Features(sheet)[0].Get<SxfAttributeData>(), nullptr);
    const auto& attribute = *document.Features(sheet)[0].Get<SxfAttributeData>();
    EXPECT_STREQ(attribute.texts[0], "project");
    EXPECT_STREQ(attribute.texts[1], "works");
    EXPECT_STREQ(attribute.texts[2], "lump");
    EXPECT_EQ(attribute.texts[3], Cp932::FromUtf8("橋"));
    EXPECT_STREQ(attribute.texts[4], "D-12");
    EXPECT_STREQ(attribute.texts[5], "plan");
    EXPECT_STREQ(attribute.texts[6], "1:100");
    EXPECT_EQ(attribute.year, 2026);
    EXPECT_EQ(attribute.month, 12);
    EXPECT_EQ(attribute.day, 11);
    EXPECT_STREQ(attribute.contractor, "builder");
    EXPECT_STREQ(attribute.owner, "city");
}

TEST(P21Drawing, UserColoursAreCutToTheirRangeAndRounded) {
    CSfcDocument document =
        CSfcDocument::ParseP21(Drawing("#1=COLOUR_RGB('',1.5,0.50196,-1.);\r\n", ""));
    const auto& colours = document.Tables().Entries(SxfTableUserColour);
    ASSERT_EQ(colours.size(), 1u);
    EXPECT_EQ(colours[0].code, 17);
    EXPECT_EQ(colours[0].entry.userColour.red, 255);
    EXPECT_EQ(colours[0].entry.userColour.green, 128);
    EXPECT_EQ(colours[0].entry.userColour.blue, 0);
}

} // namespace
