#pragma once
// A status bar over a tiled bitmap.
#include "controls/CBkWindow.h"
#include <QStatusBar>

class CBkStatusBar : public CBkWindow<QStatusBar> {
public:
    using CBkWindow<QStatusBar>::CBkWindow;
};
