#pragma once
// The main window's menu: items built from a template, each with its
// mnemonic, its accelerator text at the right and, where one is given, the
// tool-bar image of its command. Commands and state updates go through two
// handlers, so the menu knows nothing of what its commands do.
#include "platform/win/WinTypes.h"

#include <QHash>
#include <QPixmap>
#include <functional>
#include <vector>

class QAction;
class QMenu;
class QMenuBar;

struct CMenuTemplateItem {
    // 0 for a separator and for a popup.
    UINT id = 0;
    // UTF-8, with "&" before the mnemonic and the accelerator after a tab.
    const char* text = "";
    // The image beside the text; null for none.
    QPixmap image;
    std::vector<CMenuTemplateItem> popup;
};

class CBitmapMenu {
public:
    // Builds the bar's popups from the template's top-level items.
    void LoadMenu(QMenuBar* bar, const std::vector<CMenuTemplateItem>& menu);
    // Builds one popup (a context menu) from the items.
    void LoadPopup(QMenu* popup, const std::vector<CMenuTemplateItem>& items);

    void SetCommandHandler(std::function<void(UINT)> handler) { m_onCommand = std::move(handler); }
    // Called before a popup opens, so the items show the state in force.
    void SetUpdateHandler(std::function<void(CBitmapMenu&)> handler) {
        m_onUpdate = std::move(handler);
    }

    // The item of a command; null when the menu has none.
    QAction* FindItem(UINT id) const { return m_items.value(id); }
    // The commands of all items.
    QList<UINT> ItemIds() const { return m_items.keys(); }
    // Changes an item's text (same form as the template's); false when the
    // menu has no item of that command.
    bool ModifyODMenu(const QString& text, UINT id);
    QString GetMenuText(UINT id) const;
    void EnableItem(UINT id, bool enable);
    void CheckItem(UINT id, bool check);

private:
    void Fill(QMenu* popup, const std::vector<CMenuTemplateItem>& items);
    static void SetItemText(QAction* action, const QString& text);

    QHash<UINT, QAction*> m_items;
    std::function<void(UINT)> m_onCommand;
    std::function<void(CBitmapMenu&)> m_onUpdate;
};
