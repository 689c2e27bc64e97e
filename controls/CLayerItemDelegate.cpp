#include "controls/CLayerItemDelegate.h"

#include "controls/CLayerCheckListBox.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

CLayerItemDelegate::CLayerItemDelegate(CLayerCheckListBox* list)
    : QStyledItemDelegate(list), m_list(list) {}

void CLayerItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    QStyle* style = m_list->style();
    const bool selected = option.state & QStyle::State_Selected;
    if (selected)
        painter->fillRect(option.rect, option.palette.highlight());

    const int checkWidth = m_list->CheckBoxWidth();
    const int left = option.rect.left() + m_list->GetIndent();
    QStyleOptionButton box;
    box.rect = QRect(left + 1, option.rect.top() + (option.rect.height() - checkWidth) / 2,
                     checkWidth, checkWidth);
    box.state = QStyle::State_Enabled |
                (index.data(Qt::CheckStateRole).toInt() == Qt::Checked ? QStyle::State_On
                                                                       : QStyle::State_Off);
    style->drawPrimitive(QStyle::PE_IndicatorCheckBox, &box, painter, m_list);

    const QRect textRect = option.rect.adjusted(m_list->GetIndent() + checkWidth + 2 + 5, 0, 0, 0);
    const QPalette::ColorRole role = selected ? QPalette::HighlightedText
                                     : (option.state & QStyle::State_Enabled)
                                         ? QPalette::WindowText
                                         : QPalette::PlaceholderText;
    painter->setPen(option.palette.color(role));
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.rect = option.rect;
        focus.palette = option.palette;
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, m_list);
    }
}

QSize CLayerItemDelegate::sizeHint(const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    size.rwidth() += m_list->GetIndent() + 7;
    return size;
}
