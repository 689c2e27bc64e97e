// TIFF files written from packed bitmaps and read back, at every depth, and
// through the raster image's loading by name.
#include "platform/tiff/TiffDib.h"

#include "platform/gdi/CDibImage.h"
#include "platform/win/GlobalMemory.h"
#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>

#include <tiffio.h>

using namespace imagetest;

namespace {

struct TiffCase {
    int depth;
    int readDepth;
};

class TiffDepthTest : public ::testing::TestWithParam<TiffCase> {};

TEST_P(TiffDepthTest, RoundTripKeepsThePicture) {
    const auto [depth, readDepth] = GetParam();
    CRasterImage image;
    ASSERT_EQ(image.Create(11, 5, depth), 1);
    FillPattern(image);
    TempFolder folder;
    const std::string path = folder.Path("round.tif");
    ASSERT_TRUE(TiffWriteDib(path.c_str(), image.GetHandle()));

    CRasterImage read;
    ASSERT_EQ(LoadPath(read, path), 1);
    EXPECT_EQ(read.GetWidth(), 11);
    EXPECT_EQ(read.GetHeight(), 5);
    ASSERT_EQ(read.GetBitCount(), readDepth);
    if (depth == readDepth) {
        EXPECT_EQ(BitsOf(read), BitsOf(image));
        EXPECT_EQ(
            std::memcmp(read.GetColors(), image.GetColors(), image.GetHeader()->biClrUsed * 4), 0);
        return;
    }
    // Deeper pictures come back as their colours.
    const QImage before = CDibImage::ToImage(
        static_cast<const BYTE*>(GlobalLock(image.GetHandle())), GlobalSize(image.GetHandle()));
    GlobalUnlock(image.GetHandle());
    const QImage after = CDibImage::ToImage(static_cast<const BYTE*>(GlobalLock(read.GetHandle())),
                                            GlobalSize(read.GetHandle()));
    GlobalUnlock(read.GetHandle());
    EXPECT_EQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(Depths, TiffDepthTest,
                         ::testing::Values(TiffCase{1, 1}, TiffCase{4, 4}, TiffCase{8, 8},
                                           TiffCase{16, 24}, TiffCase{24, 24}, TiffCase{32, 24}),
                         [](const auto& info) {
                             return std::to_string(info.param.depth) + "Bits";
                         });

TEST(TiffDibTest, LongExtensionIsLoadedToo) {
    CRasterImage image;
    ASSERT_EQ(image.Create(3, 3, 24), 1);
    TempFolder folder;
    const std::string path = folder.Path("x.TIFF");
    ASSERT_TRUE(TiffWriteDib(path.c_str(), image.GetHandle()));
    CRasterImage read;
    EXPECT_EQ(LoadPath(read, path), 1);
}

// A grey file where white is 0, as scanners write them.
TEST(TiffDibTest, MinIsWhiteGreyFileReadsWithAnInvertedGreyTable) {
    TempFolder folder;
    const std::string path = folder.Path("grey.tif");
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    ASSERT_TRUE(tiff);
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, 6u);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, 2u);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, 1);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_MINISWHITE);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    BYTE row[6] = {0, 55, 55, 55, 55, 255};
    TIFFWriteScanline(tiff, row, 0, 0);
    TIFFWriteScanline(tiff, row, 1, 0);
    TIFFClose(tiff);
    CRasterImage read;
    ASSERT_EQ(LoadPath(read, path), 1);
    ASSERT_EQ(read.GetBitCount(), 8);
    const QImage back = CDibImage::ToImage(static_cast<const BYTE*>(GlobalLock(read.GetHandle())),
                                           GlobalSize(read.GetHandle()));
    GlobalUnlock(read.GetHandle());
    EXPECT_EQ(back.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(back.pixel(2, 1), qRgb(200, 200, 200));
    EXPECT_EQ(back.pixel(5, 1), qRgb(0, 0, 0));
}

TEST(TiffDibTest, DamagedOrMissingFilesGiveNothing) {
    TempFolder folder;
    WriteAll(folder.Path("text.tif"), Bytes{'I', 'I', 42, 0, 99, 99, 99, 99});
    EXPECT_EQ(TiffReadDib(folder.Path("text.tif").c_str(), 1), nullptr);
    EXPECT_EQ(TiffReadDib(folder.Path("missing.tif").c_str(), 1), nullptr);
    CRasterImage read;
    EXPECT_EQ(LoadPath(read, folder.Path("text.tif")), 0);
}

TEST(TiffDibTest, WritingRefusesAnUnsoundBlockAndAnUnwritablePath) {
    TempFolder folder;
    HGLOBAL junk = GlobalAlloc(GMEM_MOVEABLE, 10);
    EXPECT_FALSE(TiffWriteDib(folder.Path("junk.tif").c_str(), junk));
    GlobalFree(junk);
    CRasterImage image;
    ASSERT_EQ(image.Create(3, 3, 24), 1);
    EXPECT_FALSE(TiffWriteDib("/nonexistent-folder/x.tif", image.GetHandle()));
}

TEST(TiffDibTest, FailedWriteKeepsThePreviousFile) {
    CRasterImage image;
    ASSERT_EQ(image.Create(64, 64, 24), 1);
    TempFolder folder;
    const std::string path = folder.Path("full.tif");
    const Bytes previous{'o', 'l', 'd'};
    WriteAll(path, previous);
    bool written = true;
    {
        FileSizeLimit full;
        written = TiffWriteDib(path.c_str(), image.GetHandle());
    }
    EXPECT_FALSE(written);
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_EQ(QDir(QString::fromStdString(folder.Path(""))).entryList(QDir::Files).size(), 1);
}

} // namespace
