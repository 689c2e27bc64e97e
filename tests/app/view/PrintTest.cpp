// Printing the view's drawing to a PDF file, looked at as pdftoppm renders it.
#include "ViewFixture.h"
#include "app/CPrintHeader.h"
#include "platform/gdi/CRecordingDC.h"
#include "tests/support/PdfPages.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <functional>
#include <ostream>

namespace {

// Pages are rendered at 127 dpi: 5 pixels to the millimetre.
constexpr int kRenderDpi = 127;
constexpr double kPixelsPerMm = 5.0;
constexpr double kSheetWidthMm = 210.0;
constexpr double kSheetHeightMm = 297.0;
// How far a printed edge may lie from where it belongs: the width of a
// hairline and the rounding of two resolutions.
constexpr double kToleranceMm = 0.6;

// The box of the pixels of one colour; empty for none.
QRect BoundsOf(const QImage& page, QColor colour) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (QColor(page.pixel(x, y)) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

double Mm(int pixels) {
    return pixels / kPixelsPerMm;
}

class PrintTest : public ViewFixture {
protected:
    PrintTest() {
        m_view.ZoomFit(1);
        SetMargins(15, 15, 15, 15);
        m_settings.m_printColorMode = 1;
        m_settings.m_printRange = 1;
    }

    void SetMargins(int left, int top, int right, int bottom) {
        m_settings.m_printMarginLeft = left;
        m_settings.m_printMarginTop = top;
        m_settings.m_printMarginRight = right;
        m_settings.m_printMarginBottom = bottom;
    }

    QString PdfPath() const { return m_folder.filePath(QStringLiteral("page.pdf")); }

    // A4 upright at 300 dpi; the printable area starts 10 mm from the left
    // and 8 mm from the top of the sheet.
    void SetUpPdf(QPrinter& printer) const {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfPath());
        printer.setResolution(300);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 8, 10, 8), QPageLayout::Millimeter));
    }

    QImage Print() {
        {
            QPrinter printer(QPrinter::HighResolution);
            SetUpPdf(printer);
            EXPECT_TRUE(m_view.PrintPage(printer));
        }
        return Rendered();
    }

    QImage Rendered() const {
        QImage page = RenderPdfPage(PdfPath(), kRenderDpi);
        EXPECT_FALSE(page.isNull());
        return page;
    }

    TempProfile m_profile;
    QTemporaryDir m_folder;
};

TEST(PrintUnitsTest, MillimetresBecomePrinterPixelsCutTowardZero) {
    EXPECT_EQ(CPrintHeader::MillimetresToPixels(15, 600), 354);
    EXPECT_EQ(CPrintHeader::MillimetresToPixels(15, 300), 177);
    EXPECT_EQ(CPrintHeader::MillimetresToPixels(5.0, 300), 59);
    EXPECT_EQ(CPrintHeader::MillimetresToPixels(0, 600), 0);
}

// The document's reset leaves every text empty: a page without a text gets
// no header font, colour or background set up.
TEST(PrintHeaderSetUpTest, AnEmptyHeaderLeavesThePrinterContextAlone) {
    CRecordingDC dc;
    CPrintHeader header;
    header.Print(&dc);
    EXPECT_TRUE(dc.Calls().empty());
    header.m_texts[CPrintHeader::kBottomCentre] = "Zumeo";
    header.Print(&dc);
    EXPECT_FALSE(dc.Calls().empty());
}

struct MarginCase {
    const char* name;
    int left;
    int top;
    int right;
    int bottom;
};

void PrintTo(const MarginCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintMarginTest : public PrintTest, public testing::WithParamInterface<MarginCase> {};

// Margins count from the sheet's edge, not from the printable area's.
TEST_P(PrintMarginTest, TheWholeDrawingIsCentredInsideTheMargins) {
    const MarginCase& c = GetParam();
    SetMargins(c.left, c.top, c.right, c.bottom);
    const QImage page = Print();
    // The drawing is a square: its side is the smaller inner side.
    const double innerWidth = kSheetWidthMm - c.left - c.right;
    const double innerHeight = kSheetHeightMm - c.top - c.bottom;
    const double side = std::min(innerWidth, innerHeight);
    const double left = c.left + (innerWidth - side) / 2;
    const double top = c.top + (innerHeight - side) / 2;
    const QRect across = BoundsOf(page, Qt::red);
    const QRect up = BoundsOf(page, Qt::blue);
    ASSERT_FALSE(across.isEmpty());
    ASSERT_FALSE(up.isEmpty());
    EXPECT_NEAR(Mm(across.left()), left, kToleranceMm);
    EXPECT_NEAR(Mm(across.right() + 1), left + side, kToleranceMm);
    EXPECT_NEAR(Mm(across.top()), top + side / 2, kToleranceMm);
    EXPECT_NEAR(Mm(up.top()), top, kToleranceMm);
    EXPECT_NEAR(Mm(up.bottom() + 1), top + side, kToleranceMm);
    EXPECT_NEAR(Mm(up.left()), left + side / 2, kToleranceMm);
}

INSTANTIATE_TEST_SUITE_P(Margins, PrintMarginTest,
                         testing::Values(MarginCase{"even_15", 15, 15, 15, 15},
                                         MarginCase{"printer_edges", 10, 8, 10, 8},
                                         MarginCase{"wide_left", 30, 15, 10, 15},
                                         MarginCase{"deep_top", 15, 30, 15, 0}),
                         [](const testing::TestParamInfo<MarginCase>& info) {
                             return std::string(info.param.name);
                         });

struct HeaderCase {
    const char* name;
    int place;
    // Where the text's box must touch, in millimetres from the sheet's
    // top left: its left, centre or right side, and its top or bottom.
    double x;
    double y;
    enum Side { kLeft, kCentre, kRight } horizontal;
    bool top;
};

void PrintTo(const HeaderCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintHeaderTest : public PrintTest, public testing::WithParamInterface<HeaderCase> {};

TEST_P(PrintHeaderTest, EachTextSitsInItsPlaceInItsColourAndEmptyOnesAreLeftOut) {
    const HeaderCase& c = GetParam();
    const QColor colour(0, 160, 0);
    CPrintHeader& header = m_document.m_printHeader;
    header.m_marginLeft = 6;
    header.m_marginTop = 7;
    header.m_marginRight = 8;
    header.m_marginBottom = 9;
    header.m_fontHeight = 5.0;
    header.m_texts[c.place] = "Zumeo";
    header.m_colors[c.place] = RGB(colour.red(), colour.green(), colour.blue());
    const QImage page = Print();
    const QRect text = BoundsOf(page, colour);
    ASSERT_FALSE(text.isEmpty());
    // The glyphs stand a little inside their cell: the letters' side
    // bearings, and the space above capitals and below the baseline.
    constexpr double kCellSlackMm = 1.6;
    switch (c.horizontal) {
    case HeaderCase::kLeft:
        EXPECT_NEAR(Mm(text.left()), c.x, kCellSlackMm);
        EXPECT_GE(Mm(text.left()), c.x - kToleranceMm);
        break;
    case HeaderCase::kCentre:
        EXPECT_NEAR(Mm(text.left() + text.right() + 1) / 2, c.x, kToleranceMm * 2);
        break;
    case HeaderCase::kRight:
        EXPECT_NEAR(Mm(text.right() + 1), c.x, kCellSlackMm);
        EXPECT_LE(Mm(text.right() + 1), c.x + kToleranceMm);
        break;
    }
    if (c.top) {
        EXPECT_GE(Mm(text.top()), c.y - kToleranceMm);
        EXPECT_LE(Mm(text.top()), c.y + kCellSlackMm);
    } else {
        EXPECT_LE(Mm(text.bottom() + 1), c.y + kToleranceMm);
        EXPECT_GE(Mm(text.bottom() + 1), c.y - kCellSlackMm);
    }
    // About 5 mm high: capitals are most of the cell.
    EXPECT_GT(Mm(text.height()), 2.5);
    EXPECT_LT(Mm(text.height()), 5.0);
    // The drawing is still printed, and nothing else in the text's colour.
    EXPECT_FALSE(BoundsOf(page, Qt::red).isEmpty());
    EXPECT_LT(Mm(text.width()), 30.0);
}

INSTANTIATE_TEST_SUITE_P(
    Places, PrintHeaderTest,
    testing::Values(
        HeaderCase{"top_left", CPrintHeader::kTopLeft, 6, 7, HeaderCase::kLeft, true},
        HeaderCase{"top_centre", CPrintHeader::kTopCentre, 105, 7, HeaderCase::kCentre, true},
        HeaderCase{"top_right", CPrintHeader::kTopRight, 202, 7, HeaderCase::kRight, true},
        HeaderCase{"bottom_left", CPrintHeader::kBottomLeft, 6, 288, HeaderCase::kLeft, false},
        HeaderCase{"bottom_centre", CPrintHeader::kBottomCentre, 105, 288, HeaderCase::kCentre,
                   false},
        HeaderCase{"bottom_right", CPrintHeader::kBottomRight, 202, 288, HeaderCase::kRight,
                   false}),
    [](const testing::TestParamInfo<HeaderCase>& info) { return std::string(info.param.name); });

struct ColourModeCase {
    const char* name;
    int mode;
    bool drawingInColour;
    bool redlineInColour;
};

void PrintTo(const ColourModeCase& c, std::ostream* os) {
    *os << c.name;
}

class PrintColourModeTest : public PrintTest, public testing::WithParamInterface<ColourModeCase> {};

TEST_P(PrintColourModeTest, TheColourModeDecidesWhatPrintsBlack) {
    const ColourModeCase& c = GetParam();
    Redline("marks", kGreen, 100, 900, 900, 900);
    m_settings.m_printColorMode = c.mode;
    // The screen's mode does not count on paper.
    m_settings.m_mono = c.mode == 1 ? 1 : 0;
    const QImage page = Print();
    EXPECT_EQ(!BoundsOf(page, Qt::red).isEmpty(), c.drawingInColour);
    EXPECT_EQ(!BoundsOf(page, Qt::blue).isEmpty(), c.drawingInColour);
    EXPECT_EQ(!BoundsOf(page, Qt::green).isEmpty(), c.redlineInColour);
    EXPECT_EQ(!BoundsOf(page, Qt::black).isEmpty(), !c.drawingInColour || !c.redlineInColour);
}

INSTANTIATE_TEST_SUITE_P(Modes, PrintColourModeTest,
                         testing::Values(ColourModeCase{"monochrome", 0, false, false},
                                         ColourModeCase{"colour", 1, true, true},
                                         ColourModeCase{"drawing_only_black", 2, false, true}),
                         [](const testing::TestParamInfo<ColourModeCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(PrintTest, TheVisibleAreaPrintsWhatTheWindowShowsAndNothingBeyond) {
    Line("corner", kGreen, 0, 0, 100, 100);
    m_document.m_fullExtent = m_document.m_extent;
    m_view.ZoomFit(1);
    EXPECT_FALSE(BoundsOf(Print(), Qt::green).isEmpty()) << "the whole drawing has the corner";
    m_view.ZoomByFactor(0.5);
    m_view.Redraw();
    ASSERT_FALSE(Shows(m_view.Surface(), Qt::green)) << "the window must not show the corner";
    ASSERT_TRUE(Shows(m_view.Surface(), Qt::red));
    m_settings.m_printRange = 0;
    const QImage page = Print();
    EXPECT_TRUE(BoundsOf(page, Qt::green).isEmpty());
    // The square window fills the page's width inside the margins, as the
    // line across it fills the window's.
    const QRect across = BoundsOf(page, Qt::red);
    ASSERT_FALSE(across.isEmpty());
    EXPECT_NEAR(Mm(across.left()), 15.0, 1.0);
    EXPECT_NEAR(Mm(across.right() + 1), 195.0, 1.0);
    EXPECT_NEAR(Mm(across.top()), kSheetHeightMm / 2, 1.0);
}

TEST_F(PrintTest, TheScreenViewIsUnchangedAfterPrinting) {
    m_view.ZoomByFactor(0.7);
    m_view.Redraw();
    const QImage before = m_view.Surface().copy();
    const int windowExtX = m_view.m_windowExtX;
    const int windowExtY = m_view.m_windowExtY;
    const int span = m_document.m_deviceSpanX;
    const CDocExtent extent = m_document.m_extent;
    const double scale = m_document.m_scaleX;
    for (int range : {0, 1}) {
        m_settings.m_printRange = range;
        Print();
        EXPECT_EQ(m_view.m_windowExtX, windowExtX) << range;
        EXPECT_EQ(m_view.m_windowExtY, windowExtY) << range;
        EXPECT_EQ(m_document.m_deviceSpanX, span) << range;
        EXPECT_EQ(m_document.m_extent.m_maxX, extent.m_maxX) << range;
        EXPECT_EQ(m_document.m_scaleX, scale) << range;
    }
    m_view.Redraw();
    EXPECT_EQ(m_view.Surface(), before);
}

TEST_F(PrintTest, ThePrintCommandPrintsWhereThePrintDialogSays) {
    ScriptedDialogs dialogs;
    dialogs.AnswerDialog([this](QDialog& shown) {
        auto& dialog = dynamic_cast<QPrintDialog&>(shown);
        EXPECT_EQ(dialog.printer()->fromPage(), 1);
        EXPECT_EQ(dialog.maxPage(), 1);
        SetUpPdf(*dialog.printer());
        return int(QDialog::Accepted);
    });
    m_view.OnFilePrint();
    EXPECT_FALSE(BoundsOf(Rendered(), Qt::blue).isEmpty());
}

TEST_F(PrintTest, ACancelledPrintDialogPrintsNothing) {
    ScriptedDialogs dialogs;
    m_view.OnFilePrint();
    EXPECT_EQ(dialogs.DialogsShown(), 1);
    EXPECT_FALSE(QFileInfo::exists(PdfPath()));
}

TEST_F(PrintTest, PreviewPaintsThePageItShows) {
    ScriptedDialogs dialogs;
    int pages = -1;
    dialogs.AnswerDialog([&pages](QDialog& shown) {
        auto* preview = shown.findChild<QPrintPreviewWidget*>();
        if (!dynamic_cast<QPrintPreviewDialog*>(&shown) || !preview)
            return int(QDialog::Rejected);
        preview->updatePreview();
        pages = preview->pageCount();
        return int(QDialog::Rejected);
    });
    m_view.OnFilePrintPreview();
    EXPECT_EQ(pages, 1);
}

} // namespace
