#pragma once
// The DWG converter page: the converter program's path, a note when no such
// file exists, and a file dialog that chooses one and stores it at once.

#include "ui/CSettingsPage.h"

class QLabel;
class QLineEdit;

class CSettingsConverterPage : public CSettingsPage {
public:
    enum ControlId { kPath = 1120, kMissing = 1122, kBrowse = 1025 };

    CSettingsConverterPage(const CSettingsPageControls& controls, CSettingsValues& values,
                           QWidget* parent);

    void Apply() override;

private:
    void OnBrowse();
    // Shows the note when no file of the path exists.
    void CheckPath();

    QLineEdit* m_path;
    QLabel* m_missing;
};
