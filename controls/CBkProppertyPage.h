#pragma once
// The base of the settings sheet's pages: a page over a tiled bitmap.
#include "controls/CBkWindow.h"
#include <QWidget>

class CBkProppertyPage : public CBkWindow<QWidget> {
public:
    using CBkWindow<QWidget>::CBkWindow;
};
