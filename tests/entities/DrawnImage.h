#pragma once
// The entities drawn by DrawA, in order, onto a white image at the view
// origin and scale 1, as the screen draws them.

#include "entities/CRukEntity.h"
#include "platform/gdi/CImageDC.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"

#include <QImage>

#include <initializer_list>

inline QImage DrawnImage(int width, int height, std::initializer_list<CRukEntity*> entities) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    FakeDocument document;
    CDrawDefaults settings;
    settings.m_bkColor = 0xFFFFFF;
    const RECT clip{0, 0, width, height};
    CImageDC dc(image);
    for (CRukEntity* entity : entities)
        entity->DrawA(&document, &dc, 0, 0, 1.0, 1.0, &settings, FALSE, clip);
    return image;
}
