#include "controls/LayeredWindow.h"

#include <QWidget>

void SetWindowAlpha(BYTE alpha, QWidget* window) {
    if (window)
        window->setWindowOpacity(alpha / 255.0);
}
