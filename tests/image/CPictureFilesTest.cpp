// The pictures of one conversion: read once however often placed, and
// handed out within one budget.
#include "image/CPictureFiles.h"

#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace imagetest;

namespace {

// A 2 x 2, 24-bit BMP file: 56 bytes of packed bitmap.
std::string WriteBitmap(const TempFolder& folder) {
    CRasterImage image;
    EXPECT_EQ(image.Create(2, 2, 24), 1);
    const std::string path = folder.Path("pixels.bmp");
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    image.WriteBmpFile(file);
    return path;
}

TEST(CPictureFiles, AFilePlacedAgainIsNotReadAgain) {
    TempFolder folder;
    const std::string path = WriteBitmap(folder);
    CPictureFiles pictures;
    const std::vector<BYTE>* first = pictures.Place(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->size(), 56u);
    std::remove(path.c_str());
    EXPECT_EQ(pictures.Place(path), first);
    EXPECT_FALSE(pictures.LeftOut());
}

TEST(CPictureFiles, PlacementsBeyondTheBudgetAreLeftOut) {
    TempFolder folder;
    const std::string path = WriteBitmap(folder);
    CPictureFiles pictures(2 * 56 + 55);
    EXPECT_NE(pictures.Place(path), nullptr);
    EXPECT_NE(pictures.Place(path), nullptr);
    EXPECT_FALSE(pictures.LeftOut());
    EXPECT_EQ(pictures.Place(path), nullptr);
    EXPECT_EQ(pictures.LeftOut(), 1u);
    // Every later placement of the file is left out and counted too.
    EXPECT_EQ(pictures.Place(path), nullptr);
    EXPECT_EQ(pictures.Place(path), nullptr);
    EXPECT_EQ(pictures.LeftOut(), 3u);
}

TEST(CPictureFiles, MissingOrUnreadableFilesAreNoPictureAndNotLeftOut) {
    TempFolder folder;
    WriteAll(folder.Path("text.bmp"), Bytes{'n', 'o'});
    CPictureFiles pictures;
    EXPECT_EQ(pictures.Place(folder.Path("absent.bmp")), nullptr);
    EXPECT_EQ(pictures.Place(folder.Path("text.bmp")), nullptr);
    EXPECT_EQ(pictures.Place(folder.Path("")), nullptr);
    EXPECT_FALSE(pictures.LeftOut());
}

} // namespace
