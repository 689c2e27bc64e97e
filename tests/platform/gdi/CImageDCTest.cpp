#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CStockObjects.h"
#include "tests/platform/gdi/GdiTestImages.h"
#include "tests/platform/gdi/GradientImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <utility>
#include <vector>

namespace {

using GdiTestImages::At;
using GdiTestImages::ChangedBox;
using GdiTestImages::Column;
using GdiTestImages::CountChanged;
using GdiTestImages::Filled;
using GdiTestImages::Row;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool SameBytes(const QImage& a, const QImage& b) {
    return a.size() == b.size() && a.format() == b.format() &&
           std::memcmp(a.constBits(), b.constBits(), static_cast<std::size_t>(a.sizeInBytes())) ==
               0;
}

std::string Repeat(const std::string& period, std::size_t length) {
    std::string text;
    while (text.size() < length)
        text += period;
    return text.substr(0, length);
}

// The view keeps copies of its image and tells by the cache key whether
// anything painted on it since: every route must leave a copy alone and give
// the image a new key.
TEST(CImageDCCopies, PaintingLeavesACopyAloneAndGivesANewKey) {
    QImage image = Filled(40, 30, kWhite);
    const std::vector<std::pair<const char*, std::function<void(CDC&)>>> routes = {
        {"thin line",
         [](CDC& dc) {
             dc.MoveTo(2, 2);
             dc.LineTo(30, 20);
         }},
        {"fill", [](CDC& dc) { dc.FillSolidRect(5, 5, 10, 10, kRed); }},
        {"pixel", [](CDC& dc) { dc.SetPixel(7, 7, kBlue); }},
    };
    for (const auto& [name, paint] : routes) {
        const QImage copy = image;
        const QImage before = image.copy();
        const qint64 key = image.cacheKey();
        {
            CImageDC dc(image);
            paint(dc);
        }
        EXPECT_TRUE(SameBytes(copy, before)) << name;
        EXPECT_FALSE(SameBytes(image, before)) << name;
        EXPECT_NE(image.cacheKey(), key) << name;
    }
}

struct LineCase {
    POINT from;
    POINT to;
    POINT lastDrawn;
    int pixels;
};

class LineEnds : public testing::TestWithParam<LineCase> {};

TEST_P(LineEnds, LeaveOutTheLastPixel) {
    const LineCase& c = GetParam();
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    dc.MoveTo(c.from);
    EXPECT_TRUE(dc.LineTo(c.to));
    EXPECT_EQ(At(image, c.to.x, c.to.y), kWhite);
    EXPECT_EQ(At(image, c.lastDrawn.x, c.lastDrawn.y), kBlack);
    EXPECT_EQ(At(image, c.from.x, c.from.y), kBlack);
    EXPECT_EQ(CountChanged(image, kWhite), c.pixels);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(c.to));
}

INSTANTIATE_TEST_SUITE_P(Table, LineEnds,
                         testing::Values(LineCase{{2, 5}, {12, 5}, {11, 5}, 10},
                                         LineCase{{12, 5}, {2, 5}, {3, 5}, 10},
                                         LineCase{{5, 2}, {5, 12}, {5, 11}, 10},
                                         LineCase{{2, 2}, {12, 12}, {11, 11}, 10},
                                         LineCase{{12, 12}, {2, 2}, {3, 3}, 10}));

TEST(CImageDCTest, ALineThatDoesNotMoveDrawsNothing) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    dc.MoveTo(5, 5);
    EXPECT_TRUE(dc.LineTo(5, 5));
    const POINT twice[2] = {{3, 3}, {3, 3}};
    EXPECT_TRUE(dc.Polyline(twice, 2));
    EXPECT_EQ(CountChanged(image, kWhite), 0);
}

TEST(CImageDCTest, PolylineDrawsEachJointOnceAndLeavesOutTheEnd) {
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    const POINT chain[3] = {{1, 1}, {10, 1}, {10, 10}};
    EXPECT_TRUE(dc.Polyline(chain, 3));
    EXPECT_EQ(CountChanged(image, kWhite), 18);
    EXPECT_EQ(At(image, 10, 1), kBlack);
    EXPECT_EQ(At(image, 10, 10), kWhite);
    EXPECT_FALSE(dc.Polyline(chain, 1));
}

TEST(CImageDCTest, ReversedXorPolylineSetsEveryPixelOnce) {
    QImage image = Filled(12, 12, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(WHITE_PEN); // white XOR white is black
    dc.SetROP2(R2_XORPEN);
    const POINT chain[3] = {{10, 10}, {10, 1}, {1, 1}};
    dc.Polyline(chain, 3);
    EXPECT_EQ(CountChanged(image, kWhite), 18);
    EXPECT_EQ(At(image, 10, 10), kBlack);
    EXPECT_EQ(At(image, 10, 1), kBlack);
    EXPECT_EQ(At(image, 1, 1), kWhite);
    dc.Polyline(chain, 3);
    EXPECT_EQ(CountChanged(image, kWhite), 0);
}

TEST(CImageDCTest, XorRubberBandDrawnTwiceRestoresTheBytes) {
    QImage image = GradientImage(40, 30);
    const QImage before = image.copy();
    const COLORREF grey = RGB(0xC0, 0xC0, 0xC0);
    CImageDC dc(image);
    CPen pen;
    pen.CreatePen(PS_SOLID, 0, grey);
    CPen* oldPen = dc.SelectObject(&pen);
    dc.SetROP2(R2_XORPEN);
    dc.SelectStockObject(NULL_BRUSH);
    dc.SetBkMode(TRANSPARENT);

    dc.Rectangle(5, 5, 30, 20);
    // Every frame pixel, corners included, is inverted once.
    for (const QPoint corner : {QPoint(5, 5), QPoint(29, 5), QPoint(29, 19), QPoint(5, 19)})
        EXPECT_EQ(At(image, corner.x(), corner.y()), At(before, corner.x(), corner.y()) ^ grey);
    EXPECT_EQ(At(image, 30, 10), At(before, 30, 10));
    EXPECT_EQ(At(image, 10, 10), At(before, 10, 10));

    // Tracking: erase the old frame, draw the new one, and erase that too.
    dc.Rectangle(5, 5, 30, 20);
    dc.Rectangle(5, 5, 12, 25);
    dc.Rectangle(5, 5, 12, 25);
    EXPECT_TRUE(SameBytes(image, before));

    POINT ring[36];
    for (int i = 0; i < 36; ++i)
        ring[i] = POINT{20 + static_cast<LONG>(std::lround(9 * std::cos(i * 0.1745))),
                        15 + static_cast<LONG>(std::lround(9 * std::sin(i * 0.1745)))};
    dc.Polygon(ring, 36);
    EXPECT_FALSE(SameBytes(image, before));
    dc.Polygon(ring, 36);
    EXPECT_TRUE(SameBytes(image, before));
    dc.SetROP2(R2_COPYPEN);
    EXPECT_EQ(dc.SelectObject(oldPen), &pen);
}

TEST(CImageDCTest, NotDrawnTwiceRestoresTheBytes) {
    QImage image = GradientImage(30, 30);
    const QImage before = image.copy();
    CImageDC dc(image);
    dc.SetROP2(R2_NOT);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(2, 3, 25, 27);
    EXPECT_EQ(At(image, 10, 10), At(before, 10, 10) ^ 0xFFFFFF);
    dc.Rectangle(2, 3, 25, 27);
    EXPECT_TRUE(SameBytes(image, before));
}

TEST(CImageDCTest, MaskPenFillGivesTheAndOfBothColours) {
    const COLORREF left = RGB(0xF0, 0x80, 0x3C);
    const COLORREF right = RGB(0x0F, 0xFF, 0xC3);
    const COLORREF fill = RGB(0x99, 0x66, 0xFF);
    QImage image = Filled(20, 10, left);
    {
        QPainter painter(&image);
        painter.fillRect(10, 0, 10, 10, QColor(0x0F, 0xFF, 0xC3));
    }
    CImageDC dc(image);
    CBrush brush;
    brush.CreateSolidBrush(fill);
    dc.SelectObject(&brush);
    dc.SelectStockObject(NULL_PEN);
    dc.SetROP2(R2_MASKPEN);
    const POINT square[4] = {{2, 2}, {18, 2}, {18, 8}, {2, 8}};
    dc.Polygon(square, 4);
    EXPECT_EQ(At(image, 5, 5), left & fill);
    EXPECT_EQ(At(image, 15, 5), right & fill);
    EXPECT_EQ(At(image, 5, 0), left);
    EXPECT_EQ(At(image, 18, 5), right);
}

TEST(CImageDCTest, UserStylePenRunsAlongAWideLine) {
    QImage image = Filled(100, 20, kWhite);
    CImageDC dc(image);
    CPen pen;
    const LOGBRUSH black{BS_SOLID, kBlack, 0};
    const DWORD style[2] = {10, 5};
    ASSERT_TRUE(pen.ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE, 5, black, 2, style));
    dc.SelectObject(&pen);
    dc.MoveTo(0, 10);
    dc.LineTo(100, 10);
    const std::string runs = Repeat("##########.....", 100);
    for (int y = 8; y <= 12; ++y)
        EXPECT_EQ(Row(image, y, kWhite), runs) << "row " << y;
    EXPECT_EQ(Row(image, 7, kWhite), std::string(100, '.'));
    EXPECT_EQ(Row(image, 13, kWhite), std::string(100, '.'));
}

TEST(CImageDCTest, OddUserStyleSwapsDashesAndGapsOnItsSecondPass) {
    QImage image = Filled(60, 5, kWhite);
    CImageDC dc(image);
    CPen pen;
    const LOGBRUSH black{BS_SOLID, kBlack, 0};
    const DWORD style[3] = {6, 3, 3};
    ASSERT_TRUE(pen.ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_USERSTYLE, 1, black, 3, style));
    dc.SelectObject(&pen);
    dc.MoveTo(0, 2);
    dc.LineTo(60, 2);
    EXPECT_EQ(Row(image, 2, kWhite), Repeat("######...###......###...", 60));
}

TEST(CImageDCTest, GeometricEndCaps) {
    const auto span = [](DWORD cap) {
        QImage image = Filled(40, 20, kWhite);
        CImageDC dc(image);
        CPen pen;
        pen.ExtCreatePen(PS_GEOMETRIC | cap, 6, LOGBRUSH{BS_SOLID, kBlack, 0}, 0, nullptr);
        dc.SelectObject(&pen);
        dc.MoveTo(10, 10);
        dc.LineTo(20, 10);
        const std::string row = Row(image, 10, kWhite);
        return std::make_pair(static_cast<int>(row.find('#')), static_cast<int>(row.rfind('#')));
    };
    EXPECT_EQ(span(PS_ENDCAP_FLAT), std::make_pair(10, 19));
    EXPECT_EQ(span(PS_ENDCAP_SQUARE), std::make_pair(7, 22));
}

TEST(CImageDCTest, DashedCosmeticPenFillsItsGapsInOpaqueMode) {
    QImage image = Filled(20, 4, kWhite);
    CImageDC dc(image);
    CPen pen;
    pen.CreatePen(PS_DOT, 1, kBlack);
    dc.SelectObject(&pen);
    dc.SetBkColor(kRed);
    dc.MoveTo(0, 1);
    dc.LineTo(12, 1);
    EXPECT_EQ(At(image, 0, 1), kBlack);
    EXPECT_EQ(At(image, 3, 1), kRed);
    dc.SetBkMode(TRANSPARENT);
    dc.MoveTo(0, 2);
    dc.LineTo(12, 2);
    EXPECT_EQ(At(image, 3, 2), kWhite);
    EXPECT_EQ(Row(image, 2, kWhite, 0, 12), "###...###...");
}

struct BezierCase {
    int count;
    BOOL drawn;
};

class BezierCounts : public testing::TestWithParam<BezierCase> {};

TEST_P(BezierCounts, DrawOnlyWholeSegments) {
    QImage image = Filled(40, 40, kWhite);
    CImageDC dc(image);
    const POINT points[7] = {{2, 2}, {10, 30}, {30, 30}, {35, 5}, {20, 2}, {10, 10}, {5, 35}};
    EXPECT_EQ(dc.PolyBezier(points, GetParam().count), GetParam().drawn);
    EXPECT_EQ(CountChanged(image, kWhite) > 0, GetParam().drawn != FALSE);
}

INSTANTIATE_TEST_SUITE_P(Table, BezierCounts,
                         testing::Values(BezierCase{4, TRUE}, BezierCase{5, FALSE},
                                         BezierCase{6, FALSE}, BezierCase{7, TRUE},
                                         BezierCase{1, FALSE}));

TEST(CImageDCTest, RectangleLeavesOutItsRightAndBottomEdges) {
    QImage image = Filled(12, 10, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(2, 2, 8, 6);
    EXPECT_EQ(Row(image, 2, kWhite), "..######....");
    EXPECT_EQ(Row(image, 3, kWhite), "..#....#....");
    EXPECT_EQ(Row(image, 5, kWhite), "..######....");
    EXPECT_EQ(Row(image, 6, kWhite), "............");
    // Without a pen the filled area is one pixel smaller on both axes.
    dc.SelectStockObject(NULL_PEN);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(2, 7, 8, 10);
    EXPECT_EQ(Row(image, 7, kWhite), "..#####.....");
    EXPECT_EQ(Row(image, 8, kWhite), "..#####.....");
    EXPECT_EQ(Row(image, 9, kWhite), "............");
}

TEST(CImageDCTest, FillRectIgnoresThePenAndTheRasterOperation) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    dc.SetROP2(R2_XORPEN);
    CBrush red;
    red.CreateSolidBrush(kRed);
    const RECT rect{1, 1, 5, 5};
    dc.FillRect(&rect, &red);
    EXPECT_EQ(At(image, 1, 1), kRed);
    EXPECT_EQ(At(image, 4, 4), kRed);
    EXPECT_EQ(At(image, 5, 4), kWhite);
    EXPECT_EQ(At(image, 4, 5), kWhite);
    dc.FillSolidRect(6, 6, 2, 2, kBlue);
    EXPECT_EQ(At(image, 7, 7), kBlue);
    EXPECT_EQ(At(image, 8, 7), kWhite);
    EXPECT_EQ(dc.GetBkColor(), kBlue);
}

// Where the black pixels of a 32 x 32 hatch fill lie.
QImage HatchFill(int hatch, const RECT& area, POINT viewportOrigin = {0, 0}) {
    QImage image = Filled(32, 32, kWhite);
    CImageDC dc(image);
    dc.SetViewportOrg(viewportOrigin);
    CBrush brush;
    brush.CreateHatchBrush(hatch, kBlack);
    dc.SelectObject(&brush);
    dc.SelectStockObject(NULL_PEN);
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(area.left, area.top, area.right, area.bottom);
    return image;
}

class HatchBrushes : public testing::TestWithParam<int> {};

TEST_P(HatchBrushes, AlignTheirCellsToTheDeviceOrigin) {
    const QImage whole = HatchFill(GetParam(), RECT{0, 0, 33, 33});
    const QImage shifted = HatchFill(GetParam(), RECT{3, 5, 30, 27});
    const QImage moved = HatchFill(GetParam(), RECT{-2, 0, 25, 22}, POINT{5, 5});
    int compared = 0;
    for (int y = 5; y < 26; ++y) {
        for (int x = 3; x < 29; ++x) {
            ASSERT_EQ(At(shifted, x, y), At(whole, x, y)) << x << "," << y;
            ASSERT_EQ(At(moved, x, y), At(whole, x, y)) << x << "," << y;
            ++compared;
        }
    }
    EXPECT_EQ(compared, 21 * 26);
    EXPECT_GT(CountChanged(whole, kWhite), 0);
    // The pattern repeats every 8 pixels.
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            ASSERT_EQ(At(whole, x, y), At(whole, x + 8, y + 8));
}

INSTANTIATE_TEST_SUITE_P(AllSix, HatchBrushes,
                         testing::Values(HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL, HS_BDIAGONAL,
                                         HS_CROSS, HS_DIAGCROSS));

// True when every black pixel continues to (x + dx, y + dy).
bool Continues(const QImage& image, int dx, int dy) {
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            if (At(image, x, y) == kBlack && At(image, x + dx, y + dy) != kBlack)
                return false;
    return true;
}

TEST(CImageDCTest, HatchDirections) {
    const RECT all{0, 0, 33, 33};
    const QImage horizontal = HatchFill(HS_HORIZONTAL, all);
    EXPECT_TRUE(Continues(horizontal, 1, 0));
    EXPECT_FALSE(Continues(horizontal, 0, 1));
    const QImage vertical = HatchFill(HS_VERTICAL, all);
    EXPECT_TRUE(Continues(vertical, 0, 1));
    EXPECT_FALSE(Continues(vertical, 1, 0));
    // Forward diagonal runs down to the right, backward diagonal up to the right.
    const QImage forward = HatchFill(HS_FDIAGONAL, all);
    EXPECT_TRUE(Continues(forward, 1, 1));
    EXPECT_FALSE(Continues(forward, 1, -1));
    const QImage backward = HatchFill(HS_BDIAGONAL, all);
    EXPECT_TRUE(Continues(backward, 1, -1));
    EXPECT_FALSE(Continues(backward, 1, 1));
    EXPECT_EQ(CountChanged(HatchFill(HS_CROSS, all), kWhite), 16 * 15);
}

TEST(CImageDCTest, OpaqueHatchPaintsTheBackgroundColour) {
    QImage image = Filled(16, 16, kWhite);
    CImageDC dc(image);
    CBrush brush;
    brush.CreateHatchBrush(HS_HORIZONTAL, kBlack);
    dc.SelectObject(&brush);
    dc.SelectStockObject(NULL_PEN);
    dc.SetBkColor(kRed);
    dc.Rectangle(0, 0, 17, 9);
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(0, 8, 17, 17);
    int red = 0;
    for (int x = 0; x < 16; ++x)
        for (int y = 0; y < 16; ++y)
            red += At(image, x, y) == kRed;
    EXPECT_EQ(red, 16 * 7);
    EXPECT_EQ(Column(image, 0, kWhite).substr(8), "...#....");
}

TEST(CImageDCTest, PolygonFillModes) {
    // Two nested squares traced the same way round.
    const POINT points[8] = {{0, 0}, {20, 0}, {20, 20}, {0, 20},
                             {5, 5}, {15, 5}, {15, 15}, {5, 15}};
    const int counts[2] = {4, 4};
    QImage image = Filled(21, 21, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(dc.SetPolyFillMode(WINDING), ALTERNATE);
    dc.PolyPolygon(points, counts, 2);
    EXPECT_EQ(At(image, 10, 10), kBlack);
    image.fill(Qt::white);
    dc.SetPolyFillMode(ALTERNATE);
    dc.PolyPolygon(points, counts, 2);
    EXPECT_EQ(At(image, 10, 10), kWhite);
    EXPECT_EQ(At(image, 2, 10), kBlack);
    const int bad[2] = {4, 1};
    EXPECT_FALSE(dc.PolyPolygon(points, bad, 2));
}

TEST(CImageDCTest, SetPixelAndGetPixelStayInsideTheClip) {
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    EXPECT_EQ(dc.IntersectClipRect(0, 0, 10, 10), SIMPLEREGION);
    EXPECT_EQ(dc.SetPixel(5, 5, kRed), kRed);
    EXPECT_EQ(dc.SetPixel(12, 12, kRed), CLR_INVALID);
    EXPECT_EQ(dc.SetPixel(-1, 3, kRed), CLR_INVALID);
    EXPECT_EQ(At(image, 12, 12), kWhite);
    EXPECT_EQ(dc.GetPixel(5, 5), kRed);
    EXPECT_EQ(dc.GetPixel(12, 12), CLR_INVALID);
    // SetPixel takes no raster operation.
    dc.SetROP2(R2_XORPEN);
    dc.SetPixel(6, 6, kRed);
    EXPECT_EQ(dc.GetPixel(6, 6), kRed);
}

TEST(CImageDCTest, ClipRegionIsSavedAndRestored) {
    QImage image = Filled(30, 30, kWhite);
    CImageDC dc(image);
    dc.IntersectClipRect(0, 0, 20, 20);
    const int saved = dc.SaveDC();
    EXPECT_EQ(saved, 1);
    EXPECT_EQ(dc.ExcludeClipRect(5, 5, 15, 15), COMPLEXREGION);
    RECT box;
    EXPECT_EQ(dc.GetClipBox(&box), COMPLEXREGION);
    EXPECT_EQ(CRect(box), CRect(0, 0, 20, 20));
    dc.FillSolidRect(0, 0, 30, 30, kRed);
    EXPECT_EQ(At(image, 2, 2), kRed);
    EXPECT_EQ(At(image, 10, 10), kWhite);
    EXPECT_EQ(At(image, 25, 25), kWhite);

    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    dc.FillSolidRect(0, 0, 30, 30, kBlue);
    EXPECT_EQ(At(image, 10, 10), kBlue);
    EXPECT_EQ(At(image, 25, 25), kWhite);
    EXPECT_FALSE(dc.RestoreDC(saved));
    EXPECT_FALSE(dc.RestoreDC(-1));

    EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
    dc.FillSolidRect(0, 0, 30, 30, kBlack);
    EXPECT_EQ(At(image, 25, 25), kBlack);
}

TEST(CImageDCTest, RestoreDCBringsBackObjectsModesAndMapping) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    CPen red;
    red.CreatePen(PS_SOLID, 0, kRed);
    dc.SaveDC();
    dc.SelectObject(&red);
    dc.SetROP2(R2_XORPEN);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(2, 2);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SetBkMode(TRANSPARENT);
    EXPECT_TRUE(dc.RestoreDC(-2));
    EXPECT_EQ(dc.GetCurrentPen(), CStockObjects::Get(BLACK_PEN));
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
}

TEST(CImageDCTest, DeletingASelectedPenLeavesTheContextDrawing) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    {
        CPen red;
        red.CreatePen(PS_SOLID, 0, kRed);
        dc.SelectObject(&red);
        red.DeleteObject();
    }
    dc.MoveTo(0, 5);
    dc.LineTo(5, 5);
    EXPECT_EQ(At(image, 2, 5), kRed);
    CPen empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
}

TEST(CImageDCTest, BlockTransfersBetweenImageContexts) {
    QImage source = Filled(4, 4, RGB(0x3C, 0x3C, 0x3C));
    source.setPixel(0, 0, qRgb(255, 0, 0));
    QImage target = Filled(12, 12, RGB(0xF0, 0x0F, 0xFF));
    CImageDC from(source);
    CImageDC to(target);
    EXPECT_TRUE(to.BitBlt(2, 2, 4, 4, &from, 0, 0, SRCCOPY));
    EXPECT_EQ(At(target, 2, 2), kRed);
    EXPECT_EQ(At(target, 5, 5), RGB(0x3C, 0x3C, 0x3C));
    EXPECT_EQ(At(target, 6, 6), RGB(0xF0, 0x0F, 0xFF));
    EXPECT_TRUE(to.BitBlt(8, 8, 2, 2, &from, 1, 1, SRCAND));
    EXPECT_EQ(At(target, 8, 8), RGB(0x30, 0x0C, 0x3C));
    // A reversed width mirrors the picture.
    EXPECT_TRUE(to.StretchBlt(4, 0, -4, 1, &from, 0, 0, 2, 1, SRCCOPY));
    EXPECT_EQ(Row(target, 0, RGB(0x3C, 0x3C, 0x3C), 0, 4), "..##");
    EXPECT_EQ(At(target, 3, 0), kRed);
    EXPECT_TRUE(to.PatBlt(0, 10, 2, 2, BLACKNESS));
    EXPECT_EQ(At(target, 1, 11), kBlack);
    CRecordingDC recorder;
    EXPECT_FALSE(to.BitBlt(0, 0, 2, 2, &recorder, 0, 0, SRCCOPY));
    EXPECT_FALSE(to.BitBlt(0, 0, 2, 2, &from, 0, 0, 0x12345678));
}

TEST(CImageDCTest, BlockTransferCopiesOnlyWhatTheSourceImageHolds) {
    QImage source = Filled(4, 4, kRed);
    QImage target = Filled(12, 12, kWhite);
    CImageDC from(source);
    CImageDC to(target);
    // Source (2, 2)-(6, 6) holds only its top left quarter.
    EXPECT_TRUE(to.BitBlt(0, 0, 4, 4, &from, 2, 2, SRCCOPY));
    EXPECT_EQ(GdiTestImages::Row(target, 0, kWhite, 0, 5), "##...");
    EXPECT_EQ(GdiTestImages::Row(target, 2, kWhite, 0, 5), ".....");
    // Mirrored, the held part lands at the other end.
    EXPECT_TRUE(to.StretchBlt(4, 6, -4, 1, &from, 2, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(GdiTestImages::Row(target, 6, kWhite, 0, 5), "..##.");
    // A source far larger than its image costs no more than the image.
    EXPECT_TRUE(
        to.StretchBlt(8, 8, 4, 4, &from, -100000000, -100000000, 200000000, 200000000, SRCCOPY));
    EXPECT_EQ(At(target, 11, 11), kWhite);
}

TEST(CImageDCTest, IsotropicViewMappingPlacesLogicalPoints) {
    QImage image = Filled(60, 50, kWhite);
    CImageDC dc(image);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(60, -50);
    dc.SetViewportOrg(0, 49);
    EXPECT_EQ(dc.GetViewportExt(), CSize(50, -50));
    // Logical y grows upwards from the bottom row.
    dc.MoveTo(0, 0);
    dc.LineTo(100, 0);
    EXPECT_EQ(Row(image, 49, kWhite), std::string(50, '#') + std::string(10, '.'));
    dc.MoveTo(0, 0);
    dc.LineTo(0, 100);
    EXPECT_EQ(Column(image, 0, kWhite), std::string(50, '#'));
    CPoint point(50, 50);
    dc.LPtoDP(&point);
    EXPECT_EQ(point, CPoint(25, 24));
}

TEST(CImageDCTest, CoordinatesFarOutsideTheImageStillDraw) {
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    dc.MoveTo(-20000000, 5);
    dc.LineTo(20000000, 5);
    EXPECT_EQ(Row(image, 5, kWhite), std::string(20, '#'));
}

TEST(CImageDCTest, EllipseStaysInsideItsBox) {
    QImage image = Filled(15, 15, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Ellipse(2, 2, 13, 13);
    EXPECT_EQ(At(image, 7, 7), kBlack);
    EXPECT_EQ(At(image, 2, 2), kWhite);
    EXPECT_EQ(Row(image, 13, kWhite), std::string(15, '.'));
    EXPECT_EQ(Column(image, 13, kWhite), std::string(15, '.'));
    EXPECT_EQ(Row(image, 7, kWhite), "..###########..");
}

TEST(CImageDCTest, NopDrawsNothing) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    dc.SetROP2(R2_NOP);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_EQ(CountChanged(image, kWhite), 0);
    EXPECT_EQ(dc.SetROP2(0), 0);
    EXPECT_EQ(dc.GetROP2(), R2_NOP);
}

TEST(CImageDCTest, DeviceCapsOfAnImage) {
    QImage image = Filled(960, 480, kWhite);
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    CImageDC dc(image);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 960);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 480);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 254);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 0);
    EXPECT_EQ(dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_FALSE(dc.IsPrinting());
    EXPECT_FALSE(dc.IsMetafile());
}

QFont PixelFont(int pixels) {
    QFont font("DejaVu Sans");
    font.setPixelSize(pixels);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

struct AlignCase {
    UINT align;
    bool right;  // ink left of the reference x
    bool centre; // ink on both sides
    bool above;  // ink above the reference y
};

class TextAlignment : public testing::TestWithParam<AlignCase> {};

TEST_P(TextAlignment, PlacesTheTextAroundItsReferencePoint) {
    QImage image = Filled(200, 100, kWhite);
    CImageDC dc(image);
    CFont font;
    font.CreateFromQFont(PixelFont(20));
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(GetParam().align);
    ASSERT_TRUE(dc.TextOut(100, 50, "HHH", 3));
    const QRect ink = ChangedBox(image, kWhite);
    ASSERT_FALSE(ink.isEmpty());
    if (GetParam().centre) {
        EXPECT_LT(ink.left(), 100);
        EXPECT_GT(ink.right(), 100);
    } else if (GetParam().right) {
        EXPECT_LT(ink.right(), 100);
    } else {
        EXPECT_GE(ink.left(), 100);
    }
    if (GetParam().above)
        EXPECT_LT(ink.bottom(), 50);
    else
        EXPECT_GE(ink.top(), 50);
}

INSTANTIATE_TEST_SUITE_P(Table, TextAlignment,
                         testing::Values(AlignCase{TA_LEFT | TA_TOP, false, false, false},
                                         AlignCase{TA_RIGHT | TA_TOP, true, false, false},
                                         AlignCase{TA_CENTER | TA_BOTTOM, false, true, true},
                                         AlignCase{TA_LEFT | TA_BASELINE, false, false, true}));

TEST(CImageDCTest, TextColourAndOpaqueBackground) {
    QImage image = Filled(100, 40, kWhite);
    CImageDC dc(image);
    CFont font;
    font.CreateFromQFont(PixelFont(20));
    dc.SelectObject(&font);
    dc.SetTextColor(kRed);
    dc.SetBkColor(kBlue);
    dc.TextOut(2, 2, "H", 1);
    EXPECT_EQ(At(image, 3, 3), kBlue);
    int red = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x)
            red += At(image, x, y) == kRed;
    EXPECT_GT(red, 10);
    EXPECT_EQ(At(image, 60, 30), kWhite);
}

TEST(CImageDCTest, TextExtentCountsInLogicalUnits) {
    QImage image = Filled(10, 10, kWhite);
    CImageDC dc(image);
    CFont small;
    small.CreateFromQFont(PixelFont(10));
    dc.SelectObject(&small);
    const CSize pixels = dc.GetTextExtent("Zumeo", 5);
    EXPECT_GT(pixels.cx, 10);
    EXPECT_GT(pixels.cy, 9);
    // Two logical units per pixel: a 20-unit font is the same 10-pixel font.
    CFont large;
    large.CreateFromQFont(PixelFont(20));
    dc.SelectObject(&large);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(2, -2);
    dc.SetViewportExt(1, 1);
    const CSize logical = dc.GetTextExtent(CString("Zumeo"));
    EXPECT_EQ(logical.cx, 2 * pixels.cx);
    EXPECT_EQ(logical.cy, 2 * pixels.cy);
    EXPECT_EQ(dc.GetTextExtent("", 0), CSize());
}

} // namespace
