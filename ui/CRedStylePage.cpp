#include "ui/CRedStylePage.h"

#include "controls/CHoverButtonEx.h"
#include "markups/CMarkupKinds.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CNumberFormat.h"
#include "platform/win/CProfile.h"
#include "ui/CPaletteStyle.h"
#include "ui/CRedStylePreview.h"
#include "ui/CRedlineDlg.h"
#include "ui/KindIcons.h"

#include <QColorDialog>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScopedValueRollback>
#include <QToolButton>

namespace {

constexpr const char* kSection = "REDDLG";
constexpr int kHistoryLimit = 100;
constexpr int kSwatchSize = 14;

QString ObjectName(int id) {
    return QStringLiteral("id_%1").arg(id);
}

QString LayerSeparator() {
    return QStringLiteral("---図面内画層---");
}

} // namespace

CRedStylePage::CRedStylePage(CRedlineDlg& palette, int page) : m_palette(palette), m_page(page) {}

CPaletteStyle& CRedStylePage::Style() const {
    return m_palette.m_style;
}

CRedlineHost& CRedStylePage::Host() const {
    return m_palette.Host();
}

void CRedStylePage::FollowChange(const std::function<void()>& writeKey) {
    if (Host().HasPendingMarkup()) {
        Host().RedrawPendingTrack();
        Host().ApplyStyle(Style());
        if (writeKey)
            writeKey();
        Host().RedrawPendingTrack();
    }
    RedrawPreview();
}

void CRedStylePage::WriteKey(const char* key, int value) const {
    CProfile::WriteProfileInt(kSection, key, value);
}

void CRedStylePage::WriteKey(const char* key, const CString& value) const {
    CProfile::WriteProfileString(kSection, key, value.c_str());
}

QByteArray CRedStylePage::PageKey(const char* stem) const {
    return QByteArray(stem) + (m_page == CPaletteStyle::kTextPage ? "1" : "2");
}

// ---- Builders

QComboBox* CRedStylePage::MakeCombo(int id, bool editable, bool textInput) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(ObjectName(id));
    combo->setEditable(editable);
    // Text fields take the input method, numeric fields do not.
    combo->setAttribute(Qt::WA_InputMethodEnabled, textInput);
    if (combo->lineEdit())
        combo->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, textInput);
    return combo;
}

QLineEdit* CRedStylePage::MakeEdit(int id, bool textInput) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(ObjectName(id));
    edit->setAttribute(Qt::WA_InputMethodEnabled, textInput);
    return edit;
}

QToolButton* CRedStylePage::MakeButton(int id, const QString& text) {
    auto* button = new QToolButton(this);
    button->setObjectName(ObjectName(id));
    button->setText(text);
    return button;
}

QToolButton* CRedStylePage::MakeSwatch(int id) {
    QToolButton* swatch = MakeButton(id, QString());
    swatch->setFixedSize(kSwatchSize, kSwatchSize);
    swatch->setAutoRaise(false);
    return swatch;
}

void CRedStylePage::MakeKindButtons(const std::vector<int>& kinds,
                                    const std::vector<QString>& tips) {
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        auto* button = new CHoverButtonEx(this);
        button->setObjectName(ObjectName(kFirstKindButton + static_cast<int>(i)));
        const KindIcons::Set icons = KindIcons::ForKind(kinds[i]);
        button->LoadBitmaps(icons.normal, icons.hover, icons.pressed, icons.disabled);
        button->setToolTip(tips[i]);
        const int kind = kinds[i];
        connect(button, &QAbstractButton::clicked, this, [this, kind] { SelectKind(kind); });
        m_kindButtons.push_back({kind, button});
    }
}

void CRedStylePage::MakeCommonControls() {
    m_layerCombo = MakeCombo(kLayerCombo, true, true);
    m_layerList = new QListWidget(this);
    m_layerList->setObjectName(ObjectName(kLayerList));
    m_layerList->hide();
    m_penWidthCombo = MakeCombo(kPenWidthCombo, true, false);
    for (const QString& entry : PenWidthEntries())
        m_penWidthCombo->addItem(entry);
    m_penColorButton = MakeButton(kPenColorButton, QString());
    m_penColorButton->setFixedSize(28, 18);
    for (int i = 0; i < kPenSwatches; ++i) {
        QToolButton* swatch = MakeSwatch(kFirstSwatch + i);
        swatch->setIcon(CRedlineDlg::ColorIcon(
            CRedlineDlg::ColorTable()[static_cast<std::size_t>(i)], swatch->size()));
        connect(swatch, &QAbstractButton::clicked, this, [this, i] { OnPenSwatch(i); });
        m_penSwatches.push_back(swatch);
    }
    m_tooltipEdit = MakeEdit(kTooltipEdit, true);
    m_tooltipHistory = MakeButton(kTooltipHistory, QStringLiteral("▼"));
    m_fontCombo = MakeCombo(kFontCombo, false, false);
    m_fontCombo->addItem(CPaletteStyle().m_faceName.ToQString());
    for (const CString& face : Host().FontNames())
        if (m_fontCombo->findText(face.ToQString()) < 0)
            m_fontCombo->addItem(face.ToQString());
    m_preview = new CRedStylePreview(m_palette, this);
    m_preview->setObjectName(ObjectName(kPreview));

    connect(m_layerCombo, &QComboBox::activated, this, [this] { OnLayerChosen(); });
    connect(m_layerCombo->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { OnLayerChosen(); });
    connect(m_penWidthCombo, &QComboBox::activated, this,
            [this](int index) { OnPenWidthChosen(m_penWidthCombo->itemText(index), false); });
    connect(m_penWidthCombo->lineEdit(), &QLineEdit::editingFinished, this,
            [this] { OnPenWidthChosen(m_penWidthCombo->currentText(), true); });
    connect(m_penColorButton, &QAbstractButton::clicked, this, [this] { OnPenColorButton(); });
    connect(m_tooltipEdit, &QLineEdit::textEdited, this, [this] { OnTooltipChanged(); });
    connect(m_tooltipHistory, &QAbstractButton::clicked, this, [this] { OnTooltipHistory(); });
    connect(m_fontCombo, &QComboBox::activated, this, [this] { OnFontChosen(); });
}

CHoverButtonEx* CRedStylePage::KindButton(int kind) const {
    for (const KindEntry& entry : m_kindButtons)
        if (entry.kind == kind)
            return entry.button;
    return nullptr;
}

const std::vector<QString>& CRedStylePage::PenWidthEntries() {
    static const std::vector<QString> entries = {
        QStringLiteral("0.00"), QStringLiteral("0.05"), QStringLiteral("0.09"),
        QStringLiteral("0.13"), QStringLiteral("0.15"), QStringLiteral("0.18"),
        QStringLiteral("0.20"), QStringLiteral("0.25"), QStringLiteral("0.30"),
        QStringLiteral("0.35"), QStringLiteral("0.40"), QStringLiteral("0.50"),
        QStringLiteral("0.53"), QStringLiteral("0.60"), QStringLiteral("0.70"),
        QStringLiteral("0.80"), QStringLiteral("0.90"), QStringLiteral("1.00"),
        QStringLiteral("1.06"), QStringLiteral("1.20"), QStringLiteral("1.40"),
        QStringLiteral("1.58"), QStringLiteral("2.00"), QStringLiteral("2.11")};
    return entries;
}

QString CRedStylePage::HistoryLabel(const CString& text) {
    QString label = text.ToQString();
    label.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    for (const QChar breakChar : {QChar(u'¶'), QChar(u'\n'), QChar(u'\r')})
        label.replace(breakChar, QLatin1Char(' '));
    // Characters, not bytes: a cut never splits a character.
    if (label.size() > kHistoryLimit)
        label = label.left(kHistoryLimit) + QStringLiteral("...");
    return label;
}

// ---- Kind selection

void CRedStylePage::SelectKind(int kind) {
    if (!Host().HasDocument() || !Host().EnsureRedlinesVisible()) {
        m_selectedKind = CPaletteStyle::kNoKind;
        return;
    }
    m_selectedKind = kind;
    Style().m_kind = kind;
    if (m_palette.EditMode()) {
        m_palette.m_selected = nullptr;
        m_palette.SetEditMode(0);
    }
    Host().StartRedlineKind(kind);
    RefreshControls();
    RedrawPreview();
    if (kind == CPaletteStyle::kImage)
        Host().AskForImage();
}

void CRedStylePage::RedrawPreview() {
    if (m_preview)
        m_preview->update();
}

// ---- Layout

QLabel* CRedStylePage::Caption(const char* utf8) {
    return new QLabel(QString::fromUtf8(utf8), this);
}

QHBoxLayout* CRedStylePage::KindRow() const {
    auto* row = new QHBoxLayout;
    for (const KindEntry& entry : m_kindButtons)
        row->addWidget(entry.button);
    row->addStretch();
    return row;
}

QHBoxLayout* CRedStylePage::PenColorRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(m_penColorButton);
    for (QToolButton* swatch : m_penSwatches)
        row->addWidget(swatch);
    row->addStretch();
    return row;
}

// ---- Layer

bool CRedStylePage::AcceptLayer() {
    const CString layer = CString::FromQString(m_layerCombo->currentText());
    const CString refusal = LayerRefusal(layer);
    if (!refusal.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    Style().m_layerName = layer;
    return true;
}

CString CRedStylePage::LayerRefusal(const CString& name) const {
    if (name.IsEmpty())
        return CString::FromUtf8("画層名を入力してください。");
    if (Host().IsLayerHidden(name))
        return CString::FromUtf8("指定した画層は、現在表示がOFFになっています。\n"
                                 "表示をONにするか、別の画層名を指定してください。");
    return CString();
}

void CRedStylePage::ReloadCombos() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_layerCombo->clear();
    m_layerList->clear();
    for (const CString& name : Host().RecentTexts(CRedlineHost::kLayerNames))
        m_layerCombo->addItem(name.ToQString());
    if (const std::vector<CString> layers = Host().LayerNames(); !layers.empty()) {
        m_layerCombo->addItem(LayerSeparator());
        for (const CString& layer : layers) {
            m_layerCombo->addItem(layer.ToQString());
            m_layerList->addItem(layer.ToQString());
        }
    }
    ShowLayerName();
}

void CRedStylePage::ShowLayerName() {
    const QScopedValueRollback<bool> filling(m_filling, true);
    m_layerCombo->setEditText(Style().m_layerName.ToQString());
}

void CRedStylePage::OnLayerChosen() {
    if (m_filling)
        return;
    const QString text = m_layerCombo->currentText();
    if (text == LayerSeparator()) {
        ShowLayerName();
        return;
    }
    const CString name = CString::FromQString(text);
    if (name == Style().m_layerName)
        return;
    const CString refusal = LayerRefusal(name);
    if (!refusal.IsEmpty()) {
        AfxMessageBox(refusal, MB_OK | MB_ICONEXCLAMATION);
        ShowLayerName();
        return;
    }
    Style().m_layerName = name;
    FollowChange([this] { WriteKey(PageKey("LAYER"), Style().m_layerName); });
}

// ---- Pen width

bool CRedStylePage::AcceptPenWidth() {
    const double width =
        CNumberFormat::Atof(m_penWidthCombo->currentText().trimmed().toLatin1().constData());
    if (width < 0.0 || width > CPaletteStyle::kMaxPenWidth) {
        Warn("範囲外の線幅です。0.00～2.11の範囲を入力してください。");
        return false;
    }
    Style().m_penWidth = width;
    return true;
}

bool CRedStylePage::ReadPenWidth(const QString& text, bool typed, double* width) {
    const QByteArray bytes = text.trimmed().toLatin1();
    if (!typed && bytes.isEmpty()) {
        Warn("線幅を入力してください。");
        return false;
    }
    const double value = CNumberFormat::Atof(bytes.constData());
    if (value < 0.0 || value > CPaletteStyle::kMaxPenWidth) {
        Warn("0.00～2.11の範囲を入力してください。");
        return false;
    }
    *width = value;
    return true;
}

void CRedStylePage::OnPenWidthChosen(const QString& text, bool typed) {
    if (m_filling)
        return;
    double width = 0.0;
    if (!ReadPenWidth(text, typed, &width)) {
        const QScopedValueRollback<bool> filling(m_filling, true);
        m_penWidthCombo->setEditText(PenWidthText());
        return;
    }
    Style().m_penWidth = width;
    FollowChange([this] {
        WriteKey(PageKey("PENWIDTH"), CString(CNumberFormat::Fixed(Style().m_penWidth, 2)));
    });
}

// ---- Pen colour

void CRedStylePage::OnPenSwatch(int index) {
    const COLORREF color = CRedlineDlg::ColorTable()[static_cast<std::size_t>(index)];
    const bool note = Style().m_kind == CPaletteStyle::kNote;
    (note ? Style().m_notePenColor : Style().m_penColor) = color;
    ShowPenColor(color);
    FollowChange([this, note, color] {
        WriteKey(note ? "PENCOLOR3" : PageKey("PENCOLOR").constData(), static_cast<int>(color));
    });
}

void CRedStylePage::OnPenColorButton() {
    const bool note = Style().m_kind == CPaletteStyle::kNote;
    COLORREF color = note ? Style().m_notePenColor : Style().m_penColor;
    if (!AskColor(&color))
        return;
    (note ? Style().m_notePenColor : Style().m_penColor) = color;
    ShowPenColor(color);
    FollowChange([this, note, color] {
        WriteKey(note ? "PENCOLOR3" : PageKey("PENCOLOR").constData(), static_cast<int>(color));
    });
}

bool CRedStylePage::AskColor(COLORREF* color) {
    QColorDialog dialog(CRedlineDlg::ToQColor(*color), this);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return false;
    *color = CRedlineDlg::FromQColor(dialog.currentColor());
    return true;
}

void CRedStylePage::ShowPenColor(COLORREF color) {
    m_penColorButton->setIcon(CRedlineDlg::ColorIcon(color, m_penColorButton->size()));
}

// ---- Tooltip and font

void CRedStylePage::OnTooltipChanged() {
    if (m_filling)
        return;
    Style().m_tooltip = CString::FromQString(m_tooltipEdit->text());
    FollowChange([this] { WriteKey(PageKey("TOOLTIP"), PilcrowText::Encode(Style().m_tooltip)); });
}

CString CRedStylePage::ChooseFromHistory(const std::vector<CString>& texts) {
    if (texts.empty())
        return CString();
    QMenu menu(this);
    for (std::size_t i = 0; i < texts.size(); ++i)
        menu.addAction(HistoryLabel(texts[i]))->setData(static_cast<int>(i));
    const QAction* chosen = menu.exec(QCursor::pos());
    if (!chosen)
        return CString();
    return PilcrowText::Decode(texts[static_cast<std::size_t>(chosen->data().toInt())]);
}

void CRedStylePage::OnTooltipHistory() {
    const CString text = ChooseFromHistory(Host().RecentTexts(CRedlineHost::kTooltipTexts));
    if (text.IsEmpty())
        return;
    m_tooltipEdit->setText(text.ToQString());
    OnTooltipChanged();
}

void CRedStylePage::OnFontChosen() {
    if (m_filling)
        return;
    Style().m_faceName = CString::FromQString(m_fontCombo->currentText());
    FollowChange([this] {
        Host().SetPendingFace(Style().m_faceName);
        WriteKey(PageKey("FONT"), Style().m_faceName);
    });
}

void CRedStylePage::ShowFace(bool enabled) {
    m_fontCombo->setEnabled(enabled);
    if (!enabled) {
        m_fontCombo->setCurrentIndex(-1);
        return;
    }
    int index = m_fontCombo->findText(Style().m_faceName.ToQString());
    if (index < 0) {
        Style().m_faceName = CPaletteStyle().m_faceName;
        index = m_fontCombo->findText(Style().m_faceName.ToQString());
    }
    m_fontCombo->setCurrentIndex(index);
}

void CRedStylePage::ShowCommonControls(bool penEnabled, COLORREF penColor) {
    for (const KindEntry& entry : m_kindButtons) {
        entry.button->SetLatched(entry.kind == Style().m_kind);
        entry.button->setEnabled(CMarkupKinds::HasToolClass(entry.kind));
    }
    m_layerCombo->setEnabled(true);
    ShowLayerName();
    m_penColorButton->setEnabled(penEnabled);
    for (QToolButton* swatch : m_penSwatches)
        swatch->setEnabled(penEnabled);
    ShowPenColor(penColor);
    m_penWidthCombo->setEditText(PenWidthText());
    m_penWidthCombo->setEnabled(Style().m_kind != CPaletteStyle::kNoKind);
    m_tooltipEdit->setEnabled(true);
    m_tooltipEdit->setText(Style().m_tooltip.ToQString());
    m_tooltipHistory->setEnabled(true);
}

void CRedStylePage::RefreshForMode() {
    if (m_editMode && !m_palette.m_selected) {
        const QScopedValueRollback<bool> filling(m_filling, true);
        DisableInputs();
        RedrawPreview();
        return;
    }
    RefreshControls();
}

void CRedStylePage::DisableInputs() {
    m_layerCombo->setEnabled(false);
    m_layerCombo->setEditText(QString());
    m_fontCombo->setEnabled(false);
    m_fontCombo->setCurrentIndex(-1);
    m_tooltipEdit->setEnabled(false);
    m_tooltipEdit->clear();
    m_tooltipHistory->setEnabled(false);
    m_penWidthCombo->setEditText(QStringLiteral("0.00"));
    m_penWidthCombo->setEnabled(false);
    m_penColorButton->setEnabled(false);
    for (QToolButton* swatch : m_penSwatches)
        swatch->setEnabled(false);
    for (const KindEntry& entry : m_kindButtons)
        entry.button->SetLatched(false);
}

QString CRedStylePage::PenWidthText() const {
    return QString::fromStdString(CNumberFormat::Fixed(Style().m_penWidth, 2));
}

void CRedStylePage::Warn(const char* utf8) {
    AfxMessageBox(CString::FromUtf8(utf8), MB_OK | MB_ICONEXCLAMATION);
}
