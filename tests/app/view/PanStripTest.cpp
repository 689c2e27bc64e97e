// A pan drag moves the picture already painted and paints only the strips
// it uncovers; the result must be the very image a whole repaint gives.

#include "ImportedViewFixture.h"

#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "settings/CDrawDefaults.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

namespace {

struct PanCase {
    std::string name;
    std::string dxf;
    int zoomSteps;
    QPoint drag;
};

void PrintTo(const PanCase& pan, std::ostream* out) {
    *out << pan.name;
}

class PanStripTest : public ImportedViewFixture<PanCase> {
protected:
    PanStripTest() : ImportedViewFixture(400, 300) {}

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(at), m_view.mapToGlobal(QPointF(at)), Qt::MiddleButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&m_view, &event);
    }

    // Presses the middle button in the middle of the view and moves by each
    // step in turn, holding it.
    void Drag(std::initializer_list<QPoint> steps) {
        QPoint at(200, 150);
        Mouse(QEvent::MouseButtonPress, at, Qt::MiddleButton);
        for (const QPoint& step : steps) {
            at += step;
            Mouse(QEvent::MouseMove, at, Qt::MiddleButton);
        }
        m_dropAt = at;
    }

    // Moves on by the step, the button still held.
    void MoveOn(QPoint step) {
        m_dropAt += step;
        Mouse(QEvent::MouseMove, m_dropAt, Qt::MiddleButton);
    }

    void Drop() { Mouse(QEvent::MouseButtonRelease, m_dropAt, Qt::NoButton); }

    // The view's picture, and the one a whole repaint of the same view gives.
    std::pair<QImage, QImage> PannedAndRepainted() {
        const QImage panned = m_view.Surface().copy();
        m_view.Redraw();
        return {panned, m_view.Surface().copy()};
    }

    QPoint m_dropAt;
};

TEST_P(PanStripTest, StripsGiveTheImageOfAWholeRepaint) {
    const PanCase& pan = GetParam();
    ASSERT_TRUE(ImportDxf(pan.dxf));
    for (int step = 0; step < pan.zoomSteps; ++step)
        m_view.ZoomByFactor(0.8);
    Drag({pan.drag, pan.drag, -pan.drag / 3});
    {
        const auto [panned, repainted] = PannedAndRepainted();
        EXPECT_TRUE(panned == repainted) << "while dragging";
    }
    MoveOn(pan.drag);
    Drop();
    const auto [panned, repainted] = PannedAndRepainted();
    EXPECT_TRUE(panned == repainted) << "after the drop";
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, PanStripTest,
    ::testing::Values(PanCase{"blocks_right", "tables_and_blocks.dxf", 0, {37, 0}},
                      PanCase{"blocks_up_left", "tables_and_blocks.dxf", 3, {-23, -41}},
                      PanCase{"texts_down", "texts_cp932.dxf", 2, {5, 29}},
                      PanCase{"polylines_zoomed", "polylines.dxf", 6, {-61, 17}},
                      PanCase{"dimensions", "dimensions_leaders.dxf", 1, {13, -7}}),
    [](const ::testing::TestParamInfo<PanCase>& info) { return info.param.name; });

TEST(PanStripRouteTest, MovesThePaintedPixelsInsteadOfPaintingThemAgain) {
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    CZumeoDoc document;
    CZumeoView view(settings);
    view.resize(200, 100);
    view.SetDocument(&document);
    // A pixel no paint makes stands where the picture stays in view.
    const_cast<QImage&>(view.Surface()).setPixel(100, 50, qRgb(1, 2, 3));
    const auto mouse = [&view](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, view.mapToGlobal(at), Qt::MiddleButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &event);
    };
    mouse(QEvent::MouseButtonPress, QPointF(100, 50), Qt::MiddleButton);
    mouse(QEvent::MouseMove, QPointF(90, 53), Qt::MiddleButton);
    EXPECT_EQ(view.Surface().pixel(90, 53), qRgb(1, 2, 3));
    EXPECT_EQ(view.Surface().pixel(100, 50), qRgb(255, 255, 255));
}

} // namespace
