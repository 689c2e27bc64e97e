#pragma once
// The start-up picture: shown centred over the screen for one second, or
// until the first key or mouse press anywhere in the program.
#include <QPixmap>
#include <QWidget>

class QEvent;

class CSplashWnd : public QWidget {
public:
    static constexpr int kShowMilliseconds = 1000;

    // Whether the next ShowSplashScreen shows anything: on from the
    // program's start; the command line turns it off for the automation starts.
    static void EnableSplashScreen(bool enable);
    // Nothing when the splash is off or already shown.
    static void ShowSplashScreen(QWidget* parent);
    static bool IsActive() { return s_splash != nullptr; }
    // Runs the event loop until the splash has gone.
    static void WaitUntilHidden();
    // True when the event hid the splash; the event is then consumed.
    static bool PreTranslateAppMessage(const QEvent* event);
    static void HideSplashScreen();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(QWidget* parent, const QPixmap& picture);

    QPixmap m_bitmap;
    static CSplashWnd* s_splash;
    static bool s_showSplash;
};
