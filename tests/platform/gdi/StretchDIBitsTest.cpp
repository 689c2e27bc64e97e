// A device-independent bitmap stretched onto a context: which rows the
// source rectangle names (from the lower edge of a bottom-up bitmap) and
// which way up the picture lands, in the drawing's y-up mapping and in
// plain pixels, with an asymmetric picture that cannot pass turned over.
#include "platform/gdi/BitmapDefs.h"
#include "platform/gdi/CDibLayout.h"
#include "platform/gdi/CImageDC.h"
#include "tests/support/UprightPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <ostream>
#include <vector>

namespace {

constexpr int kSide = 20;
constexpr int kSurface = 40;

// The picture as a 24-bit bitmap: header, then the rows bottom row first,
// or top row first for a negative height.
struct Dib {
    Dib(const QImage& picture, bool topDown) {
        const int width = picture.width();
        const int height = picture.height();
        const std::size_t rowBytes = CDibLayout::RowBytes(24, width);
        header.biSize = sizeof header;
        header.biWidth = width;
        header.biHeight = topDown ? -height : height;
        header.biPlanes = 1;
        header.biBitCount = 24;
        header.biCompression = BI_RGB;
        header.biSizeImage = static_cast<DWORD>(rowBytes * height);
        bits.resize(rowBytes * height);
        for (int row = 0; row < height; ++row) {
            const int y = topDown ? row : height - 1 - row;
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = picture.pixel(x, y);
                BYTE* out = bits.data() + row * rowBytes + 3 * x;
                out[0] = static_cast<BYTE>(qBlue(pixel));
                out[1] = static_cast<BYTE>(qGreen(pixel));
                out[2] = static_cast<BYTE>(qRed(pixel));
            }
        }
    }
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(&header); }

    BITMAPINFOHEADER header{};
    std::vector<BYTE> bits;
};

struct StretchCase {
    const char* name;
    bool upwards;
    bool topDown;
    RECT destination; // x, y, width, height in logical units
    RECT source;      // x, y, width, height in bitmap pixels
    const char* seen;
};

void PrintTo(const StretchCase& c, std::ostream* out) {
    *out << c.name;
}

// The picture stretched onto a white surface of 40 x 40 pixels, in the
// view's y-up mapping or in plain pixels; the rectangles as x, y, width,
// height.
QImage Stretched(bool upwards, bool topDown, const RECT& destination, const RECT& source) {
    const Dib dib(upright::Picture(kSide, kSide), topDown);
    QImage surface(kSurface, kSurface, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        CImageDC dc(surface);
        if (upwards)
            upright::MapUpwards(dc, kSurface);
        EXPECT_EQ(dc.StretchDIBits(destination.left, destination.top, destination.right,
                                   destination.bottom, source.left, source.top, source.right,
                                   source.bottom, dib.bits.data(), dib.Info(), DIB_RGB_COLORS,
                                   SRCCOPY),
                  kSide);
    }
    return surface;
}

class StretchDIBitsTest : public ::testing::TestWithParam<StretchCase> {};

TEST_P(StretchDIBitsTest, PictureLandsTheWayItsExtentsSay) {
    const StretchCase& c = GetParam();
    const QImage surface = Stretched(c.upwards, c.topDown, c.destination, c.source);
    const QRect box = upright::InkBox(surface, qRgb(255, 255, 255));
    EXPECT_EQ(box, QRect(10, 10, kSide, kSide));
    EXPECT_EQ(upright::Seen(surface, box), c.seen);
}

INSTANTIATE_TEST_SUITE_P(
    Extents, StretchDIBitsTest,
    ::testing::Values(
        // The raster image's own call on the view: named from the top row
        // with a negative height, onto a box whose y runs up.
        StretchCase{"ViewMappingFromTheTopRowDown",
                    true,
                    false,
                    {10, 10, 20, 20},
                    {0, 20, 20, -20},
                    "upright"},
        StretchCase{"PixelsWholeBitmap", false, false, {10, 10, 20, 20}, {0, 0, 20, 20}, "upright"},
        StretchCase{
            "PixelsTopDownBitmap", false, true, {10, 10, 20, 20}, {0, 0, 20, 20}, "upright"},
        // A metafile's form: the box named from its lower edge upwards.
        StretchCase{"PixelsBothHeightsNegative",
                    false,
                    false,
                    {10, 30, 20, -20},
                    {0, 20, 20, -20},
                    "upright"},
        StretchCase{"PixelsNegativeSourceHeight",
                    false,
                    false,
                    {10, 10, 20, 20},
                    {0, 20, 20, -20},
                    "upside down"},
        StretchCase{"PixelsNegativeSourceWidth",
                    false,
                    false,
                    {10, 10, 20, 20},
                    {20, 0, -20, 20},
                    "mirrored"}),
    [](const ::testing::TestParamInfo<StretchCase>& info) { return info.param.name; });

// The source rows of a bottom-up bitmap count from its lower edge: the
// upper half of the picture starts half way up.
TEST(StretchDIBitsPartTest, UpperHalfOfABottomUpBitmap) {
    const QImage surface = Stretched(false, false, {10, 10, 20, 10}, {0, 10, 20, 10});
    EXPECT_EQ(surface.pixel(11, 11), upright::kMark);
    EXPECT_EQ(surface.pixel(15, 18), upright::kTopLeft);
    EXPECT_EQ(surface.pixel(25, 18), upright::kTopRight);
    EXPECT_EQ(surface.pixel(15, 21), qRgb(255, 255, 255));
}

// How many pixels outside the box differ from the white background.
int InkOutside(const QImage& surface, const QRect& box) {
    int ink = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (!box.contains(x, y) && surface.pixel(x, y) != qRgb(255, 255, 255))
                ++ink;
    return ink;
}

// Source rectangles at the ends of what a record can hold draw what part of
// the picture they name, without overflowing on the way: never a pixel
// outside the destination.
TEST(StretchDIBitsPartTest, ExtremeSourceRectanglesDrawWithoutHarm) {
    constexpr LONG kLow = std::numeric_limits<LONG>::min();
    constexpr LONG kHigh = std::numeric_limits<LONG>::max();
    const QRect destination(10, 10, kSide, kSide);
    for (const bool topDown : {false, true})
        for (const LONG x : {kLow, 0, kHigh})
            for (const LONG y : {kLow, 0, kHigh})
                for (const LONG width : {kLow, 20, kHigh})
                    for (const LONG height : {kLow, -20, kHigh}) {
                        const QImage surface =
                            Stretched(true, topDown, {10, 10, 20, 20}, {x, y, width, height});
                        EXPECT_EQ(InkOutside(surface, destination), 0)
                            << "source " << x << "," << y << " " << width << "x" << height
                            << (topDown ? " top down" : " bottom up");
                    }
}

} // namespace
