#pragma once
// A static text that is a link: underlined, coloured, highlighted while the
// mouse is over it, with the address as its tooltip, and opening the address
// through the desktop's URL handler when clicked.

#include <QLabel>
#include <QUrl>

#include <functional>

class CHyperLink : public QLabel {
public:
    // The colour of the link (blue, 0xE00000 as a COLORREF).
    static const QColor kLinkColor;

    explicit CHyperLink(QWidget* parent = nullptr);

    // Sets the address and, when the control has no text yet, shows it.
    void SetURL(const QString& address);
    const QString& GetURL() const { return m_address; }
    bool IsHovered() const { return m_hovered; }

    // Hands the address to the desktop's handler; false when it cannot.
    static bool GotoURL(const QString& address);
    // Who opens the addresses; none restores the desktop's handler.
    static void SetUrlOpener(std::function<bool(const QUrl&)> opener);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Text from the address or the other way round, the link's font and
    // colour, and the size of the text.
    void ApplyLook();
    void SetHovered(bool hovered);

    QString m_address;
    bool m_hovered = false;
    QColor m_hoverColor;
};
