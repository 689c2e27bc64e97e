#pragma once
// Batch conversion's file list: converts the checked files one after
// another into own drawing files in the destination folder, which must be
// there and writable before the loop starts.

#include "ui/CFileLoopDlg.h"

#include <functional>

class QCheckBox;

class CBatchConvListDlg : public CFileLoopDlg {
public:
    enum ControlId {
        kDestinationId = 1026,
        kBrowseId = 1025,
        kDestinationLabelId = 1054,
        kOverwriteAllId = 1122
    };
    // The routine converts one file into the destination folder.
    using ConvertRoutine =
        std::function<Outcome(const CString& path, const CString& destination, bool overwriteAll)>;

    // The destination starts as the source folder.
    CBatchConvListDlg(const CString& folder, int kind, ConvertRoutine convert,
                      QWidget* parent = nullptr);

protected:
    Outcome ProcessFile(const CString& path) override;
    bool CanStart() override;
    void EnableInputs(bool enable) override;

private:
    ConvertRoutine m_convert;
    QLineEdit* m_destination;
    QPushButton* m_browse;
    QCheckBox* m_overwriteAll;
};
