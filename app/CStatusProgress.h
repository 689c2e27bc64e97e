#pragma once
// The progress bar an import puts into the message pane of the status bar,
// behind a caption. Its window handle goes to the plug-in, whose
// PBM_SETRANGE32 and PBM_SETPOS messages move the bar; the bar repaints at
// once, as nothing pumps events while a drawing is read.

#include "platform/mfc/CString.h"
#include "platform/win/PlatformWindow.h"

#include <QPointer>

class QLabel;
class QProgressBar;
class QStatusBar;
class QWidget;

class CStatusProgress final : public PlatformWindow {
public:
    // Without a status bar nothing is ever shown and the handle stays null.
    explicit CStatusProgress(QStatusBar* statusBar);
    ~CStatusProgress() override;
    CStatusProgress(const CStatusProgress&) = delete;
    CStatusProgress& operator=(const CStatusProgress&) = delete;

    // Shows the caption and a bar of range 0..maximum in the pane (the
    // message pane, 0, is the only one). A positive maximum also limits the
    // bar's width to that many pixels. Returns 1, or 0 when the bar is
    // already shown, there is no status bar or no such pane.
    int ShowInPane(int pane, const CString& caption, int maximum);
    // Writes the pane's text (the caption while the bar is shown); returns 1,
    // or 0 without a status bar or for another pane.
    int SetPaneText(int pane, const CString& text);
    // Removes the bar and its caption.
    void DestroyWindow();

    // The handle the plug-ins send to: this control while it is shown,
    // otherwise null.
    HWND GetSafeHwnd();

    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    QPointer<QStatusBar> m_statusBar;
    QPointer<QWidget> m_pane;
    QPointer<QLabel> m_caption;
    QPointer<QProgressBar> m_bar;
};
