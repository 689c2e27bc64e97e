#include "controls/CBitmapMenu.h"

#include "controls/CFlatMenuStyle.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

void CBitmapMenu::LoadMenu(QMenuBar* bar, const std::vector<CMenuTemplateItem>& menu) {
    for (const CMenuTemplateItem& item : menu) {
        QMenu* popup = bar->addMenu(QString::fromUtf8(item.text));
        Fill(popup, item.popup);
    }
}

void CBitmapMenu::LoadPopup(QMenu* popup, const std::vector<CMenuTemplateItem>& items) {
    Fill(popup, items);
}

void CBitmapMenu::Fill(QMenu* popup, const std::vector<CMenuTemplateItem>& items) {
    popup->setStyle(CFlatMenuStyle::Instance());
    QObject::connect(popup, &QMenu::aboutToShow, popup, [this] {
        if (m_onUpdate)
            m_onUpdate(*this);
    });
    for (const CMenuTemplateItem& item : items) {
        if (!item.popup.empty()) {
            QMenu* sub = popup->addMenu(QString::fromUtf8(item.text));
            if (!item.image.isNull())
                sub->setIcon(item.image);
            Fill(sub, item.popup);
            continue;
        }
        if (item.id == 0) {
            popup->addSeparator();
            continue;
        }
        QAction* action = popup->addAction(QString());
        SetItemText(action, QString::fromUtf8(item.text));
        if (!item.image.isNull())
            action->setIcon(item.image);
        action->setIconVisibleInMenu(true);
        const UINT id = item.id;
        QObject::connect(action, &QAction::triggered, action, [this, id] {
            if (m_onCommand)
                m_onCommand(id);
        });
        m_items.insert(id, action);
    }
}

void CBitmapMenu::SetItemText(QAction* action, const QString& text) {
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    action->setText(tab < 0 ? text : text.left(tab));
    action->setShortcut(tab < 0 ? QKeySequence() : QKeySequence(text.mid(tab + 1)));
}

bool CBitmapMenu::ModifyODMenu(const QString& text, UINT id) {
    QAction* action = FindItem(id);
    if (!action)
        return false;
    SetItemText(action, text);
    return true;
}

QString CBitmapMenu::GetMenuText(UINT id) const {
    const QAction* action = FindItem(id);
    if (!action)
        return QString();
    const QString keys = action->shortcut().toString(QKeySequence::PortableText);
    return keys.isEmpty() ? action->text() : action->text() + QLatin1Char('\t') + keys;
}

void CBitmapMenu::EnableItem(UINT id, bool enable) {
    if (QAction* action = FindItem(id))
        action->setEnabled(enable);
}

void CBitmapMenu::CheckItem(UINT id, bool check) {
    if (QAction* action = FindItem(id)) {
        action->setCheckable(check || action->isCheckable());
        action->setChecked(check);
    }
}
