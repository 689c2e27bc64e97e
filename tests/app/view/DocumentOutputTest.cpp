#include "ViewFixture.h"

#include "platform/gdi/CImageDC.h"

#include <QImage>

namespace {

using DocumentOutputTest = ViewFixture;

// Both output passes on a 200-pixel image: printing at unit 1000 and print
// scale 1, and the styled pass at origin 0 and scale 0.1, put the unit
// square on pixels 0..100 with the lines on row and column 50.
TEST_F(DocumentOutputTest, OrderColourModeAndLayers) {
    struct OutputCase {
        const char* name;
        bool styled;
        int order;
        int colourMode;
        bool hideUp;
        int partialPass;
        QColor across;
        QColor up;
    };
    const QColor red(Qt::red), blue(Qt::blue), black(Qt::black), white(Qt::white);
    const OutputCase cases[] = {
        {"printing, entity pass", false, 1, 1, false, 0, red, blue},
        {"printing, layer by layer", false, 0, 1, false, 0, red, blue},
        {"printing, all black", false, 1, 0, false, 0, black, black},
        {"printing, hidden layer", false, 1, 1, true, 0, red, white},
        {"printing, hidden layer by layer", false, 0, 1, true, 0, red, white},
        {"printing, from the flagged layer on", false, 0, 1, false, 1, white, blue},
        {"styled, entity pass", true, 2, 1, false, 0, red, blue},
        {"styled, layer by layer", true, 0, 1, false, 0, red, blue},
        {"styled, all black", true, 1, 0, false, 0, black, black},
        {"styled, hidden layer", true, 1, 1, true, 0, red, white},
    };
    for (const OutputCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_settings.m_viewOrder = c.order;
        m_settings.m_printColorMode = c.colourMode;
        m_document.FindLayer("up")->m_visible = c.hideUp ? 0 : 1;
        m_document.FindLayer("up")->m_monochrome = 1;
        m_document.m_partialLayerPass = c.partialPass;
        QImage image(200, 200, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            CImageDC dc(image);
            const RECT clip{0, 0, 200, 200};
            if (c.styled)
                m_document.PaintEntitiesForOutput(&dc, clip, m_settings, 0, 0, 0.1);
            else
                m_document.PaintEntitiesForOutput(&dc, clip, m_settings, 1.0);
        }
        EXPECT_EQ(QColor(image.pixel(20, 50)), c.across);
        EXPECT_EQ(QColor(image.pixel(50, 20)), c.up);
        EXPECT_EQ(QColor(image.pixel(20, 20)), white);
        EXPECT_EQ(m_document.m_partialLayerPass, 0);
    }
}

} // namespace
