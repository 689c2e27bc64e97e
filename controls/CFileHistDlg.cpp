#include "controls/CFileHistDlg.h"

#include "controls/CImageThumbnail.h"

#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>

CFileHistDlg::CFileHistDlg(const QString& folder, const QString& filters, QWidget* parent)
    : QFileDialog(parent) {
    // The list lives inside the dialog, which only Qt's own dialog allows.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setNameFilter(filters);
    if (!folder.isEmpty())
        setDirectory(folder);
    auto* label = new QLabel(QStringLiteral("最近使ったﾌｧｲﾙ:"), this);
    label->setObjectName(QStringLiteral("id_%1").arg(kLabelId));
    m_recentBox = new QComboBox(this);
    m_recentBox->setObjectName(QStringLiteral("id_%1").arg(kRecentId));
    m_recentBox->setIconSize(QSize(CImageThumbnail::kSide, CImageThumbnail::kSide));
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        const int row = grid->rowCount();
        grid->addWidget(label, row, 0);
        grid->addWidget(m_recentBox, row, 1, 1, grid->columnCount() - 1);
    }
    m_recent.Load();
    FillRecentList();
    connect(m_recentBox, &QComboBox::activated, this, [this](int index) { OnRecentPicked(index); });
}

void CFileHistDlg::FillRecentList() {
    const QSignalBlocker blocker(m_recentBox);
    m_recentBox->clear();
    const QColor window = palette().color(QPalette::Base);
    for (const CString& path : m_recent.Paths()) {
        const QString name = path.ToFilePath();
        m_recentBox->addItem(QPixmap::fromImage(CImageThumbnail::Make(path, window)),
                             QFileInfo(name).fileName(), name);
    }
    m_recentBox->setCurrentIndex(m_recentBox->count() > 0 ? 0 : -1);
}

void CFileHistDlg::OnRecentPicked(int index) {
    if (index < 0 || index >= m_recentBox->count())
        return;
    m_selectedPath = m_recentBox->itemData(index).toString();
    m_recent.Add(CString::FromFilePath(m_selectedPath));
    QDialog::accept();
}

QString CFileHistDlg::ChosenPath() const {
    if (!m_selectedPath.isEmpty())
        return m_selectedPath;
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

void CFileHistDlg::accept() {
    const QStringList files = selectedFiles();
    if (!files.isEmpty())
        m_recent.Add(CString::FromFilePath(files.first()));
    QFileDialog::accept();
}
