// The main window on a real X display (run under xvfb-run): what a reviewer
// sees after starting the program on the sample drawing.
#include "ScreenSupport.h"
#include "app/CLayerBar.h"
#include "app/CMainFrame.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "controls/CHoverButton.h"

#include <QAction>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

int CountColours(const QImage& image) {
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

int CountPixels(const QImage& image, const std::function<bool(QRgb)>& wanted) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += wanted(image.pixel(x, y)) ? 1 : 0;
    return n;
}

const QString kSample = QStringLiteral(ZUMEO_SOURCE_DIR "/samples/sample.dxf");

using MainWindowScreenshotTest = ScreenTest;

TEST_F(MainWindowScreenshotTest, ShowsTheBarsAndTheSampleDrawing) {
    CZumeoApp app;
    CMainFrame* frame = OpenAndShow(app, CopyIn(kSample, QStringLiteral("sample.dxf")));
    ASSERT_NE(frame, nullptr);
    // Let the view paint the loaded drawing and the window manager settle.
    QDeadlineTimer settle(500);
    WaitFor([&] { return settle.hasExpired(); });

    QImage shot = frame->screen()->grabWindow(frame->winId()).toImage();
    ASSERT_FALSE(shot.isNull());
    ASSERT_EQ(shot.size(), frame->size() * frame->devicePixelRatio());
    EXPECT_TRUE(dialogs.Messages().empty());

    // Bars: shown, and drawn with more than a flat colour (buttons, texts).
    EXPECT_GT(CountColours(Part(shot, frame, frame->ToolBarWindow())), 8);
    EXPECT_GT(CountColours(Part(shot, frame, frame->LayerBarWindow())), 8);
    ASSERT_NE(frame->statusBar(), nullptr);
    EXPECT_TRUE(frame->statusBar()->isVisible());

    // The drawing: black walls, green doors with their swing arcs and red
    // round columns on the white background.
    QImage view = Part(shot, frame, frame->GetActiveView());
    const int all = view.width() * view.height();
    EXPECT_GT(CountPixels(view, [](QRgb c) { return c == qRgb(255, 255, 255); }), all / 2);
    EXPECT_GT(CountPixels(view, [](QRgb c) { return qGray(c) < 64; }), 1000);
    const int green =
        CountPixels(view, [](QRgb c) { return qGreen(c) > 150 && qRed(c) < 80 && qBlue(c) < 80; });
    const int red =
        CountPixels(view, [](QRgb c) { return qRed(c) > 150 && qGreen(c) < 80 && qBlue(c) < 80; });
    // The three door leaves alone give about 190 green pixels, their quarter
    // arcs half as many again and more; the six columns about 440 red ones.
    EXPECT_GT(green, 350);
    EXPECT_GT(red, 250);
    app.ExitInstance();
}

// A drag of the left button upwards: the zoom tool zooms in.
void DragUp(QWidget* view) {
    const QPointF start(view->width() / 2.0, view->height() / 2.0);
    const QPointF end(start.x(), start.y() - 60);
    QMouseEvent press(QEvent::MouseButtonPress, start, view->mapToGlobal(start), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &press);
    QMouseEvent move(QEvent::MouseMove, end, view->mapToGlobal(end), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(view, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, end, view->mapToGlobal(end), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &release);
}

TEST_F(MainWindowScreenshotTest, MenuAndLayerBarZoomAndFitChangeTheView) {
    CZumeoApp app;
    CMainFrame* frame = OpenAndShow(app, CopyIn(kSample, QStringLiteral("sample.dxf")));
    ASSERT_NE(frame, nullptr);
    CZumeoView* view = frame->GetActiveView();
    const QImage fitted = ShownView(frame);

    // The layer bar's zoom button, then a drag: the drawing grows.
    frame->UpdateBars();
    CHoverButton* zoom = frame->LayerBar()->Button(CLayerBar::kZoom);
    ASSERT_TRUE(zoom->isEnabled());
    zoom->click();
    DragUp(view);
    const QImage zoomed = ShownView(frame);
    EXPECT_NE(zoomed, fitted);

    // The menu's fit shows the whole drawing again.
    frame->UpdateMenu(frame->Menu());
    QAction* fit = frame->Menu().FindItem(CommandIds::kFit);
    ASSERT_TRUE(fit->isEnabled());
    fit->trigger();
    EXPECT_EQ(ShownView(frame), fitted);

    // The zoom tool is still on from the layer bar: the menu's zoom ends it
    // and starts it again. A drag, then the layer bar's fit.
    frame->UpdateMenu(frame->Menu());
    frame->Menu().FindItem(CommandIds::kZoom)->trigger();
    frame->Menu().FindItem(CommandIds::kZoom)->trigger();
    DragUp(view);
    EXPECT_NE(ShownView(frame), fitted);
    frame->UpdateBars();
    frame->LayerBar()->Button(CLayerBar::kFit)->click();
    EXPECT_EQ(ShownView(frame), fitted);
    EXPECT_TRUE(dialogs.Messages().empty());
    app.ExitInstance();
}

TEST_F(MainWindowScreenshotTest, ShowsTheTextsOfADxfDrawing) {
    CZumeoApp app;
    CMainFrame* frame =
        OpenAndShow(app, CopyIn(QStringLiteral(ZUMEO_SOURCE_DIR "/tests/data/dxf/texts_cp932.dxf"),
                                QStringLiteral("texts.dxf")));
    ASSERT_NE(frame, nullptr);
    // The drawing holds texts only (horizontal, turned, vertical, Japanese):
    // whatever is not background is text.
    const QImage view = ShownView(frame);
    const QRgb background = view.pixel(0, 0);
    EXPECT_GT(CountPixels(view, [background](QRgb c) { return c != background; }), 500);
    EXPECT_TRUE(dialogs.Messages().empty());
    app.ExitInstance();
}

} // namespace
