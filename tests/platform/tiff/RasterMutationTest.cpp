// The raster image's readers on damaged and hostile BMP, JPEG and TIFF
// files: mutated copies of pictures of every depth, table, colour model and
// compression each reader takes.
#include "image/JpegCodec.h"
#include "platform/tiff/TiffDib.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <tiffio.h>

#include <chrono>
#include <functional>
#include <ostream>

using namespace imagetest;

namespace {

CRasterImage& Patterned(CRasterImage& image, int depth) {
    image.Create(13, 7, depth);
    FillPattern(image);
    return image;
}

std::vector<Bytes> BmpSeeds(const TempFolder& folder) {
    std::vector<Bytes> seeds;
    for (int depth : {1, 4, 8, 16, 24, 32}) {
        CRasterImage image;
        const std::string path = folder.Path("seed.bmp");
        {
            CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
            Patterned(image, depth).WriteBmpFile(file);
        }
        seeds.push_back(ReadAll(path));
    }
    return seeds;
}

std::vector<Bytes> JpegSeeds(const TempFolder& folder) {
    std::vector<Bytes> seeds;
    CRasterImage image;
    const std::string path = folder.Path("seed.jpg");
    SaveImageAsJpeg(Patterned(image, 24).GetHandle(), 75, path.c_str());
    seeds.push_back(ReadAll(path));
    // A grey picture has one component.
    QImage grey(13, 7, QImage::Format_Grayscale8);
    grey.fill(90);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    grey.save(&buffer, "JPG");
    seeds.emplace_back(bytes.begin(), bytes.end());
    return seeds;
}

// A TIFF written by libtiff with the given layout, 13 x 7 pixels.
Bytes LibTiff(const TempFolder& folder, uint16_t samples, uint16_t bits, uint16_t photometric,
              uint16_t compression, bool tiled) {
    const std::string path = folder.Path("seed.tif");
    TIFF* tiff = TIFFOpen(path.c_str(), "w");
    constexpr uint32_t kWidth = 13;
    constexpr uint32_t kHeight = 7;
    TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, kWidth);
    TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, kHeight);
    TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, samples);
    TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, bits);
    TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC, photometric);
    TIFFSetField(tiff, TIFFTAG_COMPRESSION, compression);
    TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    std::vector<uint16_t> map(std::size_t{1} << bits, 0x8000);
    if (photometric == PHOTOMETRIC_PALETTE)
        TIFFSetField(tiff, TIFFTAG_COLORMAP, map.data(), map.data(), map.data());
    if (tiled) {
        TIFFSetField(tiff, TIFFTAG_TILEWIDTH, 16u);
        TIFFSetField(tiff, TIFFTAG_TILELENGTH, 16u);
        std::vector<BYTE> tile(static_cast<std::size_t>(TIFFTileSize(tiff)), 0x5A);
        TIFFWriteTile(tiff, tile.data(), 0, 0, 0, 0);
    } else {
        TIFFSetField(tiff, TIFFTAG_ROWSPERSTRIP, 3u);
        std::vector<BYTE> line(static_cast<std::size_t>(TIFFScanlineSize(tiff)));
        for (uint32_t row = 0; row < kHeight; ++row) {
            for (std::size_t i = 0; i < line.size(); ++i)
                line[i] = static_cast<BYTE>(row * 31 + i * 7);
            TIFFWriteScanline(tiff, line.data(), row, 0);
        }
    }
    TIFFClose(tiff);
    return ReadAll(path);
}

std::vector<Bytes> TiffSeeds(const TempFolder& folder) {
    std::vector<Bytes> seeds;
    for (int depth : {1, 4, 8, 24}) {
        CRasterImage image;
        const std::string path = folder.Path("ours.tif");
        TiffWriteDib(path.c_str(), Patterned(image, depth).GetHandle());
        seeds.push_back(ReadAll(path));
    }
    seeds.push_back(LibTiff(folder, 1, 8, PHOTOMETRIC_MINISWHITE, COMPRESSION_PACKBITS, false));
    seeds.push_back(LibTiff(folder, 1, 1, PHOTOMETRIC_MINISBLACK, COMPRESSION_CCITTFAX4, false));
    seeds.push_back(LibTiff(folder, 1, 4, PHOTOMETRIC_PALETTE, COMPRESSION_LZW, false));
    seeds.push_back(LibTiff(folder, 3, 8, PHOTOMETRIC_RGB, COMPRESSION_ADOBE_DEFLATE, false));
    seeds.push_back(LibTiff(folder, 4, 8, PHOTOMETRIC_RGB, COMPRESSION_LZW, true));
    seeds.push_back(LibTiff(folder, 1, 16, PHOTOMETRIC_MINISBLACK, COMPRESSION_NONE, false));
    return seeds;
}

struct RasterCase {
    const char* name;
    const char* fileName;
    std::function<std::vector<Bytes>(const TempFolder&)> seeds;
};

void PrintTo(const RasterCase& c, std::ostream* out) {
    *out << c.name;
}

class RasterMutations : public ::testing::TestWithParam<RasterCase> {};

TEST_P(RasterMutations, NeverCrashLeakOrHang) {
    TempFolder folder;
    const std::vector<Bytes> seeds = GetParam().seeds(folder);
    for (const Bytes& seed : seeds) {
        ASSERT_FALSE(seed.empty());
        const std::string path = folder.Path(GetParam().fileName);
        WriteAll(path, seed);
        CRasterImage image;
        ASSERT_EQ(LoadPath(image, path), 1) << "seed " << (&seed - seeds.data());
    }
    const std::string path = folder.Path(GetParam().fileName);
    ByteMutator mutator(20261214);
    const int fed =
        mutator.FeedFor(seeds, std::chrono::milliseconds(1500), 3000, [&](const Bytes& bytes) {
            WriteAll(path, bytes);
            CRasterImage image;
            LoadPath(image, path);
        });
    EXPECT_GT(fed, 0);
}

INSTANTIATE_TEST_SUITE_P(Readers, RasterMutations,
                         ::testing::Values(RasterCase{"Bmp", "pic.bmp", BmpSeeds},
                                           RasterCase{"Jpeg", "pic.jpg", JpegSeeds},
                                           RasterCase{"Tiff", "pic.tif", TiffSeeds}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
