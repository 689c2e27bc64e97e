#include "controls/CImageExportOptionsDlg.h"

#include "platform/win/CDialogService.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <utility>

namespace {

QString IdName(int id) {
    return QStringLiteral("id_%1").arg(id);
}

QLineEdit* SizeEdit(int id, unsigned value, QWidget* parent) {
    auto* edit = new QLineEdit(QString::number(value), parent);
    edit->setObjectName(IdName(id));
    return edit;
}

// The size the edit holds, when it is a whole number in range.
bool ReadSize(const QLineEdit* edit, unsigned& size) {
    bool ok = false;
    const uint value = edit->text().trimmed().toUInt(&ok);
    if (!ok || value < CImageExportOptionsDlg::kMinSize || value > CImageExportOptionsDlg::kMaxSize)
        return false;
    size = value;
    return true;
}

} // namespace

CImageExportOptionsDlg::CImageExportOptionsDlg(const CImageExportOptions& options, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("id_328"));
    m_width = SizeEdit(kWidthId, options.m_width, this);
    m_height = SizeEdit(kHeightId, options.m_height, this);
    auto* whole = new QRadioButton(QStringLiteral("全体"), this);
    whole->setObjectName(IdName(kWholeId));
    auto* visible = new QRadioButton(QStringLiteral("表示部分"), this);
    visible->setObjectName(IdName(kVisibleId));
    m_range = new QButtonGroup(this);
    m_range->addButton(whole, CImageExportOptions::kWhole);
    m_range->addButton(visible, CImageExportOptions::kVisible);
    (options.m_range == CImageExportOptions::kVisible ? visible : whole)->setChecked(true);
    m_useWindowSize = new QCheckBox(QStringLiteral("現在の表示サイズで出力"), this);
    m_useWindowSize->setObjectName(IdName(kWindowSizeId));
    m_useWindowSize->setChecked(options.m_useWindowSize != 0);

    auto* sizes = new QGridLayout;
    sizes->addWidget(new QLabel(QStringLiteral("幅："), this), 0, 0);
    sizes->addWidget(m_width, 0, 1);
    sizes->addWidget(new QLabel(QStringLiteral("高さ："), this), 1, 0);
    sizes->addWidget(m_height, 1, 1);
    auto* rangeBox = new QGroupBox(QStringLiteral("保存範囲"), this);
    auto* rangeLayout = new QGridLayout(rangeBox);
    rangeLayout->addWidget(whole, 0, 0);
    rangeLayout->addWidget(visible, 1, 0);
    rangeLayout->addWidget(m_useWindowSize, 2, 0);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(sizes);
    layout->addWidget(rangeBox);

    connect(m_range, &QButtonGroup::idClicked, this, [this](int) { UpdateEnabling(); });
    connect(m_useWindowSize, &QCheckBox::toggled, this, [this](bool) { UpdateEnabling(); });
    UpdateEnabling();
}

void CImageExportOptionsDlg::UpdateEnabling() {
    const bool visible = m_range->checkedId() == CImageExportOptions::kVisible;
    const bool sizes = !visible || !m_useWindowSize->isChecked();
    m_width->setEnabled(sizes);
    m_height->setEnabled(sizes);
    m_useWindowSize->setEnabled(visible);
}

bool CImageExportOptionsDlg::UpdateData(CImageExportOptions& options) {
    unsigned width = 0;
    unsigned height = 0;
    for (auto [edit, size] : {std::pair{m_width, &width}, std::pair{m_height, &height}}) {
        if (!ReadSize(edit, *size)) {
            AfxMessageBox(
                CString::FromQString(QStringLiteral("%1 から %2 までの整数を入力してください。")
                                         .arg(kMinSize)
                                         .arg(kMaxSize)),
                MB_ICONEXCLAMATION);
            edit->setFocus();
            edit->selectAll();
            return false;
        }
    }
    options.m_width = width;
    options.m_height = height;
    options.m_range = m_range->checkedId();
    options.m_useWindowSize = m_useWindowSize->isChecked() ? 1 : 0;
    return true;
}
