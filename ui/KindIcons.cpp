#include "ui/KindIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kSide = 24;

// The figure of a kind in a 24-pixel square.
void DrawFigure(QPainter& painter, int kind) {
    const QRectF box(5, 6, 14, 12);
    switch (kind) {
    case 0: // ellipse mark
    case 9:
        painter.drawEllipse(box);
        break;
    case 1: // rectangle mark
    case 10:
        painter.drawRect(box);
        break;
    case 2: // circle mark
    case 8:
        painter.drawEllipse(QRectF(6, 5, 13, 13));
        break;
    case 3: { // cloud
        for (int i = 0; i < 4; ++i)
            painter.drawArc(QRectF(3 + i * 4.5, 7, 6, 6), 0, 180 * 16);
        painter.drawLine(QPointF(3, 10), QPointF(21, 10));
        break;
    }
    case 4: // arrow
        painter.drawLine(QPointF(5, 19), QPointF(19, 5));
        painter.drawLine(QPointF(19, 5), QPointF(13, 6));
        painter.drawLine(QPointF(19, 5), QPointF(18, 11));
        break;
    case 5: // sticky note
        painter.drawPolygon(QPolygonF(
            {QPointF(5, 5), QPointF(19, 5), QPointF(19, 15), QPointF(15, 19), QPointF(5, 19)}));
        break;
    case 6: // polygon
        painter.drawPolygon(QPolygonF(
            {QPointF(6, 18), QPointF(4, 9), QPointF(12, 4), QPointF(20, 9), QPointF(17, 18)}));
        break;
    case 7: // line
        painter.drawLine(QPointF(4, 19), QPointF(20, 5));
        break;
    case 11: // polyline
        painter.drawPolyline(
            QPolygonF({QPointF(4, 18), QPointF(9, 7), QPointF(15, 16), QPointF(20, 5)}));
        break;
    case 12: { // freehand
        QPainterPath path(QPointF(4, 14));
        path.cubicTo(QPointF(8, 2), QPointF(12, 22), QPointF(20, 8));
        painter.drawPath(path);
        break;
    }
    default: // image
        painter.drawRect(QRectF(4, 5, 16, 14));
        painter.drawLine(QPointF(6, 17), QPointF(11, 11));
        painter.drawLine(QPointF(11, 11), QPointF(18, 17));
        break;
    }
}

QPixmap Render(int kind, QColor face, QColor ink, bool sunken) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(face);
    QPainter painter(&pixmap);
    painter.setPen(QPen(sunken ? face.darker(160) : face.lighter(130), 1));
    painter.drawRect(0, 0, kSide - 1, kSide - 1);
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawFigure(painter, kind);
    return pixmap;
}

} // namespace

namespace KindIcons {

Set ForKind(int kind) {
    const QColor face(0xE8, 0xE8, 0xE8);
    const QColor red(0xD0, 0x10, 0x10);
    return {Render(kind, face, red, false), Render(kind, face.lighter(110), red, false),
            Render(kind, QColor(0xFF, 0xE0, 0xA0), red, true),
            Render(kind, face, QColor(0xA0, 0xA0, 0xA0), false)};
}

} // namespace KindIcons
