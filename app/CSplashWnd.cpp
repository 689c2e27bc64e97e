#include "app/CSplashWnd.h"

#include "controls/CToolImages.h"

#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

CSplashWnd* CSplashWnd::s_splash = nullptr;
bool CSplashWnd::s_showSplash = true;

CSplashWnd::CSplashWnd(QWidget* parent, const QPixmap& picture)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(picture) {
    setAttribute(Qt::WA_DeleteOnClose);
    setCursor(Qt::ArrowCursor);
    setFixedSize(m_bitmap.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    QTimer::singleShot(kShowMilliseconds, this, &CSplashWnd::HideSplashScreen);
}

// The frame owns the splash: when the frame goes first, so does the splash.
CSplashWnd::~CSplashWnd() {
    if (s_splash == this)
        s_splash = nullptr;
}

void CSplashWnd::EnableSplashScreen(bool enable) {
    s_showSplash = enable;
}

void CSplashWnd::ShowSplashScreen(QWidget* parent) {
    if (!s_showSplash || s_splash)
        return;
    const QPixmap picture = CToolImages::Splash();
    if (picture.isNull())
        return;
    s_splash = new CSplashWnd(parent, picture);
    s_splash->show();
}

void CSplashWnd::WaitUntilHidden() {
    if (!s_splash)
        return;
    QEventLoop loop;
    QObject::connect(s_splash, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
}

bool CSplashWnd::PreTranslateAppMessage(const QEvent* event) {
    if (!s_splash)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplashScreen();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::HideSplashScreen() {
    if (!s_splash)
        return;
    CSplashWnd* splash = s_splash;
    s_splash = nullptr;
    QWidget* owner = splash->parentWidget();
    splash->close();
    if (owner)
        owner->update();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}
