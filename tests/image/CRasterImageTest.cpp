// The raster image: BMP files and archives at every depth, the checks on
// malformed files, rotation and stretched drawing.
#include "image/CRasterImage.h"

#include "platform/gdi/CImageDC.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/GlobalMemory.h"
#include "tests/support/ImageTestSupport.h"
#include "tests/support/UprightPicture.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <numbers>

using namespace imagetest;

namespace {

BITMAPFILEHEADER FileHeaderOf(const Bytes& file) {
    BITMAPFILEHEADER header{};
    std::memcpy(&header, file.data(), sizeof header);
    return header;
}

class DepthTest : public ::testing::TestWithParam<int> {};

TEST_P(DepthTest, BmpFileRoundTripKeepsHeaderTableAndPixels) {
    TempFolder folder;
    CRasterImage image;
    ASSERT_EQ(image.Create(13, 7, GetParam()), 1);
    FillPattern(image);
    const std::string path = folder.Path("round.bmp");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        EXPECT_EQ(image.WriteBmpFile(file), 1);
    }
    CRasterImage read;
    ASSERT_EQ(LoadPath(read, path), 1);
    EXPECT_EQ(read.GetWidth(), 13);
    EXPECT_EQ(read.GetHeight(), 7);
    EXPECT_EQ(read.GetBitCount(), GetParam());
    EXPECT_EQ(read.GetHeader()->biClrUsed, image.GetHeader()->biClrUsed);
    EXPECT_EQ(BitsOf(read), BitsOf(image));
    if (GetParam() <= 8) {
        EXPECT_EQ(
            std::memcmp(read.GetColors(), image.GetColors(), image.GetHeader()->biClrUsed * 4), 0);
    }
}

// The pixels follow the colour entries the file holds, not a full table
// for the depth.
TEST_P(DepthTest, BmpFileHeaderCountsTheTableWritten_Mended) {
    TempFolder folder;
    CRasterImage image;
    ASSERT_EQ(image.Create(5, 3, GetParam()), 1);
    const std::string path = folder.Path("header.bmp");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        image.WriteBmpFile(file);
    }
    const Bytes file = ReadAll(path);
    const BITMAPFILEHEADER header = FileHeaderOf(file);
    const DWORD table = image.GetHeader()->biClrUsed * 4;
    EXPECT_EQ(WORD{header.bfType}, 0x4D42);
    EXPECT_EQ(DWORD{header.bfOffBits}, 14 + 40 + table);
    EXPECT_EQ(DWORD{header.bfSize}, file.size());
    EXPECT_EQ(DWORD{header.bfSize}, 14 + 40 + table + image.GetHeader()->biSizeImage);
}

TEST_P(DepthTest, ArchiveRoundTripStoresTheWholeBlock) {
    CRasterImage image;
    ASSERT_EQ(image.Create(9, 4, GetParam()), 1);
    FillPattern(image);
    const Bytes stored = Store([&](CArchive& ar) { image.Serialize(ar); });
    ASSERT_EQ(stored.size(), 14 + GlobalSize(image.GetHandle()));
    EXPECT_EQ(DWORD{FileHeaderOf(stored).bfSize}, stored.size());
    CRasterImage read;
    Load(stored, [&](CArchive& ar) { read.Serialize(ar); });
    ASSERT_FALSE(read.IsEmpty());
    EXPECT_EQ(read.GetBitCount(), GetParam());
    EXPECT_EQ(BitsOf(read), BitsOf(image));
}

INSTANTIATE_TEST_SUITE_P(Depths, DepthTest, ::testing::Values(1, 4, 8, 16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

TEST(CRasterImageTest, CreateMakesWhiteWithTheStandardTable) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 2, 8), 1);
    EXPECT_EQ(image.GetHeader()->biClrUsed, 256u);
    const RGBQUAD* table = image.GetColors();
    // 0x800000 is the second standard colour, once per 16 entries.
    EXPECT_EQ(table[1].rgbRed, 0x80);
    EXPECT_EQ(table[17].rgbRed, 0x80);
    EXPECT_EQ(table[15].rgbBlue, 0xFF);
    for (BYTE byte : BitsOf(image))
        EXPECT_EQ(byte, 0xFF);
    CRasterImage mono;
    ASSERT_EQ(mono.Create(4, 2, 1), 1);
    EXPECT_EQ(mono.GetColors()[0].rgbRed, 0);
    EXPECT_EQ(mono.GetColors()[1].rgbRed, 0xFF);
}

TEST(CRasterImageTest, CreateRefusesSizesOutOfBounds) {
    CRasterImage image;
    EXPECT_EQ(image.Create(0, 5, 24), 0);
    EXPECT_EQ(image.Create(5, -1, 24), 0);
    EXPECT_EQ(image.Create(100000, 5, 24), 0);
    EXPECT_EQ(image.Create(5, 5, 7), 0);
    EXPECT_TRUE(image.IsEmpty());
}

TEST(CRasterImageTest, AttachFillsInImageSizeAndColourCount) {
    CRasterImage source;
    ASSERT_EQ(source.Create(3, 2, 8), 1);
    HGLOBAL block = source.Detach();
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(block));
    header->biSizeImage = 0;
    header->biClrUsed = 0;
    GlobalUnlock(block);
    CRasterImage image;
    ASSERT_TRUE(image.Attach(block));
    EXPECT_EQ(image.GetHeader()->biSizeImage, 8u); // 2 rows of 4 bytes
    EXPECT_EQ(image.GetHeader()->biClrUsed, 256u);
}

TEST(CRasterImageTest, AttachRefusesABlockShorterThanItsRows) {
    CRasterImage source;
    ASSERT_EQ(source.Create(30, 20, 24), 1);
    HGLOBAL block = source.Detach();
    GlobalReAlloc(block, 40 + 100, 0);
    CRasterImage image;
    EXPECT_FALSE(image.Attach(block));
    EXPECT_TRUE(image.IsEmpty());
}

TEST(CRasterImageTest, EmptyImageArchivesAsBareHeaderAndReadsBackEmpty) {
    CRasterImage empty;
    const Bytes stored = Store([&](CArchive& ar) { empty.Serialize(ar); });
    ASSERT_EQ(stored.size(), 14u);
    EXPECT_EQ(DWORD{FileHeaderOf(stored).bfSize}, 14u);
    CRasterImage read;
    ASSERT_EQ(read.Create(2, 2, 24), 1);
    Load(stored, [&](CArchive& ar) { read.Serialize(ar); });
    EXPECT_TRUE(read.IsEmpty());
}

// A body cut short or out of bounds fails the archive instead of leaving
// the reader at a wrong position.
struct BadBody {
    const char* name;
    std::function<void(Bytes&)> spoil;
};

class BadArchiveTest : public ::testing::TestWithParam<BadBody> {};

TEST_P(BadArchiveTest, ThrowsAnArchiveException_Mended) {
    CRasterImage image;
    ASSERT_EQ(image.Create(6, 6, 24), 1);
    Bytes stored = Store([&](CArchive& ar) { image.Serialize(ar); });
    GetParam().spoil(stored);
    CRasterImage read;
    EXPECT_THROW(Load(stored, [&](CArchive& ar) { read.Serialize(ar); }), CArchiveException);
    EXPECT_TRUE(read.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BadArchiveTest,
    ::testing::Values(BadBody{"CutShort", [](Bytes& b) { b.erase(b.end() - 10, b.end()); }},
                      BadBody{"HugeSize",
                              [](Bytes& b) {
                                  const DWORD size = 0x7FFFFFF0;
                                  std::memcpy(b.data() + 2, &size, 4);
                              }},
                      BadBody{"SizeBelowHeader",
                              [](Bytes& b) {
                                  const DWORD size = 20;
                                  std::memcpy(b.data() + 2, &size, 4);
                              }},
                      BadBody{"HeaderClaimsMoreRows",
                              [](Bytes& b) {
                                  const LONG height = 600;
                                  std::memcpy(b.data() + 14 + 8, &height, 4);
                              }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CRasterImageTest, RotateByZeroCopiesTheImage) {
    CRasterImage image;
    ASSERT_EQ(image.Create(10, 6, 24), 1);
    FillPattern(image);
    std::unique_ptr<CRasterImage> rotated(image.Rotate(0.0));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(rotated->GetWidth(), 10);
    EXPECT_EQ(rotated->GetHeight(), 6);
    EXPECT_EQ(BitsOf(*rotated), BitsOf(image));
}

TEST(CRasterImageTest, RotateByAQuarterTurnSwapsTheSides) {
    CRasterImage image;
    ASSERT_EQ(image.Create(100, 50, 8), 1);
    std::unique_ptr<CRasterImage> rotated(image.Rotate(std::numbers::pi / 2));
    ASSERT_TRUE(rotated);
    EXPECT_EQ(rotated->GetWidth(), 50);
    EXPECT_EQ(rotated->GetHeight(), 100);
    EXPECT_EQ(std::memcmp(rotated->GetColors(), image.GetColors(), 256 * 4), 0);
}

TEST(CRasterImageTest, RotateByThirtyDegreesLeavesOuterCornersBlack) {
    CRasterImage image;
    ASSERT_EQ(image.Create(40, 40, 24), 1);
    std::unique_ptr<CRasterImage> rotated(image.Rotate(std::numbers::pi / 6));
    ASSERT_TRUE(rotated);
    const int width = rotated->GetWidth();
    const int height = rotated->GetHeight();
    EXPECT_EQ(width, 55);
    const std::size_t rowBytes = CDibLayout::RowBytes(24, width);
    const BYTE* bits = rotated->GetBits();
    EXPECT_EQ(bits[0], 0);                                         // bottom left
    EXPECT_EQ(bits[(height - 1) * rowBytes + (width - 1) * 3], 0); // top right
    const std::size_t middle = (height / 2) * rowBytes + (width / 2) * 3;
    EXPECT_EQ(bits[middle], 0xFF); // the white picture itself
}

TEST(CRasterImageTest, RotatedOneBitPixelsLandWhereTheTurnPutsThem) {
    // One black pixel in the top row of a white 1-bit picture, column 1.
    CRasterImage image;
    ASSERT_EQ(image.Create(8, 4, 1), 1);
    BYTE* bits = image.GetBits();
    const std::size_t rowBytes = CDibLayout::RowBytes(1, 8);
    bits[3 * rowBytes] &= 0xBF;
    std::unique_ptr<CRasterImage> rotated(image.Rotate(std::numbers::pi));
    ASSERT_TRUE(rotated);
    // Half a turn about (4, 2) takes column 1 of row 3 to column 7 of row 1.
    const BYTE* out = rotated->GetBits() + rowBytes;
    EXPECT_EQ(out[0] & 0x01, 0);
    EXPECT_EQ(out[0] & 0x02, 0x02);
}

// A 2 x 2 picture (top row red, green; bottom row blue, white) drawn as
// the view draws, with y up, onto a black surface of 20 x 20 pixels: into
// the box from y to y + height, at the scale of the whole 20 wide.
QImage DrawnFourColours(int y, int height) {
    CRasterImage image;
    EXPECT_EQ(image.Create(2, 2, 24), 1);
    BYTE* bits = image.GetBits();
    const BYTE bottom[] = {0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0};
    const BYTE top[] = {0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    std::memcpy(bits, bottom, 8);
    std::memcpy(bits + 8, top, 8);
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        CImageDC dc(surface);
        upright::MapUpwards(dc, 20);
        EXPECT_EQ(
            image.Draw(&dc, 0, y, 20, height, SRCCOPY, FALSE, 2.0 / 20, 2.0 / 20, POINT{0, 0}), 1);
    }
    return surface;
}

// The source height is rounded to nearest like the other sides; rounding
// toward zero took one row of two.
TEST(CRasterImageTest, DrawStretchesThePictureUprightWithAllItsRows_Mended) {
    const QImage surface = DrawnFourColours(0, 20);
    EXPECT_EQ(surface.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(17, 2), qRgb(0, 255, 0));
    EXPECT_EQ(surface.pixel(2, 17), qRgb(0, 0, 255));
    EXPECT_EQ(surface.pixel(17, 17), qRgb(255, 255, 255));
}

// A destination cut down to the upper half of the picture's box (as a
// clip cuts it) takes the upper half of the picture.
TEST(CRasterImageTest, DrawOfTheUpperHalfOfTheBoxShowsTheTopRow) {
    const QImage surface = DrawnFourColours(10, 10);
    EXPECT_EQ(surface.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(17, 7), qRgb(0, 255, 0));
    EXPECT_EQ(surface.pixel(2, 17), qRgb(0, 0, 0));
}

TEST(CRasterImageTest, DrawOnScreenWidensSixteenBitPixels) {
    CRasterImage image;
    ASSERT_EQ(image.Create(1, 1, 16), 1);
    const WORD red = 0x1F << 10;
    std::memcpy(image.GetBits(), &red, 2);
    QImage surface(4, 4, QImage::Format_RGB32);
    surface.fill(Qt::black);
    {
        CImageDC dc(surface);
        image.Draw(&dc, 0, 0, 4, 4, SRCCOPY, FALSE, 0.25, 0.25, POINT{0, 0});
    }
    EXPECT_EQ(surface.pixel(1, 1), qRgb(0xF8, 0, 0));
}

TEST(CRasterImageTest, DrawingAnEmptyImageGivesZero) {
    CRasterImage image;
    QImage surface(4, 4, QImage::Format_RGB32);
    CImageDC dc(surface);
    EXPECT_EQ(image.Draw(&dc, 0, 0, 4, 4, SRCCOPY, FALSE, 1.0, 1.0, POINT{0, 0}), 0);
}

} // namespace
