// BMP files as other programs write them: the header versions, the pixel
// offset, top-down rows, and malformed files refused without a crash.
#include "image/CBmpFile.h"

#include "platform/win/GlobalMemory.h"
#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

using namespace imagetest;

namespace {

template <class T> void Put(Bytes& bytes, std::size_t at, T value) {
    if (bytes.size() < at + sizeof value)
        bytes.resize(at + sizeof value);
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// Changes bytes already there.
template <class T> void Poke(Bytes& bytes, std::size_t at, T value) {
    ASSERT_LE(at + sizeof value, bytes.size());
    std::memcpy(bytes.data() + at, &value, sizeof value);
}

// A 3 x 2 BMP file of 8 bits with a header of the given size, `gap` bytes
// between the table and the pixels, and two table entries.
Bytes EightBitFile(DWORD headerSize = 40, DWORD gap = 0) {
    Bytes file;
    const DWORD table = 2 * 4;
    const DWORD offBits = 14 + headerSize + table + gap;
    Put<WORD>(file, 0, 0x4D42);
    Put<DWORD>(file, 2, offBits + 8);
    Put<DWORD>(file, 10, offBits);
    Put<DWORD>(file, 14, headerSize);
    Put<LONG>(file, 18, 3);
    Put<LONG>(file, 22, 2);
    Put<WORD>(file, 26, 1);
    Put<WORD>(file, 28, 8);
    Put<DWORD>(file, 46, 2); // biClrUsed
    file.resize(14 + headerSize);
    Put<DWORD>(file, 14 + headerSize, 0x00FF0000);     // red
    Put<DWORD>(file, 14 + headerSize + 4, 0x000000FF); // blue
    file.resize(offBits);
    const BYTE rows[] = {0, 1, 0, 0, 1, 0, 1, 0}; // bottom row, then top row
    file.insert(file.end(), rows, rows + 8);
    return file;
}

// The block a file reads into, or null.
struct Read {
    HGLOBAL block;
    explicit Read(const Bytes& file) : block(CBmpFile::Read(file.data(), file.size())) {}
    ~Read() { GlobalFree(block); }
    const BITMAPINFOHEADER* Header() const {
        return static_cast<const BITMAPINFOHEADER*>(GlobalLock(block));
    }
    const BYTE* Bits() const {
        const auto* header = Header();
        return reinterpret_cast<const BYTE*>(header) + CDibLayout::InfoBytes(*header);
    }
};

TEST(CBmpFileTest, ReadsAnEightBitFileWithItsOwnTable) {
    const Read read(EightBitFile());
    ASSERT_TRUE(read.block);
    EXPECT_EQ(read.Header()->biClrUsed, 2u);
    EXPECT_EQ(read.Header()->biSizeImage, 8u);
    EXPECT_EQ(read.Bits()[4], 1);
}

TEST(CBmpFileTest, LaterHeaderVersionsBecomeTheFortyByteHeader) {
    for (DWORD size : {DWORD{108}, DWORD{124}}) {
        const Read read(EightBitFile(size));
        ASSERT_TRUE(read.block) << size;
        EXPECT_EQ(read.Header()->biSize, 40u);
        EXPECT_EQ(read.Bits()[4], 1);
    }
}

TEST(CBmpFileTest, PixelOffsetOfTheFileHeaderIsHonoured_Mended) {
    const Read read(EightBitFile(40, 12));
    ASSERT_TRUE(read.block);
    EXPECT_EQ(read.Bits()[0], 0);
    EXPECT_EQ(read.Bits()[1], 1);
    EXPECT_EQ(read.Bits()[4], 1);
}

TEST(CBmpFileTest, CoreHeaderTableOfThreeByteEntriesIsWidened) {
    Bytes file;
    Put<WORD>(file, 0, 0x4D42);
    Put<DWORD>(file, 10, 14 + 12 + 6);
    Put<DWORD>(file, 14, 12);
    Put<WORD>(file, 18, 2);
    Put<WORD>(file, 20, 1);
    Put<WORD>(file, 22, 1);
    Put<WORD>(file, 24, 1);
    const BYTE table[] = {0, 0, 0, 0x10, 0x20, 0x30};
    file.insert(file.end(), table, table + 6);
    const BYTE row[] = {0x40, 0, 0, 0};
    file.insert(file.end(), row, row + 4);
    Put<DWORD>(file, 2, static_cast<DWORD>(file.size()));
    const Read read(file);
    ASSERT_TRUE(read.block);
    const auto* colors =
        reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(read.Header()) + 40);
    EXPECT_EQ(read.Header()->biClrUsed, 2u);
    EXPECT_EQ(colors[1].rgbBlue, 0x10);
    EXPECT_EQ(colors[1].rgbRed, 0x30);
    EXPECT_EQ(read.Bits()[0], 0x40);
}

TEST(CBmpFileTest, TopDownRowsAreTurnedBottomUp) {
    Bytes file = EightBitFile();
    Put<LONG>(file, 22, -2);
    const Read read(file);
    ASSERT_TRUE(read.block);
    EXPECT_EQ(read.Header()->biHeight, 2);
    EXPECT_EQ(read.Bits()[0], 1); // the file's second row is the bottom one
    EXPECT_EQ(read.Bits()[4], 0);
}

struct Malformed {
    const char* name;
    std::function<void(Bytes&)> spoil;
};

class MalformedBmpTest : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedBmpTest, IsRefusedAndTheImageStaysEmpty) {
    Bytes file = EightBitFile();
    GetParam().spoil(file);
    EXPECT_EQ(CBmpFile::Read(file.data(), file.size()), nullptr);
    TempFolder folder;
    const std::string path = folder.Path("bad.bmp");
    WriteAll(path, file);
    CRasterImage image;
    EXPECT_EQ(LoadPath(image, path), 0);
    EXPECT_TRUE(image.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, MalformedBmpTest,
    ::testing::Values(
        Malformed{"RowsCutShort", [](Bytes& f) { f.erase(f.end() - 3, f.end()); }},
        Malformed{"OnlyTheFileHeader", [](Bytes& f) { f.resize(16); }},
        Malformed{"UnknownHeaderSize", [](Bytes& f) { Poke<DWORD>(f, 14, 20); }},
        Malformed{"HeaderLongerThanFile",
                  [](Bytes& f) {
                      Poke<DWORD>(f, 14, 124);
                      f.resize(60);
                  }},
        Malformed{"PixelOffsetPastTheEnd", [](Bytes& f) { Poke<DWORD>(f, 10, 5000); }},
        Malformed{"PixelOffsetInsideTheTable", [](Bytes& f) { Poke<DWORD>(f, 10, 20); }},
        Malformed{"ZeroWidth", [](Bytes& f) { Poke<LONG>(f, 18, 0); }},
        Malformed{"NegativeWidth", [](Bytes& f) { Poke<LONG>(f, 18, -3); }},
        Malformed{"HugeHeight", [](Bytes& f) { Poke<LONG>(f, 22, 0x7FFFFFFF); }},
        Malformed{"LowestHeight", [](Bytes& f) { Poke<LONG>(f, 22, LONG(0x80000000)); }},
        Malformed{"TableLargerThanTheDepth", [](Bytes& f) { Poke<DWORD>(f, 46, 300); }},
        Malformed{"TableCountPastTheEnd", [](Bytes& f) { Poke<DWORD>(f, 46, 0xFFFFFFFF); }},
        Malformed{"UnknownDepth", [](Bytes& f) { Poke<WORD>(f, 28, 7); }},
        Malformed{"RunLengthCompressed", [](Bytes& f) { Poke<DWORD>(f, 30, 1); }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
