// Texts: escapes, boxes, vertical writing, angles, width factors and the
// records per character.

#include "SxfTestSupport.h"
#include "platform/mfc/Cp932.h"
#include "plugins/sxf/CSxfText.h"
#include "plugins/sxf/SxfUnits.h"
#include "por/PorRecords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using SxfTest::Conversion;
using SxfTest::Feature;
using SxfTest::Sheet;
using SxfTest::Written;

SxfTextData TextData(const std::string& text, double width = 20, double height = 4) {
    SxfTextData data{};
    data.layer = 1;
    data.colour = 1;
    std::copy(text.begin(), text.end(), data.block.text);
    data.block.x = 100;
    data.block.y = 100;
    data.block.height = height;
    data.block.width = width;
    data.block.anchor = 1;
    data.block.direction = 1;
    return data;
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string resolved;
};

void PrintTo(const EscapeCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfTextEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(SxfTextEscapes, Resolve) {
    EXPECT_EQ(CSxfText::ResolveUnicodeEscapes(GetParam().text), GetParam().resolved);
}

// あ is 82 A0 in CP932; 表 is 95 5C, its second byte a backslash.
INSTANTIATE_TEST_SUITE_P(
    Cases, SxfTextEscapes,
    ::testing::Values(EscapeCase{"UpperCaseDigits", "A\\U+3042B",
                                 "A\x82\xa0"
                                 "B"},
                      EscapeCase{"LowerCaseDigits", "\\U+304a", "\x82\xa8"},
                      EscapeCase{"TwoInARow", "\\U+0041\\U+0042", "AB"},
                      EscapeCase{"MendedThreeDigitsAtTheEndStay", "x\\U+304", "x\\U+304"},
                      EscapeCase{"MendedANonDigitStays", "\\U+30G2", "\\U+30G2"},
                      EscapeCase{"MendedNotInsideADoubleByteCharacter", "\x95\x5cU+0041",
                                 "\x95\x5cU+0041"},
                      EscapeCase{"ACodeCp932LacksGivesNothing", "a\\U+0E01b", "ab"},
                      EscapeCase{"CodeZeroGivesNothing", "a\\U+0000b", "ab"}),
    [](const ::testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

TEST(SxfText, AFeatureTextIsStoredResolved) {
    const CSxfText text(1, nullptr, TextData("A\\U+3042B"));
    EXPECT_STREQ(text.Block().text, "A\x82\xa0"
                                    "B");
}

struct BoxCase {
    int anchor;
    double x0;
    double y0;
};

void PrintTo(const BoxCase& c, std::ostream* out) {
    *out << "anchor " << c.anchor;
}

class SxfTextBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(SxfTextBox, CornersFromTheAlignmentPoint) {
    SxfTextData data = TextData("AB");
    data.block.anchor = GetParam().anchor;
    const CSxfText text(1, nullptr, data);
    const double x0 = GetParam().x0;
    const double y0 = GetParam().y0;
    EXPECT_EQ(text.CornersX(), (std::array<double, 4>{x0, x0 + 20, x0 + 20, x0}));
    EXPECT_EQ(text.CornersY(), (std::array<double, 4>{y0, y0, y0 + 4, y0 + 4}));
}

INSTANTIATE_TEST_SUITE_P(Anchors, SxfTextBox,
                         ::testing::Values(BoxCase{1, 100, 100}, BoxCase{2, 90, 100},
                                           BoxCase{3, 80, 100}, BoxCase{4, 100, 98},
                                           BoxCase{5, 90, 98}, BoxCase{6, 80, 98},
                                           BoxCase{7, 100, 96}, BoxCase{8, 90, 96},
                                           BoxCase{9, 80, 96}),
                         [](const ::testing::TestParamInfo<BoxCase>& info) {
                             return "Anchor" + std::to_string(info.param.anchor);
                         });

TEST(SxfText, TheBoxTurnsAboutTheAlignmentPoint) {
    SxfTextData data = TextData("AB");
    data.block.angle = 90;
    const CSxfText text(1, nullptr, data);
    EXPECT_NEAR(text.CornersX()[1], 100, 1e-6);
    EXPECT_NEAR(text.CornersY()[1], 120, 1e-6);
    EXPECT_NEAR(text.CornersX()[3], 96, 1e-6);
    EXPECT_NEAR(text.CornersY()[3], 100, 1e-6);
}

TEST(SxfText, AHorizontalRecord) {
    const Conversion conversion(
        Feature(1, "layer_feature('\\'L1\\'','1')") +
        Feature(2, "text_font_feature('\\'ＭＳ ゴシック\\'')") +
        Feature(10, "text_string_feature('1','2','1','\\'寸法\\'','10','20','5','10','0','12.34',"
                    "'15','1','1')") +
        Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 1u);
    const PorRecord& text = drawing[0];
    const std::string face = Cp932::FromUtf8("ＭＳ ゴシック");
    EXPECT_EQ(text.Type(), PorText::Type);
    EXPECT_EQ(text.Size(), SxfPadded(163 + 4 + 2 + face.size()));
    EXPECT_EQ(*text.Get(PorText::First), (POINT{10000, 20000}));
    EXPECT_EQ(*text.Get(PorText::Second), (POINT{10000, 20000}));
    EXPECT_EQ(text.Long(8), 123);
    EXPECT_EQ(text.Long(9), 1);
    EXPECT_EQ(text.Long(16), 2);
    EXPECT_EQ(text.Long(17), 165);
    EXPECT_EQ(text.Long(18), 23);
    EXPECT_EQ(text.Long(19), 92);
    EXPECT_EQ(text.Long(20), 168);
    EXPECT_EQ(text.Long(22), 3500);
    EXPECT_EQ(*text.Get(PorText::Color), RGB(255, 0, 0));
    EXPECT_EQ(text.Long(33), 15000);
    EXPECT_EQ(text.Long(34), 1000);
    EXPECT_EQ(text.Long(38), 4);
    EXPECT_EQ(text.Long(39), 160);
    EXPECT_EQ(text.Get(PorText::Text), Cp932::FromUtf8("寸法"));
    EXPECT_EQ(text.Get(PorText::Layer), "L1");
    EXPECT_EQ(text.Get(PorText::FaceName), face);
}

TEST(SxfText, AVerticalTextTakesTheVerticalFaceAndItsTopLeftCorner) {
    const Conversion conversion(
        Feature(1, "text_font_feature('\\'F\\'')") + Feature(2, "text_font_feature('\\'@G\\'')") +
        Feature(10, "text_string_feature('0','1','1','\\'AB\\'','10','20','10','4','0','0','0',"
                    "'1','2')") +
        Feature(20, "text_string_feature('0','1','2','\\'AB\\'','10','20','10','4','0','0','0',"
                    "'1','2')") +
        Sheet());
    const auto drawing = conversion.Drawing();
    ASSERT_EQ(drawing.size(), 2u);
    EXPECT_EQ(drawing[0].Get(PorText::FaceName), "@F");
    EXPECT_EQ(drawing[1].Get(PorText::FaceName), "@G");
    // Height and width exchanged: the corner 4 of the unturned box.
    EXPECT_EQ(*drawing[0].Get(PorText::First), (POINT{10000, 30000}));
    EXPECT_EQ(drawing[0].Long(8), 2700);
    EXPECT_EQ(drawing[0].Long(22), 2800);
}

TEST(SxfText, MendedWritingAVerticalTextLeavesItUnchanged) {
    SxfTextData data = TextData("AB", 4, 10);
    data.block.direction = 2;
    const CSxfText text(1, nullptr, data);
    PorBlockWriter first;
    PorBlockWriter second;
    text.WritePOR(first);
    text.WritePOR(second);
    EXPECT_TRUE(std::ranges::equal(first.Data(), second.Data()));
    EXPECT_EQ(text.Block().height, 10);
    EXPECT_EQ(text.Block().angle, 0);
}

struct AngleCase {
    const char* name;
    double angle;
    LONG tenths;
};

void PrintTo(const AngleCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfTextAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(SxfTextAngle, InTenthsOfADegree) {
    SxfTextData data = TextData("A");
    data.block.angle = GetParam().angle;
    PorBlockWriter stream;
    const auto records = Written(CSxfText(1, nullptr, data), stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Long(8), GetParam().tenths);
}

INSTANTIATE_TEST_SUITE_P(Cases, SxfTextAngle,
                         ::testing::Values(AngleCase{"RoundedDown", 12.34, 123},
                                           AngleCase{"RoundedUp", 12.36, 124},
                                           AngleCase{"MendedNegativeIsBroughtIntoATurn", -90, 2700},
                                           AngleCase{"MendedRoundedSymmetrically", -12.36, 3476},
                                           AngleCase{"MendedAFullTurnIsZero", 359.96, 0},
                                           AngleCase{"MendedAboveATurn", 370, 100}),
                         [](const ::testing::TestParamInfo<AngleCase>& info) {
                             return std::string(info.param.name);
                         });

struct FactorCase {
    const char* name;
    std::string text;
    double width;
    double height;
    LONG factor;
};

void PrintTo(const FactorCase& c, std::ostream* out) {
    *out << c.name;
}

class SxfTextWidthFactor : public ::testing::TestWithParam<FactorCase> {};

TEST_P(SxfTextWidthFactor, FromTheGivenWidth) {
    PorBlockWriter stream;
    const FactorCase& c = GetParam();
    const auto records = Written(CSxfText(1, nullptr, TextData(c.text, c.width, c.height)), stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Long(34), c.factor);
}

// Two double-byte characters are two units wide; "ABCD" is two as well.
INSTANTIATE_TEST_SUITE_P(
    Cases, SxfTextWidthFactor,
    ::testing::Values(FactorCase{"NormalWidthKept", "\x95\x5c\x95\x5c", 6.4, 4, 1000},
                      FactorCase{"Wide", "\x95\x5c\x95\x5c", 12, 4, 1500},
                      FactorCase{"Narrow", "ABCD", 1.6, 4, 200},
                      FactorCase{"ZeroWidth", "ABCD", 0, 4, 1000},
                      FactorCase{"ZeroHeight", "ABCD", 3, 0, 1000},
                      FactorCase{"Empty", "", 3, 4, 1000}),
    [](const ::testing::TestParamInfo<FactorCase>& info) { return std::string(info.param.name); });

TEST(SxfText, MendedOneRecordPerCharacterCarriesThatCharactersLength) {
    // "A", a double-byte character and "B", spacing 1: J = (w - 2) / (2 h).
    SxfTextData data = TextData("A\x95\x5c"
                                "B",
                                10, 4);
    data.block.spacing = 1;
    PorBlockWriter stream;
    const auto records = Written(CSxfText(1, nullptr, data), stream);
    ASSERT_EQ(records.size(), 3u);
    const double j = (10.0 - 2) / (2 * 4);
    const std::vector<std::string> texts = {"A", "\x95\x5c", "B"};
    LONG x = 100000;
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(records[i].Size(), records[0].Size());
        EXPECT_EQ(records[i].Get(PorText::Text), texts[i]);
        EXPECT_EQ(records[i].Long(38), static_cast<LONG>(texts[i].size()));
        EXPECT_EQ(records[i].Long(4), x) << i;
        EXPECT_EQ(records[i].Long(5), 100000);
        EXPECT_EQ(records[i].Get(PorText::Layer), "0");
        x += static_cast<LONG>(((texts[i].size() == 2 ? 1.0 : 0.5) * j * 4 + 1) * 1000);
    }
}

TEST(SxfText, AnEmptyText) {
    PorBlockWriter once;
    const auto records = Written(CSxfText(1, nullptr, TextData("")), once);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Long(38), 0);
    EXPECT_EQ(records[0].Long(34), 1000);
    SxfTextData spaced = TextData("");
    spaced.block.spacing = 0.5;
    PorBlockWriter none;
    EXPECT_TRUE(Written(CSxfText(1, nullptr, spaced), none).empty());
}

} // namespace
