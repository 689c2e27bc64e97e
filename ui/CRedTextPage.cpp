#include "ui/CRedTextPage.h"

#include "controls/CHoverButtonEx.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CNumberFormat.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedStylePreview.h"
#include "ui/CRedlineDlg.h"
#include "ui/CSettingsDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

QString SizeText(double value) {
    return QString::fromStdString(CNumberFormat::Fixed(value, 3));
}

} // namespace

CRedTextPage::CRedTextPage(CRedlineDlg& palette, QWidget* parent)
    : CRedStylePage(palette, CPaletteStyle::kTextPage) {
    setParent(parent);
    MakeKindButtons({0, 1, 2, 4}, {QStringLiteral("楕円"), QStringLiteral("矩形"),
                                   QStringLiteral("円"), QStringLiteral("矢印")});
    MakeCommonControls();
    m_textCombo = MakeCombo(kTextCombo, true, true);
    m_text = {MakeCombo(kTextSizeCombo, false, false),
              new QCheckBox(QStringLiteral("数値指定"), this), MakeEdit(kTextSizeEdit, false),
              MakeButton(kTextDetails, QStringLiteral("詳細...")), false};
    m_arrowSize = {MakeCombo(kArrowSizeCombo, false, false),
                   new QCheckBox(QStringLiteral("数値指定"), this), MakeEdit(kArrowSizeEdit, false),
                   MakeButton(kArrowDetails, QStringLiteral("詳細...")), true};
    m_text.numeric->setObjectName(QStringLiteral("id_%1").arg(kTextSizeNumeric));
    m_arrowSize.numeric->setObjectName(QStringLiteral("id_%1").arg(kArrowSizeNumeric));
    for (const char* entry : {"大", "標準", "小"}) {
        m_text.combo->addItem(QString::fromUtf8(entry));
        m_arrowSize.combo->addItem(QString::fromUtf8(entry));
    }
    m_arrowSize.combo->addItem(QStringLiteral("なし"));
    m_frames = new QButtonGroup(this);
    const char* frameTexts[] = {"なし", "囲み円", "囲み矩形"};
    for (int frame = 0; frame < 3; ++frame) {
        auto* radio = new QRadioButton(QString::fromUtf8(frameTexts[frame]), this);
        radio->setObjectName(QStringLiteral("id_%1").arg(kNoFrame + frame));
        m_frames->addButton(radio, frame);
    }
    m_tipAtCentre = new QCheckBox(QStringLiteral("中心が先端"), this);
    m_tipAtCentre->setObjectName(QStringLiteral("id_%1").arg(kTipAtCentre));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addLayout(KindRow(), 0, 0, 1, 5);
    grid->addWidget(Caption("画層"), 1, 0);
    grid->addWidget(m_layerCombo, 1, 1, 1, 4);
    grid->addWidget(Caption("文字列"), 2, 0);
    grid->addWidget(m_textCombo, 2, 1, 1, 4);
    grid->addWidget(Caption("フォント"), 3, 0);
    grid->addWidget(m_fontCombo, 3, 1, 1, 4);
    int row = 4;
    for (const auto& [caption, controls] :
         {std::pair{"文字サイズ", m_text}, std::pair{"矢印サイズ", m_arrowSize}}) {
        grid->addWidget(Caption(caption), row, 0);
        grid->addWidget(controls.combo, row, 1);
        grid->addWidget(controls.numeric, row, 2);
        grid->addWidget(controls.edit, row, 3);
        grid->addWidget(controls.details, row, 4);
        ++row;
    }
    auto* frames = new QHBoxLayout;
    for (QAbstractButton* radio : m_frames->buttons())
        frames->addWidget(radio);
    frames->addWidget(m_tipAtCentre);
    grid->addLayout(frames, row++, 0, 1, 5);
    grid->addWidget(Caption("線色"), row, 0);
    grid->addLayout(PenColorRow(), row++, 1, 1, 4);
    grid->addWidget(Caption("線幅"), row, 0);
    grid->addWidget(m_penWidthCombo, row++, 1);
    grid->addWidget(Caption("ツールチップ"), row, 0);
    grid->addWidget(m_tooltipEdit, row, 1, 1, 3);
    grid->addWidget(m_tooltipHistory, row++, 4);
    grid->addWidget(m_preview, row, 0, 1, 5);

    for (const SizeControls* controls : {&m_text, &m_arrowSize}) {
        const SizeControls& size = *controls;
        connect(size.combo, &QComboBox::activated, this,
                [this, &size](int index) { OnSizeChosen(size, index); });
        connect(size.edit, &QLineEdit::textEdited, this, [this, &size] { OnSizeEdited(size); });
        connect(size.numeric, &QAbstractButton::clicked, this,
                [this, &size] { OnNumericClicked(size); });
        connect(size.details, &QAbstractButton::clicked, this,
                [this] { Host().DoSettingsDialog(CSettingsDlg::kTextPage); });
    }
    connect(m_textCombo, &QComboBox::editTextChanged, this,
            [this](const QString& text) { OnTextChanged(text); });
    connect(m_frames, &QButtonGroup::idClicked, this, [this](int frame) { OnBoxFrame(frame); });
    connect(m_tipAtCentre, &QAbstractButton::clicked, this, [this] { OnTipAtCentre(); });
}

double& CRedTextPage::SizeOf(const SizeControls& controls) const {
    return controls.arrow ? Style().m_arrowSize : Style().m_textSize;
}

const std::array<double, 3>& CRedTextPage::PresetsOf(const SizeControls& controls) const {
    return controls.arrow ? Style().m_arrowPresets : Style().m_textPresets;
}

int CRedTextPage::EntryOf(const SizeControls& controls, double value) const {
    if (controls.arrow && value == 0.0)
        return CPaletteStyle::kArrowNone;
    const std::array<double, 3>& presets = PresetsOf(controls);
    for (std::size_t i = 0; i < presets.size(); ++i)
        if (presets[i] == value)
            return static_cast<int>(i);
    return -1;
}

bool CRedTextPage::ReadNumber(const QLineEdit* edit, double* value) {
    bool ok = false;
    const QString text = edit->text().trimmed();
    *value = text.isEmpty() ? 0.0 : QLocale::c().toDouble(text, &ok);
    return ok || text.isEmpty();
}

// ---- Showing the style

void CRedTextPage::ShowSize(const SizeControls& controls, bool enabled) {
    const double value = SizeOf(controls);
    controls.edit->setText(SizeText(value));
    const int entry = EntryOf(controls, value);
    controls.combo->setCurrentIndex(entry);
    if (entry < 0)
        controls.numeric->setChecked(true);
    controls.numeric->setEnabled(enabled);
    controls.combo->setEnabled(enabled && !controls.numeric->isChecked());
    controls.edit->setEnabled(enabled && controls.numeric->isChecked());
    controls.details->setEnabled(enabled);
}

void CRedTextPage::RefreshControls() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    const int kind = Style().m_kind;
    const bool any = kind != CPaletteStyle::kNoKind;
    m_selectedKind = kind;
    ShowCommonControls(any, Style().m_penColor);
    m_textCombo->setEnabled(any);
    m_textCombo->setEditText(any ? Style().m_text.ToQString() : QString());
    ShowFace(any);
    for (QAbstractButton* radio : m_frames->buttons())
        radio->setEnabled(any);
    if (QAbstractButton* radio = m_frames->button(Style().m_boxFrame))
        radio->setChecked(true);
    m_tipAtCentre->setChecked(Style().m_tipAtCentre != 0);
    m_tipAtCentre->setEnabled(any && kind != CPaletteStyle::kBalloon);
    ShowSize(m_text, any);
    ShowSize(m_arrowSize, any);
    RedrawPreview();
}

void CRedTextPage::DisableInputs() {
    CRedStylePage::DisableInputs();
    m_textCombo->setEnabled(false);
    m_textCombo->setEditText(QString());
    for (const SizeControls* controls : {&m_text, &m_arrowSize}) {
        controls->combo->setEnabled(false);
        controls->numeric->setEnabled(false);
        controls->edit->setEnabled(false);
        controls->details->setEnabled(false);
    }
    for (QAbstractButton* radio : m_frames->buttons())
        radio->setEnabled(false);
    m_tipAtCentre->setEnabled(false);
}

void CRedTextPage::ReloadCombos() {
    CRedStylePage::ReloadCombos();
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_textCombo->clear();
    for (const CString& text : Host().RecentTexts(CRedlineHost::kMarkupTexts))
        m_textCombo->addItem(text.ToQString());
    m_textCombo->setEditText(Style().m_text.ToQString());
}

void CRedTextPage::ReapplyPresets() {
    for (const SizeControls* controls : {&m_text, &m_arrowSize}) {
        const int index = controls->combo->currentIndex();
        if (controls->numeric->isChecked() || index < 0)
            continue;
        SizeOf(*controls) = index == CPaletteStyle::kArrowNone
                                ? 0.0
                                : PresetsOf(*controls)[static_cast<std::size_t>(index)];
        controls->edit->setText(SizeText(SizeOf(*controls)));
    }
    RedrawPreview();
}

// ---- Handlers

void CRedTextPage::FollowSize(const SizeControls& controls) {
    FollowChange([this, &controls] {
        const int entry = controls.combo->currentIndex();
        if (entry >= 0)
            WriteKey(controls.arrow ? "ARROWSIZE1" : "TEXTSIZE1", entry);
    });
}

void CRedTextPage::OnSizeChosen(const SizeControls& controls, int index) {
    if (m_filling)
        return;
    SizeOf(controls) = index == CPaletteStyle::kArrowNone
                           ? 0.0
                           : PresetsOf(controls)[static_cast<std::size_t>(index)];
    controls.edit->setText(SizeText(SizeOf(controls)));
    FollowSize(controls);
}

void CRedTextPage::OnSizeEdited(const SizeControls& controls) {
    if (m_filling)
        return;
    double value = 0.0;
    const bool number = ReadNumber(controls.edit, &value);
    controls.combo->setCurrentIndex(number ? EntryOf(controls, value) : -1);
    const double limit = Host().ExtentRatio();
    if (!number || value < 0.0 || value > limit) {
        Warn("範囲外の値です。");
        controls.edit->setText(SizeText(SizeOf(controls)));
        return;
    }
    SizeOf(controls) = value;
    FollowChange({});
}

void CRedTextPage::OnNumericClicked(const SizeControls& controls) {
    const bool numeric = controls.numeric->isChecked();
    controls.combo->setEnabled(!numeric);
    controls.edit->setEnabled(numeric);
    if (numeric)
        return;
    double value = 0.0;
    ReadNumber(controls.edit, &value);
    int entry = EntryOf(controls, value);
    if (entry < 0) {
        entry = 1;
        SizeOf(controls) = PresetsOf(controls)[1];
        controls.edit->setText(SizeText(SizeOf(controls)));
    }
    controls.combo->setCurrentIndex(entry);
    RedrawPreview();
}

void CRedTextPage::OnTextChanged(const QString& text) {
    if (m_filling)
        return;
    Style().m_text = CString::FromQString(text);
    FollowChange([this] {
        Host().SetPendingLabel(Style().m_text);
        WriteKey("TEXT1", Style().m_text);
    });
}

void CRedTextPage::OnBoxFrame(int frame) {
    if (m_filling)
        return;
    Style().m_boxFrame = frame;
    FollowChange([this] { WriteKey("BOXFRAME", Style().m_boxFrame); });
}

void CRedTextPage::OnTipAtCentre() {
    Style().m_tipAtCentre = m_tipAtCentre->isChecked() ? 1 : 0;
    FollowChange([this] { WriteKey("TRANS", Style().m_tipAtCentre); });
}

// ---- Check and keys

int CRedTextPage::Validate() {
    const int kind = m_selectedKind;
    Style().m_kind = kind;
    const double limit = Host().ExtentRatio();
    if (!AcceptLayer())
        return 0;
    if (CPaletteStyle::PageOfKind(kind) == CPaletteStyle::kTextPage &&
        kind != CPaletteStyle::kNoKind) {
        double size = 0.0;
        if (!ReadNumber(m_text.edit, &size) || size <= 0.0 || size > limit) {
            Warn("範囲外の文字サイズです。");
            return 0;
        }
        Style().m_textSize = size;
        if (kind == CPaletteStyle::kBalloon) {
            double arrow = 0.0;
            if (!ReadNumber(m_arrowSize.edit, &arrow) || arrow < 0.0 || arrow > limit) {
                Warn("範囲外の矢印サイズです。");
                return 0;
            }
            Style().m_arrowSize = arrow;
        }
    }
    if (!AcceptPenWidth())
        return 0;
    m_palette.ApplyToDocument();
    return 1;
}

void CRedTextPage::SaveStyle() {
    Style().SaveTextPageKeys();
}
