// The pictures of one conversion: read once however often placed, and
// handed out within one budget.
#include "image/CPictureFiles.h"

#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace imagetest;

namespace {

// A square 24-bit BMP file; 2 x 2 gives 56 bytes of packed bitmap, 4 x 4
// gives 88.
std::string WriteBitmap(const TempFolder& folder, const char* name = "pixels.bmp", int side = 2) {
    CRasterImage image;
    EXPECT_EQ(image.Create(side, side, 24), 1);
    const std::string path = folder.Path(name);
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

// A drawing whose pictures together pass the budget: each placement takes
// its share, the first that no longer fits is left out and counted, and a
// smaller one after it still fits what is left.
TEST(CPictureFiles, ADrawingWithTooManyPicturesReportsTheOneLeftOut) {
    TempFolder folder;
    const std::string small = WriteBitmap(folder, "small.bmp", 2);
    const std::string large = WriteBitmap(folder, "large.bmp", 4);
    struct Placement {
        const char* what;
        const std::string& path;
        bool placed;
        std::size_t leftOutAfter;
    };
    const Placement drawing[] = {
        {"large, 88 of 200", large, true, 0}, {"small, 56 of 112", small, true, 0},
        {"large, 88 of 56", large, false, 1}, {"small, 56 of 56", small, true, 1},
        {"small, 56 of 0", small, false, 2},
    };
    CPictureFiles pictures(200);
    for (const Placement& placement : drawing) {
        SCOPED_TRACE(placement.what);
        EXPECT_EQ(pictures.Place(placement.path) != nullptr, placement.placed);
        EXPECT_EQ(pictures.LeftOut(), placement.leftOutAfter);
    }
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
