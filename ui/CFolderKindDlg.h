#pragma once
// The first dialog of continuous printing and batch conversion: a folder
// and a kind of drawing, both kept in the profile for the next time.

#include "controls/CBkDialog.h"
#include "platform/mfc/CString.h"
#include "ui/CFolderFileList.h"

#include <span>

class QComboBox;
class QGridLayout;
class QLineEdit;

class CFolderKindDlg : public CBkDialog {
public:
    enum ControlId {
        kFolderId = 1024,
        kBrowseId = 1025,
        kKindId = 1026,
        kFolderLabelId = 1053,
        kKindLabelId = 1054
    };
    static constexpr int kMaxFolderLength = 256;

    struct Setup {
        const char* caption;
        const char* section;
        const char* folderKey;
        const char* kindKey;
        std::span<const CFileKindEntry> kinds;
    };

    // Reads the folder and the kind from the profile; the DWG entry is
    // offered only with the converter.
    CFolderKindDlg(const Setup& setup, bool dwgConverter, QWidget* parent);

    // "次へ": takes the folder and the selected kind and keeps both; a folder
    // that is not there is refused with a message.
    void accept() override;

    CString m_folder;
    int m_kind = 1;

protected:
    // Where a dialog puts a button of its own.
    QGridLayout* m_grid;

private:
    Setup m_setup;
    QLineEdit* m_folderEdit;
    QComboBox* m_kindCombo;
};

// The object name of the widget of a control id.
QString ControlName(int id);

// The folder browser opened at the edit's folder; a chosen folder replaces
// the edit's text.
void BrowseFolderInto(QLineEdit* edit);
