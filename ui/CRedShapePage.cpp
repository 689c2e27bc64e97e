#include "ui/CRedShapePage.h"

#include "controls/CHoverButtonEx.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedStylePreview.h"
#include "ui/CRedlineDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

// The entries of the type combo for closed shapes and for sticky notes.
const char* const kPaintTypes[] = {"枠のみ",   "塗り潰し", "透明", "透過", "右上がり",
                                   "右下がり", "斜め格子", "縦線", "横線", "縦横格子"};
const char* const kNoteFrames[] = {"枠なし", "枠あり", "塗り潰し", "透過"};
constexpr int kSeeThroughFrame = 3;
// Table entries of the paint swatches of sticky notes.
constexpr int kNotePaintBase = 10;

} // namespace

CRedShapePage::CRedShapePage(CRedlineDlg& palette, QWidget* parent)
    : CRedStylePage(palette, CPaletteStyle::kShapePage) {
    setParent(parent);
    MakeKindButtons({7, 11, 10, 9, 8, 6, 3, 5, 12, 13},
                    {QStringLiteral("線分"), QStringLiteral("連続線分"), QStringLiteral("矩形"),
                     QStringLiteral("楕円"), QStringLiteral("円"), QStringLiteral("多角形"),
                     QStringLiteral("雲形"), QStringLiteral("付箋"), QStringLiteral("フリーハンド"),
                     QStringLiteral("イメージ")});
    MakeCommonControls();
    m_textEdit = new QPlainTextEdit(this);
    m_textEdit->setObjectName(QStringLiteral("id_%1").arg(kTextEdit));
    m_textEdit->setAttribute(Qt::WA_InputMethodEnabled, true);
    m_textEdit->setMaximumHeight(48);
    m_textHistory = MakeButton(kTextHistory, QStringLiteral("▼"));
    m_typeCombo = MakeCombo(kTypeCombo, false, false);
    m_noLine = new QCheckBox(QStringLiteral("線なし"), this);
    m_noLine->setObjectName(QStringLiteral("id_%1").arg(kNoLine));
    m_hatchTransparency = new QCheckBox(QStringLiteral("透過"), this);
    m_hatchTransparency->setObjectName(QStringLiteral("id_%1").arg(kHatchTransparency));
    m_paintColorButton = MakeButton(kPaintColorButton, QString());
    m_paintColorButton->setFixedSize(28, 18);
    m_hatchColorButton = MakeButton(kHatchColorButton, QString());
    m_hatchColorButton->setFixedSize(28, 18);
    for (int i = 0; i < kPaintSwatches; ++i) {
        QToolButton* swatch = MakeSwatch(kFirstPaintSwatch + i);
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { OnPaintSwatch(i); });
        m_paintSwatches.push_back(swatch);
    }
    m_backgroundSwatch = MakeSwatch(kBackgroundSwatch);
    m_backgroundSwatch->setToolTip(QStringLiteral("背景色"));
    RecreateBackgroundBrush();

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->addLayout(KindRow(), 0, 0, 1, 4);
    grid->addWidget(Caption("画層"), 1, 0);
    grid->addWidget(m_layerCombo, 1, 1, 1, 3);
    grid->addWidget(Caption("文字列"), 2, 0);
    grid->addWidget(m_textEdit, 2, 1, 1, 2);
    grid->addWidget(m_textHistory, 2, 3);
    grid->addWidget(Caption("フォント"), 3, 0);
    grid->addWidget(m_fontCombo, 3, 1, 1, 3);
    grid->addWidget(Caption("種類"), 4, 0);
    grid->addWidget(m_typeCombo, 4, 1);
    grid->addWidget(m_noLine, 4, 2);
    grid->addWidget(m_hatchTransparency, 4, 3);
    grid->addWidget(Caption("線色"), 5, 0);
    grid->addLayout(PenColorRow(), 5, 1, 1, 3);
    auto* paints = new QHBoxLayout;
    paints->addWidget(m_paintColorButton);
    for (QToolButton* swatch : m_paintSwatches)
        paints->addWidget(swatch);
    paints->addWidget(m_backgroundSwatch);
    paints->addStretch();
    grid->addWidget(Caption("塗り色"), 6, 0);
    grid->addLayout(paints, 6, 1, 1, 3);
    grid->addWidget(Caption("ハッチ色"), 7, 0);
    grid->addWidget(m_hatchColorButton, 7, 1);
    grid->addWidget(Caption("線幅"), 8, 0);
    grid->addWidget(m_penWidthCombo, 8, 1);
    grid->addWidget(Caption("ツールチップ"), 9, 0);
    grid->addWidget(m_tooltipEdit, 9, 1, 1, 2);
    grid->addWidget(m_tooltipHistory, 9, 3);
    grid->addWidget(m_preview, 10, 0, 1, 4);

    connect(m_backgroundSwatch, &QAbstractButton::clicked, this, [this] { OnBackgroundSwatch(); });
    connect(m_paintColorButton, &QAbstractButton::clicked, this, [this] { OnPaintColorButton(); });
    connect(m_hatchColorButton, &QAbstractButton::clicked, this, [this] { OnHatchColorButton(); });
    connect(m_textEdit, &QPlainTextEdit::textChanged, this, [this] { OnTextChanged(); });
    connect(m_textHistory, &QAbstractButton::clicked, this, [this] { OnTextHistory(); });
    connect(m_typeCombo, &QComboBox::activated, this, [this](int index) { OnTypeChosen(index); });
    connect(m_noLine, &QAbstractButton::clicked, this, [this] { OnNoLine(); });
    connect(m_hatchTransparency, &QAbstractButton::clicked, this,
            [this] { OnHatchTransparency(); });
}

COLORREF CRedShapePage::BackgroundColor() const {
    return Host().Settings().m_bkColor;
}

void CRedShapePage::RecreateBackgroundBrush() {
    m_backgroundSwatch->setIcon(
        CRedlineDlg::ColorIcon(BackgroundColor(), m_backgroundSwatch->size()));
}

// ---- Showing the style

void CRedShapePage::EnablePaint(bool enabled, COLORREF shown) {
    m_paintColorButton->setEnabled(enabled);
    m_paintColorButton->setIcon(
        CRedlineDlg::ColorIcon(shown == CPaletteStyle::kBackground ? BackgroundColor() : shown,
                               m_paintColorButton->size()));
    for (QToolButton* swatch : m_paintSwatches)
        swatch->setEnabled(enabled);
    m_backgroundSwatch->setEnabled(enabled);
}

void CRedShapePage::RefreshControls() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    CPaletteStyle& style = Style();
    const int group = CPaletteStyle::GroupOfKind(style.m_kind);
    const bool note = group == CPaletteStyle::kGroupNote;
    m_selectedKind = style.m_kind;
    ShowCommonControls(style.m_kind != CPaletteStyle::kNoKind,
                       note ? style.m_notePenColor : style.m_penColor);
    m_textEdit->setEnabled(note);
    m_textEdit->setPlainText(note ? style.m_text.ToQString() : QString());
    ShowFace(note);
    m_textHistory->setEnabled(note);
    for (int i = 0; i < kPaintSwatches; ++i)
        m_paintSwatches[static_cast<std::size_t>(i)]->setIcon(CRedlineDlg::ColorIcon(
            CRedlineDlg::ColorTable()[static_cast<std::size_t>(note ? kNotePaintBase + i : i)],
            m_paintSwatches[0]->size()));
    m_typeCombo->clear();
    bool hatch = false;
    bool transparency = false;
    if (group == CPaletteStyle::kGroupClosed || group == CPaletteStyle::kGroupCutOut) {
        for (const char* entry : kPaintTypes)
            m_typeCombo->addItem(QString::fromUtf8(entry));
        m_typeCombo->setEnabled(true);
        m_typeCombo->setCurrentIndex(style.m_paintType);
        const bool painted = style.m_paintType != 0 && style.m_paintType != 2;
        EnablePaint(painted, style.m_paintColor);
        hatch = style.m_paintType >= 4 && style.m_paintType <= 9;
        transparency = style.m_paintType > 3;
        m_noLine->setEnabled(painted);
        m_noLine->setChecked(painted && style.m_lineFlag == 0);
    } else if (note) {
        const int entries = style.m_noteFrameType == kSeeThroughFrame ? 4 : 3;
        for (int i = 0; i < entries; ++i)
            m_typeCombo->addItem(QString::fromUtf8(kNoteFrames[i]));
        m_typeCombo->setEnabled(true);
        m_typeCombo->setCurrentIndex(style.m_noteFrameType);
        EnablePaint(style.m_noteFrameType == 2 || style.m_noteFrameType == kSeeThroughFrame,
                    style.m_notePaintColor);
        m_noLine->setEnabled(style.m_noteFrameType == 2);
        m_noLine->setChecked(style.m_noteFrameType == 2 && style.m_noteLineFlag == 0);
    } else if (group == CPaletteStyle::kGroupImage) {
        m_typeCombo->setEnabled(false);
        EnablePaint(false, style.m_paintColor);
        m_noLine->setEnabled(true);
        m_noLine->setChecked(style.m_imageLineFlag == 0);
        style.m_paintType = 0;
    } else {
        m_typeCombo->setEnabled(false);
        EnablePaint(false, style.m_paintColor);
        m_noLine->setEnabled(false);
        m_noLine->setChecked(false);
        style.m_lineFlag = 1;
    }
    m_hatchColorButton->setEnabled(hatch);
    m_hatchColorButton->setIcon(
        CRedlineDlg::ColorIcon(style.m_hatchColor, m_hatchColorButton->size()));
    m_hatchTransparency->setEnabled(transparency);
    m_hatchTransparency->setChecked(transparency && style.m_hatchTransparency != 0);
    RedrawPreview();
}

void CRedShapePage::DisableInputs() {
    CRedStylePage::DisableInputs();
    m_textEdit->setEnabled(false);
    m_textEdit->clear();
    m_textHistory->setEnabled(false);
    m_typeCombo->setEnabled(false);
    m_noLine->setEnabled(false);
    m_hatchTransparency->setEnabled(false);
    m_hatchColorButton->setEnabled(false);
    EnablePaint(false, Style().m_paintColor);
}

// ---- Handlers

void CRedShapePage::OnPaintSwatch(int index) {
    const bool note = IsNote();
    const COLORREF color =
        CRedlineDlg::ColorTable()[static_cast<std::size_t>(note ? kNotePaintBase + index : index)];
    (note ? Style().m_notePaintColor : Style().m_paintColor) = color;
    EnablePaint(true, color);
    FollowChange([this, note, color] {
        WriteKey(note ? "PAINTCOLOR3" : "PAINTCOLOR2", static_cast<int>(color));
    });
}

// The background is no colour of its own: it is never kept as a key.
void CRedShapePage::OnBackgroundSwatch() {
    (IsNote() ? Style().m_notePaintColor : Style().m_paintColor) = CPaletteStyle::kBackground;
    EnablePaint(true, CPaletteStyle::kBackground);
    FollowChange({});
}

void CRedShapePage::OnPaintColorButton() {
    const bool note = IsNote();
    COLORREF& target = note ? Style().m_notePaintColor : Style().m_paintColor;
    COLORREF color = target == CPaletteStyle::kBackground ? BackgroundColor() : target;
    if (!AskColor(&color))
        return;
    target = color;
    EnablePaint(true, color);
    FollowChange([this, note, color] {
        WriteKey(note ? "PAINTCOLOR3" : "PAINTCOLOR2", static_cast<int>(color));
    });
}

void CRedShapePage::OnHatchColorButton() {
    COLORREF color = Style().m_hatchColor;
    if (!AskColor(&color))
        return;
    Style().m_hatchColor = color;
    m_hatchColorButton->setIcon(CRedlineDlg::ColorIcon(color, m_hatchColorButton->size()));
    FollowChange([this, color] { WriteKey("HATCHCOLOR", static_cast<int>(color)); });
}

void CRedShapePage::OnTextChanged() {
    if (m_filling)
        return;
    Style().m_text = CString::FromQString(m_textEdit->toPlainText());
    FollowChange([this] {
        Host().SetPendingLabel(Style().m_text);
        WriteKey("TEXT2", PilcrowText::Encode(Style().m_text));
    });
}

void CRedShapePage::OnTextHistory() {
    const CString text = ChooseFromHistory(Host().RecentTexts(CRedlineHost::kRedlineTexts));
    if (!text.IsEmpty())
        m_textEdit->setPlainText(text.ToQString());
}

void CRedShapePage::OnTypeChosen(int index) {
    if (m_filling || index < 0)
        return;
    const bool note = IsNote();
    (note ? Style().m_noteFrameType : Style().m_paintType) = index;
    RefreshControls();
    FollowChange([this, note, index] { WriteKey(note ? "TAGTYPE" : "PAINTTYPE", index); });
}

void CRedShapePage::OnNoLine() {
    const int drawn = m_noLine->isChecked() ? 0 : 1;
    const char* key = "PENSTYLE1";
    if (IsNote()) {
        Style().m_noteLineFlag = drawn;
        key = "PENSTYLE2";
    } else if (Style().m_kind == CPaletteStyle::kImage) {
        Style().m_imageLineFlag = drawn;
        key = "PENSTYLE3";
    } else {
        Style().m_lineFlag = drawn;
    }
    FollowChange([this, key, drawn] { WriteKey(key, drawn); });
}

void CRedShapePage::OnHatchTransparency() {
    Style().m_hatchTransparency = m_hatchTransparency->isChecked() ? 1 : 0;
    FollowChange({});
}

// ---- Check and keys

int CRedShapePage::Validate() {
    Style().m_kind = m_selectedKind;
    if (!AcceptLayer())
        return 0;
    if (!AcceptPenWidth())
        return 0;
    if (IsNote() && m_textEdit->toPlainText().isEmpty()) {
        Warn("文字列を入力してください。");
        return 0;
    }
    m_palette.ApplyToDocument();
    return 1;
}

void CRedShapePage::SaveStyle() {
    Style().SaveShapePageKeys();
}
