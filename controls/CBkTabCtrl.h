#pragma once
// A tab control over a tiled bitmap.
#include "controls/CBkWindow.h"
#include <QTabWidget>

class CBkTabCtrl : public CBkWindow<QTabWidget> {
public:
    using CBkWindow<QTabWidget>::CBkWindow;
};
