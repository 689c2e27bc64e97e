// Thin lines are written straight into an image's rows when the context
// paints a plain copy on a 32-bit image it alone holds; otherwise the
// painter sets the rasterizer's pixels. Both routes must give the same
// bytes, whatever the clip, dashes, background mode and figure kind.

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "tests/platform/gdi/GradientImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 200, 0);

struct RouteCase {
    std::string name;
    std::function<void(CDC&)> draw;
};

void PrintTo(const RouteCase& route, std::ostream* out) {
    *out << route.name;
}

void Lines(CDC& dc) {
    dc.MoveTo(-10, 3);
    dc.LineTo(70, 40);
    dc.LineTo(30, -5);
    dc.LineTo(30, 30);
    const POINT chain[] = {{2, 45}, {60, 44}, {60, 44}, {61, 2}, {5, 20}};
    dc.Polyline(chain, 5);
}

void Figures(CDC& dc) {
    dc.SelectStockObject(NULL_BRUSH);
    const POINT ring[] = {{10, 10}, {50, 12}, {40, 40}, {10, 10}, {12, 30}};
    dc.Polygon(ring, 5);
    const POINT twice[] = {{1, 1}, {20, 1}, {20, 20}, {30, 30}, {60, 30}, {45, 46}};
    const int counts[] = {3, 3};
    dc.PolyPolygon(twice, counts, 2);
    dc.Rectangle(5, 25, 40, 47);
}

void WithPen(CDC& dc, int style, COLORREF color, const std::function<void(CDC&)>& draw) {
    CPen pen;
    pen.CreatePen(style, 0, color);
    CPen* old = dc.SelectObject(&pen);
    draw(dc);
    dc.SelectObject(old);
}

void UserDashes(CDC& dc) {
    LOGBRUSH brush{BS_SOLID, kGreen, 0};
    const DWORD style[] = {5, 2, 1, 3};
    CPen pen;
    pen.ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT, 1, brush, 4, style);
    CPen* old = dc.SelectObject(&pen);
    Lines(dc);
    Figures(dc);
    dc.SelectObject(old);
}

class ThinLineRouteTest : public ::testing::TestWithParam<RouteCase> {};

TEST_P(ThinLineRouteTest, WritingIntoTheRowsEqualsPaintingThePixels) {
    QImage direct = GradientImage(64, 48);
    QImage painted = GradientImage(64, 48);
    const QImage holder = painted; // shared: the context must not write into it
    {
        CImageDC dc(direct);
        GetParam().draw(dc);
    }
    {
        CImageDC dc(painted);
        GetParam().draw(dc);
    }
    EXPECT_NE(painted, holder) << "nothing was drawn";
    EXPECT_EQ(direct, painted);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThinLineRouteTest,
    ::testing::Values(RouteCase{"solid_lines", [](CDC& dc) { WithPen(dc, PS_SOLID, kRed, Lines); }},
                      RouteCase{"hollow_figures",
                                [](CDC& dc) { WithPen(dc, PS_SOLID, kRed, Figures); }},
                      RouteCase{"dotted_transparent",
                                [](CDC& dc) {
                                    dc.SetBkMode(TRANSPARENT);
                                    WithPen(dc, PS_DOT, kRed, Lines);
                                }},
                      RouteCase{"dashed_opaque",
                                [](CDC& dc) {
                                    dc.SetBkMode(OPAQUE);
                                    dc.SetBkColor(RGB(0, 0, 250));
                                    WithPen(dc, PS_DASHDOT, kRed, Lines);
                                    WithPen(dc, PS_DASH, kGreen, Figures);
                                }},
                      RouteCase{"user_dashes", UserDashes},
                      RouteCase{"rectangle_clip",
                                [](CDC& dc) {
                                    dc.IntersectClipRect(7, 5, 41, 33);
                                    WithPen(dc, PS_SOLID, kRed, Lines);
                                    WithPen(dc, PS_DOT, kGreen, Figures);
                                }},
                      RouteCase{"region_clip",
                                [](CDC& dc) {
                                    dc.IntersectClipRect(7, 5, 41, 33);
                                    dc.ExcludeClipRect(20, 10, 30, 20);
                                    WithPen(dc, PS_SOLID, kRed, Lines);
                                }},
                      RouteCase{"xor",
                                [](CDC& dc) {
                                    dc.SetROP2(R2_XORPEN);
                                    WithPen(dc, PS_SOLID, kRed, Lines);
                                }},
                      RouteCase{"mapped",
                                [](CDC& dc) {
                                    dc.SetMapMode(MM_ISOTROPIC);
                                    dc.SetWindowExt(1000, 1000);
                                    dc.SetViewportExt(64, -48);
                                    dc.SetViewportOrg(2, 46);
                                    dc.MoveTo(0, 0);
                                    dc.LineTo(1000, 700);
                                    WithPen(dc, PS_DOT, kRed, Figures);
                                }}),
    [](const ::testing::TestParamInfo<RouteCase>& info) { return info.param.name; });

} // namespace
