#include "platform/gdi/CFont.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CRgn.h"
#include "tests/platform/gdi/GdiTestImages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using GdiTestImages::At;
using GdiTestImages::CountChanged;
using GdiTestImages::Filled;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct Path {
    std::vector<POINT> points;
    std::vector<BYTE> types;
};

Path ReadPath(const CDC& dc) {
    const int count = dc.GetPath(nullptr, nullptr, 0);
    Path path;
    if (count <= 0)
        return path;
    path.points.resize(static_cast<std::size_t>(count));
    path.types.resize(static_cast<std::size_t>(count));
    EXPECT_EQ(dc.GetPath(path.points.data(), path.types.data(), count), count);
    return path;
}

std::vector<std::pair<int, int>> Coordinates(const Path& path) {
    std::vector<std::pair<int, int>> coordinates;
    for (const POINT& p : path.points)
        coordinates.emplace_back(p.x, p.y);
    return coordinates;
}

TEST(PathAndClipTest, GetPathListsTheFiguresInLogicalUnits) {
    CRecordingDC dc;
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportExt(2, 2);
    dc.BeginPath();
    dc.MoveTo(0, 0);
    dc.LineTo(10, 0);
    dc.LineTo(10, 10);
    const POINT triangle[3] = {{20, 20}, {30, 20}, {30, 30}};
    dc.Polygon(triangle, 3);
    // A LineTo after a figure starts a new one at the current position.
    dc.LineTo(0, 10);
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), -1);
    dc.EndPath();

    const Path path = ReadPath(dc);
    EXPECT_EQ(Coordinates(path),
              (std::vector<std::pair<int, int>>{
                  {0, 0}, {10, 0}, {10, 10}, {20, 20}, {30, 20}, {30, 30}, {10, 10}, {0, 10}}));
    EXPECT_EQ(path.types, (std::vector<BYTE>{PT_MOVETO, PT_LINETO, PT_LINETO, PT_MOVETO, PT_LINETO,
                                             PT_LINETO | PT_CLOSEFIGURE, PT_MOVETO, PT_LINETO}));
    POINT small[7];
    BYTE smallTypes[7];
    EXPECT_EQ(dc.GetPath(small, smallTypes, 7), -1);
}

TEST(PathAndClipTest, UsingAPathEndsIt) {
    CRecordingDC dc;
    EXPECT_FALSE(dc.StrokePath());
    EXPECT_FALSE(dc.EndPath());
    dc.BeginPath();
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_FALSE(dc.StrokePath()); // still open
    dc.EndPath();
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), 4);
    EXPECT_TRUE(dc.StrokePath());
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), -1);
    EXPECT_FALSE(dc.FillPath());
    dc.BeginPath();
    dc.Rectangle(0, 0, 10, 10);
    dc.EndPath();
    EXPECT_TRUE(dc.AbortPath());
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), -1);
}

TEST(PathAndClipTest, FlattenPathReplacesCurvesByLines) {
    CRecordingDC dc;
    dc.BeginPath();
    const POINT arch[4] = {{0, 0}, {0, 100}, {100, 100}, {100, 0}};
    dc.PolyBezier(arch, 4);
    dc.EndPath();
    EXPECT_EQ(ReadPath(dc).types,
              (std::vector<BYTE>{PT_MOVETO, PT_BEZIERTO, PT_BEZIERTO, PT_BEZIERTO}));
    EXPECT_TRUE(dc.FlattenPath());

    const Path flat = ReadPath(dc);
    ASSERT_GT(flat.points.size(), 8u);
    EXPECT_EQ(flat.types.front(), PT_MOVETO);
    EXPECT_TRUE(std::all_of(flat.types.begin() + 1, flat.types.end(),
                            [](BYTE type) { return type == PT_LINETO; }));
    EXPECT_EQ(flat.points.back().x, 100);
    EXPECT_EQ(flat.points.back().y, 0);
    int top = 0;
    for (std::size_t i = 1; i < flat.points.size(); ++i) {
        EXPECT_GE(flat.points[i].x, flat.points[i - 1].x);
        top = std::max<int>(top, flat.points[i].y);
    }
    EXPECT_EQ(top, 75); // the curve peaks at three quarters of its control points
}

TEST(PathAndClipTest, FlatteningACurveThatDoesNotMoveKeepsItsFigure) {
    CRecordingDC dc;
    dc.BeginPath();
    const POINT still[4] = {{5, 5}, {5, 5}, {5, 5}, {5, 5}};
    dc.PolyBezier(still, 4);
    const POINT after[2] = {{0, 0}, {9, 9}};
    dc.Polyline(after, 2);
    dc.EndPath();
    dc.FlattenPath();
    const Path flat = ReadPath(dc);
    ASSERT_GE(flat.types.size(), 4u);
    EXPECT_EQ(flat.types.front(), PT_MOVETO);
    EXPECT_EQ(std::count(flat.types.begin(), flat.types.end(), PT_MOVETO), 2);
    EXPECT_EQ(flat.types[flat.types.size() - 2], PT_MOVETO);
}

TEST(PathAndClipTest, FlattenedEllipseStaysOneClosedFigure) {
    CRecordingDC dc;
    dc.BeginPath();
    dc.Ellipse(0, 0, 41, 21);
    dc.EndPath();
    dc.FlattenPath();
    const Path flat = ReadPath(dc);
    ASSERT_GT(flat.points.size(), 8u);
    EXPECT_EQ(std::count(flat.types.begin(), flat.types.end(), PT_MOVETO), 1);
    EXPECT_EQ(flat.types.back(), PT_LINETO | PT_CLOSEFIGURE);
    for (const POINT& p : flat.points) {
        EXPECT_GE(p.x, 0);
        EXPECT_LE(p.x, 40);
        EXPECT_GE(p.y, 0);
        EXPECT_LE(p.y, 20);
    }
}

TEST(PathAndClipTest, TextInAPathBecomesClosedFigures) {
    QImage image = Filled(100, 60, kWhite);
    CImageDC dc(image);
    QFont face("DejaVu Sans");
    face.setPixelSize(30);
    CFont font;
    font.CreateFromQFont(face);
    dc.SelectObject(&font);
    dc.BeginPath();
    dc.TextOut(10, 10, "AB", 2);
    dc.EndPath();
    EXPECT_EQ(CountChanged(image, kWhite), 0);
    dc.FlattenPath();
    const Path path = ReadPath(dc);
    ASSERT_FALSE(path.points.empty());
    // Every figure is closed and, as GDI lists glyph outlines, ends on its
    // first point again.
    int figures = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < path.types.size(); ++i) {
        if (path.types[i] == PT_MOVETO) {
            ++figures;
            start = i;
            EXPECT_TRUE(i == 0 || (path.types[i - 1] & PT_CLOSEFIGURE)) << i;
        }
        if (path.types[i] & PT_CLOSEFIGURE) {
            EXPECT_EQ(path.points[i].x, path.points[start].x) << i;
            EXPECT_EQ(path.points[i].y, path.points[start].y) << i;
        }
    }
    EXPECT_GE(figures, 3); // A has an inner contour, B two
    EXPECT_TRUE(path.types.back() & PT_CLOSEFIGURE);
    // The outlines lie below and right of the top left reference point.
    for (const POINT& p : path.points) {
        EXPECT_GE(p.x, 10);
        EXPECT_GE(p.y, 10);
    }
    dc.SelectStockObject(BLACK_BRUSH);
    EXPECT_TRUE(dc.FillPath());
    EXPECT_GT(CountChanged(image, kWhite), 50);
}

TEST(PathAndClipTest, DrawingInsideAPathLeavesTheImageAlone) {
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    dc.SelectStockObject(BLACK_BRUSH);
    dc.BeginPath();
    const POINT triangle[3] = {{2, 2}, {18, 2}, {2, 18}};
    dc.Polygon(triangle, 3);
    dc.MoveTo(0, 19);
    dc.LineTo(19, 19);
    dc.EndPath();
    EXPECT_EQ(CountChanged(image, kWhite), 0);
    EXPECT_TRUE(dc.FillPath());
    EXPECT_EQ(At(image, 4, 4), kBlack);
    EXPECT_EQ(At(image, 15, 15), kWhite);
    EXPECT_EQ(At(image, 10, 19), kWhite); // an open figure fills nothing
}

TEST(PathAndClipTest, StrokePathUsesTheGeometricPen) {
    QImage image = Filled(30, 20, kWhite);
    CImageDC dc(image);
    CPen pen;
    pen.ExtCreatePen(PS_GEOMETRIC | PS_ENDCAP_SQUARE, 4, LOGBRUSH{BS_SOLID, kBlack, 0}, 0, nullptr);
    dc.SelectObject(&pen);
    dc.BeginPath();
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    dc.EndPath();
    dc.StrokePath();
    EXPECT_EQ(At(image, 8, 10), kBlack);
    EXPECT_EQ(At(image, 21, 10), kBlack);
    EXPECT_EQ(At(image, 15, 8), kBlack);
    EXPECT_EQ(At(image, 15, 13), kWhite);
}

TEST(PathAndClipTest, ClipPathLimitsDrawingUntilRemoved) {
    QImage image = Filled(20, 20, kWhite);
    CImageDC dc(image);
    dc.BeginPath();
    dc.Rectangle(5, 5, 15, 15);
    dc.EndPath();
    EXPECT_TRUE(dc.SelectClipPath(RGN_COPY));
    RECT box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(CRect(box), CRect(5, 5, 14, 14));
    dc.FillSolidRect(0, 0, 20, 20, kRed);
    EXPECT_EQ(At(image, 10, 10), kRed);
    EXPECT_EQ(At(image, 2, 2), kWhite);
    EXPECT_EQ(At(image, 14, 10), kWhite);

    dc.BeginPath();
    dc.Rectangle(8, 8, 11, 11);
    dc.EndPath();
    EXPECT_TRUE(dc.SelectClipPath(RGN_DIFF));
    dc.FillSolidRect(0, 0, 20, 20, kBlack);
    EXPECT_EQ(At(image, 9, 9), kRed);
    EXPECT_EQ(At(image, 6, 6), kBlack);
    EXPECT_FALSE(dc.SelectClipPath(RGN_COPY)); // no path any more

    dc.SelectClipRgn(nullptr);
    dc.FillSolidRect(0, 0, 20, 20, kBlack);
    EXPECT_EQ(At(image, 2, 2), kBlack);
}

TEST(PathAndClipTest, PathToRegionFollowsThePolygon) {
    CRecordingDC dc;
    dc.BeginPath();
    const POINT triangle[3] = {{0, 0}, {100, 0}, {0, 100}};
    dc.Polygon(triangle, 3);
    dc.EndPath();
    CRgn region;
    ASSERT_TRUE(dc.PathToRegion(&region));
    EXPECT_TRUE(region.PtInRegion(10, 10));
    EXPECT_TRUE(region.PtInRegion(0, 0));
    EXPECT_FALSE(region.PtInRegion(60, 60));
    EXPECT_EQ(dc.GetPath(nullptr, nullptr, 0), -1);
    CRgn unused;
    EXPECT_FALSE(dc.PathToRegion(&unused));
}

TEST(PathAndClipTest, ClipRegionsCombineWithTheCurrentClip) {
    CRecordingDC dc(CDeviceCaps(100, 100));
    CRgn left;
    left.CreateRectRgn(0, 0, 50, 100);
    EXPECT_EQ(dc.SelectClipRgn(&left, RGN_AND), SIMPLEREGION);
    CRgn top;
    top.CreateRectRgn(0, 0, 100, 50);
    EXPECT_EQ(dc.SelectClipRgn(&top, RGN_OR), COMPLEXREGION);
    RECT box;
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(box), CRect(0, 0, 100, 100));
    EXPECT_EQ(dc.SelectClipRgn(&top, RGN_XOR), SIMPLEREGION);
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(box), CRect(0, 50, 50, 100));
    EXPECT_EQ(dc.IntersectClipRect(60, 60, 70, 70), NULLREGION);
    EXPECT_EQ(dc.GetClipBox(&box), NULLREGION);
    CRgn empty;
    EXPECT_EQ(dc.SelectClipRgn(&empty), ERROR);
    EXPECT_EQ(dc.SelectClipRgn(nullptr, RGN_AND), ERROR);
    EXPECT_EQ(dc.SelectClipRgn(&top, 42), ERROR);
}

TEST(PathAndClipTest, ClipBoxUnderAnUpwardMapping) {
    CRecordingDC dc(CDeviceCaps(200, 100));
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, -2);
    dc.SetViewportOrg(0, 100);
    RECT box;
    EXPECT_EQ(dc.GetClipBox(&box), SIMPLEREGION);
    EXPECT_EQ(CRect(box), CRect(0, 0, 100, 50));
    // Logical (10, 40)-(30, 20) is device (20, 20)-(60, 60).
    dc.IntersectClipRect(10, 40, 30, 20);
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(box), CRect(10, 20, 30, 40));
}

TEST(PathAndClipTest, CallsFromTheCurrentPositionContinueTheFigure) {
    CRecordingDC dc;
    dc.BeginPath();
    dc.MoveTo(0, 0);
    const POINT lines[2] = {{10, 0}, {10, 10}};
    EXPECT_TRUE(dc.PolylineTo(lines, 2));
    const POINT curve[3] = {{10, 20}, {0, 20}, {0, 10}};
    EXPECT_TRUE(dc.PolyBezierTo(curve, 3));
    EXPECT_TRUE(dc.CloseFigure());
    // The next line starts a new figure.
    dc.LineTo(5, 5);
    dc.EndPath();

    const Path path = ReadPath(dc);
    EXPECT_EQ(Coordinates(path),
              (std::vector<std::pair<int, int>>{
                  {0, 0}, {10, 0}, {10, 10}, {10, 20}, {0, 20}, {0, 10}, {0, 10}, {5, 5}}));
    EXPECT_EQ(path.types,
              (std::vector<BYTE>{PT_MOVETO, PT_LINETO, PT_LINETO, PT_BEZIERTO, PT_BEZIERTO,
                                 PT_BEZIERTO | PT_CLOSEFIGURE, PT_MOVETO, PT_LINETO}));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(5, 5));
}

TEST(PathAndClipTest, ClosedFigureIsStrokedBackToItsStart) {
    const auto stroke = [](bool close) {
        QImage image = Filled(20, 20, kWhite);
        CImageDC dc(image);
        dc.BeginPath();
        dc.MoveTo(2, 2);
        const POINT lines[2] = {{17, 2}, {17, 17}};
        dc.PolylineTo(lines, 2);
        if (close)
            dc.CloseFigure();
        dc.EndPath();
        dc.StrokePath();
        return image;
    };
    EXPECT_EQ(At(stroke(true), 9, 9), kBlack);
    EXPECT_EQ(At(stroke(false), 9, 9), kWhite);
}

struct ContinuationCase {
    const char* name;
    std::vector<POINT> points;
    bool curve;
    bool drawn;
};

void PrintTo(const ContinuationCase& c, std::ostream* out) {
    *out << c.name;
}

class Continuations : public testing::TestWithParam<ContinuationCase> {};

TEST_P(Continuations, DrawFromTheCurrentPositionAndMoveIt) {
    const ContinuationCase& c = GetParam();
    QImage image = Filled(40, 40, kWhite);
    CImageDC dc(image);
    dc.MoveTo(5, 5);
    const int count = static_cast<int>(c.points.size());
    const BOOL drawn =
        c.curve ? dc.PolyBezierTo(c.points.data(), count) : dc.PolylineTo(c.points.data(), count);
    EXPECT_EQ(drawn != FALSE, c.drawn);
    if (!c.drawn) {
        EXPECT_EQ(CountChanged(image, kWhite), 0);
        EXPECT_EQ(dc.GetCurrentPosition(), CPoint(5, 5));
        return;
    }
    // The first stretch leaves the current position: the pixel after it is drawn.
    EXPECT_EQ(At(image, 6, 5), kBlack);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(c.points.back()));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Continuations,
    testing::Values(ContinuationCase{"OneLine", {{30, 5}}, false, true},
                    ContinuationCase{"TwoLines", {{30, 5}, {30, 30}}, false, true},
                    ContinuationCase{"NoLine", {}, false, false},
                    ContinuationCase{"OneCurve", {{15, 5}, {30, 10}, {30, 30}}, true, true},
                    ContinuationCase{"TwoCurves",
                                     {{15, 5}, {30, 10}, {30, 30}, {20, 35}, {10, 35}, {5, 30}},
                                     true,
                                     true},
                    ContinuationCase{"CurveShortOfAPoint", {{15, 5}, {30, 10}}, true, false}),
    [](const testing::TestParamInfo<ContinuationCase>& info) {
        return std::string(info.param.name);
    });

TEST(PathAndClipTest, CloseFigureNeedsAnOpenPath) {
    CRecordingDC dc;
    EXPECT_FALSE(dc.CloseFigure());
    dc.BeginPath();
    dc.EndPath();
    EXPECT_FALSE(dc.CloseFigure());
}

} // namespace
