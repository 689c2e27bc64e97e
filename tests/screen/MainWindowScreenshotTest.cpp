// The main window on a real X display (run under xvfb-run): what a reviewer
// sees after starting the program on the sample drawing.
#include "app/CMainFrame.h"
#include "app/CSplashWnd.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace {

bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// The part of the screen shot that a widget covers.
QImage Part(const QImage& shot, const QWidget* window, const QWidget* widget) {
    QPoint topLeft = widget->mapTo(window, QPoint(0, 0));
    return shot.copy(QRect(topLeft, widget->size()));
}

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

TEST(MainWindowScreenshotTest, ShowsTheBarsAndTheSampleDrawing) {
    ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
        << "run this test under xvfb-run with QT_QPA_PLATFORM=xcb";
    TempProfile profile;
    ScriptedDialogs dialogs;
    QTemporaryDir folder;
    const QString drawing = folder.path() + QStringLiteral("/sample.dxf");
    ASSERT_TRUE(QFile::copy(QStringLiteral(ZUMEO_SOURCE_DIR "/samples/sample.dxf"), drawing));

    CSplashWnd::EnableSplashScreen(false);
    CZumeoApp app;
    ASSERT_EQ(app.InitInstance({drawing}), CZumeoApp::kRun);
    CMainFrame* frame = app.GetMainFrame();
    ASSERT_NE(frame, nullptr);
    frame->resize(1000, 700);
    ASSERT_TRUE(
        WaitFor([&] { return frame->windowHandle() && frame->windowHandle()->isExposed(); }));
    ASSERT_TRUE(WaitFor([&] { return !app.GetDocument()->m_objects.IsEmpty(); }));
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

    // The drawing: black walls and green doors on the white background.
    QImage view = Part(shot, frame, frame->GetActiveView());
    const int all = view.width() * view.height();
    EXPECT_GT(CountPixels(view, [](QRgb c) { return c == qRgb(255, 255, 255); }), all / 2);
    EXPECT_GT(CountPixels(view, [](QRgb c) { return qGray(c) < 64; }), 1000);
    EXPECT_GT(
        CountPixels(view, [](QRgb c) { return qGreen(c) > 150 && qRed(c) < 80 && qBlue(c) < 80; }),
        50);
    app.ExitInstance();
}

} // namespace
