// Scale printing from the view: the dialog over the open drawing prints one
// page to a PDF file at the chosen scale.
#include "ViewFixture.h"
#include "app/CPrintHeader.h"
#include "tests/support/PdfPages.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CScalePrintDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <cstdlib>
#include <ostream>
#include <string>

namespace {

// Pages are rendered at 254 dpi: 10 pixels to the millimetre.
constexpr int kRenderDpi = 254;
constexpr double kPixelsPerMm = 10.0;

// The box of every pixel that is not white, away from the sheet's centre
// when asked.
QRect InkBounds(const QImage& page, bool awayFromCentre = false) {
    QRect bounds;
    const QPoint centre(page.width() / 2, page.height() / 2);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (QColor(page.pixel(x, y)) != QColor(Qt::white) &&
                (!awayFromCentre || std::abs(y - centre.y()) > 200))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A4 in millimetres; the PDF file has no unprintable margins.
constexpr double kSheetWidthMm = 210.0;
constexpr double kSheetHeightMm = 297.0;
// The glyphs stand a little inside their 5 mm cell.
constexpr double kCellSlackMm = 1.6;

struct CornerCase {
    const char* name;
    int position;
    bool right;
    bool bottom;
};

void PrintTo(const CornerCase& c, std::ostream* os) {
    *os << c.name;
}

// Checks that the text box runs from the corner into the sheet.
void ExpectInCorner(const QRect& text, bool right, bool bottom) {
    ASSERT_FALSE(text.isEmpty());
    const double left = text.left() / kPixelsPerMm;
    const double rightEdge = (text.right() + 1) / kPixelsPerMm;
    const double top = text.top() / kPixelsPerMm;
    const double bottomEdge = (text.bottom() + 1) / kPixelsPerMm;
    if (right) {
        EXPECT_LE(rightEdge, kSheetWidthMm + 0.2);
        EXPECT_GE(rightEdge, kSheetWidthMm - kCellSlackMm);
    } else {
        EXPECT_GE(left, -0.2);
        EXPECT_LE(left, kCellSlackMm);
    }
    if (bottom) {
        EXPECT_LE(bottomEdge, kSheetHeightMm + 0.2);
        EXPECT_GE(bottomEdge, kSheetHeightMm - kCellSlackMm);
    } else {
        EXPECT_GE(top, -0.2);
        EXPECT_LE(top, kCellSlackMm);
    }
    // Characters of 5 mm.
    EXPECT_GT(text.height() / kPixelsPerMm, 2.5);
    EXPECT_LT(text.height() / kPixelsPerMm, 5.5);
}

class ScalePrintTest : public ViewFixture {
protected:
    ScalePrintTest() {
        m_settings.m_printColorMode = 1;
        // A line of 1000 drawing millimetres across the drawing's origin.
        Line("long", kGreen, -500000, 0, 500000, 0);
        m_view.ZoomFit(1);
    }

    QString PdfPath() const { return m_folder.filePath(QStringLiteral("scaled.pdf")); }

    // The scale-print dialog, when it opens, takes the numerator and
    // denominator typed in and the label and orientation chosen, and prints.
    void PrintFromTheDialog(const char* numerator, const char* denominator, int labelPosition = -1,
                            bool landscape = false) {
        m_dialogs.AnswerDialog([=](QDialog& shown) {
            auto& dialog = dynamic_cast<CScalePrintDlg&>(shown);
            dialog.findChild<QLineEdit*>("id_1048")->setText(numerator);
            dialog.findChild<QLineEdit*>("id_1049")->setText(denominator);
            dialog.findChild<QCheckBox*>("id_1050")->setChecked(labelPosition >= 0);
            if (labelPosition >= 0)
                dialog.findChild<QComboBox*>("id_1046")->setCurrentIndex(labelPosition);
            if (landscape) {
                dialog.findChild<QComboBox*>("id_1044")->setCurrentIndex(1);
                dialog.OnOrientationChanged();
            }
            // The placement centre is the drawing's origin.
            dialog.Preview().m_centreX = 0.0;
            dialog.Preview().m_centreY = 0.0;
            dialog.OnPrint();
            return int(QDialog::Rejected);
        });
    }

    // Runs the scale print with the numerator and denominator typed in,
    // and the print dialog's printer writing the PDF file.
    void PrintAt(const char* numerator, const char* denominator, const QString& output = QString(),
                 int labelPosition = -1, bool landscape = false) {
        PrintFromTheDialog(numerator, denominator, labelPosition, landscape);
        m_dialogs.AnswerDialog([&](QDialog& shown) {
            auto& dialog = dynamic_cast<QPrintDialog&>(shown);
            dialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog.printer()->setOutputFileName(output.isEmpty() ? PdfPath() : output);
            return int(QDialog::Accepted);
        });
        m_view.DoScalePrint(nullptr, 1.0, 1.0);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_folder;
};

TEST_F(ScalePrintTest, AThousandMillimetresAtOneHundredthPrintTenMillimetres) {
    PrintAt("1", "100");
    ASSERT_EQ(m_dialogs.DialogsShown(), 2);
    const QImage page = RenderPdfPage(PdfPath(), kRenderDpi);
    ASSERT_FALSE(page.isNull());
    const QRect ink = InkBounds(page);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.width() / kPixelsPerMm, 10.0, 0.3);
    // The placement centre sits at the centre of the A4 sheet.
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0 / kPixelsPerMm, 105.0, 0.5);
    EXPECT_NEAR(ink.top() / kPixelsPerMm, 148.5, 0.5);
}

// Where the system has no printer, the print dialog offers the PDF file
// beside the drawing, as plain printing does: accepted as it opens, it
// writes the page there.
TEST_F(ScalePrintTest, WithoutAPrinterThePageGoesToAPdfBesideTheDrawing) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "a printer is installed";
    m_document.SetPathName(CString::FromFilePath(m_folder.filePath(QStringLiteral("plan.zmd"))));
    PrintFromTheDialog("1", "100");
    m_dialogs.AnswerDialog([](QDialog& shown) {
        shown.show();
        shown.accept();
        return shown.result();
    });
    m_view.DoScalePrint(nullptr, 1.0, 1.0);
    EXPECT_TRUE(m_dialogs.Messages().empty());
    const QImage page = RenderPdfPage(m_folder.filePath(QStringLiteral("plan.pdf")), kRenderDpi);
    ASSERT_FALSE(page.isNull());
    EXPECT_NEAR(InkBounds(page).width() / kPixelsPerMm, 10.0, 0.3);
}

TEST_F(ScalePrintTest, ALandscapeSheetPutsThePlacementAtItsOwnCentre) {
    PrintAt("1", "100", QString(), -1, true);
    const QImage page = RenderPdfPage(PdfPath(), kRenderDpi);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), page.height());
    const QRect ink = InkBounds(page);
    EXPECT_NEAR(ink.width() / kPixelsPerMm, 10.0, 0.3);
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0 / kPixelsPerMm, 148.5, 0.5);
    EXPECT_NEAR(ink.top() / kPixelsPerMm, 105.0, 0.5);
}

TEST_F(ScalePrintTest, AFiftiethPrintsTwentyMillimetres) {
    PrintAt("2", "100");
    const QRect ink = InkBounds(RenderPdfPage(PdfPath(), kRenderDpi));
    EXPECT_NEAR(ink.width() / kPixelsPerMm, 20.0, 0.3);
}

class ScaleLabelTest : public ScalePrintTest, public ::testing::WithParamInterface<CornerCase> {};

// The label stays in its corner of the printable area whatever the drag.
TEST_P(ScaleLabelTest, SitsInItsCornerAndRunsIntoTheSheet) {
    const CornerCase& c = GetParam();
    PrintAt("1", "100", QString(), c.position);
    const QImage page = RenderPdfPage(PdfPath(), kRenderDpi);
    ASSERT_FALSE(page.isNull());
    ExpectInCorner(InkBounds(page, true), c.right, c.bottom);
}

INSTANTIATE_TEST_SUITE_P(Corners, ScaleLabelTest,
                         ::testing::Values(CornerCase{"TopLeft", 0, false, false},
                                           CornerCase{"TopRight", 1, true, false},
                                           CornerCase{"BottomLeft", 2, false, true},
                                           CornerCase{"BottomRight", 3, true, true}),
                         [](const ::testing::TestParamInfo<CornerCase>& info) {
                             return std::string(info.param.name);
                         });

// The document's page texts print inside the printer's margins; empty ones
// print nothing.
TEST_F(ScalePrintTest, AMarginTextPrintsInItsCornerInItsColour) {
    const QColor colour(0, 160, 0);
    m_document.m_printHeader.m_texts[CPrintHeader::kBottomRight] = "Zumeo";
    m_document.m_printHeader.m_colors[CPrintHeader::kBottomRight] =
        RGB(colour.red(), colour.green(), colour.blue());
    PrintAt("1", "100");
    const QImage page = RenderPdfPage(PdfPath(), kRenderDpi);
    QRect text;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (QColor(page.pixel(x, y)) == colour)
                text |= QRect(x, y, 1, 1);
    ExpectInCorner(text, true, true);
    EXPECT_EQ(InkBounds(page, true), text);
}

// A fitted view is placed by the centre of the whole drawing.
TEST_F(ScalePrintTest, AFittedViewStartsAtTheDrawingsCentre) {
    m_document.m_fullExtent = m_document.m_extent;
    const CDocExtent& extent = m_document.m_extent;
    DPOINT placed{-1.0, -1.0};
    m_dialogs.AnswerDialog([&](QDialog& shown) {
        auto& dialog = dynamic_cast<CScalePrintDlg&>(shown);
        placed = DPOINT{dialog.Preview().m_centreX, dialog.Preview().m_centreY};
        return int(QDialog::Rejected);
    });
    m_view.DoScalePrint(nullptr, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(placed.x, (extent.m_minX + extent.m_maxX) / 2000.0);
    EXPECT_DOUBLE_EQ(placed.y, (extent.m_minY + extent.m_maxY) / 2000.0);
}

// Without a printer the setup keeps the orientation for later printing.
TEST_F(ScalePrintTest, PrinterSetupKeepsTheOrientation) {
    m_dialogs.AnswerDialog([](QDialog& shown) {
        auto& setup = dynamic_cast<QPageSetupDialog&>(shown);
        setup.printer()->setPageOrientation(QPageLayout::Landscape);
        return int(QDialog::Accepted);
    });
    m_view.OnPrinterSetup();
    EXPECT_EQ(m_settings.m_printLandscape, 1);
    m_view.OnPrinterSetup();
    EXPECT_EQ(m_settings.m_printLandscape, 1);
}

TEST_F(ScalePrintTest, MendedAPrintThatCannotStartIsReported) {
    PrintAt("1", "100", m_folder.filePath(QStringLiteral("missing/scaled.pdf")));
    ASSERT_EQ(m_dialogs.Messages().size(), 1U);
    EXPECT_EQ(m_dialogs.Messages()[0].text, CString::FromUtf8("印刷を開始できませんでした。"));
}

TEST_F(ScalePrintTest, ACancelledPrintDialogPrintsNothing) {
    m_dialogs.AnswerDialog([](QDialog& shown) {
        dynamic_cast<CScalePrintDlg&>(shown).OnPrint();
        return int(QDialog::Rejected);
    });
    m_view.DoScalePrint(nullptr, 1.0, 1.0);
    EXPECT_EQ(m_dialogs.DialogsShown(), 2);
    EXPECT_FALSE(QFileInfo::exists(PdfPath()));
}

} // namespace
