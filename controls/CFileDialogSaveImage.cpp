#include "controls/CFileDialogSaveImage.h"

#include <QFileInfo>
#include <QGridLayout>

namespace {

const char* const kExtensions[] = {"bmp", "tif", "jpg"};

} // namespace

const QStringList& CFileDialogSaveImage::Filters() {
    static const QStringList filters{QStringLiteral("BMP ファイル(*.bmp)"),
                                     QStringLiteral("TIFF ファイル(*.tif)"),
                                     QStringLiteral("JPEG ファイル(*.jpg)")};
    return filters;
}

CFileDialogSaveImage::CFileDialogSaveImage(const QString& folder, const QString& path,
                                           const CImageExportOptions& options, QWidget* parent)
    : QFileDialog(parent), m_options(options) {
    // The panel lives inside the dialog, which only Qt's own dialog allows.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setNameFilters(Filters());
    setDefaultSuffix(QString::fromLatin1(kExtensions[0]));
    if (!folder.isEmpty())
        setDirectory(folder);
    if (!path.isEmpty())
        selectFile(QFileInfo(path).fileName());
    m_panel = new CImageExportOptionsDlg(m_options, this);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_panel, grid->rowCount(), 0, 1, grid->columnCount());
    connect(this, &QFileDialog::filterSelected, this, [this](const QString&) {
        setDefaultSuffix(QString::fromLatin1(kExtensions[FilterIndex() - 1]));
    });
}

int CFileDialogSaveImage::FilterIndex() const {
    const qsizetype index = Filters().indexOf(selectedNameFilter());
    return index < 0 ? 1 : static_cast<int>(index) + 1;
}

QString CFileDialogSaveImage::ChosenPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void CFileDialogSaveImage::accept() {
    CImageExportOptions options = m_options;
    if (!m_panel->UpdateData(options))
        return;
    m_options = options;
    QFileDialog::accept();
}
