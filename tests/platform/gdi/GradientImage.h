#pragma once
// A background for drawing tests with a different colour in almost every
// pixel, so that a pixel drawn, left out or combined by a raster operation
// shows.

#include <QImage>

inline QImage GradientImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 6 % 256, y * 8 % 256, (x * y) % 256));
    return image;
}
