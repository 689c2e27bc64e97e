#include "controls/CLayerCheckListBox.h"

#include "controls/CLayerItemDelegate.h"

#include <QMouseEvent>
#include <QStyle>

CLayerCheckListBox::CLayerCheckListBox(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CLayerItemDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void CLayerCheckListBox::SetIndent(int indent) {
    m_indent = indent;
    viewport()->update();
}

int CLayerCheckListBox::AddItem(const QString& text, bool checked) {
    auto* item = new QListWidgetItem(text, this);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(Qt::CheckStateRole, checked ? Qt::Checked : Qt::Unchecked);
    return row(item);
}

bool CLayerCheckListBox::GetCheck(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->data(Qt::CheckStateRole).toInt() == Qt::Checked;
}

void CLayerCheckListBox::SetCheck(int row, bool checked) {
    if (QListWidgetItem* it = item(row))
        it->setData(Qt::CheckStateRole, checked ? Qt::Checked : Qt::Unchecked);
}

bool CLayerCheckListBox::IsOnCheckBox(int x, int left, int indent, int checkWidth) {
    return left + indent / 2 + 2 < x && x < left + indent + checkWidth + 2;
}

int CLayerCheckListBox::CheckBoxWidth() const {
    return style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, this);
}

void CLayerCheckListBox::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    const QPoint pos = event->position().toPoint();
    QListWidgetItem* it = itemAt(pos);
    if (!it || !(it->flags() & Qt::ItemIsEnabled))
        return;
    const QRect rect = visualItemRect(it);
    if (event->button() != Qt::LeftButton ||
        !IsOnCheckBox(pos.x(), rect.left(), m_indent, CheckBoxWidth())) {
        QListWidget::mousePressEvent(event);
        return;
    }
    const int clicked = row(it);
    SetCheck(clicked, !GetCheck(clicked));
    if (m_onCheckChanged)
        m_onCheckChanged(clicked);
}
