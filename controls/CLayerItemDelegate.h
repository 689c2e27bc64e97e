#pragma once
// Draws a layer list item: its check box and text shifted right by the
// list's indent.
#include <QStyledItemDelegate>

class CLayerCheckListBox;

class CLayerItemDelegate : public QStyledItemDelegate {
public:
    explicit CLayerItemDelegate(CLayerCheckListBox* list);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    CLayerCheckListBox* m_list;
};
