// The placed image markup: its box from the picture's size, the picture
// and border children, the ratio kept by corner drags, and its body.
#include "MarkupTestSupport.h"

#include "entities/EntityKinds.h"
#include "image/CRasterImage.h"
#include "markups/CRukRedImage.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CFile.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/UprightPicture.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

// A white bitmap file of that size, written by our own codec.
CString WriteBitmap(const QTemporaryDir& folder, int width, int height) {
    const CString path = CString::FromFilePath(folder.filePath(QStringLiteral("picture.bmp")));
    CRasterImage image;
    EXPECT_EQ(image.Create(width, height, 24), 1);
    CFile file;
    EXPECT_TRUE(file.Open(path.c_str(), CFile::modeCreate | CFile::modeWrite));
    image.WriteBmpFile(file);
    file.Close();
    return path;
}

class ImageMark : public ::testing::Test {
protected:
    ImageMark() {
        m_document.m_curLayerName = "RED";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 20;
        m_document.m_style.m_redSolidFill = 1;
    }

    // A markup for a 200 x 100 picture placed 5 units high with unit 1000;
    // the document owns it.
    CRukRedImage& Placed(const CString& path) {
        auto* image = new CRukRedImage();
        m_document.AddMarkup(image);
        image->SetImagePath(path);
        image->m_imageWidth = 200;
        image->m_imageHeight = 100;
        image->m_placeHeight = 5.0;
        image->m_placeUnit = 1000;
        return *image;
    }

    void Finish(CRukMark& mark) {
        CRecordingDC dc;
        mark.Finish(&m_document, &dc, &m_settings);
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

TEST_F(ImageMark, OneClickPlacesTheBoxFromThePicturesSize) {
    CRukRedImage& image = Placed("a.bmp");
    EXPECT_EQ(image.AddPoint(0, 0, 1), 1) << "whatever the mode";
    EXPECT_EQ(VerticesOf(image), (std::vector<POINT>{{0, 0}, {10000, 5000}}));
    EXPECT_EQ((POINT{image.m_x2, image.m_y2}), (POINT{10000, 5000}));
}

// A sixteenth of a drawing 4 units high is a quarter unit: in whole units
// the box was 0 x 0 and the picture invisible.
TEST_F(ImageMark, MendedPictureOnATinyDrawingKeepsItsSize) {
    CRukRedImage& image = Placed("a.bmp");
    image.m_placeHeight = 0.25;
    EXPECT_EQ(image.AddPoint(0, 0, 1), 1);
    EXPECT_EQ(VerticesOf(image), (std::vector<POINT>{{0, 0}, {500, 250}}));
}

TEST_F(ImageMark, MendedPictureWithoutASizeIsNotPlaced) {
    RecordingSurface surface;
    CRukRedImage& image = Placed("a.bmp");
    image.m_imageHeight = 0;
    image.TrackAtOn(surface, m_document, {0, 0}, m_settings);
    EXPECT_TRUE(surface.m_figures.empty());
    EXPECT_EQ(image.AddPoint(0, 0, 0), 0);
    EXPECT_EQ(image.m_points.GetSize(), 0);
}

TEST_F(ImageMark, BandHangsFromTheCursor) {
    RecordingSurface surface;
    m_document.m_viewScale = 0.01;
    CRukRedImage& image = Placed("a.bmp");
    image.TrackOn(surface, m_document, {0, 0}, {1000, 1000}, m_settings);
    image.TrackOn(surface, m_document, {1000, 1000}, {2000, 1000}, m_settings);
    EXPECT_EQ(surface.Shown(), (std::multiset<std::string>{"Polygon(20,10 20,60 120,60 120,10)"}));
}

TEST_F(ImageMark, FinishBuildsThePictureAndABorder) {
    CRukRedImage& image = Placed(WriteBitmap(m_folder, 200, 100));
    image.AddPoint(0, 0, 0);
    Finish(image);
    const std::vector<CRukEntity*> children = ChildrenOf(image);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->GetKind(), kKindIFrame);
    EXPECT_EQ(children[1]->GetKind(), kKindPolygon);
    EXPECT_EQ(VerticesOf(image), VerticesOf(*children[0]));
    EXPECT_EQ(VerticesOf(*children[1]), VerticesOf(*children[0]));
    EXPECT_EQ(image.m_points.GetSize(), 4);
    EXPECT_EQ(image.GetPointCount(), 2);
    EXPECT_EQ(children[1]->GetFillType(), 0) << "the border is never filled";
    EXPECT_EQ(children[1]->GetTransparent(), 1);
    EXPECT_EQ(image.GetLineWidth(), 20);
    EXPECT_EQ(image.GetColor(), 0x0000FFu);
    EXPECT_EQ(image.GetFillType(), 0) << "no closed kind";
    EXPECT_EQ(children[0]->GetLayerName(), "RED");
    EXPECT_EQ(image.m_childCount, 2);
    EXPECT_EQ((std::vector<int>{image.m_minX, image.m_minY, image.m_maxX, image.m_maxY}),
              (std::vector<int>{0, 0, 10000, 5000}));
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

// The picture child drawn as the view draws its layer, with y up, shows
// the picture's top row at the box's upper edge.
TEST_F(ImageMark, PictureShowsUprightInTheViewsMapping) {
    const QString path = m_folder.filePath(QStringLiteral("corner.bmp"));
    ASSERT_TRUE(upright::Write(upright::Picture(200, 100), path, upright::Format::Bmp));
    CRukRedImage& image = Placed(CString::FromFilePath(path));
    image.AddPoint(0, 0, 0);
    Finish(image);
    const std::vector<CRukEntity*> children = ChildrenOf(image);
    ASSERT_FALSE(children.empty());
    QImage surface(120, 60, QImage::Format_RGB32);
    surface.fill(Qt::white);
    {
        CImageDC dc(surface);
        upright::MapUpwards(dc, surface.height());
        children[0]->DrawA(&m_document, &dc, 0, 0, 0.01, 1.0, &m_settings, FALSE,
                           RECT{0, 0, 120, 60});
    }
    const QRect box = upright::InkBox(surface, qRgb(255, 255, 255));
    EXPECT_EQ(box, QRect(0, 10, 100, 50));
    EXPECT_EQ(upright::Seen(surface, box), "upright");
}

TEST_F(ImageMark, MendedPictureThatDoesNotLoadLeavesNoChildren) {
    CRukRedImage& image = Placed(CString::FromFilePath(m_folder.filePath("missing.bmp")));
    image.AddPoint(0, 0, 0);
    Finish(image);
    EXPECT_TRUE(ChildrenOf(image).empty());
    ASSERT_FALSE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_dialogs.Messages().back().text, CString::FromUtf8("読み込みエラー"));
    EXPECT_EQ(m_document.m_drawOrder.size(), 1u) << "only the markup itself";
}

TEST_F(ImageMark, CornerDragKeepsThePicturesRatioWithoutShift) {
    CRukRedImage& image = Placed(WriteBitmap(m_folder, 200, 100));
    image.AddPoint(0, 0, 0);
    Finish(image);
    const int width = image.m_x2 - image.m_x1;
    const int height = image.m_y1 - image.m_y2;
    ASSERT_EQ(width, 2 * height);
    image.MoveVertex(4000, -300, 2, image.m_x2, image.m_y2, 0);
    EXPECT_EQ((image.m_x2 - image.m_x1), 2 * (image.m_y1 - image.m_y2));
    EXPECT_NE(image.m_x2 - image.m_x1, width);
    const std::vector<POINT> box{{image.m_x1, image.m_y2},
                                 {image.m_x1, image.m_y1},
                                 {image.m_x2, image.m_y1},
                                 {image.m_x2, image.m_y2}};
    EXPECT_EQ(VerticesOf(image), box);
    for (const CRukEntity* child : ChildrenOf(image))
        EXPECT_EQ(VerticesOf(*child), box);
    // Edge grips are no grips of a picture.
    const std::vector<int> before{image.m_x1, image.m_y1, image.m_x2, image.m_y2};
    image.MoveVertex(1000, 0, 6, image.m_x2, 0, 0);
    EXPECT_EQ((std::vector<int>{image.m_x1, image.m_y1, image.m_x2, image.m_y2}), before);
}

TEST_F(ImageMark, DrawShowsTheBorderOnlyTheLayerPassShowsThePicture) {
    CRukRedImage& image = Placed(WriteBitmap(m_folder, 200, 100));
    image.AddPoint(0, 0, 0);
    Finish(image);
    CRecordingDC dc;
    image.Draw(&m_document, &dc, 0, 0, 0.01, 0x00FFFF, &m_settings, RECT{0, 0, 0, 0});
    bool outline = false;
    for (const std::string& call : dc.Calls()) {
        EXPECT_EQ(call.find("StretchDIBits"), std::string::npos) << call;
        EXPECT_EQ(call.find("BS_SOLID"), std::string::npos) << "never filled: " << call;
        outline = outline || call.rfind("Poly", 0) == 0;
    }
    EXPECT_TRUE(outline);
}

TEST_F(ImageMark, BodyIsTheGroupLayoutAndLoadsFourPoints) {
    CRukRedImage& image = Placed(WriteBitmap(m_folder, 200, 100));
    image.AddPoint(0, 0, 0);
    Finish(image);
    const std::vector<BYTE> stored = StoreObject(image);
    Bytes own = ClassRecord(0, "CRukRedImage");
    own.Long(0).Long(5000).Long(10000).Long(0);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("").Text("").Long(2).Word(2);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());
    const LoadedMarkup<CRukRedImage> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(VerticesOf(*loaded.mark),
              (std::vector<POINT>{{0, 5000}, {0, 0}, {10000, 0}, {10000, 5000}}));
    EXPECT_EQ(loaded.mark->GetPointCount(), 2);
    EXPECT_TRUE(loaded.mark->m_imagePath.IsEmpty()) << "the frame carries the picture";
}

struct ExtensionCase {
    const char* path;
    bool metafile;
};

void PrintTo(const ExtensionCase& c, std::ostream* out) {
    *out << c.path;
}

class ImageExtension : public ::testing::TestWithParam<ExtensionCase> {};

TEST_P(ImageExtension, DecidesBetweenMetafileAndRaster) {
    EXPECT_EQ(CRukRedImage::IsMetafilePath(GetParam().path), GetParam().metafile);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ImageExtension,
    ::testing::Values(ExtensionCase{"/a/b.wmf", true}, ExtensionCase{"/a/b.EMF", true},
                      ExtensionCase{"/a/b.Wmf", true}, ExtensionCase{"/a/b.bmp", false},
                      ExtensionCase{"/a.emf/b", false}, ExtensionCase{"/a/emf", false},
                      // Mended: 照明.emf, whose last byte before the dot looks
                      // like a CP932 lead byte.
                      ExtensionCase{"/a/\xE7\x85\xA7\xE6\x98\x8E.emf", true}));

} // namespace
