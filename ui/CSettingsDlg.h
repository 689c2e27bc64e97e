#pragma once
// The settings dialog: eight pages chosen from a tree, editing a copy of the
// settings record. OK takes the pages' values into the copy; the caller puts
// the copy back into the record.

#include "controls/CBkDialog.h"
#include "ui/CSettingsValues.h"

#include <vector>

class CSettingsPage;
class QStackedWidget;
class QTreeWidget;

class CSettingsDlg : public CBkDialog {
public:
    enum Page {
        kColorPage = 0,
        kViewPage = 1,
        kPrintPage = 2,
        kTextPage = 3,
        kShapePage = 4,
        kImagePage = 5,
        kConverterPage = 6,
        kOtherPage = 7,
        kPageCount = 8
    };
    enum ControlId { kOk = 1, kCancel = 2, kTree = 1176 };

    CSettingsDlg(const CSettingsValues& values, int firstPage, QWidget* parent = nullptr);

    const CSettingsValues& Values() const { return m_values; }
    int CurrentPage() const;
    CSettingsPage* PageAt(int index) const { return m_pages[index]; }
    // Shows the page as a click on its tree item does.
    void SelectPage(int index);

    // Refused, with a message, while a field of a page holds a value that
    // is not a whole number within its range.
    void accept() override;

private:
    CSettingsValues m_values;
    QTreeWidget* m_tree;
    QStackedWidget* m_stack;
    std::vector<CSettingsPage*> m_pages;
};
