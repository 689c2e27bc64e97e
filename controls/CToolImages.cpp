#include "controls/CToolImages.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Glyphs are drawn on a 16 x 16 grid and scaled to the face.
constexpr double kGrid = 16.0;

const QColor kPaper(255, 255, 250);
const QColor kRed(200, 30, 30);

void Page(QPainter& p, const QRectF& r, const QColor& ink) {
    p.setPen(QPen(ink, 1.0));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void Magnifier(QPainter& p, const QPointF& centre, double radius, const QColor& ink) {
    p.setPen(QPen(ink, 1.6));
    p.setBrush(QColor(200, 225, 255));
    p.drawEllipse(centre, radius, radius);
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7),
               centre + QPointF(radius * 1.9, radius * 1.9));
}

void Arrow(QPainter& p, bool forward, const QColor& ink) {
    QPainterPath path;
    const double s = forward ? 1.0 : -1.0;
    const double cx = 8.0;
    path.moveTo(cx - 5 * s, 12);
    path.cubicTo(cx - 5 * s, 5, cx + 2 * s, 4, cx + 4 * s, 7);
    p.setPen(QPen(ink, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    QPolygonF head;
    head << QPointF(cx + 6 * s, 4) << QPointF(cx + 6 * s, 9.5) << QPointF(cx + 1 * s, 9);
    p.setBrush(ink);
    p.drawPolygon(head);
}

} // namespace

void CToolImages::DrawGlyph(QPainter& p, Glyph glyph, const QColor& ink) {
    switch (glyph) {
    case kOpen: {
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        p.setBrush(QColor(250, 225, 130));
        QPolygonF lid;
        lid << QPointF(3.5, 7.5) << QPointF(15, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
        p.drawPolygon(lid);
        break;
    }
    case kSave:
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(70, 100, 170));
        p.drawRect(QRectF(2.5, 2.5, 11, 11));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 2.5, 7, 4));
        p.setBrush(kRed);
        p.drawRect(QRectF(5.5, 9.5, 5, 4));
        break;
    case kPrint:
    case kContinuousPrint:
        if (glyph == kContinuousPrint)
            Page(p, QRectF(6.5, 0.5, 6, 6), ink);
        Page(p, QRectF(4.5, 2.5, 7, 5), ink);
        p.setBrush(QColor(160, 160, 170));
        p.drawRect(QRectF(1.5, 7.5, 13, 5));
        Page(p, QRectF(4.5, 11.5, 7, 3), ink);
        break;
    case kPreview:
        Page(p, QRectF(2.5, 1.5, 9, 12), ink);
        Magnifier(p, QPointF(9, 9), 3.0, ink);
        break;
    case kCopyAll:
    case kCopyVisible:
        Page(p, QRectF(1.5, 1.5, 8, 10), ink);
        Page(p, QRectF(6.5, 4.5, 8, 10), ink);
        if (glyph == kCopyVisible) {
            p.setPen(QPen(kRed, 1.0, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(8.5, 7.5, 4, 4));
        }
        break;
    case kRedline: {
        p.setPen(QPen(kRed, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(1.5, 5.5, 9, 8));
        p.setPen(QPen(ink, 1.0));
        p.setBrush(kRed);
        QPolygonF pen;
        pen << QPointF(9, 9) << QPointF(15, 3) << QPointF(13, 1) << QPointF(7, 7);
        p.drawPolygon(pen);
        break;
    }
    case kSettings:
        p.setPen(QPen(ink, 2.2));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(45.0 * i);
            p.drawLine(QPointF(-6.5, 0), QPointF(6.5, 0));
            p.restore();
        }
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(180, 180, 190));
        p.drawEllipse(QPointF(8, 8), 4.5, 4.5);
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(8, 8), 1.8, 1.8);
        break;
    case kHelp: {
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(90, 140, 220));
        p.drawEllipse(QPointF(8, 8), 7, 7);
        QFont font = p.font();
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case kExit:
        p.setPen(QPen(ink, 1.0));
        p.setBrush(QColor(150, 100, 60));
        p.drawRect(QRectF(3.5, 1.5, 8, 13));
        p.setPen(QPen(kRed, 2.0));
        p.drawLine(QPointF(9, 8), QPointF(15, 8));
        p.drawLine(QPointF(12.5, 5.5), QPointF(15, 8));
        p.drawLine(QPointF(12.5, 10.5), QPointF(15, 8));
        break;
    case kUndo:
        Arrow(p, false, ink);
        break;
    case kRedo:
        Arrow(p, true, ink);
        break;
    case kWindowZoom:
        p.setPen(QPen(ink, 1.0, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(1.5, 1.5, 9, 7));
        Magnifier(p, QPointF(9, 9), 3.0, ink);
        break;
    case kPan:
        p.setPen(QPen(ink, 1.6));
        p.drawLine(QPointF(8, 1.5), QPointF(8, 14.5));
        p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
        p.setBrush(ink);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(8, 8);
            p.rotate(90.0 * i);
            QPolygonF head;
            head << QPointF(0, -7.5) << QPointF(-2.5, -4.5) << QPointF(2.5, -4.5);
            p.drawPolygon(head);
            p.restore();
        }
        break;
    case kZoom:
        Magnifier(p, QPointF(6.5, 6.5), 5.0, ink);
        p.setPen(QPen(ink, 1.2));
        p.drawLine(QPointF(4, 6.5), QPointF(9, 6.5));
        p.drawLine(QPointF(6.5, 4), QPointF(6.5, 9));
        break;
    case kFit:
        Page(p, QRectF(3.5, 3.5, 9, 9), ink);
        p.setPen(QPen(ink, 1.4));
        p.drawLine(QPointF(0.5, 0.5), QPointF(3.5, 3.5));
        p.drawLine(QPointF(15.5, 0.5), QPointF(12.5, 3.5));
        p.drawLine(QPointF(0.5, 15.5), QPointF(3.5, 12.5));
        p.drawLine(QPointF(15.5, 15.5), QPointF(12.5, 12.5));
        break;
    }
}

QPixmap CToolImages::Button(Glyph glyph, CHoverButton::Image look, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(0.5, 0.5, size - 1.0, size - 1.0);
    switch (look) {
    case CHoverButton::kHover: {
        QLinearGradient light(0, 0, 0, size);
        light.setColorAt(0, QColor(255, 250, 220));
        light.setColorAt(1, QColor(250, 215, 130));
        p.setPen(QColor(200, 150, 60));
        p.setBrush(light);
        p.drawRoundedRect(face, 3, 3);
        break;
    }
    case CHoverButton::kPressed:
        p.setPen(QColor(150, 100, 40));
        p.setBrush(QColor(240, 180, 90));
        p.drawRoundedRect(face, 3, 3);
        break;
    case CHoverButton::kNormal:
    case CHoverButton::kDisabled:
        break;
    }
    const double margin = size * 0.14;
    const double scale = (size - 2 * margin) / kGrid;
    p.translate(margin, margin);
    if (look == CHoverButton::kPressed)
        p.translate(1, 1);
    p.scale(scale, scale);
    if (look == CHoverButton::kDisabled) {
        p.setOpacity(0.35);
        DrawGlyph(p, glyph, QColor(90, 90, 90));
    } else {
        DrawGlyph(p, glyph, QColor(30, 30, 40));
    }
    return pixmap;
}

QPixmap CToolImages::MenuIcon(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    DrawGlyph(p, glyph, QColor(30, 30, 40));
    return pixmap;
}

QPixmap CToolImages::BarTile() {
    QPixmap pixmap(32, 32);
    QPainter p(&pixmap);
    QLinearGradient shade(0, 0, 0, 32);
    shade.setColorAt(0, QColor(236, 238, 244));
    shade.setColorAt(1, QColor(214, 219, 230));
    p.fillRect(pixmap.rect(), shade);
    p.setPen(QColor(226, 229, 238));
    p.drawLine(0, 31, 31, 0);
    return pixmap;
}

QPixmap CToolImages::Splash() {
    QPixmap pixmap(400, 240);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 240);
    sky.setColorAt(0, QColor(250, 250, 255));
    sky.setColorAt(1, QColor(200, 210, 235));
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QPen(QColor(60, 90, 150), 1.0));
    for (int x = 20; x < 400; x += 40)
        p.drawLine(x, 150, x + 20, 210);
    p.drawRect(QRectF(20.5, 140.5, 359, 80));
    p.setPen(QPen(kRed, 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(220, 130, 150, 100));
    QFont font = p.font();
    font.setPixelSize(54);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(40, 60, 120));
    p.drawText(QRectF(0, 20, 400, 90), Qt::AlignCenter, QStringLiteral("Zumeo"));
    p.setPen(QColor(60, 60, 60));
    p.drawRect(QRectF(0.5, 0.5, 399, 239));
    return pixmap;
}
