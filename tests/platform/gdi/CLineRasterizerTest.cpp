#include "platform/gdi/CLineRasterizer.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The pixels of a row as '#' (dash), '-' (gap) or '.' (none).
std::string Row(const CLineRasterizer& pixels, int y, int width) {
    std::string row(static_cast<std::size_t>(width), '.');
    for (const QPoint& p : pixels.DashPixels())
        if (p.y() == y)
            row[static_cast<std::size_t>(p.x())] = '#';
    for (const QPoint& p : pixels.GapPixels())
        if (p.y() == y)
            row[static_cast<std::size_t>(p.x())] = '-';
    return row;
}

CPenConverter::Dashes ThreeTwo() {
    return CPenConverter::Dashes{{3, 2}, 0};
}

TEST(CLineRasterizerTest, EverySegmentLeavesOutItsEndWhicheverWayItRuns) {
    CLineRasterizer pixels(QRect(0, 0, 10, 10), std::nullopt);
    pixels.AddSegment(QPoint(5, 5), QPoint(0, 0));
    const std::set<std::pair<int, int>> set = [&] {
        std::set<std::pair<int, int>> points;
        for (const QPoint& p : pixels.DashPixels())
            points.insert({p.x(), p.y()});
        return points;
    }();
    EXPECT_EQ(set, (std::set<std::pair<int, int>>{{5, 5}, {4, 4}, {3, 3}, {2, 2}, {1, 1}}));
    EXPECT_TRUE(pixels.GapPixels().isEmpty());
}

TEST(CLineRasterizerTest, DashesRunOnAcrossTheSegmentsOfAFigure) {
    CLineRasterizer pixels(QRect(0, 0, 10, 10), ThreeTwo());
    pixels.AddSegment(QPoint(0, 0), QPoint(4, 0));
    pixels.AddSegment(QPoint(4, 0), QPoint(4, 6));
    EXPECT_EQ(Row(pixels, 0, 6), "###--.");
    std::string column;
    for (int y = 1; y < 7; ++y)
        column += Row(pixels, y, 6)[4];
    EXPECT_EQ(column, "###--.");
    pixels.StartFigure();
    pixels.AddSegment(QPoint(0, 8), QPoint(6, 8));
    EXPECT_EQ(Row(pixels, 8, 7), "###--#.");
}

TEST(CLineRasterizerTest, ALineFarBeyondTheBoundsKeepsItsPhase) {
    CLineRasterizer pixels(QRect(0, 0, 10, 10), ThreeTwo());
    // Pixel x = 0 is step 1000001 of the line, 1 into the pattern.
    pixels.AddSegment(QPoint(-1000001, 3), QPoint(1000000, 3));
    EXPECT_EQ(Row(pixels, 3, 10), "##--###--#");
    EXPECT_EQ(pixels.DashPixels().size() + pixels.GapPixels().size(), 10);
}

TEST(CLineRasterizerTest, SteepLinesAndLinesOutsideTheBounds) {
    CLineRasterizer pixels(QRect(0, 0, 10, 10), std::nullopt);
    pixels.AddSegment(QPoint(20, 0), QPoint(20, 9));
    pixels.AddSegment(QPoint(3, -50), QPoint(3, 50));
    EXPECT_EQ(pixels.DashPixels().size(), 10);
    for (const QPoint& p : pixels.DashPixels())
        EXPECT_EQ(p.x(), 3);
    pixels.AddSegment(QPoint(7, 7), QPoint(7, 7));
    EXPECT_EQ(pixels.DashPixels().size(), 10);
}

} // namespace
