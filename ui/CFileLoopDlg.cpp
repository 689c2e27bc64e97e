#include "ui/CFileLoopDlg.h"

#include "controls/CToolImages.h"
#include "platform/win/CDialogService.h"
#include "ui/CFolderKindDlg.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kIdleCaption = QStringLiteral("閉じる");
const QString kAbortCaption = QStringLiteral("中止");
const char kLeftOutTitle[] = "次の図面は一部の要素を読み込めませんでした。";

// The title and the first names, one a line; empty without names.
QString Section(const char* title, const QStringList& names) {
    if (names.isEmpty())
        return {};
    QString text = QString::fromUtf8(title);
    for (const QString& name : names.mid(0, CFileLoopDlg::kMaxNamedFailures))
        text += QLatin1Char('\n') + name;
    if (names.size() > CFileLoopDlg::kMaxNamedFailures)
        text += QStringLiteral("\nほか %1 件").arg(names.size() - CFileLoopDlg::kMaxNamedFailures);
    return text;
}

QPushButton* Button(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(ControlName(id));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CFileLoopDlg::CFileLoopDlg(const CString& folder, const CFileKindEntry& kind,
                           std::span<const CFileKindEntry> kinds, const char* question,
                           const char* failure, QWidget* parent)
    : CBkDialog(parent), m_folder(folder), m_question(question), m_failure(failure) {
    SetBkBitmapHandle(CToolImages::BarTile());
    m_folderEdit = new QLineEdit(folder.ToFilePath(), this);
    m_folderEdit->setObjectName(ControlName(kFolderId));
    m_folderEdit->setMaxLength(CFolderKindDlg::kMaxFolderLength);
    m_folderEdit->setReadOnly(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(ControlName(kListId));
    for (const QString& name : ListFolderFiles(folder, kind, kinds)) {
        auto* item = new QListWidgetItem(name, m_list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
    }
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(ControlName(kProgressId));
    m_progress->hide();
    m_start = Button(QStringLiteral("開始"), 1, this);
    m_start->setEnabled(m_list->count() > 0);
    m_cancel = Button(QStringLiteral("キャンセル"), 2, this);
    m_abortButton = Button(kIdleCaption, kAbortResult, this);

    m_grid = new QGridLayout;
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_start);
    buttons->addWidget(m_cancel);
    buttons->addWidget(m_abortButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_folderEdit);
    layout->addWidget(m_list);
    layout->addLayout(m_grid);
    layout->addWidget(m_progress);
    layout->addLayout(buttons);

    connect(m_start, &QPushButton::clicked, this, [this] { OnStart(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { CBkDialog::reject(); });
    connect(m_abortButton, &QPushButton::clicked, this, [this] { OnAbort(); });
}

void CFileLoopDlg::OnStart() {
    if (!CanStart())
        return;
    if (AfxMessageBox(CString::FromUtf8(m_question), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const int count = m_list->count();
    m_progress->setRange(0, count);
    m_progress->setValue(0);
    m_abort = 0;
    m_progress->show();
    m_start->setEnabled(false);
    m_cancel->setEnabled(false);
    EnableInputs(false);
    m_abortButton->setText(kAbortCaption);
    QStringList failed;
    QStringList leftOut;
    const auto stop = [&] {
        m_abort = 1;
        m_progress->hide();
        Report(failed, leftOut);
    };
    for (int i = 0; i < count; ++i) {
        // The clicks of the last file's time arrive here.
        QCoreApplication::processEvents();
        if (m_abort == 1) {
            stop();
            return;
        }
        QListWidgetItem* item = m_list->item(i);
        if (item->checkState() == Qt::Checked) {
            m_list->setCurrentItem(item);
            const Outcome outcome = ProcessFile(JoinFolderPath(m_folder, item->text()));
            if (outcome == Outcome::kFailed)
                failed.append(item->text());
            if (outcome == Outcome::kDoneWithLeftOut)
                leftOut.append(item->text());
            if (outcome == Outcome::kStop) {
                stop();
                return;
            }
        }
        m_progress->setValue(i + 1);
    }
    stop();
    accept();
}

void CFileLoopDlg::Report(const QStringList& failed, const QStringList& leftOut) const {
    QStringList sections{Section(m_failure, failed), Section(kLeftOutTitle, leftOut)};
    sections.removeAll(QString());
    if (sections.isEmpty())
        return;
    AfxMessageBox(CString::FromQString(sections.join(QStringLiteral("\n\n"))), MB_ICONEXCLAMATION);
}

void CFileLoopDlg::OnAbort() {
    if (m_abort == 1)
        done(kAbortResult);
    else
        m_abort = 1;
}

void CFileLoopDlg::reject() {
    if (m_abort == 1)
        CBkDialog::reject();
    else
        m_abort = 1;
}
