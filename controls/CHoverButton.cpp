#include "controls/CHoverButton.h"

#include <QEnterEvent>
#include <QPainter>

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
}

bool CHoverButton::LoadBitmaps(const QPixmap& normal, const QPixmap& hover, const QPixmap& pressed,
                               const QPixmap& disabled) {
    m_images[kNormal] = normal;
    m_images[kHover] = hover.isNull() ? normal : hover;
    m_images[kPressed] = pressed.isNull() ? normal : pressed;
    m_images[kDisabled] = disabled.isNull() ? normal : disabled;
    updateGeometry();
    update();
    return !normal.isNull();
}

CHoverButton::Image CHoverButton::CurrentImage() const {
    if (isDown() || IsLatched())
        return kPressed;
    if (!isEnabled())
        return kDisabled;
    return m_hover ? kHover : kNormal;
}

QSize CHoverButton::sizeHint() const {
    return m_images[kNormal].isNull() ? QSize(16, 16)
                                      : m_images[kNormal].deviceIndependentSize().toSize();
}

void CHoverButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_images[CurrentImage()]);
}

void CHoverButton::enterEvent(QEnterEvent* event) {
    m_hover = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    QAbstractButton::leaveEvent(event);
}
