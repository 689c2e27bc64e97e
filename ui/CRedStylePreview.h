#pragma once
// The style preview of a palette page (control 1172): a sample line, shape,
// note or label in the palette's current style over the view's background.
#include <QWidget>

class CRedlineDlg;

class CRedStylePreview : public QWidget {
public:
    CRedStylePreview(const CRedlineDlg& palette, QWidget* parent);
    QSize sizeHint() const override { return {120, 70}; }

    // The pixels of a width in millimetres or a height in drawing units at
    // the view's zoom, never above the limit.
    static int LimitedPixels(double pixels);
    static constexpr int kPixelLimit = 1000;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CRedlineDlg& m_palette;
};
