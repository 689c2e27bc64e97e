// World transforms of the advanced graphics mode: when the context takes
// them, how they combine, and what they do to points, sizes, shapes and
// saved states.

#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/platform/gdi/GdiTestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

using GdiTestImages::At;
using GdiTestImages::ChangedBox;
using GdiTestImages::CountChanged;
using GdiTestImages::Filled;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

const XFORM kIdentity{};
const XFORM kDouble{2, 0, 0, 2, 0, 0};
const XFORM kShiftRight{1, 0, 0, 1, 10, 0};
// A quarter turn from the x axis towards the y axis.
const XFORM kQuarter{0, 1, -1, 0, 0, 0};
const XFORM kFlat{1, 2, 2, 4, 0, 0};

std::pair<LONG, LONG> Device(const CDC& dc, POINT point) {
    dc.LPtoDP(&point);
    return {point.x, point.y};
}

TEST(WorldTransformTest, IsTakenOnlyInTheAdvancedMode) {
    CRecordingDC dc;
    EXPECT_FALSE(dc.SetWorldTransform(&kDouble));
    EXPECT_FALSE(dc.ModifyWorldTransform(&kDouble, MWT_LEFTMULTIPLY));
    EXPECT_EQ(dc.SetGraphicsMode(GM_ADVANCED), GM_COMPATIBLE);
    EXPECT_TRUE(dc.SetWorldTransform(&kDouble));
    EXPECT_EQ(Device(dc, POINT{3, 4}), std::make_pair(6, 8));
    // Leaving the advanced mode takes the identity back.
    EXPECT_EQ(dc.SetGraphicsMode(GM_COMPATIBLE), GM_ADVANCED);
    EXPECT_EQ(Device(dc, POINT{3, 4}), std::make_pair(3, 4));
    EXPECT_EQ(dc.SetGraphicsMode(7), 0);
}

TEST(WorldTransformTest, RefusesATransformThatSqueezesThePlaneFlat) {
    CRecordingDC dc;
    dc.SetGraphicsMode(GM_ADVANCED);
    dc.SetWorldTransform(&kShiftRight);
    EXPECT_FALSE(dc.SetWorldTransform(&kFlat));
    EXPECT_FALSE(dc.SetWorldTransform(nullptr));
    const XFORM infinite{std::numeric_limits<float>::infinity(), 0, 0, 1, 0, 0};
    EXPECT_FALSE(dc.SetWorldTransform(&infinite));
    XFORM kept;
    ASSERT_TRUE(dc.GetWorldTransform(&kept));
    EXPECT_EQ(kept.eDx, 10.0F);
}

struct CombineCase {
    const char* name;
    XFORM start;
    XFORM given;
    DWORD mode;
    POINT logical;
    std::pair<LONG, LONG> device;
};

void PrintTo(const CombineCase& c, std::ostream* out) {
    *out << c.name;
}

class WorldCombinations : public testing::TestWithParam<CombineCase> {};

TEST_P(WorldCombinations, PlaceThePoint) {
    const CombineCase& c = GetParam();
    CRecordingDC dc;
    dc.SetGraphicsMode(GM_ADVANCED);
    ASSERT_TRUE(dc.SetWorldTransform(&c.start));
    ASSERT_TRUE(dc.ModifyWorldTransform(&c.given, c.mode));
    EXPECT_EQ(Device(dc, c.logical), c.device);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WorldCombinations,
    testing::Values(
        // Left: the given transform first (shift, then double).
        CombineCase{
            "LeftMultiplyActsFirst", kDouble, kShiftRight, MWT_LEFTMULTIPLY, {1, 1}, {22, 2}},
        // Right: the given transform after the current one.
        CombineCase{
            "RightMultiplyActsLast", kDouble, kShiftRight, MWT_RIGHTMULTIPLY, {1, 1}, {12, 2}},
        CombineCase{
            "IdentityForgetsTheCurrent", kDouble, kShiftRight, MWT_IDENTITY, {1, 1}, {1, 1}},
        CombineCase{"SetReplaces", kDouble, kShiftRight, MWT_SET, {1, 1}, {11, 1}},
        CombineCase{"QuarterTurn", kIdentity, kQuarter, MWT_LEFTMULTIPLY, {5, 0}, {0, 5}}),
    [](const testing::TestParamInfo<CombineCase>& info) { return std::string(info.param.name); });

TEST(WorldTransformTest, UnknownCombinationIsRefused) {
    CRecordingDC dc;
    dc.SetGraphicsMode(GM_ADVANCED);
    EXPECT_FALSE(dc.ModifyWorldTransform(&kDouble, 9));
    EXPECT_FALSE(dc.ModifyWorldTransform(nullptr, MWT_LEFTMULTIPLY));
    EXPECT_TRUE(dc.ModifyWorldTransform(nullptr, MWT_IDENTITY));
}

TEST(WorldTransformTest, ActsBeforeTheWindowAndViewport) {
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowOrg(100, 0);
    dc.SetViewportExt(3, 3);
    dc.SetGraphicsMode(GM_ADVANCED);
    dc.SetWorldTransform(&kShiftRight);
    // (95 + 10 - 100) x 3
    EXPECT_EQ(Device(dc, POINT{95, 1}), std::make_pair(15, 3));
    POINT back{15, 3};
    dc.DPtoLP(&back);
    EXPECT_EQ(std::make_pair(back.x, back.y), std::make_pair(95, 1));
    // Sizes stretch with the world: a pen of 2 logical units is 12 pixels.
    SIZE size{2, 2};
    dc.SetWorldTransform(&kDouble);
    dc.LPtoDP(&size);
    EXPECT_EQ(std::make_pair(size.cx, size.cy), std::make_pair(12, 12));
}

TEST(WorldTransformTest, IsKeptAndRestoredWithTheSavedState) {
    CRecordingDC dc;
    dc.SetGraphicsMode(GM_ADVANCED);
    dc.SetWorldTransform(&kDouble);
    const int saved = dc.SaveDC();
    dc.ModifyWorldTransform(&kShiftRight, MWT_RIGHTMULTIPLY);
    EXPECT_EQ(Device(dc, POINT{1, 1}), std::make_pair(12, 2));
    dc.RestoreDC(saved);
    EXPECT_EQ(Device(dc, POINT{1, 1}), std::make_pair(2, 2));
    EXPECT_EQ(dc.GetGraphicsMode(), GM_ADVANCED);
}

TEST(WorldTransformTest, TurnedRectangleIsDrawnAsItsTurnedCorners) {
    QImage image = Filled(60, 60, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SetGraphicsMode(GM_ADVANCED);
    // An eighth of a turn about (30, 30).
    const float c = 0.70710678F;
    const XFORM eighth{c, c, -c, c, 30, 30};
    dc.SetWorldTransform(&eighth);
    dc.Rectangle(-15, -15, 15, 15);
    // A diamond: its middle and the points along the axes are filled, the
    // corners of the box it fits in are not.
    EXPECT_EQ(At(image, 30, 30), kBlack);
    EXPECT_EQ(At(image, 30, 10), kBlack);
    EXPECT_EQ(At(image, 50, 30), kBlack);
    EXPECT_EQ(At(image, 12, 12), kWhite);
    EXPECT_EQ(At(image, 48, 48), kWhite);
    // The area of the 30 x 30 square, give or take its rasterised edges.
    EXPECT_NEAR(CountChanged(image, kWhite), 900, 90);
}

struct TurnedBoxCase {
    const char* name;
    // Works on the box (-15, -15)..(15, 15) under an eighth of a turn about
    // (30, 30); blackens it, or everything but it.
    std::function<void(CDC&)> draw;
    bool inside;
};

void PrintTo(const TurnedBoxCase& c, std::ostream* out) {
    *out << c.name;
}

class TurnedBoxes : public testing::TestWithParam<TurnedBoxCase> {};

TEST_P(TurnedBoxes, CoverTheDiamondAndNotTheCornersAroundIt) {
    QImage image = Filled(60, 60, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SetGraphicsMode(GM_ADVANCED);
    const float c = 0.70710678F;
    const XFORM eighth{c, c, -c, c, 30, 30};
    dc.SetWorldTransform(&eighth);
    GetParam().draw(dc);
    const COLORREF diamond = GetParam().inside ? kBlack : kWhite;
    const COLORREF around = GetParam().inside ? kWhite : kBlack;
    for (const QPoint& p : {QPoint(30, 30), QPoint(30, 12), QPoint(48, 30), QPoint(14, 30)})
        EXPECT_EQ(At(image, p.x(), p.y()), diamond) << p.x() << "," << p.y();
    for (const QPoint& p : {QPoint(13, 13), QPoint(47, 47), QPoint(47, 13)})
        EXPECT_EQ(At(image, p.x(), p.y()), around) << p.x() << "," << p.y();
}

const RECT kBox{-15, -15, 15, 15};
const RECT kAll{0, 0, 60, 60};

// The whole image filled without the world transform.
void FillEverything(CDC& dc) {
    dc.ModifyWorldTransform(nullptr, MWT_IDENTITY);
    dc.FillSolidRect(&kAll, kBlack);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TurnedBoxes,
    testing::Values(
        TurnedBoxCase{"FillRect", [](CDC& dc) { dc.FillRect(&kBox, dc.GetCurrentBrush()); }, true},
        TurnedBoxCase{"FillSolidRect", [](CDC& dc) { dc.FillSolidRect(&kBox, kBlack); }, true},
        TurnedBoxCase{"PatBlt", [](CDC& dc) { dc.PatBlt(-15, -15, 30, 30, BLACKNESS); }, true},
        TurnedBoxCase{"IntersectClipRect",
                      [](CDC& dc) {
                          dc.IntersectClipRect(&kBox);
                          FillEverything(dc);
                      },
                      true},
        TurnedBoxCase{"ExcludeClipRect",
                      [](CDC& dc) {
                          dc.ExcludeClipRect(&kBox);
                          FillEverything(dc);
                      },
                      false}),
    [](const testing::TestParamInfo<TurnedBoxCase>& info) { return std::string(info.param.name); });

TEST(WorldTransformTest, TurnedFillLeavesTheClipAsItWas) {
    QImage image = Filled(60, 60, kWhite);
    CImageDC dc(image);
    dc.IntersectClipRect(0, 0, 40, 60);
    dc.SetGraphicsMode(GM_ADVANCED);
    const XFORM quarterAt{0, 1, -1, 0, 30, 30};
    dc.SetWorldTransform(&quarterAt);
    dc.FillSolidRect(&kBox, kBlack);
    // The fill kept to the clip that was set, and the clip is still that one.
    EXPECT_EQ(At(image, 35, 30), kBlack);
    EXPECT_EQ(At(image, 42, 30), kWhite);
    RECT box;
    dc.ModifyWorldTransform(nullptr, MWT_IDENTITY);
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(box), CRect(0, 0, 40, 60));
}

TEST(WorldTransformTest, BitmapTurnsWithTheWorld) {
    // Two pixels, red then blue, rows of four bytes.
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = 2;
    header.biHeight = 1;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const BYTE bits[8] = {0, 0, 255, 255, 0, 0, 0, 0};
    const auto draw = [&](const XFORM& world) {
        QImage image = Filled(40, 40, kWhite);
        CImageDC dc(image);
        dc.SetGraphicsMode(GM_ADVANCED);
        dc.SetWorldTransform(&world);
        EXPECT_EQ(dc.StretchDIBits(-10, -5, 20, 10, 0, 0, 2, 1, bits,
                                   reinterpret_cast<const BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                   SRCCOPY),
                  1);
        return image;
    };
    const QImage plain = draw(XFORM{1, 0, 0, 1, 20, 20});
    EXPECT_EQ(At(plain, 14, 20), RGB(255, 0, 0));
    EXPECT_EQ(At(plain, 26, 20), RGB(0, 0, 255));
    // A quarter turn from x towards y: red above, blue below.
    const QImage turned = draw(XFORM{0, 1, -1, 0, 20, 20});
    EXPECT_EQ(At(turned, 20, 14), RGB(255, 0, 0));
    EXPECT_EQ(At(turned, 20, 26), RGB(0, 0, 255));
    EXPECT_EQ(At(turned, 13, 20), kWhite);
    EXPECT_EQ(At(turned, 27, 20), kWhite);
    EXPECT_EQ(CountChanged(turned, kWhite), 200);
    // Mirrored along the turned x axis: blue above, red below.
    const QImage mirrored = draw(XFORM{0, -1, -1, 0, 20, 20});
    EXPECT_EQ(At(mirrored, 20, 14), RGB(0, 0, 255));
    EXPECT_EQ(At(mirrored, 20, 26), RGB(255, 0, 0));
}

TEST(WorldTransformTest, TurnedEllipseKeepsItsShape) {
    QImage image = Filled(60, 60, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SetGraphicsMode(GM_ADVANCED);
    const XFORM quarterAt{0, 1, -1, 0, 30, 30};
    dc.SetWorldTransform(&quarterAt);
    // 40 wide and 10 high, turned a quarter: 10 wide and 40 high.
    dc.Ellipse(-20, -5, 20, 5);
    EXPECT_EQ(At(image, 30, 13), kBlack);
    EXPECT_EQ(At(image, 30, 47), kBlack);
    EXPECT_EQ(At(image, 13, 30), kWhite);
    EXPECT_EQ(At(image, 47, 30), kWhite);
}

TEST(WorldTransformTest, TextTurnsAndGrowsWithTheWorld) {
    const auto write = [](const XFORM& world) {
        QImage image = Filled(80, 80, kWhite);
        CImageDC dc(image);
        QFont face("DejaVu Sans");
        face.setPixelSize(8);
        face.setStyleStrategy(QFont::NoAntialias);
        CFont font;
        font.CreateFromQFont(face);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        dc.SetGraphicsMode(GM_ADVANCED);
        dc.SetWorldTransform(&world);
        dc.TextOut(0, 0, "WWW", 3);
        return ChangedBox(image, kWhite);
    };
    const QRect plain = write(XFORM{1, 0, 0, 1, 10, 10});
    const QRect turned = write(XFORM{0, 1, -1, 0, 40, 10});
    const QRect doubled = write(XFORM{2, 0, 0, 2, 10, 10});
    ASSERT_FALSE(plain.isEmpty());
    EXPECT_GT(plain.width(), plain.height());
    // A quarter turn towards y: the line runs down the image, left of x.
    EXPECT_GT(turned.height(), turned.width());
    EXPECT_LE(turned.right(), 40);
    EXPECT_NEAR(turned.height(), plain.width(), 2);
    EXPECT_NEAR(doubled.width(), 2 * plain.width(), 3);
}

TEST(WorldTransformTest, CallsAreLogged) {
    CRecordingDC dc;
    dc.SetGraphicsMode(GM_ADVANCED);
    dc.SetWorldTransform(&kShiftRight);
    dc.ModifyWorldTransform(&kDouble, MWT_LEFTMULTIPLY);
    EXPECT_EQ(dc.Calls(), (std::vector<std::string>{
                              "SetGraphicsMode(GM_ADVANCED)", "SetWorldTransform(1 0 0 1 10 0)",
                              "ModifyWorldTransform(2 0 0 2 0 0,MWT_LEFTMULTIPLY)"}));
}

} // namespace
