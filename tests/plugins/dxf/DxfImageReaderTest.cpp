#include "plugins/dxf/CDxfImageReader.h"

#include "DxfTestSupport.h"
#include "image/CRasterImage.h"
#include "platform/mfc/CMemFile.h"
#include "por/PorRecords.h"
#include "tests/support/CpuClock.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <ostream>

namespace {

using DxfTest::DrawingOf;
using DxfTest::EntitiesSection;
using DxfTest::OwnedBlock;
using DxfTest::Records;

std::string Image(const std::string& handle, const std::string& definition,
                  const std::string& x = "10", const std::string& y = "20") {
    return "  0\nIMAGE\n  5\n" + handle + "\n  8\nScans\n 10\n" + x + "\n 20\n" + y +
           "\n 11\n1\n 21\n0\n 12\n0\n 22\n1\n 13\n2\n 23\n2\n340\n" + definition + "\n";
}

std::string ImageDef(const std::string& handle, const std::string& name) {
    return "  0\nIMAGEDEF\n  5\n" + handle + "\n330\n1A\n  1\n" + name + "\n 10\n2\n 20\n2\n";
}

// A drawing of the entities and, further down, the objects.
std::string Drawing(const std::string& entities, const std::string& objects) {
    return "  0\nSECTION\n  2\nENTITIES\n" + entities +
           "  0\nENDSEC\n  0\nSECTION\n  2\nOBJECTS\n" + objects + "  0\nENDSEC\n  0\nEOF\n";
}

// The image records of a DXF file converted from its path, and the count of
// items left out that its header gives.
std::vector<PorRecord> Convert(const QString& path, OwnedBlock& block,
                               std::size_t pictureBudget = CPictureFiles::DefaultBudget,
                               LONG* leftOut = nullptr) {
    CDxfReader reader(nullptr, pictureBudget);
    block = OwnedBlock(reader.GetPORData(path.toUtf8().constData()));
    std::vector<PorRecord> drawing;
    if (!block)
        return drawing;
    const auto* data = static_cast<const BYTE*>(GlobalLock(block.get()));
    const std::span<const BYTE> bytes(data, GlobalSize(block.get()));
    GlobalUnlock(block.get());
    for (const PorRecord& record : Records(bytes)) {
        if (record.Type() == PorIFrame::Type)
            drawing.push_back(record);
        if (record.Type() == PorHeader::Type && leftOut)
            *leftOut = *record.Get(PorHeader::LeftOut);
    }
    return drawing;
}

class DxfImageTest : public ::testing::Test {
protected:
    QString Write(const char* name, const std::string& text) const {
        const QString path = m_folder.path() + QLatin1Char('/') + QString::fromUtf8(name);
        std::ofstream(path.toStdString(), std::ios::binary) << text;
        return path;
    }

    // A square 24-bit bitmap file's bytes.
    static std::string Bitmap(int side) {
        CRasterImage image;
        EXPECT_TRUE(image.Create(side, side, 24));
        CMemFile memory;
        image.WriteBmpFile(memory);
        const auto size = static_cast<std::size_t>(memory.GetLength());
        BYTE* data = memory.Detach();
        std::string bytes(reinterpret_cast<const char*>(data), size);
        std::free(data);
        return bytes;
    }

    // A 2 x 2, 24-bit bitmap beside the DXF.
    void WriteBitmap(const char* name) const { Write(name, Bitmap(2)); }

    QTemporaryDir m_folder;
};

TEST_F(DxfImageTest, BitmapBesideTheDrawingBecomesAnImageFrame) {
    WriteBitmap("pixels.bmp");
    OwnedBlock block;
    const auto records =
        Convert(Write("plan.dxf", Drawing(Image("2A", "2B"), ImageDef("2B", "pixels.bmp"))), block);
    ASSERT_EQ(records.size(), 1u);
    const PorRecord& frame = records[0];
    const std::vector<std::pair<LONG, LONG>> expected{
        {10000, 20000}, {10000, 22000}, {12000, 22000}, {12000, 20000}};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(frame.Long(6 + 2 * i), expected[i % 4].first) << i;
        EXPECT_EQ(frame.Long(7 + 2 * i), expected[i % 4].second) << i;
    }
    EXPECT_EQ(frame.Long(33), 140);
    const auto bitmap = frame.Get(PorIFrame::Image);
    ASSERT_TRUE(bitmap.has_value());
    // Header, no colour table, two rows of 8 bytes.
    EXPECT_EQ(bitmap->size(), 40u + 16u);
    EXPECT_EQ(frame.Get(PorIFrame::Layer), "Scans");
    EXPECT_EQ(frame.Get(PorObjectRecord::Id), "2A");
    EXPECT_EQ(frame.Get(PorIFrame::ImageName), "pixels.bmp");
    EXPECT_EQ(frame.Size() % 4, 0u);
}

TEST_F(DxfImageTest, TwoImagesShareOneDefinitionFurtherDown) {
    WriteBitmap("pixels.bmp");
    OwnedBlock block;
    const auto records = Convert(
        Write("plan.dxf", Drawing(Image("2A", "2B") + Image("2C", "2B", "0", "0"),
                                  ImageDef("29", "other.bmp") + ImageDef("2B", "pixels.bmp"))),
        block);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].Long(6), 0);
}

// Mended: a Windows path names the file beside the drawing, which is where
// it lies once the drawing is on this machine.
TEST_F(DxfImageTest, WindowsPathIsLookedForBesideTheDrawing_Mended) {
    WriteBitmap("pixels.bmp");
    OwnedBlock block;
    const auto records = Convert(
        Write("plan.dxf", Drawing(Image("2A", "2B"), ImageDef("2B", "C:\\scans\\pixels.bmp"))),
        block);
    ASSERT_EQ(records.size(), 1u);
}

TEST_F(DxfImageTest, MissingFileOrDefinitionWritesNothingAndGoesOn) {
    const auto drawing =
        DrawingOf(Drawing(Image("2A", "2B") + Image("2C", "77") +
                              "  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n1\n 21\n1\n",
                          ImageDef("2B", "absent.bmp")));
    ASSERT_EQ(drawing.records.size(), 1u);
    EXPECT_EQ(drawing.records[0].Type(), PorLine::Type);
}

TEST_F(DxfImageTest, AnImageFindsTheFirstDefinitionOfItsHandleAfterIt) {
    WriteBitmap("pixels.bmp");
    OwnedBlock block;
    const auto records =
        Convert(Write("plan.dxf",
                      Drawing(Image("2A", "2B") + ImageDef("2B", "absent.bmp") + Image("2C", "2B"),
                              ImageDef("2B", "pixels.bmp") + ImageDef("2B", "later.bmp"))),
                block);
    // 2A finds the missing file just after it, 2C the picture further down.
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Get(PorObjectRecord::Id), "2C");
    EXPECT_EQ(records[0].Get(PorIFrame::ImageName), "pixels.bmp");
}

// Every IMAGE read the rest of the file again for its definition.
TEST_F(DxfImageTest, MendedManyImagesFindTheirDefinitionsInOnePass) {
    std::string images;
    for (int i = 0; i < 8000; ++i)
        images += Image("1" + std::to_string(i), "2B");
    const auto start = CpuClock::now();
    const auto drawing = DrawingOf(Drawing(images, ImageDef("2B", "absent.bmp")));
    EXPECT_TRUE(drawing.records.empty());
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(5));
}

// Every IMAGE carried a copy of its picture, however many there were. Those
// beyond the budget are counted in the header for the program to tell; the
// conversion itself shows nothing, as it may run in a batch.
TEST_F(DxfImageTest, MendedPicturesBeyondTheirBudgetAreLeftOutAndCounted) {
    WriteBitmap("pixels.bmp");
    std::string images;
    for (int i = 0; i < 200; ++i)
        images += Image("1" + std::to_string(i), "2B");
    const QString path = Write("plan.dxf", Drawing(images, ImageDef("2B", "pixels.bmp")));
    const ScriptedDialogs dialogs;
    OwnedBlock block;
    LONG leftOut = -1;
    // 56 bytes a picture: room for 10.
    EXPECT_EQ(Convert(path, block, 10 * 56 + 55, &leftOut).size(), 10u);
    EXPECT_EQ(leftOut, 190);
    EXPECT_EQ(Convert(path, block, 200 * 56, &leftOut).size(), 200u);
    EXPECT_EQ(leftOut, 0);
    EXPECT_TRUE(dialogs.Messages().empty());
}

// A name CP932 spells with 0x5C ("\\") as the second byte of a character,
// the file beside the drawing named in UTF-8 or in those bytes, and "1.bmp"
// beside it too, which a cut at that byte would find instead.
struct TrailByteCase {
    const char* name;
    const char* imageName;
    const char* fileName;
};

void PrintTo(const TrailByteCase& c, std::ostream* os) {
    *os << c.name;
}

class DxfImageTrailByteTest : public DxfImageTest,
                              public ::testing::WithParamInterface<TrailByteCase> {};

TEST_P(DxfImageTrailByteTest, Cp932NameIsNotCutInsideACharacter_Mended) {
    Write("1.bmp", Bitmap(4));
    std::ofstream(m_folder.path().toStdString() + "/" + GetParam().fileName, std::ios::binary)
        << Bitmap(2);
    OwnedBlock block;
    const auto records = Convert(
        Write("plan.dxf", Drawing(Image("2A", "2B"), ImageDef("2B", GetParam().imageName))), block);
    ASSERT_EQ(records.size(), 1u);
    const auto bitmap = records[0].Get(PorIFrame::Image);
    ASSERT_TRUE(bitmap.has_value());
    // The 2 x 2 picture: header and two rows of 8 bytes.
    EXPECT_EQ(bitmap->size(), 40u + 16u);
}

INSTANTIATE_TEST_SUITE_P(Names, DxfImageTrailByteTest,
                         ::testing::Values(
                             // "表1.bmp" in CP932, the file under its UTF-8 name.
                             TrailByteCase{"Hyo",
                                           "\x95\x5C"
                                           "1.bmp",
                                           "\xE8\xA1\xA8"
                                           "1.bmp"},
                             // "ソ1.bmp".
                             TrailByteCase{"So",
                                           "\x83\x5C"
                                           "1.bmp",
                                           "\xE3\x82\xBD"
                                           "1.bmp"},
                             // "C:\\図\\表1.bmp".
                             TrailByteCase{"InAWindowsFolder",
                                           "C:\\\x90\x7D\\\x95\x5C"
                                           "1.bmp",
                                           "\xE8\xA1\xA8"
                                           "1.bmp"},
                             // The file's name kept in the CP932 bytes.
                             TrailByteCase{"FileNamedInCp932",
                                           "\x95\x5C"
                                           "1.bmp",
                                           "\x95\x5C"
                                           "1.bmp"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct PathCase {
    const char* name;
    const char* imageName;
    const char* path;
    bool cp932 = false;
};

void PrintTo(const PathCase& c, std::ostream* os) {
    *os << c.name;
}

class DxfImagePathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DxfImagePathTest, NameMapsIntoTheDrawingsFolder) {
    EXPECT_EQ(CDxfImageReader::PathOf("/drawings/", GetParam().imageName, GetParam().cp932),
              GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, DxfImagePathTest,
    ::testing::Values(PathCase{"Bare", "scan.bmp", "/drawings/scan.bmp"},
                      PathCase{"Relative", "img/scan.bmp", "/drawings/img/scan.bmp"},
                      PathCase{"Absolute", "/srv/scan.bmp", "/srv/scan.bmp"},
                      PathCase{"WindowsFolder_Mended", "C:\\scans\\scan.bmp", "/drawings/scan.bmp"},
                      PathCase{"RelativeWindows_Mended", "img\\scan.bmp", "/drawings/scan.bmp"},
                      PathCase{"DriveOnly_Mended", "D:scan.bmp", "/drawings/scan.bmp"},
                      PathCase{"Empty", "", ""},
                      // "表1.bmp": its second byte is no separator.
                      PathCase{"Cp932TrailByte_Mended",
                               "\x95\x5C"
                               "1.bmp",
                               "/drawings/\x95\x5C"
                               "1.bmp",
                               true},
                      // "C:\\表\\ソ.bmp".
                      PathCase{"Cp932WindowsFolder_Mended", "C:\\\x95\x5C\\\x83\x5C.bmp",
                               "/drawings/\x83\x5C.bmp", true},
                      // UTF-8 has no such bytes: "表1.bmp".
                      PathCase{"Utf8",
                               "\xE8\xA1\xA8"
                               "1.bmp",
                               "/drawings/\xE8\xA1\xA8"
                               "1.bmp"}),
    [](const ::testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

} // namespace
