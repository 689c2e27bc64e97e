#include "ui/CSettingsColorPage.h"

#include "platform/win/CDialogService.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <iterator>

namespace {

constexpr COLORREF kSwatches[] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x00FF00,
                                  0xFFFF00, 0xFF0000, 0xFF00FF, 0x404040, 0xC0C0C0};
constexpr int kSwatchSize = 20;

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace

CSettingsColorPage::CSettingsColorPage(const CSettingsPageControls& controls,
                                       CSettingsValues& values, QWidget* parent)
    : CSettingsPage(controls, values, parent), m_bkColor(values.bkColor),
      m_selColor(values.selColor), m_bkButton(new QPushButton(this)),
      m_selButton(new QPushButton(this)) {
    auto* swatches = new QGridLayout;
    for (int i = 0; i < static_cast<int>(std::size(kSwatches)); ++i) {
        auto* swatch = new QPushButton(this);
        swatch->setObjectName(QStringLiteral("id_%1").arg(kFirstSwatch + i));
        swatch->setFixedSize(kSwatchSize, kSwatchSize);
        ShowColor(swatch, kSwatches[i]);
        const COLORREF color = kSwatches[i];
        connect(swatch, &QPushButton::clicked, this, [this, color] {
            m_bkColor = color;
            ShowColor(m_bkButton, m_bkColor);
        });
        swatches->addWidget(swatch, i / 5, i % 5);
    }
    auto* buttons = new QFormLayout;
    for (auto [button, id] :
         {std::pair{m_bkButton, kBackground}, std::pair{m_selButton, kSelection}})
        button->setObjectName(QStringLiteral("id_%1").arg(id));
    m_bkButton->setFixedSize(60, 20);
    m_selButton->setFixedSize(60, 20);
    ShowColor(m_bkButton, m_bkColor);
    ShowColor(m_selButton, m_selColor);
    buttons->addRow(QStringLiteral("背景色："), m_bkButton);
    buttons->addRow(QStringLiteral("選択色："), m_selButton);
    connect(m_bkButton, &QPushButton::clicked, this, [this] {
        if (ChooseColor(&m_bkColor))
            ShowColor(m_bkButton, m_bkColor);
    });
    connect(m_selButton, &QPushButton::clicked, this, [this] {
        if (ChooseColor(&m_selColor))
            ShowColor(m_selButton, m_selColor);
    });
    m_layout->insertLayout(0, swatches);
    m_layout->insertLayout(1, buttons);
}

void CSettingsColorPage::ShowColor(QPushButton* button, COLORREF color) {
    QPixmap face(button->size());
    face.fill(ToQColor(color));
    button->setIcon(QIcon(face));
    button->setIconSize(button->size());
}

bool CSettingsColorPage::ChooseColor(COLORREF* color) {
    QColorDialog dialog(ToQColor(*color), this);
    if (CDialogService::Current().RunModal(dialog) != QDialog::Accepted)
        return false;
    const QColor chosen = dialog.currentColor();
    *color = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

void CSettingsColorPage::Apply() {
    CSettingsPage::Apply();
    m_values.bkColor = m_bkColor;
    m_values.selColor = m_selColor;
}
