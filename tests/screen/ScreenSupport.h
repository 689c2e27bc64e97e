#pragma once
// What the screen tests share: waiting for the real window, and what the
// view shows on the screen once it has painted.

#include "app/CMainFrame.h"
#include "app/CZumeoView.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QImage>
#include <QScreen>
#include <QWidget>

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
