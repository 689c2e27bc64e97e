#include "controls/CFlatMenuStyle.h"

#include <QPainter>
#include <QStyleOptionMenuItem>

namespace {

constexpr double kColumnLightening = 0.85;
constexpr double kSelectionLightening = 0.7;
constexpr double kDisabledSelectionLightening = 0.85;
// Room between the image column and the text, and after the text.
constexpr int kTextMargin = 4;

int Lighten(int channel, double factor) {
    return static_cast<int>(channel + factor * (255 - channel));
}

int ColumnWidth() {
    return CFlatMenuStyle::kIconWidth + CFlatMenuStyle::kColumnGap;
}

int LineHeight(const QStyleOption& option) {
    return option.fontMetrics.height() + 2 * kTextMargin;
}

void DrawCheckMark(QPainter* painter, const QRect& box) {
    const QPoint centre = box.center();
    painter->drawLine(centre + QPoint(-4, 0), centre + QPoint(-1, 3));
    painter->drawLine(centre + QPoint(-1, 3), centre + QPoint(4, -3));
}

} // namespace

CFlatMenuStyle* CFlatMenuStyle::Instance() {
    static CFlatMenuStyle* const style = new CFlatMenuStyle;
    return style;
}

COLORREF CFlatMenuStyle::LightenColor(COLORREF color, double factor) {
    if (!(factor > 0.0 && factor <= 1.0))
        return color;
    return RGB(Lighten(GetRValue(color), factor), Lighten(GetGValue(color), factor),
               Lighten(GetBValue(color), factor));
}

QColor CFlatMenuStyle::LightenColor(const QColor& color, double factor) {
    const COLORREF lighter = LightenColor(RGB(color.red(), color.green(), color.blue()), factor);
    return QColor(GetRValue(lighter), GetGValue(lighter), GetBValue(lighter));
}

void CFlatMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element != CE_MenuItem || !item) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const QRect area = item->rect;
    const QPalette& palette = item->palette;
    const int column = ColumnWidth();
    painter->save();
    painter->fillRect(area, Qt::white);
    painter->fillRect(QRect(area.left(), area.top(), column, area.height()),
                      LightenColor(palette.color(QPalette::Button), kColumnLightening));

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        painter->setPen(palette.color(QPalette::Mid));
        const int y = area.center().y();
        painter->drawLine(area.left() + column + kTextMargin, y, area.right(), y);
        painter->restore();
        return;
    }

    const bool enabled = item->state & State_Enabled;
    const QColor highlight = palette.color(QPalette::Highlight);
    if (item->state & State_Selected) {
        const QRect frame = area.adjusted(0, 0, -1, -1);
        painter->fillRect(frame, LightenColor(highlight, enabled ? kSelectionLightening
                                                                 : kDisabledSelectionLightening));
        painter->setPen(highlight);
        painter->drawRect(frame);
    }

    const QRect imageBox(area.left() + 2, area.top() + (area.height() - kIconHeight) / 2,
                         kIconWidth, kIconHeight);
    if (!item->icon.isNull()) {
        painter->drawPixmap(
            imageBox.topLeft(),
            item->icon.pixmap(imageBox.size(), enabled ? QIcon::Normal : QIcon::Disabled));
        if (item->checked) {
            painter->setPen(highlight);
            painter->drawRect(imageBox.adjusted(-1, -1, 0, 0));
        }
    } else if (item->checked) {
        painter->setPen(QPen(
            palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text), 2));
        DrawCheckMark(painter, imageBox);
    }

    painter->setPen(palette.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const QRect textBox = area.adjusted(column + kTextMargin, 0, -2 * kTextMargin, 0);
    const int flags = Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine;
    const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
    painter->drawText(textBox, flags | Qt::AlignLeft, item->text.left(tab));
    if (tab >= 0)
        painter->drawText(textBox, flags | Qt::AlignRight, item->text.mid(tab + 1));
    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
        QStyleOption arrow = *option;
        arrow.rect = QRect(area.right() - kTextMargin - 8, area.top(), 8, area.height());
        QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
    painter->restore();
}

QSize CFlatMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(1, LineHeight(*item) / 2);
    QString text = item->text;
    text.replace(QLatin1Char('\t'), QStringLiteral("    "));
    text.remove(QLatin1Char('&'));
    const int width = item->fontMetrics.horizontalAdvance(text) + 2 * kIconWidth + 1 +
                      ColumnWidth() + 2 * kTextMargin;
    return QSize(width, std::max(kIconHeight + 4, LineHeight(*item)));
}
