// The image frame: fitting a file into a rectangle, POR image records,
// the three archive schemas (a hostile stored name among them), drawing
// and hit testing.
#include "entities/CRukIFrame.h"

#include "entities/EntityKinds.h"
#include "platform/gdi/CImageDC.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/Cp932.h"
#include "platform/win/GlobalMemory.h"
#include "por/PorRecordBuilder.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/ContainerRecords.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/PointPrinting.h"
#include "tests/support/ImageTestSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/UprightPicture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include <cmath>

using namespace imagetest;

namespace {

// A BMP file of the asymmetric picture of that size, as Qt writes it.
std::string WriteBmp(const TempFolder& folder, const char* name, int width, int height) {
    const std::string path = folder.Path(name);
    EXPECT_TRUE(upright::Write(upright::Picture(width, height), QString::fromStdString(path),
                               upright::Format::Bmp));
    return path;
}

std::vector<POINT> PointsOf(const CRukEntity& entity) {
    std::vector<POINT> points;
    for (INT_PTR i = 0; i < entity.m_points.GetSize(); ++i)
        points.push_back(entity.m_points[i]);
    return points;
}

Bytes StoreFrame(const CRukIFrame& frame) {
    return Store([&](CArchive& ar) { ar << &frame; });
}

std::unique_ptr<CRukIFrame> LoadFrame(const Bytes& bytes) {
    CObject* object = nullptr;
    Load(bytes, [&](CArchive& ar) { object = ar.ReadObject(RUNTIME_CLASS(CRukIFrame)); });
    return std::unique_ptr<CRukIFrame>(static_cast<CRukIFrame*>(object));
}

// The class tag of a new class with that schema, as an archive writes it.
Bytes ClassTag(WORD schema) {
    Bytes bytes{0xFF, 0xFF, static_cast<BYTE>(schema), 0, 10, 0};
    const char* name = "CRukIFrame";
    bytes.insert(bytes.end(), name, name + 10);
    return bytes;
}

template <class T> void Append(Bytes& bytes, T value) {
    const auto* data = reinterpret_cast<const BYTE*>(&value);
    bytes.insert(bytes.end(), data, data + sizeof value);
}

void AppendString(Bytes& bytes, const char* text) {
    bytes.push_back(static_cast<BYTE>(std::strlen(text)));
    bytes.insert(bytes.end(), text, text + std::strlen(text));
}

Bytes ImageArchiveForm(int width, int height) {
    CRasterImage image;
    image.Create(width, height, 8);
    return Store([&](CArchive& ar) { image.Serialize(ar); });
}

TEST(CRukIFrameTest, ConstructionDefaults) {
    CRukIFrame frame;
    EXPECT_EQ(frame.GetKind(), kKindIFrame);
    EXPECT_EQ(frame.GetLayerName(), "0");
    EXPECT_EQ(frame.m_color, 0xFFFFFFu);
    EXPECT_EQ(frame.m_lineType, 1);
    EXPECT_TRUE(frame.GetImage().IsEmpty());
}

TEST(CRukIFrameTest, WideImageFitsIntoASquareWithItsAspectRatio) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "wide.bmp", 200, 100);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 100, 100), 1);
    EXPECT_EQ(PointsOf(frame), (std::vector<POINT>{{0, 0}, {0, 50}, {100, 50}, {100, 0}}));
    EXPECT_EQ(frame.m_minX, 0);
    EXPECT_EQ(frame.m_maxY, 50);
    EXPECT_STREQ(frame.GetImagePath().c_str(), path.c_str());
}

TEST(CRukIFrameTest, TallImageKeepsTheHeightAndNarrows) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "tall.bmp", 10, 40);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 1000, 2000, 1400, 2400), 1);
    EXPECT_EQ(PointsOf(frame),
              (std::vector<POINT>{{1000, 2000}, {1000, 2400}, {1100, 2400}, {1100, 2000}}));
}

TEST(CRukIFrameTest, ZeroSizeGivesThePixelSizeWithoutDividing_Mended) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "small.bmp", 3, 2);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFileEx(path.c_str(), POINT{10, 20}, 0, 500), 1);
    EXPECT_EQ(PointsOf(frame),
              (std::vector<POINT>{{10, 20}, {10, 2020}, {3010, 2020}, {3010, 20}}));
    CRukIFrame flat;
    ASSERT_EQ(flat.LoadImageFile(path.c_str(), 0, 0, 0, 100), 1);
    EXPECT_EQ(PointsOf(flat), (std::vector<POINT>{{0, 0}, {0, 2000}, {3000, 2000}, {3000, 0}}));
}

TEST(CRukIFrameTest, MissingFileShowsItsErrorAndUnreadableFileNothing) {
    ScriptedDialogs dialogs;
    TempFolder folder;
    CRukIFrame frame;
    EXPECT_EQ(frame.LoadImageFile(folder.Path("none.bmp").c_str(), 0, 0, 10, 10), 0);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    WriteAll(folder.Path("junk.png"), Bytes{1, 2, 3});
    EXPECT_EQ(frame.LoadImageFile(folder.Path("junk.png").c_str(), 0, 0, 10, 10), 0);
    EXPECT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_TRUE(frame.GetImage().IsEmpty());
}

RecordBytes FrameRecord(std::vector<POINT> points, const CRasterImage& image) {
    PorRecordBuilder record(PorIFrame::Type);
    points.resize(8, POINT{0, 0});
    record.Set(PorIFrame::Frame, points);
    record.Set(PorIFrame::LineType, 1);
    record.Set(PorIFrame::Color, 0x00FF00);
    const auto* block = static_cast<const BYTE*>(GlobalLock(image.GetHandle()));
    record.Set(PorIFrame::Image, std::span<const BYTE>(block, GlobalSize(image.GetHandle())));
    GlobalUnlock(image.GetHandle());
    record.Set(PorIFrame::Id, "I1");
    record.Set(PorIFrame::ImageName, "scan.bmp");
    record.Set(PorIFrame::Layer, "IMG");
    return RecordBytes(record.Bytes().begin(), record.Bytes().end());
}

TEST(CRukIFrameTest, RecordWithAClipOutlineTakesItsExtentsFromIt) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 4, 24), 1);
    const RecordBytes bytes = FrameRecord(
        {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {10, 10}, {10, 60}, {70, 60}, {70, 10}}, image);
    const PorRecord record = Framed(bytes);
    CRukIFrame frame;
    FakeDocument document;
    ASSERT_EQ(frame.CreateFromRecord(&record, &document, 25), 1);
    EXPECT_EQ(frame.m_points.GetSize(), 8);
    EXPECT_EQ(frame.m_minX, 10);
    EXPECT_EQ(frame.m_maxX, 70);
    EXPECT_EQ(frame.m_maxY, 60);
    EXPECT_EQ(frame.m_id, "I1");
    EXPECT_EQ(frame.GetLayerName(), "IMG");
    EXPECT_EQ(frame.m_color, 0x00FF00u);
    EXPECT_EQ(frame.GetImage().GetWidth(), 4);
    // Point 3 straight right of point 0: no turned copy.
    EXPECT_EQ(frame.GetRotatedImage(), nullptr);
}

TEST(CRukIFrameTest, TurnedFrameKeepsATurnedCopyForDrawing) {
    CRasterImage image;
    ASSERT_EQ(image.Create(20, 10, 24), 1);
    const RecordBytes bytes = FrameRecord(
        {{0, 0}, {-50, 50}, {50, 150}, {100, 100}, {0, 0}, {-50, 50}, {50, 150}, {100, 100}},
        image);
    const PorRecord record = Framed(bytes);
    CRukIFrame frame;
    FakeDocument document;
    ASSERT_EQ(frame.CreateFromRecord(&record, &document, 25), 1);
    ASSERT_NE(frame.GetRotatedImage(), nullptr);
    // An eighth of a turn: both sides of the copy hold 0.707 of each side.
    EXPECT_EQ(frame.GetRotatedImage()->GetWidth(), 21);
}

TEST(CRukIFrameTest, RecordWithAnUnsoundImageBuildsAFrameWithoutOne) {
    PorRecordBuilder builder(PorIFrame::Type);
    std::vector<POINT> points(8, POINT{0, 0});
    points[2] = POINT{10, 10};
    builder.Set(PorIFrame::Frame, points);
    const BYTE junk[] = {40, 0, 0, 0, 1, 2, 3};
    builder.Set(PorIFrame::Image, junk);
    const RecordBytes bytes(builder.Bytes().begin(), builder.Bytes().end());
    const PorRecord record = Framed(bytes);
    CRukIFrame frame;
    FakeDocument document;
    EXPECT_EQ(frame.CreateFromRecord(&record, &document, 25), 1);
    EXPECT_TRUE(frame.GetImage().IsEmpty());
}

TEST(CRukIFrameTest, ArchiveKeepsTheSourceFileAndWritesItToAPrivateFolder) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "plan.bmp", 8, 6);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 800, 600), 1);
    const Bytes stored = StoreFrame(frame);
    QString written;
    {
        std::unique_ptr<CRukIFrame> read = LoadFrame(stored);
        ASSERT_TRUE(read);
        EXPECT_EQ(PointsOf(*read), PointsOf(frame));
        EXPECT_EQ(BitsOf(read->GetImage()), BitsOf(frame.GetImage()));
        written = Cp932::ToQString(read->GetImagePath().c_str());
        const QFileInfo info(written);
        EXPECT_EQ(info.fileName(), "plan.bmp");
        EXPECT_TRUE(info.dir().dirName().startsWith("ztmp"));
        EXPECT_TRUE(info.exists());
        EXPECT_EQ(QFileInfo(info.path()).permissions() & (QFile::ReadOther | QFile::WriteOther),
                  QFile::Permissions());
    }
    // The frame removes what it wrote.
    EXPECT_FALSE(QFileInfo::exists(written));
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(written).path()));
}

// Mended: the stored name is the image file's own name in CP932, also in a
// folder whose name ends in a byte a CP932 reader pairs with the '/', and
// it comes back as the file system's name.
TEST(CRukIFrameTest, StoredNameIsTheFilesNameInCp932_Mended) {
    TempFolder folder;
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder.Path("設備"))));
    const std::string path = WriteBmp(folder, "設備/照明.bmp", 2, 2);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 10, 10), 1);
    const Bytes stored = StoreFrame(frame);
    // A one-byte length, then 照明.bmp in CP932.
    const Bytes name = {8, 0x8F, 0xC6, 0x96, 0xBE, '.', 'b', 'm', 'p'};
    EXPECT_NE(std::search(stored.begin(), stored.end(), name.begin(), name.end()), stored.end());
    std::unique_ptr<CRukIFrame> read = LoadFrame(stored);
    ASSERT_TRUE(read);
    EXPECT_EQ(QFileInfo(read->GetImagePath().ToFilePath()).fileName(), QStringLiteral("照明.bmp"));
    EXPECT_FALSE(read->GetImage().IsEmpty());
}

TEST(CRukIFrameTest, KeepFileFlagLeavesTheWrittenFile) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "keep.bmp", 2, 2);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 10, 10), 1);
    frame.SetKeepFile(TRUE);
    QString written;
    {
        std::unique_ptr<CRukIFrame> read = LoadFrame(StoreFrame(frame));
        written = Cp932::ToQString(read->GetImagePath().c_str());
    }
    EXPECT_TRUE(QFileInfo::exists(written));
    QFile::remove(written);
    QDir().rmdir(QFileInfo(written).path());
}

// A stored name with folders, or one naming the folder above, is reduced
// to its last part and written only inside the frame's own folder.
class HostileNameTest : public ::testing::TestWithParam<const char*> {};

TEST_P(HostileNameTest, StaysInsideThePrivateFolder_Mended) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "x.bmp", 2, 2);
    const Bytes file = ReadAll(path);
    Bytes bytes = ClassTag(2);
    Append<WORD>(bytes, 0); // no points
    AppendString(bytes, "0");
    bytes.push_back(0);      // child flag
    AppendString(bytes, ""); // tag
    bytes.push_back(0);      // keep-file flag
    AppendString(bytes, GetParam());
    Append<LONG>(bytes, static_cast<LONG>(file.size()));
    bytes.insert(bytes.end(), file.begin(), file.end());
    std::unique_ptr<CRukIFrame> read = LoadFrame(bytes);
    ASSERT_TRUE(read);
    const QFileInfo written(Cp932::ToQString(read->GetImagePath().c_str()));
    if (read->GetImagePath().IsEmpty()) {
        EXPECT_TRUE(read->GetImage().IsEmpty());
        return;
    }
    EXPECT_TRUE(written.dir().dirName().startsWith("ztmp"));
    EXPECT_EQ(written.dir().absolutePath(), QFileInfo(written.absoluteFilePath()).absolutePath());
    EXPECT_FALSE(written.fileName().contains('\\'));
    EXPECT_FALSE(read->GetImage().IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNameTest,
                         ::testing::Values("../../evil.bmp", "/etc/evil.bmp",
                                           "C:\\Windows\\..\\evil.bmp", "..", "sub/"),
                         [](const auto& info) { return "Name" + std::to_string(info.index); });

TEST(CRukIFrameTest, EmptyStoredNameReadsTheImageArchiveForm) {
    Bytes bytes = ClassTag(2);
    Append<WORD>(bytes, 0); // no points
    AppendString(bytes, "0");
    bytes.push_back(2);
    AppendString(bytes, "T");
    bytes.push_back(0);
    AppendString(bytes, "");
    const Bytes image = ImageArchiveForm(5, 3);
    bytes.insert(bytes.end(), image.begin(), image.end());
    std::unique_ptr<CRukIFrame> read = LoadFrame(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetImage().GetWidth(), 5);
    EXPECT_EQ(read->m_childFlag, 2);
    EXPECT_EQ(read->m_tag, "T");
}

TEST(CRukIFrameTest, SchemaOneReadsPointsAndTheImage) {
    Bytes bytes = ClassTag(1);
    Append<WORD>(bytes, 4);
    for (POINT p : {POINT{0, 0}, POINT{0, 10}, POINT{20, 10}, POINT{20, 0}}) {
        Append<LONG>(bytes, p.x);
        Append<LONG>(bytes, p.y);
    }
    AppendString(bytes, "L");
    bytes.push_back(0);
    AppendString(bytes, "");
    const Bytes image = ImageArchiveForm(2, 2);
    bytes.insert(bytes.end(), image.begin(), image.end());
    std::unique_ptr<CRukIFrame> read = LoadFrame(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->GetLayerName(), "L");
    EXPECT_EQ(read->m_maxX, 20);
    EXPECT_EQ(read->GetImage().GetWidth(), 2);
}

TEST(CRukIFrameTest, SchemaZeroMakesCornersFromTwoPoints) {
    Bytes bytes = ClassTag(0);
    for (LONG value : {1, 2, 30, 40})
        Append<LONG>(bytes, value);
    AppendString(bytes, "0");
    bytes.push_back(0);
    AppendString(bytes, "");
    const Bytes image = ImageArchiveForm(2, 2);
    bytes.insert(bytes.end(), image.begin(), image.end());
    std::unique_ptr<CRukIFrame> read = LoadFrame(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(PointsOf(*read), (std::vector<POINT>{{1, 40}, {1, 2}, {30, 2}, {30, 40}}));
}

// A stored file longer than the archive fails the load instead of leaving
// the document's reader in the middle of the bytes.
TEST(CRukIFrameTest, StoredFileCutShortFailsTheArchive_Mended) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "cut.bmp", 4, 4);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 10, 10), 1);
    Bytes stored = StoreFrame(frame);
    stored.erase(stored.end() - 20, stored.end());
    EXPECT_THROW(LoadFrame(stored), CArchiveException);
    Bytes hostile = ClassTag(2);
    Append<WORD>(hostile, 0); // no points
    AppendString(hostile, "0");
    hostile.push_back(0);
    AppendString(hostile, "");
    hostile.push_back(0);
    AppendString(hostile, "a.bmp");
    Append<LONG>(hostile, -5);
    EXPECT_THROW(LoadFrame(hostile), CArchiveException);
}

// Drawn as the view draws, with y up: the picture's top row at the frame's
// upper edge, and a clip that keeps the frame's upper half keeps the
// picture's upper half.
class FrameDrawing : public ::testing::Test {
protected:
    FrameDrawing() : m_path(WriteBmp(m_folder, "draw.bmp", 20, 10)) {
        EXPECT_EQ(m_frame.LoadImageFile(m_path.c_str(), 0, 0, 40, 20), 1);
        m_surface.fill(Qt::white);
    }

    void Draw(const RECT& clip) {
        CDrawDefaults settings;
        FakeDocument document;
        CImageDC dc(m_surface);
        upright::MapUpwards(dc, m_surface.height());
        m_frame.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, clip);
    }

    TempFolder m_folder;
    std::string m_path;
    CRukIFrame m_frame;
    QImage m_surface{60, 40, QImage::Format_RGB32};
};

TEST_F(FrameDrawing, ShowsThePictureUprightOverTheFrame) {
    Draw(RECT{0, 0, 60, 40});
    const QRect box = upright::InkBox(m_surface, qRgb(255, 255, 255));
    EXPECT_EQ(box, QRect(0, 20, 40, 20));
    EXPECT_EQ(upright::Seen(m_surface, box), "upright");
}

TEST_F(FrameDrawing, ClipToTheUpperHalfKeepsThePicturesUpperHalf) {
    Draw(RECT{0, 10, 60, 40});
    EXPECT_EQ(upright::InkBox(m_surface, qRgb(255, 255, 255)), QRect(0, 20, 40, 10));
    EXPECT_EQ(m_surface.pixel(2, 21), upright::kMark);
    EXPECT_EQ(m_surface.pixel(10, 28), upright::kTopLeft);
    EXPECT_EQ(m_surface.pixel(30, 28), upright::kTopRight);
}

// A frame of another aspect than its picture, as a drawing's record may
// give it: the 2 : 1 picture fills the whole frame, upright.
struct AspectCase {
    const char* name;
    int width;
    int height;
};

class FrameOfAnotherAspect : public ::testing::TestWithParam<AspectCase> {};

TEST_P(FrameOfAnotherAspect, IsFilledByThePictureMended) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "aspect.bmp", 20, 10);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 40, 20), 1);
    const int w = GetParam().width;
    const int h = GetParam().height;
    const POINT corners[] = {{0, 0}, {0, h}, {w, h}, {w, 0}};
    for (int i = 0; i < 4; ++i)
        frame.m_points.SetAt(i, corners[i]);
    frame.RecalcExtents();
    QImage surface(60, 60, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        CDrawDefaults settings;
        FakeDocument document;
        CImageDC dc(surface);
        upright::MapUpwards(dc, surface.height());
        frame.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, RECT{0, 0, 60, 60});
    }
    const QRect box = upright::InkBox(surface, qRgb(255, 255, 255));
    EXPECT_EQ(box, QRect(0, 60 - h, w, h));
    EXPECT_EQ(upright::Seen(surface, box), "upright");
}

INSTANTIATE_TEST_SUITE_P(Frames, FrameOfAnotherAspect,
                         ::testing::Values(AspectCase{"Tall", 30, 50}, AspectCase{"Wide", 56, 12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CRukIFrameTest, FrameWithoutWidthDrawsNothing) {
    CRasterImage image;
    ASSERT_EQ(image.Create(4, 4, 24), 1);
    const RecordBytes bytes =
        FrameRecord({{5, 0}, {5, 10}, {5, 10}, {5, 0}, {5, 0}, {5, 10}, {5, 10}, {5, 0}}, image);
    const PorRecord record = Framed(bytes);
    CRukIFrame frame;
    FakeDocument document;
    ASSERT_EQ(frame.CreateFromRecord(&record, &document, 25), 1);
    QImage surface(20, 20, QImage::Format_RGB32);
    surface.fill(Qt::black);
    CDrawDefaults settings;
    {
        CImageDC dc(surface);
        frame.DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, RECT{0, 0, 20, 20});
    }
    EXPECT_EQ(surface.pixel(5, 5), qRgb(0, 0, 0));
}

TEST(CRukIFrameTest, HitInsideTheFrameAndNearItsEdges) {
    TempFolder folder;
    const std::string path = WriteBmp(folder, "hit.bmp", 2, 2);
    CRukIFrame frame;
    ASSERT_EQ(frame.LoadImageFile(path.c_str(), 0, 0, 1000, 1000), 1);
    FakeDocument document;
    EXPECT_EQ(frame.HitTest(nullptr, &document, 500, 500), 1);
    EXPECT_EQ(frame.HitTest(nullptr, &document, 1010, 500), 1);
    EXPECT_EQ(frame.HitTest(nullptr, &document, 3000, 500), 0);
}

} // namespace
