// The drawing pipeline of the entity base: line widths, colours, pens, the
// styled recipe, the colour drawing entry, the dash emulation and grips, as
// recorded calls and as pixels.
#include "entities/CRukEntity.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CRgn.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/TestGroup.h"
#include "tests/entities/TestShape.h"
#include "tests/platform/gdi/GdiTestImages.h"

#include <gtest/gtest.h>

#include <QImage>

#include <string>
#include <vector>

namespace {

using GdiTestImages::At;
using GdiTestImages::Filled;
using GdiTestImages::Row;

using Calls = std::vector<std::string>;

constexpr RECT kClip{0, 0, 1000, 1000};

// A recording context whose pen and brush start as known stock objects, so
// that restoring them shows in the log.
class KnownRecordingDC : public CRecordingDC {
public:
    explicit KnownRecordingDC(const CDeviceCaps& caps = CDeviceCaps(1000, 1000))
        : CRecordingDC(caps) {
        SelectStockObject(BLACK_PEN);
        SelectStockObject(WHITE_BRUSH);
        ClearCalls();
    }
};

// ---- Device line width

struct WidthCase {
    const char* name;
    bool printing;
    int dpi;
    bool metafile;
    double lineScale;
    double metafileScale;
    int logicalPerDevice;
    int width;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const WidthCase& c) {
    return out << c.name;
}

class DeviceLineWidth : public testing::TestWithParam<WidthCase> {};

TEST_P(DeviceLineWidth, FollowsTheDevice) {
    const WidthCase& c = GetParam();
    const CDeviceCaps caps(1000, 1000, c.dpi, c.dpi, c.printing ? DT_RASPRINTER : DT_RASDISPLAY);
    std::unique_ptr<CRecordingDC> dc =
        c.metafile ? std::make_unique<CMetaFileDC>(caps) : std::make_unique<CRecordingDC>(caps);
    dc->m_bPrinting = c.printing;
    if (c.logicalPerDevice != 1) {
        dc->SetMapMode(MM_ISOTROPIC);
        dc->SetWindowExt(c.logicalPerDevice, c.logicalPerDevice);
        dc->SetViewportExt(1, 1);
    }
    CDrawDefaults settings;
    settings.m_lineScale = c.lineScale;
    settings.m_metafileLineWidthScale = c.metafileScale;
    EXPECT_EQ(CRukEntity::GetDeviceLineWidth(dc.get(), c.width, &settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DeviceLineWidth,
    testing::Values(WidthCase{"ScreenCappedAt15", false, 96, false, 100.0, 1.0, 1, 20, 15},
                    WidthCase{"ScreenTruncates", false, 96, false, 7.0, 1.0, 1, 25, 1},
                    WidthCase{"ScreenDefaultScale", false, 96, false, 10.0, 1.0, 1, 30, 3},
                    WidthCase{"ScreenMapped", false, 96, false, 100.0, 1.0, 2, 10, 20},
                    // 600 x 25 / 2540 = 5.9.
                    WidthCase{"Printer600Dpi", true, 600, false, 10.0, 1.0, 1, 25, 5},
                    // The printer ignores the line scale and the cap.
                    WidthCase{"Printer300Dpi", true, 300, false, 100.0, 1.0, 1, 100, 11},
                    WidthCase{"PrinterMapped", true, 600, false, 10.0, 1.0, 2, 25, 10},
                    // trunc(10 x 1.55 + 0.5).
                    WidthCase{"MetafileScaled", false, 96, true, 100.0, 1.55, 1, 10, 16},
                    WidthCase{"MetafileCapped", false, 96, true, 100.0, 1.0, 1, 20, 15}));

// ---- Colours

struct ColorCase {
    const char* name;
    COLORREF color;
    COLORREF fill;
    COLORREF third;
    COLORREF background;
    BOOL drawBlack;
    bool printing;
    COLORREF pen;
    COLORREF expectedFill;
    COLORREF expectedThird;
};

std::ostream& operator<<(std::ostream& out, const ColorCase& c) {
    return out << c.name;
}

class ResolveColors : public testing::TestWithParam<ColorCase> {};

TEST_P(ResolveColors, OnTheBackground) {
    const ColorCase& c = GetParam();
    TestShape shape(0, 0, 1, 1);
    shape.m_color = c.color;
    shape.m_fillColor = c.fill;
    shape.m_thirdColor = c.third;
    CRecordingDC dc;
    dc.m_bPrinting = c.printing;
    COLORREF pen = 1, fill = 1, third = 1;
    shape.ResolveColors(&dc, &pen, &fill, &third, c.background, c.drawBlack);
    EXPECT_EQ(pen, c.pen);
    EXPECT_EQ(fill, c.expectedFill);
    EXPECT_EQ(third, c.expectedThird);
    COLORREF penOnly = 1, fillOnly = 1;
    shape.ResolveColors(&dc, &penOnly, &fillOnly, nullptr, c.background, c.drawBlack);
    EXPECT_EQ(penOnly, c.pen);
}

constexpr COLORREF kNoFill = CRukEntity::kNoFillColor;

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveColors,
    testing::Values(ColorCase{"OwnColours", 0x0000FF, 0x00FF00, 0xFF0000, 0x000000, FALSE, false,
                              0x0000FF, 0x00FF00, 0xFF0000},
                    ColorCase{"NoFillTakesTheBackground", 0x0000FF, kNoFill, 0xFF0000, 0x123456,
                              FALSE, false, 0x0000FF, 0x123456, 0xFF0000},
                    ColorCase{"ContrastWithTheBackground", 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF,
                              FALSE, false, 0x000000, 0x000000, 0x000000},
                    ColorCase{"BlackOnWhite", 0x0000FF, kNoFill, 0xFF0000, 0xFFFFFF, TRUE, false,
                              0x000000, 0xFFFFFF, 0x000000},
                    // Black on a black background turns white; the missing fill is the
                    // background's grey.
                    ColorCase{"BlackOnBlack", 0x0000FF, kNoFill, 0xFF0000, 0x000000, TRUE, false,
                              0xFFFFFF, 0x000000, 0xFFFFFF},
                    ColorCase{"BlackTurnsTheFillGrey", 0x0000FF, 0x0000FF, 0xFF0000, 0xFFFFFF, TRUE,
                              false, 0x000000, 0x4C4C4C, 0x000000},
                    // A printer's background is white whatever the caller passes.
                    ColorCase{"PrinterNoFillIsWhite", 0x0000FF, kNoFill, 0xFF0000, 0x000000, FALSE,
                              true, 0x0000FF, 0xFFFFFF, 0xFF0000},
                    ColorCase{"PrinterWhiteTurnsBlack", 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000,
                              FALSE, true, 0x000000, 0x000000, 0x000000}));

// ---- Pens

class Pens : public testing::Test {
protected:
    std::string SelectedPen(TestShape& shape, int width = 3) {
        KnownRecordingDC dc;
        CPen pen;
        CPen* old = shape.SelectPen(&m_document, &dc, &pen, m_scale, width, 0x0000FF, &m_settings);
        EXPECT_NE(old, nullptr);
        return dc.Calls().empty() ? "" : dc.Calls().back();
    }

    FakeDocument m_document;
    CDrawDefaults m_settings;
    double m_scale = 1.0;
};

TEST_F(Pens, InvisibleLinesDrawSolidOnlyWhenAsked) {
    TestShape shape(0, 0, 1, 1);
    shape.m_lineType = 0;
    EXPECT_EQ(SelectedPen(shape), "SelectObject(pen PS_NULL 3 0x0000FF)");
    m_settings.m_outlineInvisibleLines = 1;
    EXPECT_EQ(SelectedPen(shape), "SelectObject(pen PS_SOLID 3 0x0000FF)");
}

TEST_F(Pens, DashedPensCarryTheDashes) {
    TestShape shape(0, 0, 1, 1);
    shape.m_lineType = 2;
    EXPECT_EQ(SelectedPen(shape),
              "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 3 0x0000FF "
              "{6600,2500})");
    shape.m_lineType = 5;
    shape.m_lineTypeScale = 300;
    EXPECT_EQ(SelectedPen(shape), "SelectObject(pen PS_SOLID 3 0x0000FF)");
}

TEST_F(Pens, TheDocumentGivesThePatternFactor) {
    TestShape shape(0, 0, 1, 1);
    shape.m_lineType = 2;
    shape.m_lineTypeScale = 100;
    m_document.m_scale = 2.0;
    EXPECT_EQ(SelectedPen(shape),
              "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 3 0x0000FF "
              "{1320,500})");
    // Redline objects drawn at the fixed factor of a metric drawing: 1.0.
    m_document.m_scaleMarkups = 0;
    EXPECT_EQ(SelectedPen(shape),
              "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 3 0x0000FF "
              "{660,250})");
}

TEST_F(Pens, OwnLineTypesNeedAPattern) {
    TestShape shape(0, 0, 1, 1);
    shape.m_lineType = 1000;
    EXPECT_EQ(SelectedPen(shape), "SelectObject(pen PS_SOLID 3 0x0000FF)");
    m_document.m_linePatterns.emplace_back(1000, std::vector<LONG>{5, -5, 1, -5});
    EXPECT_EQ(SelectedPen(shape),
              "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 3 0x0000FF "
              "{500,500,100,500})");
}

TEST_F(Pens, PrinterPensUseThePrinterRule) {
    TestShape shape(0, 0, 1, 1);
    CPen pen;
    shape.CreateLinePenPrinter(&m_document, &pen, 2, 4, 0x000000, 1000, 1.0, 1.0, &m_settings);
    ExtLogPen description;
    ASSERT_TRUE(pen.GetExtLogPen(&description));
    EXPECT_EQ(description.style, PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE);
    EXPECT_EQ(description.userStyle, (std::vector<DWORD>{660, 250}));

    CPen none;
    shape.CreateLinePenPrinter(&m_document, &none, 0, 4, 0x000000, 1000, 1.0, 1.0, &m_settings);
    ASSERT_TRUE(none.GetExtLogPen(&description));
    EXPECT_EQ(description.style, PS_NULL);
}

// A user-style pen 5 pixels wide draws its dashes and gaps at their lengths.
TEST_F(Pens, WideDashedPenPixels) {
    m_document.m_linePatterns.emplace_back(1000, std::vector<LONG>{20, 10});
    TestShape shape(0, 0, 1, 1);
    shape.m_lineType = 1000;
    shape.m_lineTypeScale = 10;
    QImage image = Filled(100, 20, 0xFFFFFF);
    {
        CImageDC dc(image);
        CPen pen;
        shape.CreateLinePen(&m_document, &pen, 1000, 5, 0x000000, 1.0, 1.0, &m_settings, 10000);
        CPen* old = dc.SelectObject(&pen);
        dc.MoveTo(0, 10);
        dc.LineTo(100, 10);
        dc.SelectObject(old);
    }
    const std::string dashed = std::string(20, '#') + std::string(10, '.') + std::string(20, '#') +
                               std::string(10, '.') + std::string(20, '#') + std::string(10, '.') +
                               std::string(10, '#');
    for (int y = 8; y <= 12; ++y)
        EXPECT_EQ(Row(image, y, 0xFFFFFF), dashed) << "row " << y;
    EXPECT_EQ(Row(image, 7, 0xFFFFFF), std::string(100, '.'));
    EXPECT_EQ(Row(image, 13, 0xFFFFFF), std::string(100, '.'));
}

// ---- The styled recipe

struct StyledCase {
    const char* name;
    int fillType;
    int transparent;
    int lineType;
    int windowsNT;
    Calls expected;
};

std::ostream& operator<<(std::ostream& out, const StyledCase& c) {
    return out << c.name;
}

class DrawStyled : public testing::TestWithParam<StyledCase> {};

TEST_P(DrawStyled, RecordsTheRecipe) {
    const StyledCase& c = GetParam();
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bWindowsNT = c.windowsNT;
    TestShape shape(10, 20, 50, 40);
    shape.m_color = 0x0000FF;
    shape.m_fillColor = 0x00FF00;
    shape.m_thirdColor = 0xFF0000;
    shape.m_fillType = c.fillType;
    shape.m_transparent = c.transparent;
    shape.m_lineType = c.lineType;
    shape.m_lineWidth = 20;
    shape.m_lineTypeScale = 100;
    KnownRecordingDC dc;
    shape.DrawStyled(&document, &dc, 0, 0, 1.0, 0.1, &settings, FALSE, kClip);
    EXPECT_EQ(dc.Calls(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawStyled,
    testing::Values(
        StyledCase{"NoFill",
                   0,
                   1,
                   1,
                   1,
                   {"SetTextColor(0x0000FF)", "SelectStockObject(NULL_BRUSH)",
                    "SetBkMode(TRANSPARENT)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(pen PS_SOLID 2 0x0000FF)", "Rectangle(10,20,50,40)",
                    "SetTextColor(0x000000)", "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}},
        // Masked fill, then the outline again without the brush.
        StyledCase{"Translucent",
                   1,
                   0,
                   1,
                   1,
                   {"SetTextColor(0x0000FF)", "SelectObject(brush BS_SOLID 0x00FF00)",
                    "SetBkMode(TRANSPARENT)", "SetROP2(R2_MASKPEN)",
                    "SelectObject(pen PS_SOLID 2 0x0000FF)", "Rectangle(10,20,50,40)",
                    "SetROP2(R2_COPYPEN)", "SelectStockObject(NULL_BRUSH)",
                    "Rectangle(10,20,50,40)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
                    "SetROP2(R2_COPYPEN)", "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}},
        StyledCase{"OpaqueWithADashedOutline",
                   3,
                   0,
                   2,
                   1,
                   {"SetTextColor(0x0000FF)", "SelectObject(brush BS_SOLID 0x00FF00)",
                    "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(pen PS_GEOMETRIC|PS_USERSTYLE|PS_ENDCAP_FLAT|PS_JOIN_ROUND 2 "
                    "0x0000FF {66,25})",
                    "Rectangle(10,20,50,40)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
                    "SetROP2(R2_COPYPEN)", "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}},
        // An opaque hatch paints its background in the fill colour, its lines
        // in the third colour.
        StyledCase{"OpaqueHatch",
                   6,
                   0,
                   1,
                   1,
                   {"SetTextColor(0x0000FF)", "SetBkColor(0x00FF00)",
                    "SelectObject(brush BS_HATCHED HS_DIAGCROSS 0xFF0000)", "SetBkMode(OPAQUE)",
                    "SetROP2(R2_COPYPEN)", "SelectObject(pen PS_SOLID 2 0x0000FF)",
                    "Rectangle(10,20,50,40)", "SetTextColor(0x000000)", "SetBkMode(OPAQUE)",
                    "SetROP2(R2_COPYPEN)", "SetBkColor(0xFFFFFF)", "SelectObject(BLACK_PEN)",
                    "SelectObject(WHITE_BRUSH)"}},
        StyledCase{"TransparentHatch",
                   9,
                   1,
                   1,
                   1,
                   {"SetTextColor(0x0000FF)", "SelectObject(brush BS_HATCHED HS_CROSS 0xFF0000)",
                    "SetBkMode(TRANSPARENT)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(pen PS_SOLID 2 0x0000FF)", "Rectangle(10,20,50,40)",
                    "SetTextColor(0x000000)", "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}},
        // Without styled pens: a fill pass with no pen, then the outline
        // dashed by the emulation (dashes 66, 25 along the rectangle).
        StyledCase{"EmulatedDashes",
                   4,
                   1,
                   2,
                   0,
                   {"SetTextColor(0x0000FF)",
                    "SelectObject(brush BS_HATCHED HS_BDIAGONAL 0xFF0000)",
                    "SetBkMode(TRANSPARENT)",
                    "SetROP2(R2_COPYPEN)",
                    "SelectObject(pen PS_NULL 2 0x0000FF)",
                    "Rectangle(10,20,50,40)",
                    "SelectObject(BLACK_PEN)",
                    "SelectObject(pen PS_SOLID 2 0x0000FF)",
                    "MoveTo(10,20)",
                    "LineTo(50,20)",
                    "MoveTo(50,20)",
                    "LineTo(50,40)",
                    "MoveTo(50,40)",
                    "LineTo(44,40)",
                    "MoveTo(19,40)",
                    "LineTo(10,40)",
                    "MoveTo(10,40)",
                    "LineTo(10,20)",
                    "SetTextColor(0x000000)",
                    "SetBkMode(OPAQUE)",
                    "SetROP2(R2_COPYPEN)",
                    "SelectObject(BLACK_PEN)",
                    "SelectObject(WHITE_BRUSH)"}},
        StyledCase{"EmulatedInvisibleLine",
                   0,
                   1,
                   0,
                   0,
                   {"SetTextColor(0x0000FF)", "SelectStockObject(NULL_BRUSH)",
                    "SetBkMode(TRANSPARENT)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(pen PS_NULL 2 0x0000FF)", "Rectangle(10,20,50,40)",
                    "SetTextColor(0x000000)", "SetBkMode(OPAQUE)", "SetROP2(R2_COPYPEN)",
                    "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)"}}));

struct MaskCase {
    const char* name;
    int windowsNT;
    int lineType;
};

std::ostream& operator<<(std::ostream& out, const MaskCase& c) {
    return out << c.name;
}

class TranslucentFill : public testing::TestWithParam<MaskCase> {};

// Fill type 1 ANDs the fill colour into the background on both paths.
TEST_P(TranslucentFill, MasksTheBackground) {
    const MaskCase& c = GetParam();
    constexpr COLORREF kBackground = RGB(0, 255, 255);
    constexpr COLORREF kFill = RGB(255, 0, 255);
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bWindowsNT = c.windowsNT;
    TestShape shape(10, 10, 50, 50);
    shape.m_color = 0x000000;
    shape.m_fillType = 1;
    shape.m_fillColor = kFill;
    shape.m_lineType = c.lineType;
    QImage image = Filled(60, 60, kBackground);
    {
        CImageDC dc(image);
        shape.DrawStyled(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, kClip);
    }
    EXPECT_EQ(At(image, 30, 30), RGB(0, 0, 255));
    EXPECT_EQ(At(image, 11, 11), RGB(0, 0, 255));
    EXPECT_EQ(At(image, 10, 30), 0x000000u);
    EXPECT_EQ(At(image, 30, 49), 0x000000u);
    EXPECT_EQ(At(image, 55, 30), kBackground);
}

INSTANTIATE_TEST_SUITE_P(Cases, TranslucentFill,
                         testing::Values(MaskCase{"StyledPen", 1, 1},
                                         MaskCase{"StyledDashedPen", 1, 2},
                                         MaskCase{"EmulatedDashes", 0, 2}));

// ---- The colour drawing entry

class ColourDraw : public testing::Test {
protected:
    ColourDraw() : m_shown(10, 10, 20, 20), m_hidden(30, 30, 40, 40) {
        m_hidden.m_layerName = "hidden";
        m_group.AddChild(&m_shown);
        m_group.AddChild(&m_hidden);
        m_group.m_lineWidth = 30;
        m_group.m_color = 0x0000FF;
    }

    Calls Draw() {
        KnownRecordingDC dc;
        m_group.Draw(&m_document, &dc, 0, 0, 1.0, 0x00FF00, &m_settings, kClip);
        return dc.Calls();
    }

    FakeDocument m_document;
    CDrawDefaults m_settings;
    TestShape m_shown;
    TestShape m_hidden;
    TestGroup m_group;
};

TEST_F(ColourDraw, DrawsTheChildrenOnShownLayersInOneColour) {
    EXPECT_EQ(Draw(), (Calls{"SelectStockObject(NULL_BRUSH)", "SetTextColor(0x00FF00)",
                             "SelectObject(pen PS_SOLID 3 0x00FF00)", "Rectangle(10,10,20,20)",
                             "SelectObject(BLACK_PEN)", "SelectObject(WHITE_BRUSH)",
                             "SetTextColor(0x000000)"}));
}

TEST_F(ColourDraw, ModeTwoMarksEachChild) {
    m_settings.m_selectMode = 2;
    m_document.m_layerStates["hidden"] = 1;
    EXPECT_EQ(Draw(), (Calls{"SelectStockObject(NULL_BRUSH)", "SetTextColor(0x00FF00)",
                             "SelectObject(pen PS_SOLID 3 0x00FF00)", "Rectangle(10,10,20,20)",
                             "SetBkMode(TRANSPARENT)", "TextOut(0,0,\" \")", "SetBkMode(OPAQUE)",
                             "SelectObject(BLACK_PEN)", "SelectObject(pen PS_SOLID 3 0x00FF00)",
                             "Rectangle(30,30,40,40)", "SetBkMode(TRANSPARENT)",
                             "TextOut(0,0,\" \")", "SetBkMode(OPAQUE)", "SelectObject(BLACK_PEN)",
                             "SelectObject(WHITE_BRUSH)", "SetTextColor(0x000000)"}));
}

TEST_F(ColourDraw, SpecialFillInModeOneInverts) {
    m_settings.m_selectMode = 1;
    const Calls normal = Draw();
    m_group.m_fillType = 99;
    const Calls inverted = {"SetBkMode(TRANSPARENT)",
                            "SelectStockObject(BLACK_BRUSH)",
                            "SetTextColor(0xFFFF00)",
                            "SetROP2(R2_NOT)",
                            "SelectObject(pen PS_SOLID 3 0x00FF00)",
                            "Rectangle(10,10,20,20)",
                            "SelectObject(BLACK_PEN)",
                            "SetROP2(R2_COPYPEN)",
                            "SetBkMode(OPAQUE)",
                            "SelectObject(WHITE_BRUSH)",
                            "SetTextColor(0x000000)"};
    EXPECT_EQ(Draw(), inverted);
    m_group.m_fillType = 0;
    m_settings.m_selectMode = 3;
    EXPECT_EQ(Draw(), inverted);
    EXPECT_EQ(normal[0], "SelectStockObject(NULL_BRUSH)");
}

TEST(ColourDrawWithoutChildren, OnlySetsAndRestoresTheContext) {
    FakeDocument document;
    CDrawDefaults settings;
    TestShape shape(0, 0, 10, 10);
    KnownRecordingDC dc;
    shape.Draw(&document, &dc, 0, 0, 1.0, 0x00FF00, &settings, kClip);
    EXPECT_EQ(dc.Calls(), (Calls{"SelectStockObject(NULL_BRUSH)", "SetTextColor(0x00FF00)",
                                 "SelectObject(WHITE_BRUSH)", "SetTextColor(0x000000)"}));
}

// ---- Dash emulation output

TEST(DashEmulation, SegmentsDrawPairwiseAndNegateYInMetafiles) {
    TestShape shape(0, 0, 1, 1);
    shape.m_dashes[0] = 4;
    shape.m_dashes[1] = 3;
    shape.m_dashCount = 2;
    const std::vector<DPOINT> chain = {{0, 5}, {10, 5}};
    shape.BuildDashSegments(chain.data(), static_cast<int>(chain.size()));
    CRecordingDC screen;
    shape.DrawDashSegments(&screen);
    EXPECT_EQ(screen.Calls(), (Calls{"MoveTo(0,5)", "LineTo(4,5)", "MoveTo(7,5)", "LineTo(10,5)"}));
    CMetaFileDC metafile;
    shape.DrawDashSegments(&metafile);
    EXPECT_EQ(metafile.Calls(),
              (Calls{"MoveTo(0,-5)", "LineTo(4,-5)", "MoveTo(7,-5)", "LineTo(10,-5)"}));
}

TEST(DashEmulation, StepsDrawTheirRunsAsPolylines) {
    TestShape shape(0, 0, 1, 1);
    shape.m_dashes[0] = 2;
    shape.m_dashes[1] = 1;
    shape.m_dashes[2] = 1;
    shape.m_dashCount = 3;
    const std::vector<DPOINT> chain = {{0, 0}, {8, 0}};
    shape.BuildUnitSteps(chain.data(), static_cast<int>(chain.size()));
    ASSERT_EQ(shape.m_dashPoints.GetSize(), 8);
    CRecordingDC screen;
    shape.DrawDashedSteps(&screen);
    // Steps 1..8; pairs (2, 1), (1, 2), (1, 1): runs 0-2, 3-4, 6-7.
    EXPECT_EQ(screen.Calls(),
              (Calls{"Polyline(1,0 2,0 3,0)", "Polyline(4,0 5,0)", "Polyline(7,0 8,0)"}));
    CMetaFileDC metafile;
    shape.m_dashPoints[0] = POINT{1, 3};
    shape.DrawDashedSteps(&metafile);
    EXPECT_EQ(metafile.Calls().front(), "Polyline(1,-3 2,0 3,0)");
}

// ---- Brushes and grips

struct BrushCase {
    int fillType;
    UINT style;
    ULONG hatch;
};

class FillBrush : public testing::TestWithParam<BrushCase> {};

TEST_P(FillBrush, ByFillType) {
    CBrush brush;
    CRukEntity::CreateFillBrush(&brush, GetParam().fillType, 0x123456);
    LOGBRUSH description;
    ASSERT_TRUE(brush.GetLogBrush(&description));
    EXPECT_EQ(description.lbStyle, GetParam().style);
    EXPECT_EQ(description.lbColor, 0x123456u);
    if (GetParam().style == BS_HATCHED) {
        EXPECT_EQ(description.lbHatch, GetParam().hatch);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillBrush,
    testing::Values(BrushCase{4, BS_HATCHED, HS_BDIAGONAL}, BrushCase{5, BS_HATCHED, HS_FDIAGONAL},
                    BrushCase{6, BS_HATCHED, HS_DIAGCROSS}, BrushCase{7, BS_HATCHED, HS_VERTICAL},
                    BrushCase{8, BS_HATCHED, HS_HORIZONTAL}, BrushCase{9, BS_HATCHED, HS_CROSS},
                    BrushCase{1, BS_SOLID, 0}, BrushCase{3, BS_SOLID, 0},
                    BrushCase{99, BS_SOLID, 0}, BrushCase{10, BS_SOLID, 0}));

TEST(Grips, BoxesReachFiveDeviceUnitsEachWay) {
    KnownRecordingDC dc;
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(2, 2);
    dc.SetViewportExt(1, 1);
    dc.ClearCalls();
    const POINT points[] = {{100, 100}, {0, -20}};
    CRukEntity::DrawGripBoxes(&dc, points, 2);
    EXPECT_EQ(
        dc.Calls(),
        (Calls{"SelectObject(pen PS_SOLID 1 0x0000FF)", "SelectStockObject(NULL_BRUSH)",
               "SetBkMode(TRANSPARENT)", "Rectangle(90,90,110,110)", "Rectangle(-10,-30,10,-10)",
               "SetBkMode(OPAQUE)", "SelectObject(WHITE_BRUSH)", "SelectObject(BLACK_PEN)"}));
}

TEST(Grips, HitAlongTheBandOfTheBoxDiagonal) {
    CRecordingDC dc;
    TestShape shape(0, 0, 1, 1);
    const POINT grip{100, 100};
    EXPECT_EQ(shape.HitGripBox(&dc, grip, POINT{100, 100}), 1);
    EXPECT_EQ(shape.HitGripBox(&dc, grip, POINT{96, 96}), 1);
    EXPECT_EQ(shape.HitGripBox(&dc, grip, POINT{120, 80}), 1);
    EXPECT_EQ(shape.HitGripBox(&dc, grip, POINT{140, 60}), 0);
    EXPECT_EQ(shape.HitGripBox(&dc, grip, POINT{90, 90}), 0);
}

} // namespace
