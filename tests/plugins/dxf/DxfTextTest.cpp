#include "plugins/dxf/CDxfTextEmitter.h"

#include "DxfTestSupport.h"
#include "plugins/dxf/DxfSpecialChars.h"
#include "por/PorRecords.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace {

using DxfTest::Children;
using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;

// CP932 faces.
const std::string Gothic = "\x82\x6C\x82\x72\x20\x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E";
const std::string Mincho = "\x82\x6C\x82\x72\x20\x82\x6F\x96\xBE\x92\xA9";

struct SpecialCase {
    const char* name;
    std::string text;
    std::string expected;
};

class SpecialChars : public ::testing::TestWithParam<SpecialCase> {};

TEST_P(SpecialChars, BecomeTheirCp932Characters) {
    std::string text = GetParam().text;
    ReplaceSpecialChars(text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Text, SpecialChars,
                         ::testing::Values(SpecialCase{"Degree", "25%%d", "25\x81\x8B"},
                                           SpecialCase{"DegreeUpper", "%%D", "\x81\x8B"},
                                           SpecialCase{"DegreeNumber", "%%127", "\x81\x8B"},
                                           SpecialCase{"PercentThenDegree", "%%%d", "%\x81\x8B"},
                                           SpecialCase{"Diameter", "%%c10",
                                                       "\x83\xB3"
                                                       "10"},
                                           SpecialCase{"DiameterNumber", "%%129", "\x83\xB3"},
                                           SpecialCase{"PlusMinus", "%%p%%P%%128",
                                                       "\x81\x7D\x81\x7D\x81\x7D"},
                                           SpecialCase{"PlusMinusEscape", "\\U+00B1", "\x81\x7D"},
                                           SpecialCase{"DiameterEscape", "\\U+2205", "\x83\xB3"},
                                           SpecialCase{"Percent", "100%%%", "100\x81\x93"},
                                           SpecialCase{"UnderlineStays", "%%uA", "%%uA"}),
                         [](const auto& info) { return info.param.name; });

struct BreakCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

class LineBreaks : public ::testing::TestWithParam<BreakCase> {};

TEST_P(LineBreaks, CutTheTextIntoLines) {
    EXPECT_EQ(CDxfTextEmitter::BreakLines(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Text, LineBreaks,
    ::testing::Values(BreakCase{"Paragraph", "A\\PB", {"A", "^ B"}},
                      BreakCase{"Stacking", "1\\S2", {"1", "^ 2"}},
                      BreakCase{"Caret", "A^JB", {"A", "^ B"}},
                      BreakCase{"ClosingBrace", "{\\Fromans;A}B", {"{\\Fromans;A}", "B"}},
                      BreakCase{"InsideAFontName", "\\Fa\\Pb;x", {"\\Fa\\Pb;x"}},
                      BreakCase{"EscapedBrace", "a\\}b", {"a\\}b"}},
                      BreakCase{"BackslashAtTheEnd", "A\\", {"A\\"}},
                      BreakCase{"TwoByteTrailBackslash", "\x95\x5CP", {"\x95\x5CP"}},
                      BreakCase{"OnlyBreaks", "\\P\\P", {"^ ", "^ "}}),
    [](const auto& info) { return info.param.name; });

std::string Text(const std::string& groups) {
    return "  0\nTEXT\n  5\nT1\n  8\n0\n" + groups;
}

std::string MText(const std::string& text, const std::string& groups = "") {
    return "  0\nMTEXT\n  5\nM1\n  8\n0\n 10\n0\n 20\n0\n 40\n1\n" + groups + "  1\n" + text + "\n";
}

// The only record of a drawing, which must outlive it.
PorRecord Single(const DxfTest::Drawing& drawing) {
    EXPECT_EQ(drawing.records.size(), 1u);
    return drawing.records.at(0);
}

TEST(Text, OneLineIsOneTextRecord) {
    const auto drawing = DrawingOf(EntitiesSection(Text(" 10\n1\n 20\n2\n 40\n2.5\n  1\nABC\n")));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Type(), PorText::Type);
    EXPECT_EQ(r.Size() % 4, 0u);
    EXPECT_EQ(r.Size(), (164u + 3 + Gothic.size() + 2 + 1 + 3) / 4 * 4);
    EXPECT_EQ(r.Get(PorText::Text), "ABC");
    EXPECT_EQ(r.Get(PorText::FaceName), CString(Gothic));
    EXPECT_EQ(r.Get(PorText::First)->x, 1000);
    EXPECT_EQ(r.Get(PorText::First)->y, 4500);
    EXPECT_EQ(r.Get(PorText::Second)->x, 1000 + 3750);
    EXPECT_EQ(r.Get(PorText::Second)->y, 2000);
    EXPECT_EQ(r.Get(PorText::Height), 2500);
    EXPECT_EQ(r.Get(PorText::TextKind), 23);
    EXPECT_EQ(r.Get(PorText::TextLengthPlus88), 91);
    EXPECT_EQ(r.Get(PorText::Id), "T1");
}

struct AlignmentCase {
    const char* name;
    std::string groups;
    LONG firstX;
    LONG angle;
};

class TextAlignments : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(TextAlignments, ChooseTheInsertionPointAndAngle) {
    const auto drawing = DrawingOf(EntitiesSection(
        Text(" 10\n1\n 20\n0\n 11\n5\n 21\n0\n 40\n1\n  1\nA\n" + GetParam().groups)));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Get(PorText::First)->x, GetParam().firstX);
    EXPECT_EQ(r.Get(PorText::Angle), GetParam().angle);
}

INSTANTIATE_TEST_SUITE_P(Text, TextAlignments,
                         ::testing::Values(AlignmentCase{"Left", " 72\n0\n 73\n0\n", 1000, 0},
                                           AlignmentCase{"Centre", " 72\n1\n", 5000, 0},
                                           AlignmentCase{"Fit", " 72\n5\n", 1000, 0},
                                           AlignmentCase{"Aligned", " 72\n3\n", 1000, 0},
                                           AlignmentCase{"Top", " 73\n3\n", 5000, 0},
                                           AlignmentCase{"UpsideDownAndBackwards",
                                                         " 50\n270\n 71\n6\n", 1000, 900}),
                         [](const auto& info) { return info.param.name; });

struct FaceCase {
    const char* name;
    std::string text;
    std::string face;
    std::string output;
};

class TextFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(TextFaces, ComeFromFontCodesAndTheShxTable) {
    const auto drawing = DrawingOf(EntitiesSection(MText(GetParam().text)));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Get(PorText::FaceName), CString(GetParam().face));
    EXPECT_EQ(r.Get(PorText::Text), CString(GetParam().output));
}

INSTANTIATE_TEST_SUITE_P(
    Text, TextFaces,
    ::testing::Values(
        FaceCase{"Default", "ABC", Gothic, "ABC"},
        FaceCase{"Romans", "\\Fromans;ABC", Mincho, "ABC"},
        FaceCase{"RomansWithFolderAndOptions", "\\Fc:\\fonts\\ROMANS.SHX|b1;A", Mincho, "A"},
        FaceCase{"SyastroSubstitutes", "\\Fsyastro;y", "Symbol", "\xD2"},
        FaceCase{"TrueTypeFace", "\\FArial|b0|i0;A", "Arial", "A"},
        FaceCase{"FormatCodesDropped", "\\H2.5x;\\C1;\\W0.8;A\\~B\\\\\\{", Gothic, "A B\\{"},
        FaceCase{"CodeWithoutSemicolon", "AB\\H2.5", Gothic, "AB"},
        FaceCase{"BackslashAtTheEnd", "AB\\", Gothic, "AB"},
        FaceCase{"Underline", "%%uABC", Gothic, "ABC"}),
    [](const auto& info) { return info.param.name; });

TEST(Text, UnderlineCodeSetsTheField) {
    const auto drawing = DrawingOf(EntitiesSection(MText("%%uABC%%O")));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Get(PorText::Underline), 1);
    EXPECT_EQ(r.Get(PorText::Overline), 1);
}

TEST(Text, ParagraphGivesTwoLinesOneStepApart) {
    const auto drawing = DrawingOf(EntitiesSection(MText("A\\PB")));
    const PorRecord r = Single(drawing);
    ASSERT_EQ(r.Type(), PorInsert::Type);
    EXPECT_EQ(r.Get(PorInsert::Id), "M1");
    const auto lines = Children(r);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Get(PorText::Text), "A");
    EXPECT_EQ(lines[1].Get(PorText::Text), " B");
    EXPECT_EQ(lines[0].Get(PorText::Second)->y - lines[1].Get(PorText::Second)->y, 1670);
}

TEST(Text, ClosingBraceEndsALineAtTheSamePlace) {
    const auto drawing = DrawingOf(EntitiesSection(MText("{\\Fromans;A}B")));
    const PorRecord r = Single(drawing);
    const auto lines = Children(r);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Get(PorText::FaceName), CString(Mincho));
    EXPECT_EQ(lines[1].Get(PorText::FaceName), CString(Gothic));
    EXPECT_EQ(lines[0].Get(PorText::Second)->y, lines[1].Get(PorText::Second)->y);
}

TEST(Text, MTextAttachmentAndDirection) {
    const auto drawing = DrawingOf(EntitiesSection(MText("A", " 71\n5\n 11\n0\n 21\n1\n") +
                                                   MText("B", " 11\n-1\n 21\n0\n 71\n9\n")));
    ASSERT_EQ(drawing.records.size(), 2u);
    EXPECT_EQ(drawing.records[0].Get(PorText::VerticalAlign), 2);
    EXPECT_EQ(drawing.records[0].Get(PorText::HorizontalAlign), 1);
    EXPECT_EQ(drawing.records[0].Get(PorText::Angle), 900);
    EXPECT_EQ(drawing.records[1].Get(PorText::VerticalAlign), 1);
    EXPECT_EQ(drawing.records[1].Get(PorText::HorizontalAlign), 2);
    EXPECT_EQ(drawing.records[1].Get(PorText::Angle), 1800);
}

struct MTextTurnCase {
    const char* name;
    std::string groups;
    LONG angle; // tenths of a degree
};

class MTextTurn : public ::testing::TestWithParam<MTextTurnCase> {};

// Title-sheet labels turned by their rotation alone must not lie flat; a
// direction, where one is given, decides.
TEST_P(MTextTurn, FollowsTheDirectionElseTheRotation) {
    const auto drawing = DrawingOf(EntitiesSection(MText("A", GetParam().groups)));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Get(PorText::Angle), GetParam().angle);
}

INSTANTIATE_TEST_SUITE_P(Text, MTextTurn,
                         ::testing::Values(MTextTurnCase{"RotationAlone", " 50\n90\n", 900},
                                           MTextTurnCase{"RotationAfterTheDirection",
                                                         " 11\n-1\n 21\n0\n 50\n90\n", 1800},
                                           MTextTurnCase{"DirectionAfterTheRotation",
                                                         " 50\n90\n 11\n0\n 21\n-1\n", 2700},
                                           MTextTurnCase{"Neither", "", 0}),
                         [](const auto& info) { return info.param.name; });

TEST(Text, LongMTextInChunksWithManyParagraphs) {
    std::string text;
    for (int i = 0; i < 500; ++i) {
        text += "line" + std::string(16, static_cast<char>('a' + i % 26)) + "\\P";
    }
    text += "end";
    std::string groups;
    std::size_t at = 0;
    for (; text.size() - at > 250; at += 250) {
        groups += "  3\n" + text.substr(at, 250) + "\n";
    }
    const auto drawing = DrawingOf(
        EntitiesSection("  0\nMTEXT\n 40\n1\n" + groups + "  1\n" + text.substr(at) + "\n"));
    const PorRecord r = Single(drawing);
    const auto lines = Children(r);
    ASSERT_EQ(lines.size(), 501u);
    EXPECT_EQ(lines[0].Get(PorText::Text), "line" + std::string(16, 'a'));
    EXPECT_GT(text.size(), 10000u);
    EXPECT_EQ(lines[500].Get(PorText::Text), " end");
}

TEST(Text, LongFontNameIsKeptWhole) {
    const std::string face(1000, 'f');
    const auto drawing = DrawingOf(EntitiesSection(MText("\\F" + face + ";X")));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Get(PorText::FaceName), CString(face));
    EXPECT_EQ(r.Get(PorText::Text), "X");
}

TEST(Text, StylesGiveFaceObliqueAndWidth) {
    const std::string tables = "  0\nSECTION\n  2\nTABLES\n"
                               "  0\nSTYLE\n  2\nSTANDARD\n  3\ntxt\n 41\n0.7\n"
                               "  0\nSTYLE\n  2\nTATE\n  3\n@msgothic.ttc\n 50\n15\n"
                               "  0\nENDSEC\n";
    const auto drawing =
        DrawingOf(tables + EntitiesSection(Text(" 40\n1\n  7\nTATE\n  1\nA\n") + MText("B") +
                                           Text(" 40\n1\n 41\n2\n  7\nStandard\n  1\nC\n")));
    ASSERT_EQ(drawing.records.size(), 3u);
    EXPECT_EQ(drawing.records[0].Get(PorText::FaceName), CString("@" + Gothic));
    EXPECT_EQ(drawing.records[0].Get(PorText::Slant), 15000);
    EXPECT_EQ(drawing.records[1].Get(PorText::WidthFactor), 700);
    EXPECT_EQ(drawing.records[2].Get(PorText::WidthFactor), 2000);
}

TEST(Text, EmptyTextsWriteNothing) {
    EXPECT_EQ(DxfTest::DumpText(EntitiesSection(Text("  1\n\n") + MText(""))), "null\n");
}

TEST(Text, JapaneseTextInBothEncodings) {
    // 図面 in CP932 and UTF-8, and the diameter sign spelt as an escape.
    const std::string cp932 = EntitiesSection(MText("\x90\x7D\x96\xCA\\U+2205"));
    const auto cp932Drawing = DrawingOf(cp932);
    EXPECT_EQ(Single(cp932Drawing).Get(PorText::Text), "\x90\x7D\x96\xCA\x83\xB3");
    const std::string utf8 = "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1021\n"
                             "  0\nENDSEC\n" +
                             EntitiesSection(MText("\xE5\x9B\xB3\xE9\x9D\xA2\\U+2205"));
    const auto utf8Drawing = DrawingOf(utf8);
    EXPECT_EQ(Single(utf8Drawing).Get(PorText::Text), "\x90\x7D\x96\xCA\x83\xB3");
}

TEST(Text, ManyCodesTakeLinearTime) {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "%%d%%u";
    }
    const auto start = CpuClock::now();
    const auto drawing = DrawingOf(EntitiesSection("  0\nTEXT\n 40\n1\n  1\n" + text + "\n"));
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(10));
    const PorRecord r = Single(drawing);
    EXPECT_EQ(r.Get(PorText::Text).GetLength(), 400000);
    EXPECT_EQ(r.Get(PorText::Underline), 1);
}

} // namespace
