#include "ui/CFolderKindDlg.h"

#include "controls/CToolImages.h"
#include "controls/FolderBrowser.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QString ControlName(int id) {
    return QStringLiteral("id_%1").arg(id);
}

CFolderKindDlg::CFolderKindDlg(const Setup& setup, bool dwgConverter, QWidget* parent)
    : CBkDialog(parent), m_setup(setup) {
    m_folder = CProfile::GetProfilePath(setup.section, setup.folderKey);
    m_kind = static_cast<int>(CProfile::GetProfileInt(setup.section, setup.kindKey, 1));
    setWindowTitle(QString::fromUtf8(setup.caption));
    SetBkBitmapHandle(CToolImages::BarTile());

    auto* folderLabel = new QLabel(QStringLiteral("フォルダ："), this);
    folderLabel->setObjectName(ControlName(kFolderLabelId));
    m_folderEdit = new QLineEdit(m_folder.ToFilePath(), this);
    m_folderEdit->setObjectName(ControlName(kFolderId));
    m_folderEdit->setMaxLength(kMaxFolderLength);
    auto* browse = new QPushButton(QStringLiteral("参照..."), this);
    browse->setObjectName(ControlName(kBrowseId));
    auto* kindLabel = new QLabel(QStringLiteral("拡張子："), this);
    kindLabel->setObjectName(ControlName(kKindLabelId));
    m_kindCombo = new QComboBox(this);
    m_kindCombo->setObjectName(ControlName(kKindId));
    for (const CFileKindEntry& entry : setup.kinds)
        if (!entry.needsConverter || dwgConverter)
            m_kindCombo->addItem(QString::fromUtf8(entry.text), entry.kind);
    // An unknown kind, or DWG without its converter, selects the first entry.
    m_kindCombo->setCurrentIndex(std::max(m_kindCombo->findData(m_kind), 0));
    for (QLabel* label : {folderLabel, kindLabel})
        label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));

    m_grid = new QGridLayout;
    m_grid->addWidget(folderLabel, 0, 0);
    m_grid->addWidget(m_folderEdit, 0, 1);
    m_grid->addWidget(browse, 0, 2);
    m_grid->addWidget(kindLabel, 1, 0);
    m_grid->addWidget(m_kindCombo, 1, 1);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* next = buttons->addButton(QStringLiteral("次へ"), QDialogButtonBox::AcceptRole);
    next->setObjectName(ControlName(1));
    next->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(ControlName(2));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_grid);
    layout->addWidget(buttons);

    connect(browse, &QPushButton::clicked, this, [this] { BrowseFolderInto(m_folderEdit); });
    connect(buttons, &QDialogButtonBox::accepted, this, &CFolderKindDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFolderKindDlg::reject);
}

void BrowseFolderInto(QLineEdit* edit) {
    QString start = edit->text();
    if (start.size() > 1 && start.endsWith(QLatin1Char('/')))
        start.chop(1);
    const QString chosen =
        BrowseForFolder(edit->window(), QStringLiteral("フォルダを選択してください"), start);
    if (!chosen.isEmpty())
        edit->setText(chosen);
}

void CFolderKindDlg::accept() {
    // An empty text would list the program's working folder.
    if (m_folderEdit->text().isEmpty() || !QFileInfo(m_folderEdit->text()).isDir()) {
        AfxMessageBox(CString::FromUtf8("フォルダが見つかりません。"), MB_ICONEXCLAMATION);
        m_folderEdit->selectAll();
        m_folderEdit->setFocus();
        return;
    }
    m_folder = CString::FromFilePath(m_folderEdit->text());
    m_kind = m_kindCombo->currentData().toInt();
    CProfile::WriteProfilePath(m_setup.section, m_setup.folderKey, m_folder);
    CProfile::WriteProfileInt(m_setup.section, m_setup.kindKey, m_kind);
    CBkDialog::accept();
}
