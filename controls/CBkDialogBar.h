#pragma once
// The base of the main window's bars: a panel over a tiled bitmap.
#include "controls/CBkWindow.h"
#include <QWidget>

class CBkDialogBar : public CBkWindow<QWidget> {
public:
    using CBkWindow<QWidget>::CBkWindow;
};
