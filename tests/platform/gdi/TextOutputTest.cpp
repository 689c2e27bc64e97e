#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CTextLayout.h"
#include "tests/platform/gdi/GdiTestImages.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <QFontInfo>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

using GdiTestImages::At;
using GdiTestImages::ChangedBox;
using GdiTestImages::Filled;

constexpr COLORREF kWhite = RGB(255, 255, 255);
// "ＭＳ ゴシック" and its vertical face.
constexpr const char* kGothic = "\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
constexpr const char* kVerticalGothic = "@\x82\x6C\x82\x72\x20\x83\x53\x83\x56\x83\x62\x83\x4E";
// "上": its long bottom stroke shows which way the glyph stands.
constexpr const char* kUe = "\x8F\xE3";

void MakeFont(CFont* font, int height, int escapement, const char* face) {
    font->CreateFontA(height, 0, escapement, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                      CLIP_LH_ANGLES, DEFAULT_QUALITY, VARIABLE_PITCH, face);
}

// ---- Fonts

TEST(CFontTest, KeepsTheLogFontItWasCreatedFrom) {
    CFont font;
    font.CreateFontA(-24, 0, 2700, 0, FW_BOLD, 1, 1, 0, SHIFTJIS_CHARSET, OUT_TT_PRECIS,
                     CLIP_LH_ANGLES, DEFAULT_QUALITY, VARIABLE_PITCH, kVerticalGothic);
    LOGFONT logFont{};
    ASSERT_EQ(font.GetLogFont(&logFont), 1);
    EXPECT_EQ(logFont.lfHeight, -24);
    EXPECT_EQ(logFont.lfEscapement, 2700);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_EQ(logFont.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(logFont.lfFaceName, kVerticalGothic);
    EXPECT_TRUE(font.IsVertical());
    EXPECT_EQ(font.GetHeight(), 24);
    EXPECT_TRUE(font.GetQFont().bold());
    EXPECT_TRUE(font.GetQFont().italic());
    EXPECT_TRUE(font.GetQFont().underline());
}

TEST(CFontTest, WindowsFacesDrawWithTheIpaFacesAndTheVerticalMarkIsNoPartOfTheFace) {
    CFont upright;
    MakeFont(&upright, -20, 0, kGothic);
    CFont vertical;
    MakeFont(&vertical, -20, 0, kVerticalGothic);
    EXPECT_EQ(QFontInfo(upright.GetQFont()).family(), "IPAGothic");
    EXPECT_EQ(QFontInfo(vertical.GetQFont()).family(), "IPAGothic");
    EXPECT_FALSE(upright.IsVertical());
}

TEST(CFontTest, ALongFaceIsCutToTheFieldOnACharacterBoundary) {
    // 15 two-byte characters and one more: 32 bytes do not fit 31.
    std::string face = "A";
    for (int i = 0; i < 16; ++i)
        face += kUe;
    CFont font;
    MakeFont(&font, -10, 0, face.c_str());
    LOGFONT logFont{};
    font.GetLogFont(&logFont);
    EXPECT_EQ(std::strlen(logFont.lfFaceName), 31u);
    CFont odd;
    MakeFont(&odd, -10, 0, face.substr(1).c_str());
    odd.GetLogFont(&logFont);
    EXPECT_EQ(std::strlen(logFont.lfFaceName), 30u) << "the 16th character would be split";
}

// ---- Measures with fixed metrics

TEST(TextExtentTest, AddsTheCharacterExtraToEveryCharacter) {
    FixedTextMetrics metrics;
    CRecordingDC dc;
    CFont font;
    MakeFont(&font, -20, 900, kGothic);
    dc.SelectObject(&font);
    // "AB" and the full-width "上": 10 + 10 + 20 wide, 16 + 4 high; the
    // escapement does not change a measure.
    const std::string text = std::string("AB") + kUe;
    SIZE size{};
    ASSERT_TRUE(dc.GetTextExtentPoint32A(text.c_str(), 4, &size));
    EXPECT_EQ(size.cx, 40);
    EXPECT_EQ(size.cy, 20);
    dc.SetTextCharacterExtra(3);
    EXPECT_EQ(dc.GetTextExtent(text.c_str(), 4).cx, 49);
    EXPECT_FALSE(dc.GetTextExtentPoint32A(text.c_str(), 4, nullptr));
}

TEST(TextExtentTest, CountsInLogicalUnitsOfAFontSizedInThem) {
    FixedTextMetrics metrics;
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(4, 4);
    dc.SetViewportExt(1, -1);
    CFont font;
    MakeFont(&font, -400, 0, kGothic);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent("AAAA", 4), CSize(800, 400));
}

// ---- Lines of DrawTextA

struct DrawTextCase {
    const char* name;
    int viewportY; // 1: y grows down the device, -1: up
    UINT format;
    std::vector<std::string> calls;
    int height;
};

class DrawTextLines : public testing::TestWithParam<DrawTextCase> {};

TEST_P(DrawTextLines, GoDownTheDeviceFromTheTopLeftCorner) {
    const DrawTextCase& c = GetParam();
    FixedTextMetrics metrics;
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, c.viewportY);
    dc.SetViewportOrg(0, 500);
    CFont font;
    MakeFont(&font, -10, 0, kGothic);
    dc.SelectObject(&font);
    dc.ClearCalls();
    RECT box{10, 100, 60, -100};
    EXPECT_EQ(dc.DrawTextA("a\r\nb\n\nc", -1, &box, c.format), c.height);
    std::vector<std::string> texts;
    for (const std::string& call : dc.Calls())
        if (call.starts_with("TextOut"))
            texts.push_back(call);
    EXPECT_EQ(texts, c.calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrawTextLines,
    testing::Values(
        DrawTextCase{"YDown",
                     1,
                     DT_NOCLIP,
                     {"TextOut(10,100,\"a\")", "TextOut(10,110,\"b\")", "TextOut(10,130,\"c\")"},
                     40},
        DrawTextCase{"YUp",
                     -1,
                     DT_NOCLIP,
                     {"TextOut(10,100,\"a\")", "TextOut(10,90,\"b\")", "TextOut(10,70,\"c\")"},
                     40},
        DrawTextCase{
            "SingleLine", 1, DT_NOCLIP | DT_SINGLELINE, {"TextOut(10,100,\"a\r\nb\n\nc\")"}, 10}),
    [](const testing::TestParamInfo<DrawTextCase>& info) { return std::string(info.param.name); });

TEST(DrawTextTest, ClipsToTheRectangleUnlessAskedNotTo) {
    FixedTextMetrics metrics;
    CRecordingDC dc;
    RECT box{0, 0, 10, 10};
    dc.DrawTextA("x", 1, &box, DT_LEFT);
    const auto& calls = dc.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "IntersectClipRect(0,0,10,10)"), calls.end());
    dc.ClearCalls();
    dc.DrawTextA("x", 1, &box, DT_NOCLIP);
    EXPECT_EQ(std::count_if(dc.Calls().begin(), dc.Calls().end(),
                            [](const std::string& call) { return call.starts_with("Intersect"); }),
              0);
    EXPECT_EQ(dc.DrawTextA(nullptr, 1, &box, 0), 0);
}

// ---- Glyph placement

TEST(CTextLayoutTest, AVerticalFaceTurnsOnlyFullWidthCharactersBack) {
    FixedTextMetrics metrics;
    QFont font;
    font.setPixelSize(20);
    CTextLayout::Placement placement;
    placement.origin = QPointF(100, 100);
    placement.rotation = 90;
    placement.vertical = true;
    const CTextLayout layout(std::string("A") + kUe, font, placement, CTextMetrics::Current(),
                             nullptr);
    ASSERT_EQ(layout.Glyphs().size(), 2u);
    const auto turn = [](const QTransform& t) {
        const QPointF axis = t.map(QPointF(1, 0)) - t.map(QPointF(0, 0));
        return std::lround(std::atan2(axis.y(), axis.x()) * 180 / M_PI);
    };
    EXPECT_EQ(turn(layout.Glyphs()[0].transform), 90)
        << "a half-width character lies along the line";
    EXPECT_EQ(turn(layout.Glyphs()[1].transform), 0) << "a full-width character stands upright";
    // The line runs down the device: the second cell starts 10 pixels lower.
    EXPECT_NEAR(layout.Cell().boundingRect().height(), 30, 1e-9);
}

// ---- Pictures

struct TurnCase {
    const char* name;
    int viewportY;
    int escapement;
    const char* direction;
};

// Where the ink of a long line of text lies from the reference point.
std::string Direction(const QRect& ink, QPoint origin) {
    if (ink.width() > ink.height())
        return ink.center().x() > origin.x() ? "right" : "left";
    return ink.center().y() < origin.y() ? "up" : "down";
}

class TextTurns : public testing::TestWithParam<TurnCase> {};

TEST_P(TextTurns, ByTheEscapementCounterClockwiseAlongTheLogicalAxes) {
    const TurnCase& c = GetParam();
    QImage image = Filled(300, 300, kWhite);
    CImageDC dc(image);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1, c.viewportY);
    dc.SetViewportOrg(150, 150);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    CFont font;
    MakeFont(&font, -20, c.escapement, kGothic);
    dc.SelectObject(&font);
    dc.TextOut(0, 0, "HHHHHHHH", 8);
    EXPECT_EQ(Direction(ChangedBox(image, kWhite), QPoint(150, 150)), c.direction);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextTurns,
    testing::Values(TurnCase{"YDown0", 1, 0, "right"}, TurnCase{"YDown900", 1, 900, "up"},
                    TurnCase{"YDown1800", 1, 1800, "left"}, TurnCase{"YDown2700", 1, 2700, "down"},
                    TurnCase{"YUp900", -1, 900, "down"}, TurnCase{"YUp2700", -1, 2700, "up"},
                    TurnCase{"YUp3600Minus900", -1, 3600 - 900, "up"}),
    [](const testing::TestParamInfo<TurnCase>& info) { return std::string(info.param.name); });

// The share of the bottom ink row in the ink's width: an upright "上"
// stands on its long stroke.
double BottomStroke(const QImage& image) {
    const QRect ink = ChangedBox(image, kWhite);
    int inked = 0;
    for (int x = ink.left(); x <= ink.right(); ++x)
        inked += At(image, x, ink.bottom()) != kWhite;
    return static_cast<double>(inked) / ink.width();
}

TEST(VerticalTextTest, FullWidthCharactersStandUprightOnALineRunningDown) {
    const auto draw = [](const char* face) {
        QImage image = Filled(200, 200, kWhite);
        CImageDC dc(image);
        dc.SetBkMode(TRANSPARENT);
        CFont font;
        MakeFont(&font, -60, 2700, face);
        dc.SelectObject(&font);
        dc.TextOut(100, 30, kUe, 2);
        return image;
    };
    EXPECT_GT(BottomStroke(draw(kVerticalGothic)), 0.7);
    EXPECT_LT(BottomStroke(draw(kGothic)), 0.3) << "a horizontal face lays the glyph on its side";
}

TEST(TextPathTest, TextBecomesClosedFiguresOfLines) {
    QImage image = Filled(200, 100, kWhite);
    CImageDC dc(image);
    CFont font;
    MakeFont(&font, -40, 0, kGothic);
    dc.SelectObject(&font);
    dc.BeginPath();
    dc.TextOut(10, 10, "IO", 2);
    dc.EndPath();
    ASSERT_TRUE(dc.FlattenPath());
    const int count = dc.GetPath(nullptr, nullptr, 0);
    ASSERT_GT(count, 8);
    std::vector<POINT> points(static_cast<std::size_t>(count));
    std::vector<BYTE> types(static_cast<std::size_t>(count));
    ASSERT_EQ(dc.GetPath(points.data(), types.data(), count), count);
    int figures = 0;
    for (int i = 0; i < count; ++i) {
        EXPECT_NE(types[i] & ~PT_CLOSEFIGURE, PT_BEZIERTO);
        figures += (types[i] & PT_CLOSEFIGURE) != 0;
        EXPECT_GE(points[i].x, 9);
        EXPECT_LE(points[i].x, 11 + dc.GetTextExtent("IO", 2).cx);
        EXPECT_GE(points[i].y, 9);
        EXPECT_LE(points[i].y, 51);
    }
    // "I" is one figure, "O" two.
    EXPECT_EQ(figures, 3);
    EXPECT_EQ(types[count - 1] & PT_CLOSEFIGURE, PT_CLOSEFIGURE);
    EXPECT_EQ(ChangedBox(image, kWhite), QRect()) << "a path draws nothing";
}

TEST(MetafileTextTest, ATurnedTextPlaysBackTurned) {
    // 200 x 200 pixels at 96 dpi: 53 x 53 mm.
    CMetaFileDC dc(CDeviceCaps(200, 200, 96, 96));
    const RECT frame{0, 0, 5300, 5300};
    dc.CreateEnhanced(nullptr, nullptr, &frame, "Ruk");
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    CFont font;
    MakeFont(&font, -20, 900, kGothic);
    dc.SelectObject(&font);
    dc.TextOut(100, 150, "HHHHHH", 6);
    HENHMETAFILE metafile = dc.CloseEnhanced();
    ASSERT_NE(metafile, nullptr);
    QImage image = Filled(200, 200, kWhite);
    {
        CImageDC target(image);
        CEnhMetaFilePlayer player(*metafile);
        ASSERT_TRUE(player.Play(target, RECT{0, 0, 200, 200}));
    }
    DeleteEnhMetaFile(metafile);
    const QRect ink = ChangedBox(image, kWhite);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(Direction(ink, QPoint(100, 150)), "up");
}

} // namespace
