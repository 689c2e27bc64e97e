#pragma once
// Images and pixel readings shared by the drawing tests.

#include "platform/win/WinTypes.h"

#include <QImage>
#include <QRect>

#include <string>

namespace GdiTestImages {

inline QImage Filled(int width, int height, COLORREF color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    return image;
}

inline COLORREF At(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// The row as '#' where the pixel differs from the background and '.' where not.
inline std::string Row(const QImage& image, int y, COLORREF background, int from = 0, int to = -1) {
    std::string row;
    for (int x = from; x < (to < 0 ? image.width() : to); ++x)
        row += At(image, x, y) == background ? '.' : '#';
    return row;
}

inline std::string Column(const QImage& image, int x, COLORREF background) {
    std::string column;
    for (int y = 0; y < image.height(); ++y)
        column += At(image, x, y) == background ? '.' : '#';
    return column;
}

// The box of the pixels that differ from the background.
inline QRect ChangedBox(const QImage& image, COLORREF background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background)
                box |= QRect(x, y, 1, 1);
    return box;
}

inline int CountChanged(const QImage& image, COLORREF background) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += At(image, x, y) != background;
    return count;
}

} // namespace GdiTestImages
