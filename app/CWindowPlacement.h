#pragma once
// Where the main window stands between runs: its normal rectangle and
// whether it was minimised or maximised, in section "MAINWINDOW" of the
// profile (keys "RECT", "ICON", "MAX").
#include "platform/win/WinTypes.h"

#include <QString>

class QWidget;

class CWindowPlacement {
public:
    RECT m_rcNormal{0, 0, 800, 600};
    bool m_bIcon = false;
    bool m_bMax = true;

    // "left top right bottom", as "%04d %04d %04d %04d" writes it; the
    // numbers are taken by white space, so negative ones of any width read
    // back. Missing or unreadable numbers are 0; an empty text gives the
    // rectangle 0, 0, 800, 600.
    static RECT ParseRect(const QString& text);
    static QString FormatRect(const RECT& rect);

    static CWindowPlacement Load();
    void Save() const;

    // Shows the window in this placement (a minimised window is not
    // activated and comes back maximised when it was).
    void Apply(QWidget& window) const;
    static CWindowPlacement FromWindow(const QWidget& window);
};
