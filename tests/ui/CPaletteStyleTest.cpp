// The redline palette's style: what it reads back from a markup, and the
// "REDDLG" keys it keeps.
#include "ui/CPaletteStyle.h"
#include "entities/CRukEntity.h"
#include "entities/EntityKinds.h"
#include "platform/win/CProfile.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <QSettings>

#include <functional>
#include <ostream>
#include <string>

namespace {

// ---- A markup's style read back.

class StyledMark : public CRukEntity {
public:
    explicit StyledMark(int number) { m_kind = MarkupKind(number); }
    int GetTextHeight() const override { return m_textHeight; }
    int GetArrowLength() const override { return m_arrowLength; }
    CString GetLabelText() const override { return m_label; }
    CString GetFaceName() const override { return m_face; }
    int GetNoteFrameType() const override { return m_frameType; }
    int GetLabelMode() const override { return m_labelMode; }
    int GetLeaderAttached() const override { return m_attached; }

    int m_textHeight = 0;
    int m_arrowLength = 0;
    CString m_label;
    CString m_face;
    int m_frameType = 0;
    int m_labelMode = 0;
    int m_attached = 0;
};

struct LoadCase {
    std::string name;
    int number;
    std::function<void(StyledMark&)> set;
    std::function<void(const CPaletteStyle&)> check;
};

void PrintTo(const LoadCase& c, std::ostream* out) {
    *out << c.name;
}

// Presets of a drawing 76 units high: 1.267, 1.0, 0.8 for the text and
// 2.0, 1.0, 0.5 for the arrow.
CPaletteStyle PresetStyle() {
    CPaletteStyle style;
    CDrawDefaults settings;
    style.ComputePresets(76.0, settings);
    style.m_kind = 7;
    return style;
}

const LoadCase kLoadCases[] = {
    {"CircleMarkIsKindTwo", 0x00, [](StyledMark&) {},
     [](const CPaletteStyle& s) { EXPECT_EQ(s.m_kind, 2); }},
    {"FreehandIsKindTwelve", 0x13, [](StyledMark&) {},
     [](const CPaletteStyle& s) { EXPECT_EQ(s.m_kind, 12); }},
    {"ImageIsKindThirteenWithItsLineFlag", 0x15, [](StyledMark& m) { m.m_lineType = 0; },
     [](const CPaletteStyle& s) {
         EXPECT_EQ(s.m_kind, 13);
         EXPECT_EQ(s.m_imageLineFlag, 0);
         EXPECT_EQ(s.m_lineFlag, 1);
     }},
    {"PartLineLeavesTheKind", 0x0C, [](StyledMark&) {},
     [](const CPaletteStyle& s) { EXPECT_EQ(s.m_kind, 7); }},
    {"FillTypesMapToPaintTypes", 0x0A,
     [](StyledMark& m) {
         m.m_fillType = 1;
         m.m_transparent = 0;
     },
     [](const CPaletteStyle& s) {
         EXPECT_EQ(s.m_paintType, 3);
         EXPECT_EQ(s.m_hatchTransparency, 0);
     }},
    {"SolidFillIsPaintTypeOne", 0x08, [](StyledMark& m) { m.m_fillType = 3; },
     [](const CPaletteStyle& s) { EXPECT_EQ(s.m_paintType, 1); }},
    {"Fill99IsPaintTypeTwo", 0x08, [](StyledMark& m) { m.m_fillType = 99; },
     [](const CPaletteStyle& s) { EXPECT_EQ(s.m_paintType, 2); }},
    {"HatchStaysItsType", 0x09,
     [](StyledMark& m) {
         m.m_fillType = 6;
         m.m_thirdColor = 0x00FF00;
     },
     [](const CPaletteStyle& s) {
         EXPECT_EQ(s.m_paintType, 6);
         EXPECT_EQ(s.m_hatchColor, 0x00FF00u);
     }},
    {"NoteKeepsItsOwnColoursAndFrame", 0x05,
     [](StyledMark& m) {
         m.m_color = 0x404040;
         m.m_fillColor = 0x80FFFF;
         m.m_frameType = 3;
         m.m_lineType = 0;
     },
     [](const CPaletteStyle& s) {
         EXPECT_EQ(s.m_notePenColor, 0x404040u);
         EXPECT_EQ(s.m_notePaintColor, 0x80FFFFu);
         EXPECT_EQ(s.m_noteFrameType, 3);
         EXPECT_EQ(s.m_noteLineFlag, 0);
         EXPECT_EQ(s.m_penColor, CPaletteStyle().m_penColor);
     }},
    {"PenWidthInMillimetres", 0x07, [](StyledMark& m) { m.m_lineWidth = 29; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_penWidth, 0.29); }},
    {"TextHeightThroughThreeDecimals", 0x01, [](StyledMark& m) { m.m_textHeight = 1234567; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_textSize, 1234.567); }},
    {"ArrowWithinHalfAStepIsTheSmallPreset", 0x04, [](StyledMark& m) { m.m_arrowLength = 700; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_arrowSize, 0.5); }},
    {"ArrowWithinHalfAStepIsTheStandardPreset", 0x04, [](StyledMark& m) { m.m_arrowLength = 1400; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_arrowSize, 1.0); }},
    {"ArrowWithinHalfAStepIsTheLargePreset", 0x04, [](StyledMark& m) { m.m_arrowLength = 1600; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_arrowSize, 2.0); }},
    {"ArrowFarFromEveryPresetStays", 0x04, [](StyledMark& m) { m.m_arrowLength = 3000; },
     [](const CPaletteStyle& s) { EXPECT_DOUBLE_EQ(s.m_arrowSize, 3.0); }},
    {"LabelFrameTipAndTooltip", 0x02,
     [](StyledMark& m) {
         m.m_labelMode = 2;
         m.m_attached = 0;
         m.m_name = "tip";
         m.m_label = "LABEL";
         m.m_layerName = "RED";
     },
     [](const CPaletteStyle& s) {
         EXPECT_EQ(s.m_boxFrame, 2);
         EXPECT_EQ(s.m_tipAtCentre, 0);
         EXPECT_EQ(s.m_tooltip, CString("tip"));
         EXPECT_EQ(s.m_text, CString("LABEL"));
         EXPECT_EQ(s.m_layerName, CString("RED"));
     }},
};

class LoadFromObjectTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadFromObjectTest, ReadsTheMarkupsStyle) {
    const LoadCase& c = GetParam();
    StyledMark mark(c.number);
    c.set(mark);
    CPaletteStyle style = PresetStyle();
    style.LoadFromObject(mark, 1000);
    c.check(style);
}

INSTANTIATE_TEST_SUITE_P(Markups, LoadFromObjectTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return info.param.name; });

// ---- Profile keys.

class PaletteKeysTest : public ::testing::Test {
protected:
    static QVariant Key(const char* key) {
        CProfile::Flush();
        QSettings ini(m_iniPath, QSettings::IniFormat);
        return ini.value(QStringLiteral("REDDLG/") + QLatin1String(key));
    }
    static bool Has(const char* key) { return Key(key).isValid(); }
    void SetUp() override { m_iniPath = m_profile.IniPath(); }

    TempProfile m_profile;
    static inline QString m_iniPath;
};

TEST_F(PaletteKeysTest, NoteSaveWritesTheNoteKeysButNeverTheBackground) {
    CPaletteStyle style;
    style.m_kind = 5;
    style.m_notePenColor = 0x404040;
    style.m_notePaintColor = CPaletteStyle::kBackground;
    style.m_noteFrameType = 2;
    style.m_penWidth = 0.5;
    style.m_text = CString("A\r\nB");
    style.SaveShapePageKeys();
    EXPECT_EQ(Key("KIND2").toInt(), 5);
    EXPECT_EQ(Key("PENCOLOR3").toInt(), 0x404040);
    EXPECT_FALSE(Has("PAINTCOLOR3"));
    EXPECT_EQ(Key("TAGTYPE").toInt(), 2);
    EXPECT_FALSE(Has("PENCOLOR2"));
    EXPECT_FALSE(Has("PAINTTYPE"));
    EXPECT_EQ(Key("PENWIDTH2").toString(), QStringLiteral("0.50"));
    EXPECT_EQ(Key("TEXT2").toString(), QStringLiteral("A¶B"));
}

TEST_F(PaletteKeysTest, ClosedShapeSaveWritesFillKeysAndSkipsABackgroundPaint) {
    CPaletteStyle style;
    style.m_kind = 10;
    style.m_paintType = 5;
    style.m_paintColor = CPaletteStyle::kBackground;
    style.m_hatchColor = 0x00FF00;
    style.m_hatchTransparency = 1;
    style.SaveShapePageKeys();
    EXPECT_FALSE(Has("PAINTCOLOR2"));
    EXPECT_EQ(Key("HATCHCOLOR").toInt(), 0x00FF00);
    EXPECT_EQ(Key("TRANSPARENCY").toInt(), 1);
    EXPECT_EQ(Key("PAINTTYPE").toInt(), 5);
    EXPECT_FALSE(Has("TAGTYPE"));
}

TEST_F(PaletteKeysTest, CutOutSaveKeepsTheStoredKind) {
    CPaletteStyle style;
    style.m_kind = CPaletteStyle::kCutOut;
    style.SaveShapePageKeys();
    EXPECT_FALSE(Has("KIND2"));
    EXPECT_TRUE(Has("PAINTTYPE"));
}

TEST_F(PaletteKeysTest, TextSaveStoresTextAsTypedAndTooltipOnOneLine) {
    CPaletteStyle style = PresetStyle();
    style.m_kind = 4;
    style.m_text = CString("A\r\nB");
    style.m_tooltip = CString("X\nY\rZ");
    style.m_textSize = style.m_textPresets[2];
    style.m_arrowSize = 0.0;
    style.m_boxFrame = 2;
    style.m_tipAtCentre = 0;
    style.SaveTextPageKeys();
    EXPECT_EQ(Key("KIND1").toInt(), 4);
    EXPECT_EQ(Key("TEXT1").toString(), QStringLiteral("A\r\nB"));
    EXPECT_EQ(Key("TOOLTIP1").toString(), QStringLiteral("X¶Y¶Z"));
    EXPECT_EQ(Key("TEXTSIZE1").toInt(), 2);
    EXPECT_EQ(Key("ARROWSIZE1").toInt(), 3) << "no arrow";
    EXPECT_EQ(Key("BOXFRAME").toInt(), 2);
    EXPECT_EQ(Key("TRANS").toInt(), 0);
}

TEST_F(PaletteKeysTest, TextSaveLeavesTheSizeEntryOfATypedSizeAlone) {
    CProfile::WriteProfileInt("REDDLG", "TEXTSIZE1", 0);
    CPaletteStyle style = PresetStyle();
    style.m_kind = 0;
    style.m_textSize = 0.123;
    style.SaveTextPageKeys();
    EXPECT_EQ(Key("TEXTSIZE1").toInt(), 0);
}

TEST_F(PaletteKeysTest, OpeningAToolReadsDefaultsAndPresetChoices) {
    CProfile::WriteProfileInt("REDDLG", "TEXTSIZE1", 5);
    CProfile::WriteProfileInt("REDDLG", "ARROWSIZE1", 2);
    CDrawDefaults settings;
    CPaletteStyle style;
    style.ComputePresets(76.0, settings);
    style.ReadOpeningKeys(settings);
    style.ReadToolPageKeys(CPaletteStyle::kShapePage, settings);
    EXPECT_DOUBLE_EQ(style.m_penWidth, 0.15) << "PENWIDTH2 absent";
    EXPECT_DOUBLE_EQ(style.m_textSize, style.m_textPresets[1]) << "5 picks the standard size";
    EXPECT_DOUBLE_EQ(style.m_arrowSize, style.m_arrowPresets[2]);
    EXPECT_EQ(style.m_notePaintColor, settings.m_paint3Color);
    EXPECT_EQ(style.m_notePenColor, settings.m_pen3Color);
    EXPECT_EQ(style.m_penColor, settings.m_pen2Color);
    EXPECT_EQ(style.m_noteFrameType, 2);
    EXPECT_EQ(style.m_layerName, settings.m_layer2Name);
}

TEST_F(PaletteKeysTest, Text1IsReadAsStoredWhileOtherTextsTurnPilcrowsIntoLineBreaks) {
    CProfile::WriteProfileString("REDDLG", "TEXT1", CString::FromUtf8("A¶B").c_str());
    CProfile::WriteProfileString("REDDLG", "TEXT2", CString::FromUtf8("A¶B").c_str());
    CProfile::WriteProfileString("REDDLG", "TOOLTIP1", CString::FromUtf8("C¶D").c_str());
    CDrawDefaults settings;
    CPaletteStyle text;
    text.ReadPageKeys(CPaletteStyle::kTextPage, true, settings);
    EXPECT_EQ(text.m_text, CString::FromUtf8("A¶B"));
    EXPECT_EQ(text.m_tooltip, CString("C\r\nD"));
    EXPECT_EQ(text.m_kind, 0);
    CPaletteStyle shape;
    shape.ReadPageKeys(CPaletteStyle::kShapePage, true, settings);
    EXPECT_EQ(shape.m_text, CString("A\r\nB"));
    EXPECT_EQ(shape.m_kind, 7);
    EXPECT_EQ(shape.m_penColor, 0x0000FFu);
    EXPECT_EQ(shape.m_noteLineFlag, 0);
}

TEST(PilcrowTextTest, EveryLineBreakIsOnePilcrowAndComesBackAsCrLf) {
    const CString stored = PilcrowText::Encode(CString::FromUtf8("朱書き\r\n一\n二\r三"));
    EXPECT_EQ(stored, CString::FromUtf8("朱書き¶一¶二¶三"));
    EXPECT_EQ(PilcrowText::Decode(stored), CString::FromUtf8("朱書き\r\n一\r\n二\r\n三"));
}

} // namespace
