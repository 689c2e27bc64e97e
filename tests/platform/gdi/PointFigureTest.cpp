// A caller may skip a figure whose points all fall on one device pixel when
// the context says it would set no pixel. The answer must be right at the
// pixel boundary, for mirrored axes, for fills and wide pens, and inside an
// open path: wherever it says yes, drawing the figure leaves every byte.

#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CStockObjects.h"
#include "tests/platform/gdi/GradientImage.h"

#include <QImage>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);

struct PointFigureCase {
    std::string name;
    RECT box; // logical units, 10 to a pixel
    bool closed = true;
    int penStyle = PS_SOLID;
    int penWidth = 0;
    int brush = NULL_BRUSH;
    bool mirrored = false;
    bool inPath = false;
    bool setsNoPixel = false;
    // Whether drawing the figure changes the image; unknown where the
    // answer alone is under test.
    std::optional<bool> paints = std::nullopt;
};

void PrintTo(const PointFigureCase& c, std::ostream* out) {
    *out << c.name;
}

class PointFigureTest : public testing::TestWithParam<PointFigureCase> {};

TEST_P(PointFigureTest, SaysNoPixelOnlyWhereDrawingLeavesTheImage) {
    const PointFigureCase& c = GetParam();
    QImage image = GradientImage(16, 16);
    const QImage before = image.copy();
    CPen pen;
    pen.CreatePen(c.penStyle, c.penWidth, kRed);
    {
        CImageDC dc(image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(10, 10);
        dc.SetViewportExt(1, c.mirrored ? -1 : 1);
        dc.SetViewportOrg(0, c.mirrored ? 15 : 0);
        dc.SelectObject(&pen);
        dc.SelectStockObject(c.brush);
        if (c.inPath)
            dc.BeginPath();
        EXPECT_EQ(dc.SetsNoPixelWithin(POINT{c.box.left, c.box.top},
                                       POINT{c.box.right, c.box.bottom}, c.closed),
                  c.setsNoPixel);
        if (c.inPath)
            dc.AbortPath();
        const LONG midX = (c.box.left + c.box.right) / 2;
        const LONG midY = (c.box.top + c.box.bottom) / 2;
        const POINT figure[] = {{c.box.left, c.box.top},    {midX, c.box.top},
                                {c.box.right, midY},        {c.box.right, c.box.bottom},
                                {c.box.left, c.box.bottom}, {midX, midY}};
        if (c.closed)
            dc.Polygon(figure, 6);
        else
            dc.Polyline(figure, 6);
    }
    const bool changed = image != before;
    if (c.setsNoPixel) {
        EXPECT_FALSE(changed);
    }
    if (c.paints) {
        EXPECT_EQ(changed, *c.paints);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, PointFigureTest,
    testing::Values(
        PointFigureCase{.name = "RingInOnePixel",
                        .box = {25, 35, 34, 44},
                        .setsNoPixel = true,
                        .paints = false},
        PointFigureCase{.name = "RingAcrossAColumnEdge", .box = {25, 35, 35, 44}, .paints = true},
        PointFigureCase{.name = "RingAcrossARowEdge", .box = {25, 34, 34, 44}, .paints = true},
        PointFigureCase{.name = "ChainInOnePixelWhateverTheBrush",
                        .box = {50, 50, 54, 54},
                        .closed = false,
                        .brush = BLACK_BRUSH,
                        .setsNoPixel = true,
                        .paints = false},
        PointFigureCase{.name = "FilledRing", .box = {50, 50, 54, 54}, .brush = BLACK_BRUSH},
        PointFigureCase{.name = "WidePen", .box = {50, 50, 54, 54}, .penWidth = 40},
        PointFigureCase{.name = "NoPen",
                        .box = {50, 50, 54, 54},
                        .penStyle = PS_NULL,
                        .setsNoPixel = true,
                        .paints = false},
        PointFigureCase{.name = "DottedThinPen",
                        .box = {50, 50, 54, 54},
                        .penStyle = PS_DOT,
                        .setsNoPixel = true,
                        .paints = false},
        PointFigureCase{.name = "MirroredRowsInOnePixel",
                        .box = {25, 36, 34, 44},
                        .mirrored = true,
                        .setsNoPixel = true,
                        .paints = false},
        PointFigureCase{.name = "MirroredRowsAcrossAnEdge",
                        .box = {25, 34, 34, 44},
                        .mirrored = true,
                        .paints = true},
        PointFigureCase{
            .name = "OpenPathTakesEveryFigure", .box = {50, 50, 54, 54}, .inPath = true}),
    [](const testing::TestParamInfo<PointFigureCase>& info) { return info.param.name; });

} // namespace
