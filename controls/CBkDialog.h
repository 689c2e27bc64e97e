#pragma once
// The base of the program's dialogs: a dialog over a tiled bitmap.
#include "controls/CBkWindow.h"
#include <QDialog>

class CBkDialog : public CBkWindow<QDialog> {
public:
    using CBkWindow<QDialog>::CBkWindow;
};
