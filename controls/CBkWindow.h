#pragma once
// A widget drawn over a tiled background bitmap: the bars and dialogs share
// this look. Without a bitmap the widget paints as its base class does.
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>

template <class Base> class CBkWindow : public Base {
public:
    using Base::Base;

    // Takes the bitmap; a null one only clears the background.
    void SetBkBitmapHandle(const QPixmap& bitmap) {
        m_bitmap = bitmap;
        this->update();
    }
    // Loads the bitmap from a file or resource path; 1 when it does not load.
    int SetBkBitmap(const QString& path) {
        QPixmap bitmap(path);
        SetBkBitmapHandle(bitmap);
        return bitmap.isNull() ? 1 : 0;
    }
    void FreeBkBitmap() { SetBkBitmapHandle(QPixmap()); }
    const QPixmap& GetBkBitmap() const { return m_bitmap; }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!m_bitmap.isNull()) {
            QPainter painter(this);
            painter.drawTiledPixmap(this->rect(), m_bitmap, QPoint(0, 0));
        }
        Base::paintEvent(event);
    }

private:
    QPixmap m_bitmap;
};
