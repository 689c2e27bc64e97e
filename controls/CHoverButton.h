#pragma once
// A bitmap button that lights up under the mouse: one image each for
// normal, hover, pressed and disabled.
#include <QAbstractButton>
#include <QPixmap>

class CHoverButton : public QAbstractButton {
public:
    enum Image { kNormal, kHover, kPressed, kDisabled };

    explicit CHoverButton(QWidget* parent = nullptr);

    // A null image for hover, pressed or disabled takes the normal image in
    // that state. False when the normal image is null.
    bool LoadBitmaps(const QPixmap& normal, const QPixmap& hover = QPixmap(),
                     const QPixmap& pressed = QPixmap(), const QPixmap& disabled = QPixmap());
    void Enable(bool enable) { setEnabled(enable); }
    bool IsHover() const { return m_hover; }
    // The image the button shows now.
    Image CurrentImage() const;
    const QPixmap& Bitmap(Image image) const { return m_images[image]; }
    QSize sizeHint() const override;

protected:
    // Whether the pressed image is held while the mouse is off the button.
    virtual bool IsLatched() const { return false; }
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap m_images[4];
    bool m_hover = false;
};
