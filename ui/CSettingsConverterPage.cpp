#include "ui/CSettingsConverterPage.h"

#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CSettingsConverterPage::CSettingsConverterPage(const CSettingsPageControls& controls,
                                               CSettingsValues& values, QWidget* parent)
    : CSettingsPage(controls, values, parent), m_path(new QLineEdit(this)),
      m_missing(new QLabel(this)) {
    m_path->setObjectName(QStringLiteral("id_%1").arg(kPath));
    m_path->setText(values.converterPath.ToFilePath());
    m_missing->setObjectName(QStringLiteral("id_%1").arg(kMissing));
    auto* browse = new QPushButton(QStringLiteral("参照..."), this);
    browse->setObjectName(QStringLiteral("id_%1").arg(kBrowse));
    auto* row = new QHBoxLayout;
    row->addWidget(m_path);
    row->addWidget(browse);
    m_layout->insertLayout(0, row);
    m_layout->insertWidget(1, m_missing);
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(m_path, &QLineEdit::textChanged, this, [this] { CheckPath(); });
    CheckPath();
}

void CSettingsConverterPage::CheckPath() {
    const QFileInfo file(m_path->text());
    m_missing->setText(file.isFile() ? QString()
                                     : QStringLiteral("指定した実行モジュールはありません。"));
}

void CSettingsConverterPage::OnBrowse() {
    const QString chosen = CDialogService::Current().GetOpenFileName(
        m_path->text(), QStringLiteral("実行ファイル (*.exe);;すべてのファイル (*)"));
    if (chosen.isEmpty())
        return;
    m_path->setText(chosen);
    // The converter's key is the one value of the dialog kept even on cancel.
    CProfile::WriteProfilePath("DREVIX", "EXEPATH", CString::FromFilePath(chosen));
}

void CSettingsConverterPage::Apply() {
    CSettingsPage::Apply();
    m_values.converterPath = CString::FromFilePath(m_path->text());
}
