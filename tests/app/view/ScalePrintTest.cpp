// Scale printing from the view: the dialog over the open drawing prints one
// page to a PDF file at the chosen scale.
#include "ViewFixture.h"
#include "tests/support/PdfPages.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CScalePrintDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// Pages are rendered at 254 dpi: 10 pixels to the millimetre.
constexpr int kRenderDpi = 254;
constexpr double kPixelsPerMm = 10.0;

// The box of every pixel that is not white.
QRect InkBounds(const QImage& page) {
    QRect bounds;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (QColor(page.pixel(x, y)) != QColor(Qt::white))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
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

    // Runs the scale print with the numerator and denominator typed in,
    // and the print dialog's printer writing the PDF file.
    void PrintAt(const char* numerator, const char* denominator,
                 const QString& output = QString()) {
        m_dialogs.AnswerDialog([&](QDialog& shown) {
            auto& dialog = dynamic_cast<CScalePrintDlg&>(shown);
            dialog.findChild<QLineEdit*>("id_1048")->setText(numerator);
            dialog.findChild<QLineEdit*>("id_1049")->setText(denominator);
            dialog.findChild<QCheckBox*>("id_1050")->setChecked(false);
            // The placement centre is the drawing's origin.
            dialog.Preview().m_centreX = 0.0;
            dialog.Preview().m_centreY = 0.0;
            dialog.OnPrint();
            return int(QDialog::Rejected);
        });
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

TEST_F(ScalePrintTest, AFiftiethPrintsTwentyMillimetres) {
    PrintAt("2", "100");
    const QRect ink = InkBounds(RenderPdfPage(PdfPath(), kRenderDpi));
    EXPECT_NEAR(ink.width() / kPixelsPerMm, 20.0, 0.3);
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
