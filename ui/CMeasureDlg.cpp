#include "ui/CMeasureDlg.h"

#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"
#include "ui/CMeasureHost.h"

#include <QAction>
#include <QActionGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

namespace {

constexpr const char* kSection = "MEASURE";

QString IdName(int id) {
    return QStringLiteral("id_%1").arg(id);
}

// The leading whole number of the text, as the dialog has always read it;
// none for a text without one or one beyond the int range.
std::optional<long> LeadingNumber(const QString& text) {
    const QByteArray bytes = text.trimmed().toLatin1();
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(bytes.constData(), &end, 10);
    if (end == bytes.constData() || errno == ERANGE)
        return std::nullopt;
    return value;
}

struct MenuChoice {
    const char* text;
    int value;
};

constexpr MenuChoice kUnitChoices[] = {{"  mm", 0}, {"  cm", 1}, {"  m", 2}};
constexpr MenuChoice kLengthChoices[] = {{"  -2", -2}, {"  -1", -1}, {"  0", 0},
                                         {"  1", 1},   {"  2", 2},   {"  3", 3}};
constexpr MenuChoice kAngleChoices[] = {{"  0", 0}, {"  1", 1}, {"  2", 2}, {"  3", 3}};

int ProfileInt(const char* key, int fallback) {
    return static_cast<int>(CProfile::GetProfileInt(kSection, key, fallback));
}

} // namespace

CMeasureDlg::CMeasureDlg(CMeasureHost& host, QWidget* parent) : CBkDialog(parent), m_host(host) {
    setObjectName(IdName(146));
    setModal(false);
    m_options.unit = std::clamp(ProfileInt("UNIT", 0), 0, 2);
    m_options.lengthDigits = std::clamp(ProfileInt("LENFIG", 2), CMeasureFormat::kMinLengthDigits,
                                        CMeasureFormat::kMaxLengthDigits);
    m_options.angleDigits = std::clamp(ProfileInt("ANGFIG", 1), 0, CMeasureFormat::kMaxAngleDigits);
    m_scaleNumerator = ProfileInt("SCALE1", 1);
    m_scaleDenominator = ProfileInt("SCALE2", 1);
    // A stored scale outside the range the dialog accepts (a zero
    // denominator would make every value infinite) counts as 1 / 1.
    const auto inRange = [](int value) { return value >= kScaleMin && value <= kScaleMax; };
    m_ratio = inRange(m_scaleNumerator) && inRange(m_scaleDenominator)
                  ? static_cast<double>(m_scaleDenominator) / m_scaleNumerator
                  : 1.0;
    m_options.ratio = m_ratio;
    const int kind = ProfileInt("KIND", 0);
    m_kind = kind == CMeasureFormat::kArea ? CMeasureFormat::kArea : CMeasureFormat::kDistance;

    BuildMenu();
    BuildControls();
    ShowPlaceholders();
    m_numeratorEdit->setText(QString::number(m_scaleNumerator));
    m_denominatorEdit->setText(QString::number(m_scaleDenominator));
    UpdateCaption();
    (m_kind == CMeasureFormat::kArea ? m_areaButton : m_distanceButton)->setChecked(true);
}

void CMeasureDlg::BuildMenu() {
    auto* bar = new QMenuBar(this);
    const auto addGroup = [this, bar](const char* title, const MenuChoice* choices, int count,
                                      int firstId, int current, void (CMeasureDlg::*set)(int)) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(title));
        auto* group = new QActionGroup(this);
        for (int i = 0; i < count; ++i) {
            QAction* action = menu->addAction(QString::fromUtf8(choices[i].text));
            action->setObjectName(IdName(firstId + i));
            action->setCheckable(true);
            action->setChecked(choices[i].value == current);
            group->addAction(action);
            const int value = choices[i].value;
            connect(action, &QAction::triggered, this, [this, set, value] { (this->*set)(value); });
        }
        return group;
    };
    m_unitGroup = addGroup("単位", kUnitChoices, std::size(kUnitChoices), kUnitMm, m_options.unit,
                           &CMeasureDlg::SetUnit);
    m_lengthGroup =
        addGroup("長さの表示桁", kLengthChoices, std::size(kLengthChoices), kLengthDigitsFirst,
                 m_options.lengthDigits, &CMeasureDlg::SetLengthDigits);
    m_angleGroup = addGroup("角度の表示桁", kAngleChoices, std::size(kAngleChoices),
                            kAngleDigitsFirst, m_options.angleDigits, &CMeasureDlg::SetAngleDigits);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(bar);
}

void CMeasureDlg::BuildControls() {
    const auto edit = [this](int id, bool readOnly) {
        auto* field = new QLineEdit(this);
        field->setObjectName(IdName(id));
        field->setReadOnly(readOnly);
        return field;
    };
    m_startEdit = edit(kStart, true);
    m_endEdit = edit(kEnd, true);
    m_offsetEdit = edit(kOffset, true);
    m_angleEdit = edit(kAngle, true);
    m_valueEdit = edit(kValue, true);
    m_numeratorEdit = edit(kScaleNumerator, false);
    m_denominatorEdit = edit(kScaleDenominator, false);
    // Numbers only: the input method stays off.
    m_numeratorEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_denominatorEdit->setAttribute(Qt::WA_InputMethodEnabled, false);

    auto* group = new QGroupBox(this);
    group->setObjectName(IdName(1143));
    auto* grid = new QGridLayout(group);
    const auto label = [group](const char* text) {
        return new QLabel(QString::fromUtf8(text), group);
    };
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(m_numeratorEdit);
    scaleRow->addWidget(label("/"));
    scaleRow->addWidget(m_denominatorEdit);
    grid->addWidget(label("スケール　："), 0, 0);
    grid->addLayout(scaleRow, 0, 1);
    grid->addWidget(label("始　　点　："), 1, 0);
    grid->addWidget(m_startEdit, 1, 1);
    grid->addWidget(label("終　　点　："), 2, 0);
    grid->addWidget(m_endEdit, 2, 1);
    grid->addWidget(label("オフセット："), 3, 0);
    grid->addWidget(m_offsetEdit, 3, 1);
    m_distanceButton = new QRadioButton(QStringLiteral("距離"), group);
    m_distanceButton->setObjectName(IdName(kDistance));
    m_areaButton = new QRadioButton(QStringLiteral("面積"), group);
    m_areaButton->setObjectName(IdName(kArea));
    auto* kindRow = new QHBoxLayout;
    kindRow->addWidget(m_distanceButton);
    kindRow->addWidget(m_areaButton);
    grid->addLayout(kindRow, 4, 0);
    grid->addWidget(m_valueEdit, 4, 1);
    grid->addWidget(label("角　　度　："), 5, 0);
    grid->addWidget(m_angleEdit, 5, 1);

    auto* closeButton = new QPushButton(QStringLiteral("閉じる"), this);
    closeButton->setObjectName(IdName(kClose));
    closeButton->setAutoDefault(false);
    auto* cancelButton = new QPushButton(QStringLiteral("キャンセル"), this);
    cancelButton->setObjectName(IdName(kCancel));
    cancelButton->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    buttons->addWidget(cancelButton);
    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(closeButton, &QPushButton::clicked, this, [this] { OnCloseButton(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { OnCancelButton(); });
    connect(m_distanceButton, &QRadioButton::clicked, this,
            [this] { OnKindChosen(CMeasureFormat::kDistance); });
    connect(m_areaButton, &QRadioButton::clicked, this,
            [this] { OnKindChosen(CMeasureFormat::kArea); });
    // Leaving an edit applies the scale; Enter comes through keyPressEvent.
    for (QLineEdit* scale : {m_numeratorEdit, m_denominatorEdit})
        connect(scale, &QLineEdit::editingFinished, this, [this, scale] {
            if (!scale->hasFocus())
                ApplyScale();
        });
}

void CMeasureDlg::SetPoints(int finished, int x, int y) {
    const std::optional<CMeasureHost::Result> result = m_host.MeasureAt(finished, x, y);
    if (!result)
        return;
    m_start = result->start;
    m_end = result->end;
    m_value = result->value;
    m_angle = result->angle;
    m_measured = result->area ? kAreaMeasured : kDistanceMeasured;
    ShowValues();
}

void CMeasureDlg::Reset() {
    m_kind = CMeasureFormat::kNoKind;
    // Exclusive buttons cannot be cleared one by one.
    m_distanceButton->setAutoExclusive(false);
    m_areaButton->setAutoExclusive(false);
    m_distanceButton->setChecked(false);
    m_areaButton->setChecked(false);
    m_distanceButton->setAutoExclusive(true);
    m_areaButton->setAutoExclusive(true);
    ShowPlaceholders();
}

std::optional<int> CMeasureDlg::ScaleOf(QLineEdit* edit) const {
    const std::optional<long> number = LeadingNumber(edit->text());
    if (!number || *number < kScaleMin || *number > kScaleMax)
        return std::nullopt;
    return static_cast<int>(*number);
}

bool CMeasureDlg::ApplyScale() {
    if (m_applyingScale)
        return false;
    m_applyingScale = true;
    for (QLineEdit* edit : {m_numeratorEdit, m_denominatorEdit}) {
        if (ScaleOf(edit))
            continue;
        CDialogService::Current().MessageBox(
            CString::FromQString(QStringLiteral("1 から 100000 までの数字を入力してください。")),
            CString::FromQString(QStringLiteral("エラー")), MB_OK | MB_ICONEXCLAMATION);
        edit->selectAll();
        edit->setFocus();
        m_applyingScale = false;
        return false;
    }
    m_scaleNumerator = *ScaleOf(m_numeratorEdit);
    m_scaleDenominator = *ScaleOf(m_denominatorEdit);
    m_ratio = static_cast<double>(m_scaleDenominator) / m_scaleNumerator;
    m_options.ratio = m_ratio;
    CProfile::WriteProfileInt(kSection, "SCALE1", m_scaleNumerator);
    CProfile::WriteProfileInt(kSection, "SCALE2", m_scaleDenominator);
    UpdateCaption();
    if (m_measured != kNothing)
        ShowValues();
    else
        ShowPlaceholders();
    m_applyingScale = false;
    return true;
}

void CMeasureDlg::UpdateCaption() {
    setWindowTitle(
        QStringLiteral("測定 （%1 / %2）").arg(m_scaleNumerator).arg(m_scaleDenominator));
}

void CMeasureDlg::ShowTexts(const CMeasureFormat::Texts& texts) {
    m_startEdit->setText(texts.start);
    m_endEdit->setText(texts.end);
    m_offsetEdit->setText(texts.offset);
    m_valueEdit->setText(texts.value);
    m_angleEdit->setText(texts.angle);
}

void CMeasureDlg::ShowValues() {
    ShowTexts(CMeasureFormat::Values(m_options, m_start, m_end, m_value, m_angle,
                                     m_measured == kAreaMeasured));
}

void CMeasureDlg::ShowPlaceholders() {
    m_measured = kNothing;
    ShowTexts(CMeasureFormat::Placeholders(m_options, m_kind));
}

void CMeasureDlg::OnCloseButton() {
    m_measured = kNothing;
    hide();
    m_host.OnMeasureDialogClosed();
}

void CMeasureDlg::OnCancelButton() {
    m_host.CancelMeasurement();
    ShowPlaceholders();
    m_host.FocusView();
}

void CMeasureDlg::OnKindChosen(int kind) {
    m_kind = kind;
    m_host.SelectMeasureTool();
    OnCancelButton();
    m_valueEdit->setFocus();
    CProfile::WriteProfileInt(kSection, "KIND", kind);
}

void CMeasureDlg::SetUnit(int unit) {
    m_options.unit = unit;
    CProfile::WriteProfileInt(kSection, "UNIT", unit);
    m_measured != kNothing ? ShowValues() : ShowPlaceholders();
}

void CMeasureDlg::SetLengthDigits(int digits) {
    m_options.lengthDigits = digits;
    CProfile::WriteProfileInt(kSection, "LENFIG", digits);
    m_measured != kNothing ? ShowValues() : ShowPlaceholders();
}

void CMeasureDlg::SetAngleDigits(int digits) {
    m_options.angleDigits = digits;
    CProfile::WriteProfileInt(kSection, "ANGFIG", digits);
    m_measured != kNothing ? ShowValues() : ShowPlaceholders();
}

void CMeasureDlg::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F5:
        ApplyScale();
        return;
    default:
        CBkDialog::keyPressEvent(event);
    }
}

// Escape and the window's close box close the window as "閉じる" does.
void CMeasureDlg::reject() {
    OnCloseButton();
}
