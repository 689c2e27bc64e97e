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

// A TIFF as writers lay it out: header, one IFD, one strip of pixel data
// at stripOffset (its bytes follow the IFD when the offset is 0), 8 bits per
// sample, grey or RGB.
Bytes CraftedTiff(uint32_t width, uint32_t height, uint16_t samples, uint16_t compression,
                  const QByteArray& strip, uint32_t stripOffset = 0) {
    Bytes file{'I', 'I', 42, 0, 8, 0, 0, 0};
    const auto put16 = [&](uint16_t v) {
        file.push_back(static_cast<BYTE>(v));
        file.push_back(static_cast<BYTE>(v >> 8));
    };
    const auto put32 = [&](uint32_t v) {
        put16(static_cast<uint16_t>(v));
        put16(static_cast<uint16_t>(v >> 16));
    };
    constexpr uint16_t kEntries = 9;
    const uint32_t ifdEnd = 8 + 2 + kEntries * 12 + 4;
    const uint32_t bitsAt = ifdEnd;
    const uint32_t dataAt = bitsAt + 6;
    const auto entry = [&](uint16_t tag, uint16_t type, uint32_t count, uint32_t value) {
        put16(tag);
        put16(type);
        put32(count);
        if (type == 3 && count == 1) {
            put16(static_cast<uint16_t>(value));
            put16(0);
        } else {
            put32(value);
        }
    };
    put16(kEntries);
    entry(256, 4, 1, width);
    entry(257, 4, 1, height);
    entry(258, 3, samples, samples == 1 ? 8 : bitsAt);
    entry(259, 3, 1, compression);
    entry(262, 3, 1, samples == 1 ? 1 : 2);
    entry(273, 4, 1, stripOffset ? stripOffset : dataAt);
    entry(277, 3, 1, samples);
    entry(278, 4, 1, height);
    entry(279, 4, 1, static_cast<uint32_t>(strip.size()));
    put32(0);
    for (int i = 0; i < 3; ++i)
        put16(8);
    if (!stripOffset)
        file.insert(file.end(), strip.begin(), strip.end());
    return file;
}

// Deflate data as TIFF holds it: the zlib stream without Qt's length prefix.
QByteArray Deflated(const QByteArray& bytes) {
    return qCompress(bytes).mid(4);
}

long PeakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

TEST(TiffDibTest, ACraftedDeflatePictureReads) {
    TempFolder folder;
    QByteArray pixels(16 * 4 * 3, 0);
    for (int i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<char>(i * 7);
    WriteAll(folder.Path("small.tif"), CraftedTiff(16, 4, 3, 8, Deflated(pixels)));
    CRasterImage read;
    ASSERT_EQ(LoadPath(read, folder.Path("small.tif")), 1);
    EXPECT_EQ(read.GetWidth(), 16);
    EXPECT_EQ(read.GetHeight(), 4);
    // Top row first in the file, bottom row first in the bitmap; B, G, R.
    const BYTE* top = read.GetBits() + 3 * CDibLayout::RowBytes(24, 16);
    EXPECT_EQ(top[0], 14);
    EXPECT_EQ(top[2], 0);
}

struct BombCase {
    const char* name;
    Bytes file;
};

void PrintTo(const BombCase& bomb, std::ostream* out) {
    *out << bomb.name;
}

class TiffBombTest : public ::testing::TestWithParam<BombCase> {};

// A header claiming a picture far larger than its data once had the whole
// picture allocated (and filled) before a row was read.
TEST_P(TiffBombTest, MendedIsRefusedBeforeThePictureIsAllocated) {
    TempFolder folder;
    WriteAll(folder.Path("bomb.tif"), GetParam().file);
    const long before = PeakKilobytes();
    EXPECT_EQ(TiffReadDib(folder.Path("bomb.tif").c_str(), 1), nullptr);
    EXPECT_LT(PeakKilobytes() - before, 64 * 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Bombs, TiffBombTest,
    ::testing::Values(
        BombCase{"DeflateRgbClaiming16384Square",
                 CraftedTiff(16384, 16384, 3, 8, Deflated(QByteArray(16384 * 3 * 64, 0)))},
        BombCase{"DeflateGreyClaiming16384Square",
                 CraftedTiff(16384, 16384, 1, 8, Deflated(QByteArray(16384 * 64, 0)))},
        BombCase{"HeaderWithoutPixelData",
                 CraftedTiff(16384, 16384, 3, 1, QByteArray(16384 * 3, 0), 1u << 30)},
        BombCase{"StripCountedEmpty", CraftedTiff(4096, 4096, 3, 1, QByteArray())}),
    [](const auto& info) { return std::string(info.param.name); });

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
