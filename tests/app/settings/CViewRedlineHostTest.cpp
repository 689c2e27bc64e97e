// The palette's style as the document's current markup attributes: fill,
// line and frame of each kind, and what an earlier style leaves behind.
#include "app/CViewRedlineHost.h"
#include "app/CZumeoDoc.h"
#include "ui/CPaletteStyle.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

struct DocumentCase {
    std::string name;
    std::function<void(CPaletteStyle&)> set;
    // What the document had from an earlier style.
    std::function<void(CRedlineStyle&)> before;
    int solidFill, fillType, transparent, lineType, noteFrameLine, penWidth;
    COLORREF fillColor;
};

void PrintTo(const DocumentCase& c, std::ostream* out) {
    *out << c.name;
}

constexpr COLORREF kEarlierFill = 0x123456;

void HatchedEarlier(CRedlineStyle& red) {
    red.m_redFillType = 5;
    red.m_redTransparent = 0;
    red.m_redFillColor = kEarlierFill;
    red.m_redLineType = 1;
    red.m_noteFrameLine = 1;
}

const DocumentCase kDocumentCases[] = {
    {"OutlineOnlyShapeDrawsItsLine",
     [](CPaletteStyle& s) {
         s.m_kind = 10;
         s.m_paintType = 0;
         s.m_lineFlag = 0;
     },
     HatchedEarlier, 0, 0, 1, 1, 1, 15, kEarlierFill},
    {"SolidPaintFillsOpaque",
     [](CPaletteStyle& s) {
         s.m_kind = 8;
         s.m_paintType = 1;
         s.m_paintColor = 0x00FF00;
     },
     HatchedEarlier, 1, 3, 0, 1, 1, 15, 0x00FF00},
    {"SeeThroughPaintIsFillTypeOne",
     [](CPaletteStyle& s) {
         s.m_kind = 9;
         s.m_paintType = 3;
         s.m_paintColor = 0x0000FF;
         s.m_lineFlag = 0;
     },
     HatchedEarlier, 0, 1, 0, 0, 1, 15, 0x0000FF},
    {"HatchKeepsItsTransparency",
     [](CPaletteStyle& s) {
         s.m_kind = 3;
         s.m_paintType = 7;
         s.m_hatchTransparency = 1;
         s.m_paintColor = 0x00FFFF;
     },
     HatchedEarlier, 0, 7, 1, 1, 1, 15, 0x00FFFF},
    {"ClearPaintIsFillType99",
     [](CPaletteStyle& s) {
         s.m_kind = 6;
         s.m_paintType = 2;
     },
     HatchedEarlier, 0, 99, 0, 1, 1, 15, kEarlierFill},
    {"ImageFrameLineFollowsItsFlag",
     [](CPaletteStyle& s) {
         s.m_kind = 13;
         s.m_imageLineFlag = 0;
     },
     HatchedEarlier, 0, 0, 1, 0, 1, 15, kEarlierFill},
    {"MendedNoteWithoutFrameClearsAnEarlierFill",
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 0;
     },
     HatchedEarlier, 0, 0, 1, 1, 0, 15, kEarlierFill},
    {"MendedFramedNoteClearsAnEarlierFill",
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 1;
     },
     HatchedEarlier, 0, 0, 1, 1, 1, 15, kEarlierFill},
    {"FilledNoteTakesTheNotePaintAndLineFlag",
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 2;
         s.m_noteLineFlag = 0;
         s.m_notePaintColor = 0x80FFFF;
     },
     HatchedEarlier, 1, 5, 0, 1, 0, 15, 0x80FFFF},
    {"SeeThroughNoteIsFillTypeOne",
     [](CPaletteStyle& s) {
         s.m_kind = 5;
         s.m_noteFrameType = 3;
         s.m_notePaintColor = 0xC0FFC0;
     },
     HatchedEarlier, 0, 1, 0, 1, 0, 15, 0xC0FFC0},
    {"MendedPenWidthIsRoundedNotTruncated",
     [](CPaletteStyle& s) {
         s.m_kind = 7;
         s.m_penWidth = 0.29;
     },
     HatchedEarlier, 0, 0, 1, 1, 1, 29, kEarlierFill},
    {"MendedPenWidthOfTheLargestEntry",
     [](CPaletteStyle& s) {
         s.m_kind = 7;
         s.m_penWidth = 2.11;
     },
     HatchedEarlier, 0, 0, 1, 1, 1, 211, kEarlierFill},
};

class ApplyToDocumentTest : public ::testing::TestWithParam<DocumentCase> {};

TEST_P(ApplyToDocumentTest, SetsTheCurrentMarkupAttributes) {
    const DocumentCase& c = GetParam();
    CZumeoDoc document;
    c.before(document.m_style);
    CPaletteStyle style;
    style.m_penWidth = 0.15;
    style.m_layerName = "RED";
    style.m_tooltip = "tip";
    c.set(style);
    CViewRedlineHost::ApplyStyleTo(document, style);
    const CRedlineStyle& red = document.m_style;
    EXPECT_EQ(document.m_markupKind, style.m_kind);
    EXPECT_EQ(document.m_curLayerName, CString("RED"));
    EXPECT_EQ(document.GetNewMarkName(), CString("tip"));
    EXPECT_EQ(red.m_redSolidFill, c.solidFill);
    EXPECT_EQ(red.m_redFillType, c.fillType);
    EXPECT_EQ(red.m_redTransparent, c.transparent);
    EXPECT_EQ(red.m_redLineType, c.lineType);
    EXPECT_EQ(red.m_noteFrameLine, c.noteFrameLine);
    EXPECT_EQ(red.m_redPenWidth, c.penWidth);
    EXPECT_EQ(red.m_redFillColor, c.fillColor);
}

INSTANTIATE_TEST_SUITE_P(Styles, ApplyToDocumentTest, ::testing::ValuesIn(kDocumentCases),
                         [](const auto& info) { return info.param.name; });

TEST(ApplyToDocumentTest, LeaderTextGivesLabelFrameSizesAndPenColour) {
    CZumeoDoc document;
    CPaletteStyle style;
    style.m_kind = 4;
    style.m_penColor = 0x0000FF;
    style.m_textSize = 0.25;
    style.m_arrowSize = 0.5;
    const int frames[][2] = {{0, 2}, {1, 1}, {2, 3}};
    for (const auto& [boxFrame, labelFrame] : frames) {
        style.m_boxFrame = boxFrame;
        style.m_tipAtCentre = boxFrame % 2;
        CViewRedlineHost::ApplyStyleTo(document, style);
        EXPECT_EQ(document.m_style.m_labelFrame, labelFrame) << "box frame " << boxFrame;
        EXPECT_EQ(document.m_style.m_leaderTipAtCentre, boxFrame % 2);
    }
    EXPECT_EQ(document.m_style.m_redPenColor, 0x0000FFu);
    EXPECT_DOUBLE_EQ(document.m_textSize, 0.25);
    EXPECT_DOUBLE_EQ(document.m_arrowSize, 0.5);
}

} // namespace
