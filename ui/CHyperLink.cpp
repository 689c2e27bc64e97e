#include "ui/CHyperLink.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPalette>

namespace {

constexpr int kFontPixels = 13;

std::function<bool(const QUrl&)>& Opener() {
    static std::function<bool(const QUrl&)> opener;
    return opener;
}

} // namespace

const QColor CHyperLink::kLinkColor(0x00, 0x00, 0xE0);

CHyperLink::CHyperLink(QWidget* parent)
    : QLabel(parent), m_hoverColor(QGuiApplication::palette().color(QPalette::Highlight)) {
    setCursor(Qt::PointingHandCursor);
    ApplyLook();
}

void CHyperLink::SetURL(const QString& address) {
    m_address = address;
    ApplyLook();
}

void CHyperLink::ApplyLook() {
    if (m_address.isEmpty())
        m_address = text();
    if (text().isEmpty())
        setText(m_address);
    QFont linkFont = font();
    linkFont.setFamily(QStringLiteral("Verdana"));
    linkFont.setPixelSize(kFontPixels);
    linkFont.setUnderline(true);
    setFont(linkFont);
    setToolTip(m_address);
    SetHovered(m_hovered);
    resize(fontMetrics().size(Qt::TextSingleLine, text()));
}

void CHyperLink::SetHovered(bool hovered) {
    m_hovered = hovered;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovered ? m_hoverColor : kLinkColor);
    setPalette(colours);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    SetHovered(true);
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    SetHovered(false);
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        GotoURL(m_address);
    QLabel::mouseReleaseEvent(event);
}

// Only the desktop's URL handler opens the address: no command line is ever
// made from it, so an address cannot run anything else.
bool CHyperLink::GotoURL(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.isRelative())
        return false;
    if (Opener())
        return Opener()(url);
    return QDesktopServices::openUrl(url);
}

void CHyperLink::SetUrlOpener(std::function<bool(const QUrl&)> opener) {
    Opener() = std::move(opener);
}
