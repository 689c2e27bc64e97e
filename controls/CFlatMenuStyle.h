#pragma once
// The flat look of the menu's popups: a light image column at the left, the
// selected item as a lightened highlight framed in the highlight colour,
// disabled images in grey, separators right of the image column and the
// accelerator text at the right edge. Keyboard handling stays Qt's own.
#include "platform/win/WinTypes.h"

#include <QProxyStyle>

class CFlatMenuStyle final : public QProxyStyle {
public:
    static constexpr int kIconWidth = 16;
    static constexpr int kIconHeight = 15;
    // The image column is this much wider than an image.
    static constexpr int kColumnGap = 5;

    // The one style every popup shares; it lives as long as the program.
    static CFlatMenuStyle* Instance();

    // Each of red, green and blue moved towards white by factor; a factor
    // outside (0, 1] leaves the colour as it is.
    static COLORREF LightenColor(COLORREF color, double factor);
    static QColor LightenColor(const QColor& color, double factor);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;

private:
    CFlatMenuStyle() = default;
};
