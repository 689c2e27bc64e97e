// Pictures opened as drawings, looked at where the user sees them: a
// picture with a mark in one corner and four quarters of their own
// colours, written as other programs write BMP, JPEG and TIFF files, shows
// the right way up on the view, on the printed page and in the clipboard's
// copy, and a markup saved
// over its marked corner comes back over that corner.
#include "ImportedViewFixture.h"

#include "entities/CRukIFrame.h"
#include "markups/CRukRedSquare.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/support/PdfPages.h"
#include "tests/support/UprightPicture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPrinter>

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr COLORREF kMagenta = RGB(255, 0, 255);

struct FormatCase {
    const char* name;
    const char* file;
    upright::Format format;
};

void PrintTo(const FormatCase& c, std::ostream* out) {
    *out << c.name;
}

// The box of the pixels of that colour.
QRect BoxOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

class PictureDrawing : public ImportedViewFixture<FormatCase> {
protected:
    PictureDrawing() : ImportedViewFixture(220, 180) {}

    // The picture written under that name and opened as the drawing.
    CString OpenPicture(const char* name, upright::Format format) {
        const QString path = m_folder.filePath(QString::fromUtf8(name));
        EXPECT_TRUE(upright::Write(upright::Picture(80, 60), path, format));
        const CString drawing = CString::FromFilePath(path);
        EXPECT_EQ(m_document.OpenRaster(drawing), 1);
        return drawing;
    }

    QImage Shown() {
        m_view.ZoomFit(m_settings.m_useSheetExtent);
        m_view.Redraw();
        return m_view.Surface().convertToFormat(QImage::Format_RGB32);
    }
};

class PictureFormat : public PictureDrawing {};

TEST_P(PictureFormat, OpensUprightOnTheView) {
    OpenPicture(GetParam().file, GetParam().format);
    const QImage shown = Shown();
    EXPECT_EQ(upright::Seen(shown, upright::InkBox(shown, kWhite)), "upright");
}

INSTANTIATE_TEST_SUITE_P(Files, PictureFormat,
                         ::testing::Values(FormatCase{"Bmp", "picture.bmp", upright::Format::Bmp},
                                           FormatCase{"Jpeg", "picture.jpg", upright::Format::Jpeg},
                                           FormatCase{"Tiff", "picture.tif", upright::Format::Tiff},
                                           FormatCase{"TiffWithAColourTable", "picture.tiff",
                                                      upright::Format::PaletteTiff}),
                         [](const ::testing::TestParamInfo<FormatCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PictureDrawing, PrintsUprightOnThePage) {
    OpenPicture("picture.bmp", upright::Format::Bmp);
    m_settings.m_printColorMode = 1;
    m_view.ZoomFit(m_settings.m_useSheetExtent);
    const QString pdf = m_folder.filePath(QStringLiteral("page.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setResolution(300);
        ASSERT_TRUE(m_view.PrintPage(printer));
    }
    const QImage page = RenderPdfPage(pdf, 50);
    ASSERT_FALSE(page.isNull());
    EXPECT_EQ(upright::Seen(page, upright::InkBox(page, kWhite)), "upright");
}

// The copy goes through a metafile whose y runs down.
TEST_F(PictureDrawing, CopiesUprightToTheClipboard) {
    OpenPicture("picture.bmp", upright::Format::Bmp);
    m_view.ZoomFit(m_settings.m_useSheetExtent);
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(m_view.CopyToClipboard());
    const QImage picture =
        qvariant_cast<QImage>(QGuiApplication::clipboard()->mimeData()->imageData())
            .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(upright::Seen(picture, upright::InkBox(picture, kWhite)), "upright");
}

// A rectangle drawn around the picture's marked corner and kept in the
// control file is drawn around that corner when the picture opens again.
TEST_F(PictureDrawing, SavedMarkupComesBackOverTheCornerItWasDrawnOn) {
    const CString drawing = OpenPicture("plan.bmp", upright::Format::Bmp);
    {
        const auto* frame = dynamic_cast<const CRukIFrame*>(m_document.m_objects.GetHead());
        ASSERT_NE(frame, nullptr);
        // The mark holds the left fifth of the picture's top fifth.
        const LONG width = frame->m_maxX - frame->m_minX;
        const LONG height = frame->m_maxY - frame->m_minY;
        m_document.m_style.m_redPenColor = kMagenta;
        auto* square = new CRukRedSquare();
        square->OnButtonDown(nullptr, &m_document, frame->m_minX + width / 50,
                             frame->m_maxY - height / 50, nullptr, 0);
        ASSERT_EQ(
            square->AddPoint(frame->m_minX + 9 * width / 50, frame->m_maxY - 9 * height / 50, 0),
            1);
        CRecordingDC dc;
        square->Finish(&m_document, &dc, &m_settings);
        ASSERT_TRUE(m_document.AddFinishedMarkup(square));
        ASSERT_TRUE(m_document.SaveControlFile(m_document.m_controlPath));
    }
    ASSERT_EQ(m_document.OpenRaster(drawing), 1);
    const QImage shown = Shown();
    const QRect markup = BoxOf(shown, qRgb(255, 0, 255));
    ASSERT_FALSE(markup.isEmpty());
    EXPECT_EQ(shown.pixel(markup.center()), upright::kMark);
}

} // namespace
