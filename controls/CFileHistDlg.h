#pragma once
// The open dialog for image files with the last ten images picked: a file
// dialog with a list of the recent files and their thumbnails below it.
// Picking a recent entry ends the dialog with that file; any file chosen
// joins the top of the list.

#include "controls/CRecentImageList.h"

#include <QFileDialog>

class QComboBox;

class CFileHistDlg : public QFileDialog {
public:
    enum ControlId { kLabelId = 1119, kRecentId = 1229 };

    CFileHistDlg(const QString& folder, const QString& filters, QWidget* parent = nullptr);

    // The file chosen: the recent entry picked, else the dialog's own.
    QString ChosenPath() const;
    const CRecentImageList& Recent() const { return m_recent; }

    void accept() override;

private:
    void FillRecentList();
    void OnRecentPicked(int index);

    CRecentImageList m_recent;
    QComboBox* m_recentBox;
    QString m_selectedPath;
};
