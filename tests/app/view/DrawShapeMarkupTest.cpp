// Drawing the shape, freehand and image markups with the mouse: the
// freehand stroke follows the drag, and the image tool asks for its picture
// before the click that places it.
#include "ToolFixture.h"
#include "controls/CRecentImageList.h"
#include "image/CRasterImage.h"
#include "markups/CRukFreeCurve.h"
#include "markups/CRukRedImage.h"
#include "markups/CRukRedSquare.h"
#include "platform/mfc/CFile.h"
#include "platform/win/CProfile.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CRedShapePage.h"
#include "ui/CRedTabCtrl.h"
#include "ui/CRedlineDlg.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QTemporaryDir>

#include <vector>

namespace {

constexpr int kSquareTool = 10;
constexpr int kFreehandTool = 12;
constexpr int kImageTool = 13;

class DrawShapeMarkupTest : public ToolFixture {
protected:
    DrawShapeMarkupTest() {
        // The classes are found by name; the test links them in.
        EXPECT_NE(RUNTIME_CLASS(CRukFreeCurve), nullptr);
        EXPECT_NE(RUNTIME_CLASS(CRukRedSquare), nullptr);
        EXPECT_NE(RUNTIME_CLASS(CRukRedImage), nullptr);
        m_view.m_toolMode = CZumeoView::kToolRedline;
    }

    std::vector<CRukEntity*> Markups(int number) const {
        std::vector<CRukEntity*> found;
        for (POSITION position = m_document.m_topObjects.GetHeadPosition(); position;) {
            auto* object = static_cast<CRukEntity*>(m_document.m_topObjects.GetNext(position));
            if (object->GetKind() == MarkupKind(number))
                found.push_back(object);
        }
        return found;
    }

    // A 200 x 100 bitmap in the temporary folder, also the newest recent image.
    QString Picture() {
        const QString path = m_folder.filePath(QStringLiteral("picture.bmp"));
        CRasterImage image;
        EXPECT_EQ(image.Create(200, 100, 24), 1);
        CFile file;
        EXPECT_TRUE(
            file.Open(QFile::encodeName(path).constData(), CFile::modeCreate | CFile::modeWrite));
        image.WriteBmpFile(file);
        file.Close();
        CRecentImageList recent;
        recent.Load();
        recent.Add(CString::FromFilePath(path));
        return path;
    }

    // The image dialog answered with the newest recent image.
    void PickRecentImage() {
        m_dialogs.AnswerDialog([](QDialog& dialog) {
            auto* box = dialog.findChild<QComboBox*>(QStringLiteral("id_1229"));
            if (!box || box->count() == 0)
                return 0;
            box->activated(0);
            return dialog.result();
        });
    }

    // A file of these bytes chosen as the picture: the insert is refused
    // with the one message and no tool is left.
    void ExpectPictureRefused(const QString& name, const QByteArray& bytes) {
        const QString path = m_folder.filePath(name);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        CRecentImageList recent;
        recent.Add(CString::FromFilePath(path));
        PickRecentImage();
        EXPECT_EQ(m_view.InsertImage(), FALSE);
        EXPECT_EQ(m_view.m_pTool, nullptr);
        ASSERT_EQ(m_dialogs.Messages().size(), 1u);
        EXPECT_EQ(m_dialogs.Messages()[0].text, CString::FromUtf8("イメージの読み込みエラー"));
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
};

TEST_F(DrawShapeMarkupTest, TwoClicksFileARectangleWithOneUndoStep) {
    m_document.m_markupKind = kSquareTool;
    Click(Pixel(100, 100));
    Click(Pixel(100, 100));
    EXPECT_NE(m_view.m_pTool, nullptr) << "a second point on the first is refused";
    Click(Pixel(600, 400));
    const std::vector<CRukEntity*> squares = Markups(0x0A);
    ASSERT_EQ(squares.size(), 1u);
    EXPECT_EQ(squares[0]->m_points.GetSize(), 4);
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_F(DrawShapeMarkupTest, FreehandStrokeGrowsWithTheDragAndIsFiledOnRelease) {
    m_document.m_markupKind = kFreehandTool;
    Press(Pixel(100, 100));
    for (const QPoint& at : {Pixel(300, 150), Pixel(500, 400), Pixel(700, 200)})
        Move(at);
    ASSERT_NE(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_pTool->m_points.GetSize(), 4) << "the press and three moves";
    Release(Pixel(700, 200));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    const std::vector<CRukEntity*> strokes = Markups(0x13);
    ASSERT_EQ(strokes.size(), 1u);
    ASSERT_EQ(strokes[0]->GetCount(), 1);
    POSITION position = strokes[0]->GetHeadPosition();
    EXPECT_EQ(strokes[0]->GetNext(position)->GetKind(), kKindSpline);
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_F(DrawShapeMarkupTest, MendedFreehandClickWithoutADragFilesNothing) {
    m_document.m_markupKind = kFreehandTool;
    Click(Pixel(100, 100));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_TRUE(Markups(0x13).empty());
    EXPECT_TRUE(m_document.m_drawOrder.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
}

TEST_F(DrawShapeMarkupTest, ImageToolAsksForThePictureAndTheNextClickPlacesIt) {
    // The drawing is 100 units high: the picture is placed 6.25 units high.
    m_document.m_unit = 10;
    m_document.m_markupKind = kImageTool;
    const QString path = Picture();
    PickRecentImage();
    Click(Pixel(100, 100));
    ASSERT_NE(m_view.m_pTool, nullptr);
    const auto* image = dynamic_cast<const CRukRedImage*>(m_view.m_pTool.get());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->m_imagePath.ToFilePath(), path);
    EXPECT_EQ(image->m_imageWidth, 200);
    EXPECT_EQ(image->m_imageHeight, 100);
    EXPECT_DOUBLE_EQ(image->m_placeHeight, 100 * 0.0625);
    EXPECT_EQ(image->m_placeUnit, 10);
    EXPECT_EQ(CProfile::GetProfilePath("RIMAGE", "PATH").ToFilePath(), m_folder.path() + "/");

    Click(Pixel(200, 200));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    const std::vector<CRukEntity*> images = Markups(0x15);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0]->GetCount(), 2) << "the picture and its border";
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_TRUE(Markups(0x15).empty());
    ASSERT_EQ(m_document.m_undo.Redo(), 1);
    ASSERT_EQ(Markups(0x15).size(), 1u);
    EXPECT_EQ(Markups(0x15)[0]->GetCount(), 2);
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

TEST_F(DrawShapeMarkupTest, MendedAPictureWithARefusedStyleIsReportedOnce) {
    // The image tool of the palette takes its first picture; the drawing is
    // read-only here, so the question is answered first.
    Picture();
    m_dialogs.Answer(IDYES);
    PickRecentImage();
    m_document.m_markupKind = kImageTool;
    m_view.BeginRedlineTool(kImageTool);
    auto* palette = dynamic_cast<CRedlineDlg*>(CRedlinePalette::Current());
    ASSERT_NE(palette, nullptr);
    ASSERT_NE(m_view.m_pTool, nullptr);
    // A right click takes the picture back; the tool stays for the next.
    Send(QEvent::MouseButtonPress, Qt::RightButton, Pixel(100, 100));
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Pixel(100, 100));
    ASSERT_EQ(m_view.m_pTool, nullptr);
    ASSERT_EQ(m_view.m_toolMode, CZumeoView::kToolRedline);
    palette->TabCtrl()
        ->ShapePage()
        ->findChild<QComboBox*>(QStringLiteral("id_1045"))
        ->setEditText(QStringLiteral("2.12"));
    const std::size_t before = m_dialogs.Messages().size();
    PickRecentImage();
    Click(Pixel(100, 100));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    ASSERT_EQ(m_dialogs.Messages().size(), before + 1);
    EXPECT_EQ(m_dialogs.Messages().back().text,
              CString::FromUtf8("範囲外の線幅です。0.00～2.11の範囲を入力してください。"));
    m_view.CloseRedlinePalette();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(DrawShapeMarkupTest, CancelledImageDialogEndsTheTool) {
    m_document.m_markupKind = kImageTool;
    EXPECT_EQ(m_view.InsertImage(), FALSE);
    EXPECT_EQ(m_dialogs.DialogsShown(), 1);
    Click(Pixel(100, 100));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
}

TEST_F(DrawShapeMarkupTest, PictureThatDoesNotLoadIsRefusedWithAMessage) {
    ExpectPictureRefused(QStringLiteral("broken.bmp"), QByteArrayLiteral("not a bitmap"));
}

TEST_F(DrawShapeMarkupTest, MendedPictureWithoutHeightIsRefusedWithAMessage) {
    // A bitmap header of 200 x 0 pixels: nothing to scale the placement by.
    Bytes header;
    header.Byte('B').Byte('M').Long(54).Long(0).Long(54);
    header.Long(40).Long(200).Long(0).Word(1).Word(24).Long(0).Long(0).Long(0).Long(0).Long(0);
    header.Long(0);
    ExpectPictureRefused(QStringLiteral("flat.bmp"),
                         QByteArray(reinterpret_cast<const char*>(header.Get().data()),
                                    static_cast<qsizetype>(header.Get().size())));
}

TEST_F(DrawShapeMarkupTest, MendedPictureGoneBeforeTheClickIsNotFiled) {
    m_document.m_unit = 10;
    m_document.m_markupKind = kImageTool;
    const QString path = Picture();
    PickRecentImage();
    ASSERT_EQ(m_view.InsertImage(), TRUE);
    ASSERT_TRUE(QFile::remove(path));
    Click(Pixel(200, 200));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_TRUE(Markups(0x15).empty());
    EXPECT_TRUE(m_document.m_drawOrder.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
    ASSERT_FALSE(m_dialogs.Messages().empty());
    EXPECT_EQ(m_dialogs.Messages().back().text, CString::FromUtf8("読み込みエラー"));
}

} // namespace
