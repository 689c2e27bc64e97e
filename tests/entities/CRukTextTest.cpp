// The text: its layout, measuring, record, archive body, drawing choices,
// transformations and pictures drawn with the IPA fonts.
#include "entities/CRukText.h"

#include "entities/EntityKinds.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr RECT kClip{0, 0, 1000, 1000};
// "上" and "ＭＳ ゴシック".
constexpr const char* kUe = "\x8F\xE3";
constexpr const char* kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";

// A 200 x 100 text with its reference line at y 2000.
CRukText BoxedText(int horz, int vert, int angle, double slant) {
    CRukText text;
    text.m_x1 = 1000;
    text.m_y2 = 2000;
    text.m_x2 = 1200;
    text.m_y1 = 2100;
    text.m_horzAlign = horz;
    text.m_vertAlign = vert;
    text.m_angle = angle;
    text.m_slant = slant;
    text.UpdateLayout();
    return text;
}

// ---- Layout

struct LayoutCase {
    const char* name;
    int horz;
    int vert;
    int angle;
    double slant;
};

std::ostream& operator<<(std::ostream& out, const LayoutCase& c) {
    return out << c.name;
}

class TextLayout : public testing::TestWithParam<LayoutCase> {};

TEST_P(TextLayout, GivesTheFourCornersTurnedSlantedAndAligned) {
    const LayoutCase& c = GetParam();
    const CRukText text = BoxedText(c.horz, c.vert, c.angle, c.slant);
    const double w = 200;
    const double h = 100;
    // The slanted box keeps its bottom-left corner and loses the lean.
    const double boxWidth = w - std::tan(-c.slant * M_PI / 180) * h;
    const double d = c.horz == 1 || c.horz == 4 ? w / 2 : c.horz == 2 ? w : 0;
    const double e = c.vert == 2 || (c.vert == 0 && c.horz == 4) ? h / 2 : c.vert == 3 ? h : 0;
    const double a = c.angle * 0.1 * M_PI / 180;
    const double corners[4][2] = {{0, h}, {0, 0}, {boxWidth, 0}, {boxWidth, h}};
    ASSERT_EQ(text.m_points.GetSize(), 4);
    for (int i = 0; i < 4; ++i) {
        const double x = corners[i][0] - d;
        const double y = corners[i][1] - e;
        SCOPED_TRACE("corner " + std::to_string(i));
        EXPECT_NEAR(text.m_points[i].x, 1000 + std::cos(a) * x - std::sin(a) * y, 2);
        EXPECT_NEAR(text.m_points[i].y, 2000 + std::sin(a) * x + std::cos(a) * y, 2);
    }
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    text.GetExtents(&minX, &minY, &maxX, &maxY);
    for (int i = 0; i < 4; ++i) {
        EXPECT_GE(text.m_points[i].x, minX);
        EXPECT_LE(text.m_points[i].x, maxX);
        EXPECT_GE(text.m_points[i].y, minY);
        EXPECT_LE(text.m_points[i].y, maxY);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLayout,
    testing::Values(LayoutCase{"LeftBaseline", 0, 0, 0, 0}, LayoutCase{"Centre", 1, 0, 0, 0},
                    LayoutCase{"RightBottomShiftsOnlyAcross", 2, 1, 0, 0},
                    LayoutCase{"MiddleCentresBothWays", 4, 0, 0, 0},
                    LayoutCase{"AsLeftTop", 3, 3, 0, 0}, LayoutCase{"MiddleAt900", 0, 2, 900, 0},
                    LayoutCase{"RightTopAt900", 2, 3, 900, 0},
                    LayoutCase{"CentreMiddleAt300", 1, 2, 300, 0},
                    LayoutCase{"SlantedLeft", 0, 0, 0, 15},
                    LayoutCase{"SlantedMiddleAt300", 4, 0, 300, 15},
                    LayoutCase{"SlantedRightTopAt300", 2, 3, 300, 15},
                    LayoutCase{"SlantedCode5At900", 5, 0, 900, 15},
                    LayoutCase{"LeaningLeftAt900", 0, 1, 900, -15}),
    [](const testing::TestParamInfo<LayoutCase>& info) { return std::string(info.param.name); });

// ---- Measuring with fixed metrics

struct ExtentCase {
    const char* name;
    int height;
    double widthFactor;
    int width;   // x2 - x1 after measuring
    int height2; // y1 - y2 after measuring
};

std::ostream& operator<<(std::ostream& out, const ExtentCase& c) {
    return out << c.name;
}

class TextExtent : public testing::TestWithParam<ExtentCase> {};

TEST_P(TextExtent, SetsTheSecondPointFromTheMeasure) {
    const ExtentCase& c = GetParam();
    FixedTextMetrics metrics;
    CRecordingDC dc;
    CRukText text;
    // "AB上": one and a half full widths and a full width.
    text.m_text = CString("AB") + kUe;
    text.m_height = c.height;
    text.m_widthFactor = c.widthFactor;
    text.m_x1 = 10;
    text.m_y2 = 20;
    text.m_x2 = 7;
    text.m_y1 = 8;
    text.GetTextExtent(&dc, 0, 0, 1.0, 1.0);
    EXPECT_EQ(text.m_x2 - text.m_x1, c.width);
    EXPECT_EQ(text.m_y1 - text.m_y2, c.height2);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextExtent,
                         testing::Values(ExtentCase{"Plain", 100, 1.0, 200, 100},
                                         ExtentCase{"Stretched", 100, 2.0, 400, 100},
                                         ExtentCase{"TinyMeasuredAHundredfold", 5, 1.0, 10, 5},
                                         ExtentCase{"ZeroGivesOneUnit", 0, 1.0, 1, 1},
                                         ExtentCase{"TooLargeLeavesTheBox", 20000, 1.0, -3, -12}),
                         [](const testing::TestParamInfo<ExtentCase>& info) {
                             return std::string(info.param.name);
                         });

// ---- Record

PorRecordBuilder TextRecord() {
    PorRecordBuilder record(PorText::Type);
    record.Set(PorText::First, POINT{100, 200});
    record.Set(PorText::Second, POINT{300, 150});
    record.Set(PorText::Angle, 300);
    record.Set(PorText::VerticalAlign, 1);
    record.Set(PorText::HorizontalAlign, 2);
    record.Set(PorText::TextKind, 23);
    record.Set(PorText::Height, 50);
    record.Set(PorText::Color, 0x0000FF);
    record.Set(PorText::Underline, 1);
    record.Set(PorText::Style, 3);
    record.Set(PorText::Slant, -15000);
    record.Set(PorText::WidthFactor, 800);
    record.Set(PorText::Spacing, 7);
    record.Set(PorText::FitWidth, 25);
    record.Set(PorText::Id, "T1");
    record.Set(PorText::Text, "ABC");
    record.Set(PorText::Layer, "NOTE");
    record.Set(PorText::FaceName, "X");
    return record;
}

int Create(CRukText& text, const PorRecordBuilder& record) {
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return text.CreateFromRecord(&*framed, nullptr, 25);
}

TEST(CRukTextTest, DefaultsAreAnEmptyGothicText) {
    const CRukText text;
    EXPECT_EQ(text.GetKind(), kKindText);
    EXPECT_EQ(text.m_faceName, CRukText::kDefaultFace);
    EXPECT_EQ(text.m_charSet, 128);
    EXPECT_EQ(text.m_widthFactor, 1.0);
    EXPECT_EQ(text.m_color, 0xFFFFFFu);
    EXPECT_EQ(text.m_layerName, "0");
}

TEST(CRukTextTest, RecordFieldsFillTheText) {
    CRukText text;
    ASSERT_EQ(Create(text, TextRecord()), 1);
    EXPECT_EQ(text.m_id, "T1");
    EXPECT_EQ(text.m_text, "ABC");
    EXPECT_EQ(text.m_layerName, "NOTE");
    EXPECT_EQ(text.m_sourceLayer, "NOTE");
    EXPECT_EQ(text.m_faceName, "X");
    EXPECT_EQ(text.m_x1, 100);
    EXPECT_EQ(text.m_y1, 200);
    EXPECT_EQ(text.m_x2, 300);
    EXPECT_EQ(text.m_y2, 150);
    EXPECT_EQ(text.m_angle, 300);
    EXPECT_EQ(text.m_vertAlign, 1);
    EXPECT_EQ(text.m_horzAlign, 2);
    EXPECT_EQ(text.m_height, 50);
    EXPECT_EQ(text.m_color, 0x0000FFu);
    EXPECT_EQ(text.m_savedColor, 0x0000FFu);
    EXPECT_EQ(text.m_underline, 1);
    EXPECT_EQ(text.m_bold, 1);
    EXPECT_DOUBLE_EQ(text.m_widthFactor, 0.8);
    EXPECT_EQ(text.m_spacing, 7);
    EXPECT_EQ(text.m_fitWidth, 25);
    EXPECT_EQ(text.m_points.GetSize(), 4);
}

TEST(CRukTextTest, MendedANegativeRecordSlantLeansLeft) {
    CRukText text;
    ASSERT_EQ(Create(text, TextRecord()), 1);
    EXPECT_DOUBLE_EQ(text.m_slant, -15.0);
}

TEST(CRukTextTest, TheVerticalFlagTurnsTheTextAndItsFace) {
    PorRecordBuilder record = TextRecord();
    record.Set(PorText::Vertical, 1);
    record.Set(PorText::Angle, 0);
    CRukText text;
    ASSERT_EQ(Create(text, record), 1);
    EXPECT_EQ(text.m_faceName, "@X");
    EXPECT_EQ(text.m_vertAlign, 2);
    EXPECT_EQ(text.m_angle, 2700);
}

TEST(CRukTextTest, OtherBitsAndValuesLeaveTheirFlagsAlone) {
    PorRecordBuilder record = TextRecord();
    record.Set(PorText::Underline, 2);
    record.Set(PorText::Style, 2);
    record.Set(PorText::Color, PorByBlockColor);
    CRukText text;
    ASSERT_EQ(Create(text, record), 1);
    EXPECT_EQ(text.m_underline, 0);
    EXPECT_EQ(text.m_bold, 0);
    EXPECT_EQ(text.m_color, 0xFFFFFFu);
}

TEST(CRukTextTest, OnlyTextKind23BuildsAText) {
    PorRecordBuilder record = TextRecord();
    record.Set(PorText::TextKind, 22);
    CRukText text;
    EXPECT_EQ(Create(text, record), 0);
    EXPECT_EQ(text.CreateFromRecord(nullptr, nullptr, 25), 0);
    const PorRecordBuilder lineRecord(PorLine::Type);
    const auto line = PorRecord::Frame(lineRecord.Bytes());
    EXPECT_EQ(text.CreateFromRecord(&*line, nullptr, 25), 0);
}

// ---- Archive body

struct BodyOptions {
    bool wideHeight = true;
    bool alignment = true;
    bool slant = true;
    bool spacing = true;
};

Bytes TextBody(std::uint32_t height, std::uint16_t angle, std::int32_t slant, BodyOptions o) {
    Bytes body;
    body.Long(10).Long(120).Long(210).Long(20).Text("L1").Text("F");
    if (o.wideHeight)
        body.Long(static_cast<std::int32_t>(height));
    else
        body.Word(static_cast<std::uint16_t>(height));
    body.Long(0x00FF00).Word(angle).Text("Hi");
    if (o.alignment)
        body.Byte(2).Byte(1);
    if (o.slant)
        body.Long(slant).Long(1500);
    if (o.spacing)
        body.Long(4).Long(15);
    body.Byte(1).Byte(1).Byte(1).Byte(2).Text("tg");
    return body;
}

struct SchemaCase {
    const char* name;
    UINT schema;
    BodyOptions options;
    int height;
    int vertAlign;
    double widthFactor;
    int fitWidth;
};

std::ostream& operator<<(std::ostream& out, const SchemaCase& c) {
    return out << c.name;
}

class TextBodySchemas : public testing::TestWithParam<SchemaCase> {};

TEST_P(TextBodySchemas, LoadEveryKnownSchema) {
    const SchemaCase& c = GetParam();
    CRukText text;
    LoadBody(text, TextBody(10, 6300, 2000, c.options).Get(), c.schema);
    EXPECT_EQ(text.m_x1, 10);
    EXPECT_EQ(text.m_layerName, "L1");
    EXPECT_EQ(text.m_faceName, "F");
    EXPECT_EQ(text.m_height, c.height);
    EXPECT_EQ(text.m_savedColor, 0x00FF00u);
    EXPECT_EQ(text.m_angle, 6300) << "an older file's angle reads back as stored";
    EXPECT_EQ(text.m_text, "Hi");
    EXPECT_EQ(text.m_vertAlign, c.vertAlign);
    EXPECT_DOUBLE_EQ(text.m_widthFactor, c.widthFactor);
    EXPECT_EQ(text.m_fitWidth, c.fitWidth);
    EXPECT_EQ(text.m_bold, 1);
    EXPECT_EQ(text.m_childFlag, 2);
    EXPECT_EQ(text.m_tag, "tg");
    EXPECT_EQ(text.m_points.GetSize(), 4);
}

INSTANTIATE_TEST_SUITE_P(
    Schemas, TextBodySchemas,
    testing::Values(
        SchemaCase{"Schema4", 4, {}, 10, 2, 1.5, 15},
        SchemaCase{"Schema3HasNoSpacing", 3, {true, true, true, false}, 10, 2, 1.5, 0},
        SchemaCase{"Schema2HasNoSlant", 2, {true, true, false, false}, 10, 2, 1.0, 0},
        SchemaCase{"Schema1HasAShortHeight", 1, {false, true, false, false}, 10, 2, 1.0, 0},
        SchemaCase{"Schema0HeightInPoints", 0, {false, false, false, false}, 352, 0, 1.0, 0}),
    [](const testing::TestParamInfo<SchemaCase>& info) { return std::string(info.param.name); });

TEST(CRukTextBodyTest, StoresSchemaFourAsItReadsIt) {
    CRukText text;
    const Bytes body = TextBody(70000, 2700, 2000, {});
    LoadBody(text, body.Get(), 4);
    EXPECT_EQ(StoreBody(text), body.Get());
}

TEST(CRukTextBodyTest, MendedANegativeSlantSurvivesTheArchive) {
    CRukText text;
    LoadBody(text, TextBody(10, 0, -15000, {}).Get(), 4);
    EXPECT_DOUBLE_EQ(text.m_slant, -15.0);
    CRukText back;
    LoadBody(back, StoreBody(text), 4);
    EXPECT_DOUBLE_EQ(back.m_slant, -15.0);
}

TEST(CRukTextBodyTest, MendedThousandthsSurviveEverySave) {
    // 4.007 times 1000 falls just short of 4007 in doubles.
    CRukText text;
    LoadBody(text, TextBody(10, 0, 4007, {}).Get(), 4);
    text.m_widthFactor = text.m_slant;
    for (int save = 0; save < 3; ++save) {
        CRukText back;
        LoadBody(back, StoreBody(text), 4);
        text.m_slant = back.m_slant;
        text.m_widthFactor = back.m_widthFactor;
    }
    EXPECT_DOUBLE_EQ(text.m_slant, 4.007);
    EXPECT_DOUBLE_EQ(text.m_widthFactor, 4.007);
}

TEST(CRukTextBodyTest, MendedANegativeAngleIsStoredAsItsTurnWithinAFullCircle) {
    CRukText text;
    text.m_angle = -900;
    CRukText back;
    LoadBody(back, StoreBody(text), 4);
    EXPECT_EQ(back.m_angle, 2700);
    text.m_angle = 2700 + 3600;
    LoadBody(back, StoreBody(text), 4);
    EXPECT_EQ(back.m_angle, 2700);
}

// ---- Transformations

TEST(CRukTextTest, ScalingAboutAPointStretchesTheCharacters) {
    CRukText text = BoxedText(0, 0, 0, 0);
    text.m_height = 100;
    text.m_widthFactor = 0.5;
    text.ScaleAbout(1000, 2000, 2.0, 1.0);
    EXPECT_EQ(text.m_x2, 1400);
    EXPECT_EQ(text.m_height, 100);
    EXPECT_DOUBLE_EQ(text.m_widthFactor, 2.0);
    EXPECT_EQ(text.m_points[2].x, 1400);
}

TEST(CRukTextTest, MendedScalingWithAZeroHeightFactorLeavesTheText) {
    CRukText text = BoxedText(0, 0, 0, 0);
    text.m_height = 100;
    text.ScaleAbout(0, 0, 2.0, 0.0);
    EXPECT_EQ(text.m_x2, 1200);
    EXPECT_EQ(text.m_height, 100);
    EXPECT_DOUBLE_EQ(text.m_widthFactor, 1.0);
}

TEST(CRukTextTest, OffsetMovesTheLaidOutBox) {
    CRukText text = BoxedText(0, 0, 0, 0);
    text.Offset(5, -5);
    EXPECT_EQ(text.m_points[1].x, 1005);
    EXPECT_EQ(text.m_points[1].y, 1995);
}

TEST(CRukTextTest, HitsInsideTheTurnedBoxOnly) {
    FakeDocument document;
    CRukText text = BoxedText(0, 0, 900, 0);
    // Turned a quarter: the box spans x 900..1000 and y 2000..2200.
    EXPECT_EQ(text.HitTest(nullptr, &document, 950, 2100), 1);
    EXPECT_EQ(text.HitTest(nullptr, &document, 1100, 2050), 0);
}

// ---- Drawing choices

std::vector<std::string> CallsOf(const CRecordingDC& dc, const std::string& prefix) {
    std::vector<std::string> found;
    for (const std::string& call : dc.Calls())
        if (call.starts_with(prefix))
            found.push_back(call);
    return found;
}

struct ExtraCase {
    const char* name;
    const char* text;
    int fitWidth;
    int spacing;
    std::string extra;
};

std::ostream& operator<<(std::ostream& out, const ExtraCase& c) {
    return out << c.name;
}

class CharacterExtra : public testing::TestWithParam<ExtraCase> {};

TEST_P(CharacterExtra, SpreadsTheFitWidthOverTheGaps) {
    const ExtraCase& c = GetParam();
    FixedTextMetrics metrics;
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukText text = BoxedText(0, 0, 0, 0);
    text.m_text = c.text;
    text.m_height = 100;
    text.m_fitWidth = c.fitWidth;
    text.m_spacing = c.spacing;
    text.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    const auto extras = CallsOf(dc, "SetTextCharacterExtra");
    ASSERT_EQ(extras.size(), 2u);
    EXPECT_EQ(extras[0], "SetTextCharacterExtra(" + c.extra + ")");
    EXPECT_EQ(extras[1], "SetTextCharacterExtra(0)");
    EXPECT_EQ(CallsOf(dc, "TextOut").size(), 1u);
}

// A full-width dot is 100 wide, a half-width one 50.
INSTANTIATE_TEST_SUITE_P(
    Cases, CharacterExtra,
    testing::Values(ExtraCase{"TwoFullDotsAndAHalf", "ABC", 25, 0, "125"},
                    ExtraCase{"TwoFullDots", "ABC", 20, 3, "103"},
                    ExtraCase{"OneCharacterHasNoGaps", "A", 25, 3, "3"},
                    ExtraCase{"TwoByteCharactersCountOnce", "\x8F\xE3\x8F\xE3\x8F\xE3", 20, 0,
                              "100"},
                    ExtraCase{"MendedAHugeFitWidthBuildsNoString", "AB",
                              std::numeric_limits<int>::max(), 0, "2147483647"}),
    [](const testing::TestParamInfo<ExtraCase>& info) { return std::string(info.param.name); });

TEST(CRukTextDrawTest, SlantedOrStretchedTextsAreDrawnAsOutlines) {
    CDrawDefaults settings;
    for (const double widthFactor : {1.0, 1.001}) {
        CRecordingDC dc;
        CRukText text = BoxedText(0, 0, 0, 0);
        text.m_text = "AB";
        text.m_height = 100;
        text.m_widthFactor = widthFactor;
        text.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
        const bool outlines =
            !CallsOf(dc, "PolyPolygon").empty() || !CallsOf(dc, "Polygon").empty();
        EXPECT_EQ(CallsOf(dc, "TextOut").empty(), widthFactor != 1.0) << widthFactor;
        EXPECT_EQ(outlines, widthFactor != 1.0) << widthFactor;
    }
}

TEST(CRukTextDrawTest, BoxOnlyDrawsTheAlignedFrame) {
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukText text = BoxedText(1, 2, 0, 0);
    text.TraceA(&dc, 0, 0, 1.0, &settings, kClip, TRUE);
    EXPECT_EQ(dc.Calls(),
              std::vector<std::string>{"Polygon(900,2050 1100,2050 1100,1950 900,1950)"});
}

TEST(CRukTextDrawTest, ATextOfOnePixelIsNotDrawnOnScreen) {
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukText text = BoxedText(0, 0, 0, 0);
    text.m_text = "AB";
    text.m_height = 1;
    text.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    EXPECT_TRUE(CallsOf(dc, "TextOut").empty());
}

// ---- Pictures with the IPA fonts

constexpr COLORREF kWhite = RGB(255, 255, 255);

QRect InkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

struct PictureCase {
    const char* name;
    int angle;
    int horz;
    int vert;
    bool vertical;
    // The ink's box in device pixels; the reference point is (100, 200).
    QRect within;
    bool wide;
};

std::ostream& operator<<(std::ostream& out, const PictureCase& c) {
    return out << c.name;
}

// Draws a text as the view does (y grows upwards) on a white 400x400 picture.
QImage DrawnInTheView(CRukText& text) {
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    CImageDC dc(image);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, -1);
    dc.SetViewportOrg(0, 400);
    CDrawDefaults settings;
    settings.m_bkColor = kWhite;
    FakeDocument document;
    text.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    return image;
}

// Makes a text 30 pixels high standing at (100, 200) in black.
void StandAt100x200(CRukText& text, const CString& letters, const CString& face) {
    text.m_text = letters;
    text.m_faceName = face;
    text.m_height = 30;
    text.m_x1 = 100;
    text.m_y2 = 200;
    text.m_color = 0;
}

class TextPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(TextPicture, PutsTheGlyphsWhereTheTextGoes) {
    const PictureCase& c = GetParam();
    // "上上上上"
    CRukText text;
    StandAt100x200(text, CString(kUe) + kUe + kUe + kUe,
                   c.vertical ? CString("@") + kGothic : CString(kGothic));
    text.m_angle = c.angle;
    text.m_horzAlign = c.horz;
    text.m_vertAlign = c.vert;
    const QRect ink = InkBox(DrawnInTheView(text));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(c.within.contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
    EXPECT_EQ(ink.width() > ink.height(), c.wide);
}

// "AAAA" on its baseline at device row 200.
QImage DrawnLetters(int underline) {
    CRukText text;
    StandAt100x200(text, "AAAA", kGothic);
    text.m_underline = underline;
    return DrawnInTheView(text);
}

// The longest run of ink in the rows below the baseline.
int LongestRunBelowTheBaseline(const QImage& image) {
    int longest = 0;
    for (int y = 201; y < 215; ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST(CRukTextDrawTest, AnUnderlinedTextHasItsLineUnderTheBaseline) {
    const QImage plain = DrawnLetters(0);
    const QImage underlined = DrawnLetters(1);
    const int width = InkBox(plain).width();
    ASSERT_GT(width, 40) << "the letters are drawn";
    EXPECT_EQ(LongestRunBelowTheBaseline(plain), 0) << "the letters stand on the baseline";
    EXPECT_GE(LongestRunBelowTheBaseline(underlined), width * 9 / 10)
        << "one line under the whole text";
}

// Four characters of 30 pixels run 120 pixels along the line.
INSTANTIATE_TEST_SUITE_P(
    Cases, TextPicture,
    testing::Values(PictureCase{"Horizontal", 0, 0, 0, false, QRect(100, 170, 125, 38), true},
                    PictureCase{"TurnedUp", 900, 0, 0, false, QRect(70, 75, 38, 127), false},
                    PictureCase{"Centred", 0, 1, 1, false, QRect(40, 170, 122, 31), true},
                    PictureCase{"Vertical", 2700, 0, 2, true, QRect(84, 199, 32, 125), false}),
    [](const testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

} // namespace
