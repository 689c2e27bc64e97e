#include "ViewFixture.h"

#include "app/CImageExporter.h"
#include "controls/CFileDialogSaveImage.h"
#include "image/CRasterImage.h"
#include "platform/gdi/CDibImage.h"
#include "platform/mfc/CFile.h"
#include "platform/win/GlobalMemory.h"
#include "platform/win/PathFunctions.h"
#include "tests/support/ScriptedDialogs.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>

#include <algorithm>
#include <ostream>
#include <utility>

namespace {

using Format = CImageExporter::Format;

// The image file read back by the program's own codecs, as a picture.
QImage ReadBack(const CString& path) {
    CRasterImage image;
    CFile file;
    if (!file.Open(path.c_str(), CFile::modeRead))
        return QImage();
    if (!image.LoadFile(file, 1))
        return QImage();
    const auto* packed = static_cast<const BYTE*>(GlobalLock(image.GetHandle()));
    QImage picture = CDibImage::ToImage(packed, GlobalSize(image.GetHandle()));
    GlobalUnlock(image.GetHandle());
    return picture;
}

// The columns of the picture that hold anything but white.
std::pair<int, int> InkColumns(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).lightness() < 200) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

struct FitCase {
    const char* name;
    SIZE source;
    SIZE output;
    SIZE picture;
};

void PrintTo(const FitCase& c, std::ostream* os) {
    *os << c.name;
}

class FitPictureTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitPictureTest, PictureKeepsTheSourcesShape) {
    const SIZE fitted = CImageExporter::FitPicture(GetParam().source, GetParam().output);
    EXPECT_EQ(fitted.cx, GetParam().picture.cx);
    EXPECT_EQ(fitted.cy, GetParam().picture.cy);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitPictureTest,
    ::testing::Values(
        FitCase{"TwiceAsWide", {2000, 1000}, {1024, 768}, {1024, 512}},
        FitCase{"TwiceAsHigh", {1000, 2000}, {1024, 768}, {384, 768}},
        FitCase{"ViewSpaceRunsUpwards", {2000, -1000}, {1024, 768}, {1024, 512}},
        FitCase{"SameShape", {400, 300}, {1024, 768}, {1024, 768}},
        // Mended: an extreme aspect ratio keeps one pixel instead of none.
        FitCase{"FlatStripKeepsOnePixel_Mended", {2000000000, 1}, {100, 100}, {100, 1}},
        FitCase{"ThinPoleKeepsOnePixel_Mended", {1, 2000000000}, {100, 100}, {1, 100}},
        FitCase{"EmptySourceFillsTheOutput", {0, 0}, {64, 48}, {64, 48}}),
    [](const ::testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

class ImageExportTest : public ViewFixture {
protected:
    ImageExportTest() { m_view.ZoomFit(1); }

    CString PathOf(const char* name) const {
        return CString::FromFilePath(m_folder.path()) + "/" + name;
    }

    QTemporaryDir m_folder;
    ScriptedDialogs m_dialogs;
};

struct FormatCase {
    const char* name;
    int filter;
    const char* file;
    // Lossless formats keep the lines' exact colours.
    bool exact;
};

void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class ImageExportFormatTest : public ImageExportTest,
                              public ::testing::WithParamInterface<FormatCase> {};

TEST_P(ImageExportFormatTest, WholeDrawingReadsBackCentredOnWhite) {
    const CString path = PathOf(GetParam().file);
    CImageExportOptions options;
    options.m_width = 300;
    options.m_height = 200;
    ASSERT_TRUE(m_view.ExportImage(path, GetParam().filter, options));
    EXPECT_TRUE(m_dialogs.Messages().empty());

    const QImage picture = ReadBack(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 300);
    EXPECT_EQ(picture.height(), 200);
    if (GetParam().exact) {
        EXPECT_TRUE(Shows(picture, Qt::red));
        EXPECT_TRUE(Shows(picture, Qt::blue));
    }
    // The square drawing is 200 pixels wide in the middle of 300: the
    // margins left and right stay white.
    const auto [first, last] = InkColumns(picture);
    EXPECT_GE(first, 50 - 2);
    EXPECT_LE(last, 250 + 2);
    EXPECT_LT(first, 70);
    EXPECT_GT(last, 230);
}

INSTANTIATE_TEST_SUITE_P(Formats, ImageExportFormatTest,
                         ::testing::Values(FormatCase{"Bmp", 1, "plan.bmp", true},
                                           FormatCase{"Tiff", 2, "plan.tif", true},
                                           FormatCase{"Jpeg", 3, "plan.jpg", false}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ImageExportTest, VisiblePartAtTheWindowSizeIgnoresThePanelsSize) {
    m_view.resize(240, 120);
    m_view.ZoomFit(1);
    CImageExportOptions options;
    options.m_range = CImageExportOptions::kVisible;
    options.m_useWindowSize = 1;
    options.m_width = 50;
    options.m_height = 50;
    const CString path = PathOf("visible.bmp");
    ASSERT_TRUE(m_view.ExportImage(path, 1, options));
    const QImage picture = ReadBack(path);
    EXPECT_EQ(picture.width(), 240);
    EXPECT_EQ(picture.height(), 120);
}

// Mended: a file that cannot be written is reported, never taken for done.
TEST_F(ImageExportTest, FailedWriteIsReported_Mended) {
    for (int filter : {1, 2, 3}) {
        const CString path = PathOf("missing/plan.img");
        EXPECT_FALSE(m_view.ExportImage(path, filter, CImageExportOptions{})) << filter;
    }
    ASSERT_EQ(m_dialogs.Messages().size(), 3u);
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(), QStringLiteral("イメージの出力エラー"));
    EXPECT_EQ(m_dialogs.Messages()[0].type & MB_ICONMASK, UINT{MB_ICONEXCLAMATION});
}

TEST_F(ImageExportTest, NoMetafileIsAnExportError) {
    EXPECT_FALSE(CImageExporter::Export(nullptr, SIZE{10, 10}, SIZE{10, 10},
                                        CImageExporter::Format::Bmp, PathOf("none.bmp")));
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_FALSE(FileExists(PathOf("none.bmp")));
}

// The save dialog keeps itself open while a size is out of range, and the
// export follows the type and the size it was closed with.
TEST_F(ImageExportTest, CommandAsksThenWritesTheChosenFile) {
    const CString path = PathOf("export.jpg");
    bool stayedOpen = false;
    m_dialogs.AnswerDialog([&](QDialog& dialog) {
        auto& save = dynamic_cast<CFileDialogSaveImage&>(dialog);
        EXPECT_EQ(save.nameFilters(), CFileDialogSaveImage::Filters());
        save.selectNameFilter(CFileDialogSaveImage::Filters()[2]);
        save.selectFile(path.ToFilePath());
        auto* width = save.findChild<QLineEdit*>(QStringLiteral("id_1127"));
        auto* height = save.findChild<QLineEdit*>(QStringLiteral("id_1128"));
        EXPECT_TRUE(width && height);
        if (!width || !height)
            return 0;
        width->setText(QStringLiteral("2401"));
        save.accept();
        stayedOpen = save.result() != QDialog::Accepted;
        width->setText(QStringLiteral("120"));
        height->setText(QStringLiteral("60"));
        save.accept();
        return save.result();
    });
    m_view.OnImageExport();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    const QImage picture = ReadBack(path);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 120);
    EXPECT_EQ(picture.height(), 60);
}

// Mended: the proposed name is the drawing's name without its extension,
// also after a name whose last byte looks like a CP932 lead byte.
TEST_F(ImageExportTest, ProposedNameIsTheDrawingsStem_Mended) {
    m_document.SetPathName(PathOf("\xE7\x85\xA7\xE6\x98\x8E.dxf")); // 照明.dxf
    QString proposed;
    m_dialogs.AnswerDialog([&](QDialog& dialog) {
        const auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        EXPECT_NE(name, nullptr);
        proposed = name ? name->text() : QString();
        return 0;
    });
    m_view.OnImageExport();
    EXPECT_EQ(proposed, QStringLiteral("照明"));
}

TEST_F(ImageExportTest, CancelledDialogWritesNothing) {
    m_view.OnImageExport();
    EXPECT_EQ(m_dialogs.DialogsShown(), 1);
    EXPECT_TRUE(QDir(m_folder.path()).isEmpty());
}

TEST(ImageExportOptionsTest, PanelEnablesWhatCounts) {
    CImageExportOptions options;
    CImageExportOptionsDlg panel(options);
    auto* width = panel.findChild<QLineEdit*>(QStringLiteral("id_1127"));
    auto* check = panel.findChild<QWidget*>(QStringLiteral("id_1132"));
    auto* visible = panel.findChild<QAbstractButton*>(QStringLiteral("id_1131"));
    ASSERT_TRUE(width && check && visible);
    EXPECT_TRUE(width->isEnabled());
    EXPECT_FALSE(check->isEnabled());
    visible->click();
    EXPECT_TRUE(check->isEnabled());
    EXPECT_FALSE(width->isEnabled());
    static_cast<QAbstractButton*>(check)->click();
    EXPECT_TRUE(width->isEnabled());
}

} // namespace
