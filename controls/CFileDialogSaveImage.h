#pragma once
// The save dialog of the image export: a file dialog with the options
// panel below it. The options are taken over only when the panel's values
// are sound; otherwise the dialog stays open.

#include "controls/CImageExportOptionsDlg.h"

#include <QFileDialog>

class CFileDialogSaveImage : public QFileDialog {
public:
    // The file types in the order of the export's formats (1 BMP, 2 TIFF,
    // 3 JPEG).
    static const QStringList& Filters();

    // path: the proposed file, without extension.
    CFileDialogSaveImage(const QString& folder, const QString& path,
                         const CImageExportOptions& options, QWidget* parent = nullptr);

    // The options the user confirmed.
    const CImageExportOptions& Options() const { return m_options; }
    // The chosen file, with the extension of its type when it has none.
    QString ChosenPath() const;
    // 1-based index of the chosen file type.
    int FilterIndex() const;
    CImageExportOptionsDlg* Panel() const { return m_panel; }

    void accept() override;

private:
    CImageExportOptionsDlg* m_panel;
    CImageExportOptions m_options;
};
