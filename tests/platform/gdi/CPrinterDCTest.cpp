#include "platform/gdi/CPrinterDC.h"
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CPen.h"
#include "tests/support/PdfPages.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdlib>

namespace {

class CPrinterDCTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_writer = std::make_unique<QPdfWriter>(Path());
        m_writer->setResolution(600);
        m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                            QMarginsF(10, 15, 10, 15), QPageLayout::Millimeter));
    }

    QString Path() const { return m_folder.filePath("page.pdf"); }

    QTemporaryDir m_folder;
    std::unique_ptr<QPdfWriter> m_writer;
};

TEST_F(CPrinterDCTest, ReportsThePrinterAndItsSheet) {
    CPrinterDC dc(*m_writer);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_TRUE(dc.m_bPrinting);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 600);
    // A4 is 210 x 297 mm; the margins are 10 and 15 mm.
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 4961);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), 7016);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 236);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETY), 354);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), m_writer->width());
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 190);
    EXPECT_EQ(dc.GetDeviceCaps(VERTSIZE), 267);
}

TEST_F(CPrinterDCTest, DrawsWithoutRasterOperations) {
    {
        CPrinterDC dc(*m_writer);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt(1000, 1000);
        dc.SetViewportExt(4000, -4000);
        dc.SetViewportOrg(100, 4100);
        CBrush hatch;
        hatch.CreateHatchBrush(HS_CROSS, RGB(255, 0, 0));
        dc.SelectObject(&hatch);
        dc.SetROP2(R2_XORPEN);
        dc.Rectangle(0, 0, 1000, 1000);
        dc.SetROP2(R2_MASKPEN);
        dc.Ellipse(100, 100, 900, 900);
        dc.SetROP2(R2_COPYPEN);
        dc.MoveTo(0, 500);
        dc.LineTo(1000, 500);
        dc.TextOut(10, 990, "Zumeo", 5);
        EXPECT_EQ(dc.GetPixel(10, 10), CLR_INVALID);
    }
    EXPECT_GT(QFileInfo(Path()).size(), 500);
}

TEST_F(CPrinterDCTest, AMaskPrintsAsABlendAndInvertingFeedbackNotAtAll) {
    m_writer->setResolution(300);
    m_writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                        QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    {
        CPrinterDC dc(*m_writer);
        CPen black;
        black.CreatePen(PS_SOLID, 12, RGB(0, 0, 0));
        CPen* oldPen = dc.SelectObject(&black);
        dc.MoveTo(300, 100);
        dc.LineTo(300, 900);
        dc.SelectStockObject(NULL_PEN);
        CBrush yellow;
        yellow.CreateSolidBrush(RGB(255, 255, 0));
        CBrush* oldBrush = dc.SelectObject(&yellow);
        // A translucent fill over the line.
        dc.SetROP2(R2_MASKPEN);
        dc.Rectangle(90, 210, 810, 690);
        // Rubber bands drawn and not yet taken back.
        CBrush red;
        red.CreateSolidBrush(RGB(255, 0, 0));
        dc.SelectObject(&red);
        for (int rop : {R2_XORPEN, R2_NOT, R2_NOTXORPEN}) {
            dc.SetROP2(rop);
            dc.Rectangle(90, 1000, 810, 1300);
        }
        dc.SetROP2(R2_COPYPEN);
        dc.SelectObject(oldBrush);
        dc.SelectObject(oldPen);
    }
    // At 100 dpi a page pixel is three printer pixels.
    const QImage page = RenderPdfPage(Path(), 100);
    ASSERT_FALSE(page.isNull());
    // Half yellow over white, and over the black line.
    const auto near = [](QRgb pixel, int red, int green, int blue) {
        return std::abs(qRed(pixel) - red) <= 2 && std::abs(qGreen(pixel) - green) <= 2 &&
               std::abs(qBlue(pixel) - blue) <= 2;
    };
    EXPECT_TRUE(near(page.pixel(200, 150), 255, 255, 128)) << "the fill is there";
    EXPECT_TRUE(near(page.pixel(100, 150), 128, 128, 0)) << "the line shows through";
    EXPECT_EQ(QColor(page.pixel(100, 50)), QColor(Qt::black)) << "the line outside the fill";
    for (int x = 35; x < 265; x += 10)
        for (int y = 338; y < 430; y += 10)
            ASSERT_EQ(QColor(page.pixel(x, y)), QColor(Qt::white)) << x << "," << y;
}

// Thin lines once went to paper as rows of printer-pixel dots, which the
// print preview scaled down to nothing and which made PDFs large.
TEST_F(CPrinterDCTest, ThinLinesPrintAsLinesThatStayVisibleWhenScaledDown) {
    {
        CPrinterDC dc(*m_writer);
        CPen thin;
        thin.CreatePen(PS_SOLID, 0, RGB(0, 0, 0));
        CPen* oldPen = dc.SelectObject(&thin);
        dc.MoveTo(600, 600);
        dc.LineTo(3000, 600);
        const POINT chain[] = {{600, 1200}, {3000, 1200}, {3000, 2400}};
        dc.Polyline(chain, 3);
        dc.SelectStockObject(NULL_BRUSH);
        dc.Rectangle(600, 3000, 3000, 4200);
        dc.SelectObject(oldPen);
    }
    // As lines the page is a kilobyte or so; as one dot per printer pixel
    // it was over sixty.
    EXPECT_LT(QFileInfo(Path()).size(), 8000) << "the lines went out as dots";
    // At 30 dpi a page pixel is twenty printer pixels.
    const QImage page = RenderPdfPage(Path(), 30);
    ASSERT_FALSE(page.isNull());
    const auto darkestInColumn = [&page](int x, int fromY, int toY) {
        int darkest = 255;
        for (int y = fromY; y <= toY; ++y)
            darkest = std::min(darkest, qGray(page.pixel(x, y)));
        return darkest;
    };
    // The page starts at the writer's margins: 10 mm is about 12 page pixels.
    const int left = 12;
    const int top = 18;
    const int x = left + 90;
    EXPECT_LT(darkestInColumn(x, top + 28, top + 32), 160) << "the line";
    EXPECT_LT(darkestInColumn(x, top + 58, top + 62), 160) << "the polyline";
    EXPECT_LT(darkestInColumn(x, top + 148, top + 152), 160) << "the rectangle's edge";
}

} // namespace
