#include "app/CLayerBar.h"

#include "app/CZumeoDoc.h"
#include "controls/CCommandButton.h"
#include "controls/CHoverButton.h"
#include "controls/CLayerCheckListBox.h"
#include "controls/CToolImages.h"
#include "entities/CRukLayer.h"
#include "platform/mfc/Cp932.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {

const CCommandButton kViewButtons[4] = {
    {CLayerBar::kWindowZoom, CToolImages::kWindowZoom, "窓ズーム"},
    {CLayerBar::kZoom, CToolImages::kZoom, "ズーム＋-"},
    {CLayerBar::kPan, CToolImages::kPan, "画面移動"},
    {CLayerBar::kFit, CToolImages::kFit, "全体表示"},
};

QCheckBox* MakeBox(const char* text, UINT id, QWidget* parent) {
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QStringLiteral("id_%1").arg(id));
    return box;
}

} // namespace

CLayerBar::CLayerBar(CDrawDefaults& settings, QWidget* parent)
    : CBkDialogBar(parent), m_settings(settings), m_list(new CLayerCheckListBox(this)),
      m_showRedlines(MakeBox("朱書きの表示", kShowRedlines, this)),
      m_blink(MakeBox("点滅", kBlink, this)) {
    SetBkBitmapHandle(CToolImages::BarTile());
    m_list->setObjectName(QStringLiteral("id_%1").arg(kLayerList));
    m_list->SetIndent(11);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    auto* buttons = new QGridLayout;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        auto* button = kViewButtons[i].Create(this, [this](UINT id) {
            if (m_onCommand)
                m_onCommand(id);
        });
        buttons->addWidget(button, 0, static_cast<int>(i));
        m_buttons[i] = button;
    }
    layout->addLayout(buttons);
    layout->addWidget(m_showRedlines);
    layout->addWidget(m_blink);
    layout->addWidget(m_list, 1);

    m_showRedlines->setChecked(m_settings.m_showRedlines != 0);
    m_blink->setChecked(m_settings.m_blinkRedlines != 0);
    m_blink->setEnabled(m_showRedlines->isChecked());

    connect(m_showRedlines, &QCheckBox::clicked, this, [this] { OnShowRedlinesClicked(); });
    connect(m_blink, &QCheckBox::clicked, this, [this] { OnBlinkClicked(); });
    m_list->SetCheckChangedHandler([this](int row) {
        m_suppressToggle = true;
        OnLayerCheckChanged(row);
    });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { OnItemClicked(m_list->row(item)); });
    UpdateControls();
}

void CLayerBar::SetDocument(CZumeoDoc* document) {
    m_document = document;
    FillLayers();
    UpdateControls();
}

void CLayerBar::FillLayers() {
    m_list->setEnabled(false);
    m_list->clear();
    if (m_document) {
        for (POSITION pos = m_document->m_layers.GetHeadPosition(); pos;) {
            const auto* layer = static_cast<const CRukLayer*>(m_document->m_layers.GetNext(pos));
            m_list->AddItem(layer->m_name.ToQString(), layer->m_visible != 0);
        }
    }
    m_list->setEnabled(true);
}

void CLayerBar::SetShowRedlines(bool on) {
    m_showRedlines->setChecked(on);
    if (on)
        m_blink->setEnabled(true);
}

void CLayerBar::ResetBoxes(bool keep) {
    if (!keep) {
        m_settings.m_showRedlines = 1;
        m_showRedlines->setChecked(true);
    }
    m_settings.m_blinkRedlines = 0;
    m_blink->setChecked(false);
}

void CLayerBar::UpdateControls() {
    const bool objects = m_document && !m_document->m_objects.IsEmpty();
    for (CHoverButton* button : m_buttons)
        button->Enable(objects);
    m_showRedlines->setEnabled(objects);
    m_blink->setEnabled(objects && m_showRedlines->isChecked());
}

void CLayerBar::OnShowRedlinesClicked() {
    const bool show = m_showRedlines->isChecked();
    if (!show && m_isDrawingRedline && m_isDrawingRedline()) {
        AfxMessageBox(CString(Cp932::FromUtf8("朱書き作図中は朱書きを非表示にできません。")),
                      MB_ICONEXCLAMATION);
        m_showRedlines->setChecked(true);
        return;
    }
    if (!show)
        m_blink->setChecked(false);
    m_blink->setEnabled(show);
    m_settings.m_showRedlines = show ? 1 : 0;
    m_settings.m_blinkRedlines = m_blink->isChecked() ? 1 : 0;
    if (m_document)
        m_document->ClearSelection();
    if (m_onRedlinesChanged)
        m_onRedlinesChanged();
}

void CLayerBar::OnBlinkClicked() {
    m_settings.m_blinkRedlines = m_blink->isChecked() ? 1 : 0;
    if (m_onRedlinesChanged)
        m_onRedlinesChanged();
}

void CLayerBar::OnItemClicked(int row) {
    const bool toggled = m_suppressToggle;
    m_suppressToggle = false;
    if (toggled || row < 0)
        return;
    m_list->SetCheck(row, !m_list->GetCheck(row));
    OnLayerCheckChanged(row);
}

CRukLayer* CLayerBar::FindLayer(const QString& name) const {
    if (!m_document)
        return nullptr;
    const CString wanted = CString::FromQString(name);
    for (POSITION pos = m_document->m_layers.GetHeadPosition(); pos;) {
        auto* layer = static_cast<CRukLayer*>(m_document->m_layers.GetNext(pos));
        if (layer->m_name == wanted)
            return layer;
    }
    return nullptr;
}

void CLayerBar::OnLayerCheckChanged(int row) {
    const QListWidgetItem* item = m_list->item(row);
    CRukLayer* layer = item ? FindLayer(item->text()) : nullptr;
    if (!layer)
        return;
    const int visible = m_list->GetCheck(row) ? 1 : 0;
    if (layer->m_visible == visible)
        return;
    layer->m_visible = visible;
    m_document->ClearSelection();
    if (m_onLayerChanged)
        m_onLayerChanged(*layer);
}

CHoverButton* CLayerBar::Button(UINT id) const {
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (kViewButtons[i].id == id)
            return m_buttons[i];
    return nullptr;
}

std::vector<UINT> CLayerBar::ButtonIds() {
    std::vector<UINT> ids;
    for (const CCommandButton& button : kViewButtons)
        ids.push_back(button.id);
    return ids;
}
