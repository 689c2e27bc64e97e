#pragma once
// What the screen tests share: the program started on a drawing with its
// window shown, waiting for the real window, and what the view shows on the
// screen once it has painted.

#include "app/CMainFrame.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/SplashOff.h"
#include "tests/support/TempProfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include <functional>

inline bool WaitFor(const std::function<bool()>& done) {
    QDeadlineTimer deadline(10000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

// The part of the screen shot that a widget covers.
inline QImage Part(const QImage& shot, const QWidget* window, const QWidget* widget) {
    QPoint topLeft = widget->mapTo(window, QPoint(0, 0));
    return shot.copy(QRect(topLeft, widget->size()));
}

// What the view shows on the screen now, after the window has painted.
inline QImage ShownView(CMainFrame* frame) {
    QDeadlineTimer settle(300);
    WaitFor([&] { return settle.hasExpired(); });
    const QImage shot = frame->screen()->grabWindow(frame->winId()).toImage();
    return Part(shot, frame, frame->GetActiveView());
}

// The program on a real X display, in a profile of its own, without the
// start-up picture.
class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"))
            << "run this test under xvfb-run with QT_QPA_PLATFORM=xcb";
    }

    // A copy of the source drawing in the test's folder, under the name given.
    QString CopyIn(const QString& source, const QString& name) const {
        const QString drawing = folder.path() + QLatin1Char('/') + name;
        return QFile::copy(source, drawing) ? drawing : QString();
    }

    // Starts the program on the drawing; its window shown at 1000 x 700 and
    // the drawing loaded, or null.
    static CMainFrame* OpenAndShow(CZumeoApp& app, const QString& drawing) {
        if (drawing.isEmpty() || app.InitInstance({QFile::encodeName(drawing)}) != CZumeoApp::kRun)
            return nullptr;
        CMainFrame* frame = app.GetMainFrame();
        if (!frame)
            return nullptr;
        frame->resize(1000, 700);
        if (!WaitFor([&] { return frame->windowHandle() && frame->windowHandle()->isExposed(); }) ||
            !WaitFor([&] { return !app.GetDocument()->m_objects.IsEmpty(); }))
            return nullptr;
        return frame;
    }

    TempProfile profile;
    ScriptedDialogs dialogs;
    SplashOff splashOff;
    QTemporaryDir folder;
};
