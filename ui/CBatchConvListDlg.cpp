#include "ui/CBatchConvListDlg.h"

#include "platform/win/CDialogService.h"
#include "ui/CBatchConvDlg.h"
#include "ui/CFolderKindDlg.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CBatchConvListDlg::CBatchConvListDlg(const CString& folder, int kind, ConvertRoutine convert,
                                     QWidget* parent)
    : CFileLoopDlg(folder, KindEntryOf(CBatchConvDlg::Kinds(), kind), CBatchConvDlg::Kinds(),
                   "一括変換を実行しますか？", "次の図面は変換できませんでした。", parent),
      m_convert(std::move(convert)) {
    setWindowTitle(QStringLiteral("一括変換ファイル一覧"));
    auto* label = new QLabel(QStringLiteral("変換先フォルダ："), this);
    label->setObjectName(ControlName(kDestinationLabelId));
    m_destination = new QLineEdit(folder.ToFilePath(), this);
    m_destination->setObjectName(ControlName(kDestinationId));
    m_destination->setMaxLength(CFolderKindDlg::kMaxFolderLength);
    m_browse = new QPushButton(QStringLiteral("参照..."), this);
    m_browse->setObjectName(ControlName(kBrowseId));
    m_browse->setAutoDefault(false);
    m_overwriteAll = new QCheckBox(QStringLiteral("すべて上書き"), this);
    m_overwriteAll->setObjectName(ControlName(kOverwriteAllId));
    m_overwriteAll->setChecked(true);
    for (QWidget* text : std::initializer_list<QWidget*>{label, m_overwriteAll})
        text->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    m_grid->addWidget(label, 0, 0);
    m_grid->addWidget(m_destination, 0, 1);
    m_grid->addWidget(m_browse, 0, 2);
    m_grid->addWidget(m_overwriteAll, 1, 1);
    connect(m_browse, &QPushButton::clicked, this, [this] { BrowseFolderInto(m_destination); });
}

bool CBatchConvListDlg::CanStart() {
    const QFileInfo destination(m_destination->text());
    if (!m_destination->text().isEmpty() && destination.isDir() && destination.isWritable())
        return true;
    AfxMessageBox(CString::FromUtf8("変換先フォルダが見つからないか、書き込みできません。"),
                  MB_ICONEXCLAMATION);
    m_destination->selectAll();
    m_destination->setFocus();
    return false;
}

CFileLoopDlg::Outcome CBatchConvListDlg::ProcessFile(const CString& path) {
    return m_convert(path, CString::FromFilePath(m_destination->text()),
                     m_overwriteAll->isChecked());
}

void CBatchConvListDlg::EnableInputs(bool enable) {
    m_browse->setEnabled(enable);
}
