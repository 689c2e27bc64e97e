#include "ui/CScalePrintDlg.h"

#include "controls/CToolImages.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"
#include "ui/CFolderKindDlg.h"
#include "ui/CScalePrintHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <charconv>
#include <cmath>

namespace {

struct ScaleEntry {
    const char* text;
    double numerator;
    double denominator;
};

// Entry 0, "カスタム", keeps the edits.
constexpr ScaleEntry kScales[] = {
    {"カスタム", 0, 0}, {"1/1", 1, 1},     {"1/2", 1, 2},       {"1/5", 1, 5},
    {"1/10", 1, 10},    {"1/20", 1, 20},   {"1/50", 1, 50},     {"1/100", 1, 100},
    {"1/200", 1, 200},  {"1/500", 1, 500}, {"1/1000", 1, 1000}, {"2/1", 2, 1},
    {"5/1", 5, 1},      {"10/1", 10, 1},   {"20/1", 20, 1},     {"50/1", 50, 1},
};

struct ValueRange {
    int id;
    double low;
    double high;
    const char* message;
};

constexpr char kScaleMessage[] = "0.00001 から 100000 までの数字を入力してください。";

constexpr ValueRange kRanges[] = {
    {CScalePrintDlg::kNumeratorId, 0.00001, 100000, kScaleMessage},
    {CScalePrintDlg::kDenominatorId, 0.00001, 100000, kScaleMessage},
    {CScalePrintDlg::kLabelHeightId, 0.1, 10, "0.1 から 10 までの数字を入力してください。"},
};

// The number a text starts with, as the C library reads it, in any locale;
// 0 for none.
double LeadingNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    double value = 0.0;
    const char* begin = bytes.constData();
    if (*begin == '+')
        ++begin;
    if (std::from_chars(begin, bytes.constData() + bytes.size(), value).ec != std::errc())
        return 0.0;
    return value;
}

QString WholePart(double value) {
    return QString::number(static_cast<long long>(value));
}

// A validated scale value as the label shows it: 1 for 1.0, 2.5 for 2.5.
QString LabelNumber(double value) {
    return QString::number(value, 'g', 10);
}

QPushButton* Button(const char* text, int id, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(ControlName(id));
    button->setAutoDefault(false);
    return button;
}

QLabel* Label(const char* text, int id, QWidget* parent) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(ControlName(id));
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    return label;
}

QLineEdit* NumberEdit(int id, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(ControlName(id));
    return edit;
}

} // namespace

CScalePrintDlg::CScalePrintDlg(CScalePrintHost& host, QWidget* parent)
    : CBkDialog(parent), m_host(host) {
    m_labelOn = static_cast<int>(CProfile::GetProfileInt("SCALEPRINT", "DISPSCALE", 1));
    m_labelHeight =
        LeadingNumber(CProfile::GetProfileString("SCALEPRINT", "TEXTSIZE", "5").ToQString());
    m_labelPosition = static_cast<int>(CProfile::GetProfileInt("SCALEPRINT", "SCALEPOS", 3));
    setWindowTitle(QStringLiteral("スケール印刷"));
    SetBkBitmapHandle(CToolImages::BarTile());

    m_paper = new QComboBox(this);
    m_paper->setObjectName(ControlName(kPaperId));
    m_orientationCombo = new QComboBox(this);
    m_orientationCombo->setObjectName(ControlName(kOrientationId));
    m_orientationCombo->addItems({QStringLiteral("縦"), QStringLiteral("横")});
    m_scale = new QComboBox(this);
    m_scale->setObjectName(ControlName(kScaleId));
    for (const ScaleEntry& entry : kScales)
        m_scale->addItem(QString::fromUtf8(entry.text));
    m_numeratorEdit = NumberEdit(kNumeratorId, this);
    m_denominatorEdit = NumberEdit(kDenominatorId, this);
    m_labelOnCheck = new QCheckBox(QStringLiteral("スケールを出力"), this);
    m_labelOnCheck->setObjectName(ControlName(kLabelOnId));
    m_labelOnCheck->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    m_labelHeightEdit = NumberEdit(kLabelHeightId, this);
    m_position = new QComboBox(this);
    m_position->setObjectName(ControlName(kLabelPositionId));
    m_position->addItems({QStringLiteral("左上"), QStringLiteral("右上"), QStringLiteral("左下"),
                          QStringLiteral("右下")});

    auto* paperBox = new QFrame(this);
    paperBox->setObjectName(ControlName(1141));
    auto* paperGrid = new QGridLayout(paperBox);
    paperGrid->addWidget(Label("サイズ：", 1134, this), 0, 0);
    paperGrid->addWidget(m_paper, 0, 1, 1, 3);
    paperGrid->addWidget(Label("方向：", 1135, this), 1, 0);
    paperGrid->addWidget(m_orientationCombo, 1, 1);
    auto* scaleBox = new QFrame(this);
    scaleBox->setObjectName(ControlName(1142));
    auto* scaleGrid = new QGridLayout(scaleBox);
    scaleGrid->addWidget(Label("スケール：", 1136, this), 0, 0);
    scaleGrid->addWidget(m_scale, 0, 1, 1, 3);
    scaleGrid->addWidget(Label("カスタム：", 1137, this), 1, 0);
    scaleGrid->addWidget(m_numeratorEdit, 1, 1);
    scaleGrid->addWidget(Label("/", 1138, this), 1, 2);
    scaleGrid->addWidget(m_denominatorEdit, 1, 3);
    scaleGrid->addWidget(m_labelOnCheck, 2, 0, 1, 4);
    scaleGrid->addWidget(Label("文字サイズ：", 1092, this), 3, 0);
    scaleGrid->addWidget(m_labelHeightEdit, 3, 1);
    scaleGrid->addWidget(Label("(mm)", 1139, this), 3, 2);
    scaleGrid->addWidget(Label("位置：", 1140, this), 4, 0);
    scaleGrid->addWidget(m_position, 4, 1);

    QPushButton* invert = Button("印刷開始位置x、y反転", kInvertId, this);
    invert->hide();
    QPushButton* centre = Button("センタリング", kCentreId, this);
    QPushButton* reset = Button("リセット", kResetId, this);
    QPushButton* setup = Button("プリンタの設定...", kPrinterSetupId, this);
    m_print = Button("印刷...", kPrintId, this);
    QPushButton* cancel = Button("キャンセル", 2, this);

    auto* frame = new QFrame(this);
    frame->setObjectName(ControlName(kPaneFrameId));
    frame->setStyleSheet(QStringLiteral("QFrame#id_1020 { border: 1px solid black; }"));
    frame->setMinimumSize(374, 372);
    m_preview = new CScalePreviewDlg(host, frame);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(2, 2, 2, 2);
    frameLayout->addWidget(m_preview);

    auto* left = new QVBoxLayout;
    left->addWidget(Label(" 用紙", 1144, this));
    left->addWidget(paperBox);
    left->addWidget(Label(" スケール", 1145, this));
    left->addWidget(scaleBox);
    left->addStretch();
    for (QPushButton* button : {invert, centre, reset, setup, m_print, cancel})
        left->addWidget(button);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(frame, 1);

    connect(m_paper, &QComboBox::activated, this, [this] { OnPaperChanged(); });
    connect(m_orientationCombo, &QComboBox::activated, this, [this] { OnOrientationChanged(); });
    connect(m_scale, &QComboBox::activated, this, [this] { OnScaleChanged(); });
    connect(m_labelOnCheck, &QCheckBox::clicked, this, [this] { OnLabelOnClicked(); });
    connect(invert, &QPushButton::clicked, this, [this] {
        m_preview->m_invert = !m_preview->m_invert;
        m_preview->update();
    });
    connect(centre, &QPushButton::clicked, this, [this] { OnCentre(); });
    connect(reset, &QPushButton::clicked, this, [this] { OnReset(); });
    connect(setup, &QPushButton::clicked, this, [this] { OnPrinterSetup(); });
    connect(m_print, &QPushButton::clicked, this, [this] { OnPrint(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Leaving an edit takes a valid scale silently.
    for (QLineEdit* edit : {m_numeratorEdit, m_denominatorEdit})
        connect(edit, &QLineEdit::editingFinished, this, [this] { ValidateScale(false); });
}

CScalePrintDlg::~CScalePrintDlg() {
    // The edits lose the focus as they go, after this object.
    m_numeratorEdit->disconnect(this);
    m_denominatorEdit->disconnect(this);
}

QLineEdit* CScalePrintDlg::Edit(int id) const {
    switch (id) {
    case kNumeratorId:
        return m_numeratorEdit;
    case kDenominatorId:
        return m_denominatorEdit;
    case kLabelHeightId:
        return m_labelHeightEdit;
    default:
        return nullptr;
    }
}

void CScalePrintDlg::OnInitDialog() {
    m_numeratorEdit->setText(LabelNumber(m_numerator));
    m_denominatorEdit->setText(LabelNumber(m_denominator));
    m_labelHeightEdit->setText(LabelNumber(m_labelHeight));
    m_labelOnCheck->setChecked(m_labelOn != 0);
    m_position->setCurrentIndex(m_labelPosition);
    ReadPrinter();
    SelectScaleEntry();
    m_startNumerator = m_numerator;
    m_startDenominator = m_denominator;
    m_labelHeightEdit->setEnabled(m_labelOn != 0);
    m_position->setEnabled(m_labelOn != 0);
    m_preview->m_centreX = m_centreX;
    m_preview->m_centreY = m_centreY;
    m_preview->m_scale = m_numerator / m_denominator;
    UpdatePanePaper();
    m_paper->setToolTip(m_paper->currentText());
}

void CScalePrintDlg::ReadPrinter() {
    m_printerName = m_host.PrinterName();
    setWindowTitle(QStringLiteral("スケール印刷 (%1)").arg(m_printerName));
    FillPaperCombo();
    m_sheet.orientation = m_host.PrinterOrientation() == CScalePrintHost::kLandscape
                              ? CScalePrintHost::kLandscape
                              : CScalePrintHost::kPortrait;
    m_orientationCombo->setCurrentIndex(m_sheet.orientation == CScalePrintHost::kPortrait ? 0 : 1);
    UpdateMargins();
}

int CScalePrintDlg::FillPaperCombo() {
    const int current = m_host.PrinterPaper();
    const std::vector<CScalePaper> papers = m_host.Papers();
    m_paperCount = static_cast<int>(papers.size());
    if (m_paperCount < 1)
        return current;
    m_paper->clear();
    for (const CScalePaper& paper : papers)
        m_paper->addItem(paper.name.left(64), paper.id);
    const int index = std::max(m_paper->findData(current), 0);
    m_paper->setCurrentIndex(index);
    m_sheet.paperWidth = papers[static_cast<size_t>(index)].size.x;
    m_sheet.paperLength = papers[static_cast<size_t>(index)].size.y;
    return current;
}

void CScalePrintDlg::UpdateMargins() {
    double left = 0, top = 0, right = 0, bottom = 0;
    m_host.PrinterMargins(left, top, right, bottom);
    m_sheet.marginLeft = static_cast<int>(left * 10 + 0.5);
    m_sheet.marginTop = static_cast<int>(top * 10 + 0.5);
    m_sheet.marginRight = static_cast<int>(right * 10 + 0.5);
    m_sheet.marginBottom = static_cast<int>(bottom * 10 + 0.5);
}

void CScalePrintDlg::UpdatePanePaper() {
    m_preview->m_sheet = m_sheet;
    // Without a paper of some size there is nothing to print on.
    m_print->setEnabled(m_preview->CanPrint());
    m_preview->update();
}

bool CScalePrintDlg::CheckValue(int id, bool show, double* value) const {
    const QLineEdit* edit = Edit(id);
    const double number = edit ? LeadingNumber(edit->text()) : 0.0;
    if (value)
        *value = number;
    for (const ValueRange& range : kRanges) {
        if (range.id != id)
            continue;
        if (number >= range.low && number <= range.high)
            return true;
        if (show)
            CDialogService::Current().MessageBox(CString::FromUtf8(range.message),
                                                 CString::FromUtf8("エラー"),
                                                 MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

void CScalePrintDlg::FocusEdit(int id) {
    QLineEdit* edit = Edit(id);
    edit->selectAll();
    edit->setFocus();
}

void CScalePrintDlg::ApplyScale(double numerator, double denominator) {
    m_numerator = numerator;
    m_denominator = denominator;
    SelectScaleEntry();
    m_preview->m_scale = m_numerator / m_denominator;
    m_preview->update();
}

bool CScalePrintDlg::ValidateScale(bool show) {
    double numerator = 0, denominator = 0;
    if (!CheckValue(kNumeratorId, show, &numerator)) {
        if (show)
            FocusEdit(kNumeratorId);
        return false;
    }
    if (!CheckValue(kDenominatorId, show, &denominator)) {
        if (show)
            FocusEdit(kDenominatorId);
        return false;
    }
    ApplyScale(numerator, denominator);
    return true;
}

bool CScalePrintDlg::ValidateAll() {
    double values[3] = {};
    const int ids[3] = {kNumeratorId, kDenominatorId, kLabelHeightId};
    for (int i = 0; i < 3; ++i) {
        if (!CheckValue(ids[i], true, &values[i])) {
            FocusEdit(ids[i]);
            return false;
        }
    }
    m_labelHeight = values[2];
    ApplyScale(values[0], values[1]);
    return true;
}

void CScalePrintDlg::SelectScaleEntry() {
    int selected = 0;
    for (int i = 1; i < static_cast<int>(std::size(kScales)); ++i)
        if (kScales[i].numerator == m_numerator && kScales[i].denominator == m_denominator)
            selected = i;
    m_scale->setCurrentIndex(selected);
}

void CScalePrintDlg::OnPaperChanged() {
    const int index = m_paper->currentIndex();
    const std::vector<CScalePaper> papers = m_host.Papers();
    if (index < 0 || index >= static_cast<int>(papers.size()))
        return;
    m_host.SetPrinterPaper(m_paper->currentData().toInt());
    m_sheet.paperWidth = papers[static_cast<size_t>(index)].size.x;
    m_sheet.paperLength = papers[static_cast<size_t>(index)].size.y;
    UpdateMargins();
    UpdatePanePaper();
    m_paper->setToolTip(m_paper->currentText());
    ValidateScale(true);
}

void CScalePrintDlg::OnOrientationChanged() {
    const bool landscape = m_orientationCombo->currentIndex() == 1;
    m_sheet.orientation = landscape ? CScalePrintHost::kLandscape : CScalePrintHost::kPortrait;
    m_host.SetPrinterOrientation(landscape);
    UpdateMargins();
    UpdatePanePaper();
    ValidateScale(true);
}

void CScalePrintDlg::OnScaleChanged() {
    const int index = m_scale->currentIndex();
    if (index == 0)
        return;
    const ScaleEntry entry = index > 0 ? kScales[index] : ScaleEntry{"", 1, 1};
    m_numeratorEdit->setText(WholePart(entry.numerator));
    m_denominatorEdit->setText(WholePart(entry.denominator));
    ValidateScale(true);
}

void CScalePrintDlg::OnLabelOnClicked() {
    double height = 0;
    if (!CheckValue(kLabelHeightId, true, &height)) {
        FocusEdit(kLabelHeightId);
        return;
    }
    m_labelOn = m_labelOnCheck->isChecked() ? 1 : 0;
    m_labelHeight = height;
    m_labelHeightEdit->setEnabled(m_labelOn != 0);
    m_position->setEnabled(m_labelOn != 0);
}

void CScalePrintDlg::OnCentre() {
    const DPOINT centre = m_host.DrawingCentre();
    m_preview->m_centreX = centre.x;
    m_preview->m_centreY = centre.y;
    m_preview->ClearDrag();
    m_preview->update();
}

void CScalePrintDlg::OnReset() {
    m_numeratorEdit->setText(WholePart(m_startNumerator));
    m_denominatorEdit->setText(WholePart(m_startDenominator));
    m_numerator = m_startNumerator;
    m_denominator = m_startDenominator;
    SelectScaleEntry();
    m_preview->ClearDrag();
    m_preview->m_scale = m_numerator / m_denominator;
    m_preview->m_centreX = m_centreX;
    m_preview->m_centreY = m_centreY;
    m_preview->update();
}

void CScalePrintDlg::OnPrinterSetup() {
    if (!ValidateAll())
        return;
    m_host.PrinterSetup();
    ReadPrinter();
    UpdatePanePaper();
    m_paper->setToolTip(m_paper->currentText());
}

void CScalePrintDlg::OnPrint() {
    if (!ValidateAll())
        return;
    m_labelOn = m_labelOnCheck->isChecked() ? 1 : 0;
    CProfile::WriteProfileInt("SCALEPRINT", "DISPSCALE", m_labelOn);
    if (m_labelOn)
        CProfile::WriteProfileString("SCALEPRINT", "TEXTSIZE",
                                     QByteArray::number(m_labelHeight, 'f', 6).constData());
    m_labelPosition = m_position->currentIndex();
    CProfile::WriteProfileInt("SCALEPRINT", "SCALEPOS", m_labelPosition);
    m_preview->m_labelOn = m_labelOn;
    m_preview->m_labelHeight = m_labelHeight;
    m_preview->m_labelPosition = m_labelPosition;
    // The label shows the scale that was checked, not whatever the edits
    // hold after the number.
    m_preview->m_labelText = CString::FromQString(LabelNumber(m_numerator) + QStringLiteral(" / ") +
                                                  LabelNumber(m_denominator));
    m_preview->PrintScaled(this);
}

void CScalePrintDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        // Applies the scale; never closes the dialog.
        ValidateScale(true);
        event->accept();
        return;
    default:
        CBkDialog::keyPressEvent(event);
    }
}
