// Metafiles and metafile frames: enhanced metafiles from our own writer
// (shapes and bitmaps), Windows metafiles plain and placeable, sizes, the
// archive form and its checks, drawing and hit testing.
#include "entities/CMetaFile.h"

#include "entities/CRukIFrame.h"
#include "entities/CRukMFrame.h"
#include "entities/EntityKinds.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CEnhMetaFilePlayer.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFileDC.h"
#include "platform/gdi/CPen.h"
#include "platform/mfc/CArchiveException.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/support/ByteMutator.h"
#include "tests/support/ImageTestSupport.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QStandardPaths>

#include <chrono>
#include <clocale>
#include <string>

using namespace imagetest;

namespace {

template <class T> void Append(Bytes& bytes, T value) {
    const auto* data = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), data, data + sizeof value);
}

// An enhanced metafile of our writer: a frame of 2540 x 2540 (0.01 mm),
// red on the left half, and a 2 x 1 bitmap (green, blue) on the right.
Bytes OurMetafile() {
    CMetaFileDC dc;
    const RECT frame{0, 0, 2540, 2540};
    dc.CreateEnhanced(nullptr, nullptr, &frame, nullptr);
    CBrush red;
    red.CreateSolidBrush(RGB(255, 0, 0));
    CPen none;
    none.CreatePen(PS_NULL, 0, 0);
    dc.SelectObject(&red);
    dc.SelectObject(&none);
    dc.Rectangle(0, 0, 49, 97);
    CRasterImage image;
    image.Create(2, 1, 24);
    const BYTE pixels[] = {0, 0xFF, 0, 0xFF, 0, 0};
    std::memcpy(image.GetBits(), pixels, sizeof pixels);
    dc.StretchDIBits(48, 0, 48, 96, 0, 0, 2, 1, image.GetBits(),
                     reinterpret_cast<const BITMAPINFO*>(image.GetHeader()), DIB_RGB_COLORS,
                     SRCCOPY);
    HENHMETAFILE metafile = dc.CloseEnhanced();
    Bytes bytes = metafile->Bytes();
    DeleteEnhMetaFile(metafile);
    return bytes;
}

// One record of a Windows metafile: its size in words, function, parameters.
void AppendWindowsRecord(Bytes& records, WORD function, const std::vector<WORD>& params) {
    Append<DWORD>(records, static_cast<DWORD>(3 + params.size()));
    Append<WORD>(records, function);
    for (WORD param : params)
        Append<WORD>(records, param);
}

// The records, ending in their end record, behind a Windows metafile header
// for that many objects and that largest record (in words).
Bytes WindowsMetafile(const Bytes& records, WORD objects, DWORD largest) {
    Bytes bytes;
    Append<WORD>(bytes, 1);
    Append<WORD>(bytes, 9);
    Append<WORD>(bytes, 0x0300);
    Append<DWORD>(bytes, static_cast<DWORD>((18 + records.size()) / 2));
    Append<WORD>(bytes, objects);
    Append<DWORD>(bytes, largest);
    Append<WORD>(bytes, 0);
    bytes.insert(bytes.end(), records.begin(), records.end());
    return bytes;
}

// A Windows metafile: a window of 100 x 100 filled blue by a rectangle,
// followed by the extra records given.
Bytes BlueWindowsMetafile(const Bytes& extra = {}) {
    Bytes records;
    AppendWindowsRecord(records, 0x020C, {100, 100});                          // SetWindowExt
    AppendWindowsRecord(records, 0x02FC, {0 /*BS_SOLID*/, 0x0000, 0x00FF, 0}); // blue brush, slot 0
    AppendWindowsRecord(records, 0x012D, {0});                                 // SelectObject
    AppendWindowsRecord(records, 0x02FA, {5 /*PS_NULL*/, 0, 0, 0, 0});         // pen, slot 1
    AppendWindowsRecord(records, 0x012D, {1});
    AppendWindowsRecord(records, 0x041B, {101, 101, 0, 0}); // Rectangle
    records.insert(records.end(), extra.begin(), extra.end());
    AppendWindowsRecord(records, 0x0000, {});
    return WindowsMetafile(records, 2, 8);
}

Bytes Placeable(const Bytes& metafile, std::int16_t width, WORD inch) {
    Bytes bytes;
    Append<DWORD>(bytes, 0x9AC6CDD7);
    Append<WORD>(bytes, 0);
    for (std::int16_t value : {std::int16_t{0}, std::int16_t{0}, width, width})
        Append<std::int16_t>(bytes, value);
    Append<WORD>(bytes, inch);
    Append<DWORD>(bytes, 0);
    Append<WORD>(bytes, 0);
    bytes.insert(bytes.end(), metafile.begin(), metafile.end());
    return bytes;
}

// A Windows metafile of one record of every function the conversion
// replays, with objects it only keeps the slot of.
Bytes EveryWindowsRecord() {
    Bytes records;
    const auto record = [&](WORD function, const std::vector<WORD>& params) {
        AppendWindowsRecord(records, function, params);
    };
    // A 2 x 1, 24-bit bitmap: header, then one padded row.
    std::vector<WORD> dib{40, 0, 2, 0, 1, 0, 1, 24, 0,      0,      8,      0,
                          0,  0, 0, 0, 0, 0, 0, 0,  0xFF00, 0x0000, 0x00FF, 0};
    const auto withDib = [&](std::vector<WORD> head) {
        head.insert(head.end(), dib.begin(), dib.end());
        return head;
    };
    record(0x001E, {});                                              // SaveDC
    record(0x0102, {1});                                             // SetBkMode
    record(0x0103, {8});                                             // SetMapMode
    record(0x0104, {13});                                            // SetROP2
    record(0x0106, {2});                                             // SetPolyFillMode
    record(0x0107, {3});                                             // SetStretchBltMode
    record(0x012E, {0});                                             // SetTextAlign
    record(0x0201, {0x00FF, 0});                                     // SetBkColor
    record(0x0209, {0, 0x00FF});                                     // SetTextColor
    record(0x020B, {0, 0});                                          // SetWindowOrg
    record(0x020C, {100, 100});                                      // SetWindowExt
    record(0x020D, {0, 0});                                          // SetViewportOrg
    record(0x020E, {100, 100});                                      // SetViewportExt
    record(0x02FA, {0, 2, 0, 0x00FF, 0});                            // pen, slot 0
    record(0x02FC, {2, 0x00FF, 0, 3});                               // hatch brush, slot 1
    record(0x02FB, {0xFFF4, 0, 450, 0, 700, 1, 0, 0, 0, 0x4241, 0}); // font, slot 2
    record(0x00F7, {0x300, 1, 0x00FF, 0});                           // palette, slot 3
    record(0x01F9, {0});                                             // pattern brush, slot 4
    record(0x0142, withDib({0, 0}));                                 // DIB pattern brush, slot 5
    record(0x06FF, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0});                  // region, slot 6
    for (WORD slot : {0, 1, 2, 3})
        record(0x012D, {slot});                                               // SelectObject
    record(0x0214, {10, 10});                                                 // MoveTo
    record(0x0213, {60, 50});                                                 // LineTo
    record(0x0324, {3, 10, 10, 50, 10, 30, 40});                              // Polygon
    record(0x0325, {3, 10, 60, 50, 60, 30, 90});                              // Polyline
    record(0x0538, {2, 3, 3, 0, 0, 9, 0, 0, 9, 20, 20, 29, 20, 20, 29});      // PolyPolygon
    record(0x0418, {90, 90, 60, 60});                                         // Ellipse
    record(0x041B, {95, 40, 70, 5});                                          // Rectangle
    record(0x041F, {0x00FF, 0, 5, 5});                                        // SetPixel
    record(0x0521, {2, 0x4241, 20, 20});                                      // TextOut
    record(0x0416, {90, 90, 5, 5});                                           // IntersectClipRect
    record(0x0415, {20, 20, 10, 10});                                         // ExcludeClipRect
    record(0x0B41, withDib({0x0020, 0x00CC, 1, 2, 0, 0, 20, 20, 40, 40}));    // DIBStretchBlt
    record(0x0F43, withDib({0x0020, 0x00CC, 0, 1, 2, 0, 0, 20, 20, 70, 70})); // StretchDIB
    record(0x0127, {0xFFFF});                                                 // RestoreDC
    record(0x01F0, {0});                                                      // DeleteObject
    record(0x0000, {});
    return WindowsMetafile(records, 7, 64);
}

QImage DrawFrame(CRukMFrame& frame, int size) {
    QImage surface(size, size, QImage::Format_RGB32);
    surface.fill(Qt::white);
    CDrawDefaults settings;
    FakeDocument document;
    CImageDC dc(surface);
    const double scale = static_cast<double>(size) / (frame.m_maxX - frame.m_minX);
    frame.DrawA(&document, &dc, 0, 0, scale, 1.0, &settings, FALSE, RECT{0, 0, size, size});
    return surface;
}

TEST(CMetaFileTest, FrameOfAnInchMeasuresNinetySevenScreenPixels) {
    CMetaFile metafile;
    ASSERT_TRUE(metafile.SetBits(OurMetafile()));
    EXPECT_EQ(metafile.GetSizePixels().cx, 97);
    EXPECT_EQ(metafile.GetSizePixels().cy, 97);
    EXPECT_EQ(CMetaFile().GetSizePixels().cx, 0);
}

TEST(CMetaFileTest, OurMetafileWithABitmapPlaysIntoAFrame) {
    TempFolder folder;
    const std::string path = folder.Path("ours.emf");
    WriteAll(path, OurMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    EXPECT_EQ(frame.GetKind(), kKindMFrame);
    EXPECT_EQ(frame.m_maxX, 97000);
    const QImage surface = DrawFrame(frame, 97);
    EXPECT_EQ(surface.pixel(20, 50), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(60, 50), qRgb(0, 255, 0));
    EXPECT_EQ(surface.pixel(85, 50), qRgb(0, 0, 255));
}

TEST(CMetaFileTest, PlainWindowsMetafileIsConvertedAndDrawn) {
    TempFolder folder;
    const std::string path = folder.Path("blue.wmf");
    WriteAll(path, BlueWindowsMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    // 10 x 10 mm.
    EXPECT_EQ(frame.GetMetaFile().GetHeader()->frame.right, 1000);
    const QImage surface = DrawFrame(frame, 60);
    EXPECT_EQ(surface.pixel(30, 30), qRgb(0, 0, 255));
}

TEST(CMetaFileTest, PlaceableHeaderGivesThePictureSize) {
    TempFolder folder;
    const std::string path = folder.Path("placed.wmf");
    WriteAll(path, Placeable(BlueWindowsMetafile(), 2880, 1440));
    CMetaFile metafile;
    ASSERT_EQ(metafile.LoadFile(path.c_str()), 1);
    EXPECT_EQ(metafile.GetHeader()->frame.right, 5080);
}

TEST(CMetaFileTest, PlaceableHeaderWithoutUnitsPerInchIsRefused_Mended) {
    TempFolder folder;
    const std::string path = folder.Path("zero.wmf");
    WriteAll(path, Placeable(BlueWindowsMetafile(), 2880, 0));
    CMetaFile metafile;
    EXPECT_EQ(metafile.LoadFile(path.c_str()), 0);
    EXPECT_TRUE(metafile.IsEmpty());
}

TEST(CMetaFileTest, UnreadableFilesGiveZero) {
    TempFolder folder;
    WriteAll(folder.Path("junk.emf"), Bytes{1, 2, 3, 4, 5, 6, 7, 8});
    Bytes cut = BlueWindowsMetafile();
    cut.erase(cut.begin() + 10, cut.end());
    WriteAll(folder.Path("cut.wmf"), cut);
    CRukMFrame frame;
    EXPECT_EQ(frame.LoadMetaFile(folder.Path("junk.emf").c_str()), 0);
    EXPECT_EQ(frame.LoadMetaFile(folder.Path("cut.wmf").c_str()), 0);
    EXPECT_EQ(frame.LoadMetaFile(folder.Path("missing.emf").c_str()), 0);
}

// Records that claim more than they hold, or name objects that do not
// exist, end the picture; what came before them stays.
class BadWindowsRecordTest : public ::testing::TestWithParam<Bytes> {};

TEST_P(BadWindowsRecordTest, EndsThePictureWithoutHarm) {
    TempFolder folder;
    const std::string path = folder.Path("bad.wmf");
    WriteAll(path, BlueWindowsMetafile(GetParam()));
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    const QImage surface = DrawFrame(frame, 60);
    EXPECT_EQ(surface.pixel(30, 30), qRgb(0, 0, 255));
}

INSTANTIATE_TEST_SUITE_P(Records, BadWindowsRecordTest,
                         ::testing::Values(
                             // Polyline of 1000 points in a record of 2.
                             Bytes{6, 0, 0, 0, 0x25, 0x03, 0xE8, 0x03, 0, 0, 0, 0},
                             // SelectObject of slot 7 in a table of 2.
                             Bytes{4, 0, 0, 0, 0x2D, 0x01, 7, 0},
                             // A record longer than the file.
                             Bytes{0xFF, 0xFF, 0, 0, 0x13, 0x02, 0, 0},
                             // Text whose length runs past its record.
                             Bytes{5, 0, 0, 0, 0x21, 0x05, 0x40, 0, 'a', 'b'}),
                         [](const auto& info) { return "Record" + std::to_string(info.index); });

TEST(CMetaFileTest, BitmapRecordWithOffsetsOutsideItStopsPlaying) {
    Bytes bytes = OurMetafile();
    // Find the bitmap record and send its header offset past its end.
    std::size_t offset = 108;
    while (offset + 8 <= bytes.size()) {
        DWORD type = 0;
        DWORD size = 0;
        std::memcpy(&type, bytes.data() + offset, 4);
        std::memcpy(&size, bytes.data() + offset + 4, 4);
        if (type == 81)
            break;
        offset += size;
    }
    ASSERT_LT(offset + 56, bytes.size());
    const DWORD past = 0x7FFFFFF0;
    std::memcpy(bytes.data() + offset + 48, &past, 4);
    CEnhMetaFilePlayer player(bytes.data(), bytes.size());
    QImage surface(97, 97, QImage::Format_RGB32);
    surface.fill(Qt::white);
    bool played = true;
    {
        CImageDC dc(surface);
        played = player.Play(dc, RECT{0, 0, 97, 97});
    }
    EXPECT_FALSE(played);
    EXPECT_EQ(surface.pixel(20, 50), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(60, 50), qRgb(255, 255, 255));
}

TEST(CMetaFileTest, EmptyMetafileArchivesAsASingleZeroAndDrawsNothing) {
    CMetaFile empty;
    const Bytes stored = Store([&](CArchive& ar) { empty.Serialize(ar); });
    EXPECT_EQ(stored, (Bytes{0, 0, 0, 0}));
    QImage surface(4, 4, QImage::Format_RGB32);
    surface.fill(Qt::white);
    CImageDC dc(surface);
    EXPECT_EQ(empty.Draw(&dc, 0, 0, 4, 4), 1);
    EXPECT_EQ(surface.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(CMetaFileTest, FrameArchiveRoundTripKeepsThePicture) {
    TempFolder folder;
    const std::string path = folder.Path("round.emf");
    WriteAll(path, OurMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFileAt(path.c_str(), RECT{0, 0, 2000, 1000}), 1);
    EXPECT_EQ(frame.m_maxX, 1000);
    const Bytes stored = Store([&](CArchive& ar) { ar << &frame; });
    CObject* object = nullptr;
    Load(stored, [&](CArchive& ar) { object = ar.ReadObject(RUNTIME_CLASS(CRukMFrame)); });
    std::unique_ptr<CRukMFrame> read(static_cast<CRukMFrame*>(object));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetMetaFile().GetBits(), frame.GetMetaFile().GetBits());
    EXPECT_EQ(read->m_maxY, 1000);
    EXPECT_TRUE(read->GetFilePath().IsEmpty());
}

struct BadCount {
    const char* name;
    LONG delta;
};

class BadCountTest : public ::testing::TestWithParam<BadCount> {};

// The stored count must be the metafile's own size, so that the document's
// reader never goes on from a wrong position.
TEST_P(BadCountTest, FailsTheArchive_Mended) {
    const Bytes metafile = OurMetafile();
    Bytes stored;
    Append<LONG>(stored, static_cast<LONG>(metafile.size()) + GetParam().delta);
    stored.insert(stored.end(), metafile.begin(), metafile.end());
    stored.insert(stored.end(), 8, 0);
    CMetaFile read;
    EXPECT_THROW(Load(stored, [&](CArchive& ar) { read.Serialize(ar); }), CArchiveException);
    EXPECT_TRUE(read.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Counts, BadCountTest,
                         ::testing::Values(BadCount{"Shorter", -4}, BadCount{"Longer", 4},
                                           BadCount{"PastTheEnd", 1000},
                                           BadCount{"Negative", -100000}),
                         [](const auto& info) { return std::string(info.param.name); });

// A frame whose metafile body is damaged fails the archive it stands in,
// so that the document's load stops instead of reading on from a wrong
// position.
TEST(CMetaFileTest, FrameWithADamagedMetafileFailsTheArchive_Mended) {
    TempFolder folder;
    const std::string path = folder.Path("damaged.emf");
    const Bytes metafile = OurMetafile();
    WriteAll(path, metafile);
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    const Bytes stored = Store([&](CArchive& ar) { ar << &frame; });
    ASSERT_GT(stored.size(), metafile.size() + 4);
    const std::size_t count = stored.size() - metafile.size() - 4;

    Bytes wrongCount = stored;
    wrongCount[count] = static_cast<BYTE>(wrongCount[count] + 4);
    Bytes cutShort(stored.begin(), stored.end() - 10);
    for (const Bytes& damaged : {wrongCount, cutShort}) {
        CObject* object = nullptr;
        EXPECT_THROW(
            Load(damaged, [&](CArchive& ar) { object = ar.ReadObject(RUNTIME_CLASS(CRukMFrame)); }),
            CArchiveException);
        delete object;
    }
}

// Loading metafiles leaves the process's locale as it was: numbers
// elsewhere are still read and written with a point.
TEST(CMetaFileTest, MetafileLeavesTheProcessLocaleAlone_Mended) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    TempFolder folder;
    const std::string path = folder.Path("locale.emf");
    WriteAll(path, OurMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    CMetaFile metafile;
    ASSERT_TRUE(metafile.SetBits(OurMetafile()));
    DrawFrame(frame, 20);
    EXPECT_EQ(std::setlocale(LC_ALL, nullptr), before);
}

TEST(CMetaFileTest, FrameHitInsideAndNearItsEdges) {
    TempFolder folder;
    const std::string path = folder.Path("hit.emf");
    WriteAll(path, OurMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFileAt(path.c_str(), RECT{0, 0, 1000, 1000}), 1);
    FakeDocument document;
    EXPECT_EQ(frame.HitTest(nullptr, &document, 500, 500), 1);
    EXPECT_EQ(frame.HitTest(nullptr, &document, 1010, 500), 1);
    EXPECT_EQ(frame.HitTest(nullptr, &document, 3000, 500), 0);
}

// An image frame painted into a metafile the way the clipboard copy sets it
// up (the view's y turned into the metafile's, which runs down) comes back
// upright when the metafile is played.
TEST(CMetaFileTest, ImageFrameDrawnIntoAMetafilePlaysBackUpright) {
    TempFolder folder;
    CRasterImage image;
    image.Create(1, 2, 24);
    const BYTE rows[] = {0xFF, 0, 0, 0, 0, 0, 0xFF, 0}; // bottom blue, top red
    std::memcpy(image.GetBits(), rows, sizeof rows);
    const std::string path = folder.Path("column.bmp");
    {
        CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
        image.WriteBmpFile(file);
    }
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 50, 100), 1);

    CMetaFileDC dc;
    const RECT picture{0, 0, 1323, 2646};
    dc.CreateEnhanced(nullptr, nullptr, &picture, nullptr);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(50, 100);
    dc.SetWindowOrg(0, -100);
    dc.SetViewportExt(50, 100);
    CDrawDefaults settings;
    FakeDocument document;
    frame.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, RECT{0, 0, 50, 100});
    HENHMETAFILE metafile = dc.CloseEnhanced();
    ASSERT_TRUE(metafile);
    QImage surface(50, 100, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        CImageDC target(surface);
        CEnhMetaFilePlayer(*metafile).Play(target, RECT{0, 0, 50, 100});
    }
    DeleteEnhMetaFile(metafile);
    EXPECT_EQ(surface.pixel(25, 20), qRgb(255, 0, 0));
    EXPECT_EQ(surface.pixel(25, 80), qRgb(0, 0, 255));
}

// A blue disc as drawing programs write one: a path of Bezier quarters
// drawn on from the current position and closed, placed by a world
// transform that doubles a disc of radius 24 about the frame's middle.
Bytes DiscMetafile() {
    CMetaFileDC dc;
    const RECT frame{0, 0, 2540, 2540};
    dc.CreateEnhanced(nullptr, nullptr, &frame, nullptr);
    CBrush blue;
    blue.CreateSolidBrush(RGB(0, 0, 255));
    dc.SelectObject(&blue);
    dc.SelectStockObject(NULL_PEN);
    dc.SetGraphicsMode(GM_ADVANCED);
    const XFORM placed{2, 0, 0, 2, 48, 48};
    dc.SetWorldTransform(&placed);
    // 0.5523 of the radius puts the control points of a circular quarter.
    constexpr LONG r = 24;
    constexpr LONG k = 13;
    dc.BeginPath();
    dc.MoveTo(r, 0);
    const POINT quarters[12] = {{r, k},   {k, r},   {0, r},  {-k, r}, {-r, k}, {-r, 0},
                                {-r, -k}, {-k, -r}, {0, -r}, {k, -r}, {r, -k}, {r, 0}};
    dc.PolyBezierTo(quarters, 12);
    dc.CloseFigure();
    dc.EndPath();
    dc.FillPath();
    HENHMETAFILE metafile = dc.CloseEnhanced();
    Bytes bytes = metafile->Bytes();
    DeleteEnhMetaFile(metafile);
    return bytes;
}

TEST(CMetaFileTest, ClosedCurvePathUnderAWorldTransformPlaysIntoAFrame) {
    TempFolder folder;
    const std::string path = folder.Path("disc.emf");
    WriteAll(path, DiscMetafile());
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(path.c_str()), 1);
    const QImage surface = DrawFrame(frame, 97);
    // The disc of radius 48 about (48, 48): its middle and the points just
    // inside its edge are blue, the frame's corners stay white.
    for (const QPoint& inside : {QPoint(48, 48), QPoint(48, 4), QPoint(92, 48), QPoint(8, 48)})
        EXPECT_EQ(surface.pixel(inside), qRgb(0, 0, 255)) << inside.x() << "," << inside.y();
    for (const QPoint& outside : {QPoint(4, 4), QPoint(92, 92), QPoint(92, 4)})
        EXPECT_EQ(surface.pixel(outside), qRgb(255, 255, 255)) << outside.x() << "," << outside.y();
}

// A metafile made by a real program on this machine, when one is there.
TEST(CMetaFileTest, MetafileOfAnOfficeProgramPlaysIntoAFrame) {
    const QString office = QStandardPaths::findExecutable("soffice");
    const QString inkscape = QStandardPaths::findExecutable("inkscape");
    if (office.isEmpty() && inkscape.isEmpty())
        GTEST_SKIP() << "neither LibreOffice nor Inkscape is installed";
    TempFolder folder;
    const std::string svg = folder.Path("square.svg");
    const std::string text = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>"
                             "<rect x='0' y='0' width='100' height='100' fill='#0000ff'/></svg>";
    WriteAll(svg, Bytes(text.begin(), text.end()));
    QProcess process;
    if (!inkscape.isEmpty())
        process.start(inkscape, {QString::fromStdString(svg), "--export-type=emf"});
    else
        process.start(office,
                      {"--headless", "--convert-to", "emf", "--outdir",
                       QString::fromStdString(folder.Path("")), QString::fromStdString(svg)});
    ASSERT_TRUE(process.waitForFinished(120000));
    CRukMFrame frame;
    ASSERT_EQ(frame.LoadMetaFile(folder.Path("square.emf").c_str()), 1);
    const QImage surface = DrawFrame(frame, 80);
    EXPECT_EQ(surface.pixel(40, 40), qRgb(0, 0, 255));
}

// Damaged and hostile files loaded and played: mutated copies of an
// enhanced metafile with a bitmap and of plain and placeable Windows
// metafiles of every record the conversion replays.
TEST(CMetaFileTest, MutatedFilesLoadAndPlayWithoutHarm) {
    const std::vector<Bytes> seeds{OurMetafile(), EveryWindowsRecord(),
                                   Placeable(EveryWindowsRecord(), 2880, 1440),
                                   BlueWindowsMetafile()};
    TempFolder folder;
    const std::string path = folder.Path("drawing.wmf");
    for (const Bytes& seed : seeds) {
        WriteAll(path, seed);
        CMetaFile metafile;
        ASSERT_EQ(metafile.LoadFile(path.c_str()), 1) << (&seed - seeds.data());
    }
    ByteMutator mutator(20261216);
    const int fed =
        mutator.FeedFor(seeds, std::chrono::milliseconds(2000), 3000, [&](const Bytes& bytes) {
            WriteAll(path, bytes);
            CMetaFile metafile;
            if (!metafile.LoadFile(path.c_str()))
                return;
            QImage surface(40, 30, QImage::Format_RGB32);
            CImageDC dc(surface);
            metafile.Draw(&dc, 0, 0, 40, 30);
        });
    EXPECT_GT(fed, 0);
}

} // namespace
