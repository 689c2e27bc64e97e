// The band painter splits a picture into bands of rows, paints each on a
// picture-sized image of its own and keeps each band's rows only.

#include "app/CBandPainter.h"
#include "platform/gdi/CImageDC.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct SplitCase {
    std::string name;
    int height;
    int threads;
    std::size_t bands;
};

void PrintTo(const SplitCase& split, std::ostream* out) {
    *out << split.name;
}

class BandSplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(BandSplitTest, BandsCoverEveryRowOnceInOrder) {
    const SplitCase& split = GetParam();
    const std::vector<QRect> bands = CBandPainter::Bands(300, split.height, split.threads);
    ASSERT_EQ(bands.size(), split.bands);
    int next = 0;
    for (const QRect& band : bands) {
        EXPECT_EQ(band.top(), next);
        EXPECT_EQ(band.left(), 0);
        EXPECT_EQ(band.width(), 300);
        EXPECT_GE(band.height(), std::min(split.height, CBandPainter::kMinBandRows));
        next = band.bottom() + 1;
    }
    EXPECT_EQ(next, split.height);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, BandSplitTest,
    ::testing::Values(SplitCase{"one_thread", 1000, 1, 1}, SplitCase{"no_threads", 1000, 0, 1},
                      SplitCase{"as_many_as_threads", 1000, 8, 8},
                      SplitCase{"uneven_rows", 1001, 7, 7},
                      SplitCase{"short_image_fewer_bands", 100, 8, 2},
                      SplitCase{"thinner_than_a_band", 20, 8, 1}, SplitCase{"one_row", 1, 8, 1}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

TEST(BandPainterTest, KeepsOnlyEachBandsRowsOfWhatItPainted) {
    QImage target(40, 150, QImage::Format_RGB32);
    target.fill(Qt::black);
    const std::vector<QRect> bands = CBandPainter::Bands(40, 150, 3);
    ASSERT_EQ(bands.size(), 3U);
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
    const QRgb pixels[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255)};
    const RECT whole{0, 0, 40, 150};
    CBandPainter painter;
    // Each band paints the whole image in its colour; the second says it
    // put device patterns.
    for (int round = 0; round < 2; ++round) {
        const std::optional<bool> patterns =
            painter.Paint(target, bands, [&](CImageDC& dc, std::size_t band) {
                dc.FillSolidRect(&whole, colours[band]);
                return band == 1;
            });
        ASSERT_TRUE(patterns.has_value());
        EXPECT_TRUE(*patterns);
        for (std::size_t band = 0; band < bands.size(); ++band)
            for (int y = bands[band].top(); y <= bands[band].bottom(); ++y)
                ASSERT_EQ(target.pixel(39, y), pixels[band]) << "row " << y;
    }
}

TEST(BandPainterTest, OneBandPaintsStraightOnTheTarget) {
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::black);
    CBandPainter painter;
    const std::optional<bool> patterns =
        painter.Paint(target, CBandPainter::Bands(10, 10, 4), [](CImageDC& dc, std::size_t) {
            const RECT whole{0, 0, 10, 10};
            dc.FillSolidRect(&whole, RGB(255, 255, 255));
            return false;
        });
    ASSERT_TRUE(patterns.has_value());
    EXPECT_FALSE(*patterns);
    EXPECT_EQ(target.pixel(5, 5), qRgb(255, 255, 255));
}

} // namespace
