#pragma once
// The layer list: one item per layer name with a check box for its
// visibility, drawn an indent to the right. A click on a box turns that
// item's check and reports it; a click elsewhere selects as usual.
#include <QListWidget>
#include <functional>

class CLayerCheckListBox : public QListWidget {
public:
    explicit CLayerCheckListBox(QWidget* parent = nullptr);

    void SetIndent(int indent);
    int GetIndent() const { return m_indent; }
    // Adds an item with its check; returns its row.
    int AddItem(const QString& text, bool checked);
    bool GetCheck(int row) const;
    void SetCheck(int row, bool checked);
    // Called with the row after a click has turned its check.
    void SetCheckChangedHandler(std::function<void(int)> handler) {
        m_onCheckChanged = std::move(handler);
    }
    // Whether a click at x (item coordinates) lies on the box of an item
    // whose left edge is left.
    static bool IsOnCheckBox(int x, int left, int indent, int checkWidth);
    int CheckBoxWidth() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    int m_indent = 0;
    std::function<void(int)> m_onCheckChanged;
};
