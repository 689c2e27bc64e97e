#include "ui/CRedlineDlg.h"

#include "controls/LayeredWindow.h"
#include "entities/CRukEntity.h"
#include "platform/gdi/CBrushConverter.h"
#include "platform/win/CDialogService.h"
#include "platform/win/CProfile.h"
#include "ui/CRedTabCtrl.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr const char* kSection = "REDDLG";

constexpr std::array<COLORREF, 20> kColorTable = {
    0x000000, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000,
    0xFF00FF, 0x404040, 0xC0C0C0, 0x80FFFF, 0x80C0FF, 0xC0C0FF, 0xC0FFC0,
    0xFFFFC0, 0xFFC0C0, 0xFFC0FF, 0xC0C0C0, 0xFFFFFF, 0x000000,
};

QPushButton* MakeButton(int id, const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setObjectName(QStringLiteral("id_%1").arg(id));
    button->setAutoDefault(false);
    return button;
}

} // namespace

CRedlineDlg::CRedlineDlg(std::unique_ptr<CRedlineHost> host, QWidget* parent)
    : CBkDialog(parent, Qt::Tool), m_host(std::move(host)) {
    setWindowTitle(QStringLiteral("朱書き"));
    m_blend = CProfile::GetProfileInt(kSection, "BLEND", 0) != 0 ? 1 : 0;
    m_alpha = std::clamp(
        static_cast<int>(CProfile::GetProfileInt(kSection, "ALPHA", kDefaultAlpha)), 0, 255);
}

CRedlineDlg::~CRedlineDlg() = default;

const std::array<COLORREF, 20>& CRedlineDlg::ColorTable() {
    return kColorTable;
}

QColor CRedlineDlg::ToQColor(COLORREF color) {
    return CBrushConverter::ToQColor(color);
}

COLORREF CRedlineDlg::FromQColor(const QColor& color) {
    return RGB(color.red(), color.green(), color.blue());
}

QIcon CRedlineDlg::ColorIcon(COLORREF color, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(ToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::gray);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return QIcon(pixmap);
}

// ---- The window

bool CRedlineDlg::Create() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    m_tab = new CRedTabCtrl(*this, this);
    m_tab->setObjectName(QStringLiteral("id_%1").arg(kTabControl));
    layout->addWidget(m_tab);
    auto* row = new QHBoxLayout;
    m_editModeButton = MakeButton(kEditModeButton, "編集モード", this);
    m_editModeButton->setCheckable(true);
    m_deleteButton = MakeButton(kDeleteButton, "削除", this);
    m_updateButton = MakeButton(kUpdateButton, "更新", this);
    m_blendCheck = new QCheckBox(QStringLiteral("半透明"), this);
    m_blendCheck->setObjectName(QStringLiteral("id_%1").arg(kBlendCheck));
    m_blendCheck->setChecked(m_blend != 0);
    m_closeButton = MakeButton(kCloseButton, "閉じる", this);
    for (QWidget* widget : std::initializer_list<QWidget*>{m_editModeButton, m_deleteButton,
                                                           m_updateButton, m_blendCheck})
        row->addWidget(widget);
    row->addStretch();
    row->addWidget(m_closeButton);
    layout->addLayout(row);

    connect(m_editModeButton, &QAbstractButton::clicked, this, [this] { OnEditMode(); });
    connect(m_deleteButton, &QAbstractButton::clicked, this, [this] { OnDelete(); });
    connect(m_updateButton, &QAbstractButton::clicked, this, [this] { OnUpdate(); });
    connect(m_closeButton, &QAbstractButton::clicked, this, [this] { OnClose(); });
    connect(m_blendCheck, &QAbstractButton::clicked, this, [this] { OnBlend(); });

    m_tab->CreatePages();
    m_tab->RefreshLayerCombos();
    adjustSize();
    RestorePosition();
    ApplyOpacity();
    return true;
}

void CRedlineDlg::ShowWindow() {
    show();
    raise();
}

void CRedlineDlg::ApplyOpacity() {
    SetWindowAlpha(static_cast<BYTE>(m_blend ? m_alpha : 255), this);
}

void CRedlineDlg::RestorePosition() {
    const CString text = CProfile::GetProfileString(
        kSection, "POSITION", QStringLiteral("%1 %2").arg(0, 4).arg(96, 4).toLatin1().constData());
    const char* chars = text.c_str();
    int x = std::atoi(chars);
    int y = text.GetLength() > 5 ? std::atoi(chars + 5) : 0;
    x = std::max(x, 0);
    y = std::max(y, 0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        x = std::min(x, std::max(area.width() - frameGeometry().width(), 0));
        if (y > area.height())
            y = 0;
    }
    move(x, y);
}

void CRedlineDlg::SavePosition() const {
    const QPoint at = frameGeometry().topLeft();
    CProfile::WriteProfileString(
        kSection, "POSITION",
        QString::asprintf("%04d %04d", at.x(), at.y()).toLatin1().constData());
}

void CRedlineDlg::SaveState() const {
    CProfile::WriteProfileInt(kSection, "TAB", m_tab ? m_tab->CurrentPage() : 0);
    CProfile::WriteProfileInt(kSection, "BLEND", m_blend == 1 ? 1 : 0);
}

// The window goes at once; the object once control is back in the event
// loop, as its own buttons may be what closes it.
void CRedlineDlg::DestroyWindow() {
    hide();
    Detach();
    deleteLater();
}

void CRedlineDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnClose();
}

void CRedlineDlg::reject() {
    OnClose();
}

// ---- Pages and modes

int CRedlineDlg::ShowPage(int page) {
    if (page < 0 || page > 1 || !m_tab)
        return 0;
    if (page != m_tab->CurrentPage())
        m_tab->ShowPage(page);
    return 1;
}

int CRedlineDlg::ValidatePage() {
    return m_tab ? m_tab->ValidateActivePage() : 1;
}

void CRedlineDlg::RefreshLayerCombos() {
    if (m_tab)
        m_tab->RefreshLayerCombos();
}

void CRedlineDlg::RedrawStylePreview() {
    if (m_tab)
        m_tab->RedrawPreview();
}

void CRedlineDlg::RecreatePaintBrush() {
    if (m_tab)
        m_tab->RecreatePaintBrush();
}

void CRedlineDlg::ReapplyTextPresets() {
    if (m_tab)
        m_tab->ReapplyTextPresets();
}

void CRedlineDlg::ShowSelectionStyle() {
    if (m_tab)
        m_tab->ShowSelectionStyle();
}

void CRedlineDlg::SetEditMode(int flag) {
    if (flag == 0) {
        m_selected = nullptr;
        EnableButtons(0);
    }
    m_editMode = flag;
    if (m_editModeButton)
        m_editModeButton->setChecked(flag == 1);
    if (m_tab)
        m_tab->SetEditMode(flag);
    if (flag != 0)
        EnableButtons(1);
}

void CRedlineDlg::EnableButtons(int flag) {
    if (!m_updateButton)
        return;
    const int count = m_host->SelectionCount();
    bool update = flag != 0;
    bool remove = flag != 0;
    if (flag == 1) {
        if (count == 0)
            update = remove = false;
        else if (count >= 2)
            update = false;
    } else if (count >= 2) {
        remove = true;
    }
    m_updateButton->setEnabled(update);
    m_deleteButton->setEnabled(remove);
}

CRukEntity* CRedlineDlg::LiveSelection() {
    if (m_selected && !m_host->HoldsMarkup(m_selected))
        m_selected = nullptr;
    return m_selected;
}

void CRedlineDlg::LoadFromObject() {
    if (LiveSelection())
        m_style.LoadFromObject(*m_selected, m_host->Unit());
}

void CRedlineDlg::ApplyToDocument() {
    m_host->ApplyStyle(m_style);
    if (m_tab)
        m_tab->SaveActivePageStyle();
}

// ---- Commands

void CRedlineDlg::OnEditMode() {
    const int old = m_editMode;
    if (old == 1 && !m_host->EnsureRedlinesVisible()) {
        m_editModeButton->setChecked(true);
        return;
    }
    if (old == 1) {
        m_style.m_kind = CPaletteStyle::kNoKind;
        m_selected = nullptr;
    }
    SetEditMode(old != 1 ? 1 : 0);
}

void CRedlineDlg::OnBlend() {
    m_blend = m_blend ? 0 : 1;
    m_blendCheck->setChecked(m_blend != 0);
    ApplyOpacity();
}

void CRedlineDlg::OnClose() {
    m_host->OnPaletteClosed();
    SavePosition();
    SaveState();
    DestroyWindow();
}

void CRedlineDlg::OnUpdate() {
    CRukEntity* markup = LiveSelection();
    if (!markup || !CPaletteStyle::HasStyle(markup) || !ValidatePage())
        return;
    m_host->RestyleMarkup(markup, m_style);
    RefreshLayerCombos();
    ShowSelectionStyle();
}

void CRedlineDlg::OnDelete() {
    if (!LiveSelection() && m_host->SelectionCount() < 2)
        return;
    if (AfxMessageBox(CString::FromUtf8("選択された朱書きを削除しますか？"),
                      MB_YESNO | MB_ICONQUESTION) != IDYES ||
        m_host->SelectionCount() == 0)
        return;
    m_host->DeleteSelection();
    m_selected = nullptr;
    m_style.m_kind = CPaletteStyle::kNoKind;
    SetEditMode(0);
    RefreshLayerCombos();
}
