// JPEG files written and read back at every depth, grey and CMYK files from
// the library itself, and the failures the writer reports.
#include "image/JpegCodec.h"

#include "platform/win/GlobalMemory.h"
#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include <QImage>

#include <jpeglib.h>

using namespace imagetest;

namespace {

// A JPEG of one colour, written by libjpeg with that colour space.
void WriteSolidJpeg(const std::string& path, J_COLOR_SPACE space, std::vector<JSAMPLE> pixel,
                    int width = 8, int height = 8) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_TRUE(file);
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = static_cast<int>(pixel.size());
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row;
    for (int x = 0; x < width; ++x)
        row.insert(row.end(), pixel.begin(), pixel.end());
    JSAMPROW rows[1] = {row.data()};
    for (int y = 0; y < height; ++y)
        jpeg_write_scanlines(&info, rows, 1);
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

void ExpectNear(int actual, int expected) {
    EXPECT_NEAR(actual, expected, 6);
}

class JpegDepthTest : public ::testing::TestWithParam<int> {};

// Each depth is written through its colours: an image filled with the
// colour of its index 9 (or 0xFF0000 pure red) reads back red.
TEST_P(JpegDepthTest, WrittenFileReadsBackAsTwentyFourBitColour) {
    const int depth = GetParam();
    CRasterImage image;
    ASSERT_EQ(image.Create(16, 8, depth), 1);
    BYTE* bits = image.GetBits();
    const std::size_t size = image.GetHeader()->biSizeImage;
    switch (depth) {
    case 1: // index 0 is black
        std::memset(bits, 0x00, size);
        break;
    case 4:
        std::memset(bits, 0x99, size);
        break;
    case 8:
        std::memset(bits, 0x09, size);
        break;
    case 16:
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            bits[i] = 0x00;
            bits[i + 1] = 0x7C;
        }
        break;
    default:
        for (std::size_t i = 0; i < size; ++i)
            bits[i] = (i % (depth / 8)) == 2 ? 0xFF : 0x00;
        break;
    }
    TempFolder folder;
    const std::string path = folder.Path("out.jpg");
    CString error;
    ASSERT_TRUE(WriteJpegFile(image.GetHeader(), 90, path.c_str(), &error)) << error.c_str();
    EXPECT_TRUE(error.IsEmpty());

    CRasterImage read;
    ASSERT_TRUE(read.Attach(ReadJpegFile(path.c_str())));
    EXPECT_EQ(read.GetBitCount(), 24);
    EXPECT_EQ(read.GetWidth(), 16);
    EXPECT_EQ(read.GetHeight(), 8);
    const BYTE* pixel = read.GetBits() + 3 * 5;
    const int red = depth == 1 ? 0 : 255;
    ExpectNear(pixel[2], red);
    ExpectNear(pixel[1], 0);
    ExpectNear(pixel[0], 0);
}

INSTANTIATE_TEST_SUITE_P(Depths, JpegDepthTest, ::testing::Values(1, 4, 8, 16, 24, 32),
                         [](const auto& info) { return std::to_string(info.param) + "Bits"; });

TEST(JpegCodecTest, RowsKeepTheirOrderTopToBottom) {
    CRasterImage image;
    ASSERT_EQ(image.Create(16, 16, 24), 1);
    BYTE* bits = image.GetBits();
    // The bottom half (first rows of the DIB) blue, the top half white.
    std::memset(bits, 0, 8 * 48);
    for (int row = 0; row < 8; ++row)
        for (int x = 0; x < 16; ++x)
            bits[row * 48 + 3 * x] = 0xFF;
    TempFolder folder;
    const std::string path = folder.Path("rows.jpg");
    CString error;
    ASSERT_TRUE(WriteJpegFile(image.GetHeader(), 95, path.c_str(), &error));
    QImage decoded(QString::fromStdString(path));
    ASSERT_FALSE(decoded.isNull());
    EXPECT_GT(qBlue(decoded.pixel(4, 14)), 200);
    EXPECT_LT(qRed(decoded.pixel(4, 14)), 50);
    EXPECT_GT(qRed(decoded.pixel(4, 2)), 200);
}

TEST(JpegCodecTest, GreyFileBecomesEightBitsWithAGreyTable) {
    TempFolder folder;
    const std::string path = folder.Path("grey.jpg");
    WriteSolidJpeg(path, JCS_GRAYSCALE, {100});
    CRasterImage image;
    ASSERT_TRUE(image.Attach(ReadJpegFile(path.c_str())));
    EXPECT_EQ(image.GetBitCount(), 8);
    EXPECT_EQ(image.GetColors()[77].rgbRed, 77);
    EXPECT_EQ(image.GetColors()[77].rgbBlue, 77);
    ExpectNear(image.GetBits()[0], 100);
}

// Four components no longer overrun the rows of a 24-bit picture: the
// colours are converted.
TEST(JpegCodecTest, CmykFileIsConvertedToRgb_Mended) {
    TempFolder folder;
    const std::string path = folder.Path("cmyk.jpg");
    // libjpeg marks CMYK files as Adobe's, whose values are inverted:
    // magenta and yellow full, cyan and black none make red.
    WriteSolidJpeg(path, JCS_CMYK, {255, 0, 0, 255}, 64, 48);
    CRasterImage image;
    ASSERT_TRUE(image.Attach(ReadJpegFile(path.c_str())));
    EXPECT_EQ(image.GetBitCount(), 24);
    EXPECT_EQ(image.GetWidth(), 64);
    const BYTE* pixel = image.GetBits() + 3 * 10;
    ExpectNear(pixel[2], 255);
    ExpectNear(pixel[1], 0);
    ExpectNear(pixel[0], 0);
}

TEST(JpegCodecTest, FileNamedJpgInCapitalsIsDecodedByLoadFile) {
    TempFolder folder;
    const std::string path = folder.Path("x.JPG");
    WriteSolidJpeg(path, JCS_RGB, {0, 0, 255});
    CRasterImage image;
    EXPECT_EQ(LoadPath(image, path), 1);
    EXPECT_EQ(image.GetBitCount(), 24);
}

TEST(JpegCodecTest, FourLetterExtensionIsNotTakenForJpeg) {
    TempFolder folder;
    const std::string path = folder.Path("x.jpeg");
    WriteSolidJpeg(path, JCS_RGB, {0, 0, 255});
    CRasterImage image;
    EXPECT_EQ(LoadPath(image, path), 0);
    EXPECT_TRUE(image.IsEmpty());
}

TEST(JpegCodecTest, DamagedFileGivesNothing) {
    TempFolder folder;
    const std::string path = folder.Path("cut.jpg");
    WriteSolidJpeg(path, JCS_RGB, {0, 0, 255}, 64, 64);
    Bytes bytes = ReadAll(path);
    bytes.resize(bytes.size() / 3);
    bytes[bytes.size() - 40] ^= 0xFF;
    WriteAll(path, bytes);
    WriteAll(folder.Path("text.jpg"), Bytes{'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'g'});
    EXPECT_EQ(ReadJpegFile(folder.Path("text.jpg").c_str()), nullptr);
    EXPECT_EQ(ReadJpegFile(folder.Path("missing.jpg").c_str()), nullptr);
    // A truncated file decodes what it has, padded by the library, or fails;
    // either way without a crash.
    HGLOBAL block = ReadJpegFile(path.c_str());
    GlobalFree(block);
}

TEST(JpegCodecTest, QualityOutsideTheRangeIsInvalidInput) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 4, 24), 1);
    TempFolder folder;
    for (int quality : {-1, 101}) {
        const std::string path = folder.Path("q.jpg");
        CString error;
        EXPECT_FALSE(WriteJpegFile(image.GetHeader(), quality, path.c_str(), &error));
        EXPECT_STREQ(error.c_str(), "Invalid input data");
        EXPECT_TRUE(ReadAll(path).empty());
    }
    EXPECT_FALSE(WriteJpegFile(image.GetHeader(), 50, folder.Path("q.jpg").c_str(), nullptr));
}

TEST(JpegCodecTest, UnopenableFileIsReported) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 4, 24), 1);
    CString error;
    EXPECT_FALSE(WriteJpegFile(image.GetHeader(), 50, "/nonexistent-folder/x.jpg", &error));
    EXPECT_STREQ(error.c_str(), "Cannot open /nonexistent-folder/x.jpg");
}

// A disk that refuses the data: the failure is reported, not taken for
// success, and the previous file stays.
TEST(JpegCodecTest, FailedWriteIsReportedAsFailure_Mended) {
    CRasterImage image;
    ASSERT_EQ(image.Create(64, 64, 24), 1);
    TempFolder folder;
    const std::string path = folder.Path("full.jpg");
    const Bytes previous{'o', 'l', 'd'};
    WriteAll(path, previous);
    CString error;
    bool written = true;
    bool saved = true;
    {
        FileSizeLimit full;
        written = WriteJpegFile(image.GetHeader(), 50, path.c_str(), &error);
        saved = SaveImageAsJpeg(image.GetHandle(), 50, path.c_str());
    }
    EXPECT_FALSE(written);
    EXPECT_STREQ(error.c_str(), ("Cannot write " + path).c_str());
    EXPECT_FALSE(saved);
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_FALSE(image.IsEmpty()); // the caller keeps its block
}

TEST(JpegCodecTest, SaveImageAsJpegWritesAndLeavesTheBlockToTheCaller) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 4, 8), 1);
    TempFolder folder;
    const std::string path = folder.Path("saved.jpg");
    EXPECT_TRUE(SaveImageAsJpeg(image.GetHandle(), 75, path.c_str()));
    EXPECT_FALSE(ReadAll(path).empty());
    EXPECT_EQ(image.GetWidth(), 4);
}

struct Widening {
    int channel;
    int wide;
};

class Rgb555Test : public ::testing::TestWithParam<Widening> {};

TEST_P(Rgb555Test, EachChannelIsWidenedByTheTable) {
    const auto [channel, wide] = GetParam();
    const WORD pixel = static_cast<WORD>(channel | channel << 5 | channel << 10);
    const DWORD value = Rgb555ToBgr(pixel);
    EXPECT_EQ(value & 0xFF, static_cast<DWORD>(wide));
    EXPECT_EQ((value >> 8) & 0xFF, static_cast<DWORD>(wide));
    EXPECT_EQ((value >> 16) & 0xFF, static_cast<DWORD>(wide));
    EXPECT_EQ(Rgb555ToBgr(static_cast<WORD>(channel)) >> 8, 0u);
}

INSTANTIATE_TEST_SUITE_P(Channels, Rgb555Test,
                         ::testing::Values(Widening{0, 0}, Widening{1, 16}, Widening{2, 24},
                                           Widening{30, 248}, Widening{31, 255}),
                         [](const auto& info) {
                             return "Channel" + std::to_string(info.param.channel);
                         });

} // namespace
