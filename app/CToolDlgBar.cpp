#include "app/CToolDlgBar.h"

#include "app/CToolBarState.h"
#include "controls/CCommandButton.h"
#include "controls/CHoverButton.h"
#include "controls/CToolImages.h"

#include <QHBoxLayout>

namespace {

const CCommandButton kButtons[CToolDlgBar::kButtonCount] = {
    {CToolDlgBar::kOpen, CToolImages::kOpen, "開く"},
    {CToolDlgBar::kSave, CToolImages::kSave, "朱書きデータを保存"},
    {CToolDlgBar::kPrint, CToolImages::kPrint, "印刷"},
    {CToolDlgBar::kPreview, CToolImages::kPreview, "印刷プレビュー"},
    {CToolDlgBar::kContinuousPrint, CToolImages::kContinuousPrint, "連続印刷"},
    {CToolDlgBar::kCopyAll, CToolImages::kCopyAll, "全体コピー"},
    {CToolDlgBar::kCopyVisible, CToolImages::kCopyVisible, "部分コピー"},
    {CToolDlgBar::kLastTool, CToolImages::kRedline, "朱書き"},
    {CToolDlgBar::kSettings, CToolImages::kSettings, "設定"},
    {CToolDlgBar::kHelp, CToolImages::kHelp, "ヘルプ"},
    {CToolDlgBar::kExit, CToolImages::kExit, "終了"},
    {CToolDlgBar::kUndo, CToolImages::kUndo, "元に戻す"},
    {CToolDlgBar::kRedo, CToolImages::kRedo, "やり直し"},
};

} // namespace

CToolDlgBar::CToolDlgBar(QWidget* parent) : CBkDialogBar(parent) {
    SetBkBitmapHandle(CToolImages::BarTile());
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    for (int i = 0; i < kButtonCount; ++i) {
        auto* button = kButtons[i].Create(this, [this](UINT id) {
            if (m_onCommand)
                m_onCommand(id);
        });
        layout->addWidget(button);
        m_buttons[static_cast<std::size_t>(i)] = button;
    }
    layout->addStretch();
}

CHoverButton* CToolDlgBar::Button(UINT id) const {
    for (int i = 0; i < kButtonCount; ++i)
        if (kButtons[i].id == id)
            return m_buttons[static_cast<std::size_t>(i)];
    return nullptr;
}

void CToolDlgBar::UpdateButtons(const CToolBarState& state) {
    const bool objects = state.m_hasObjects;
    const std::pair<UINT, bool> enabling[] = {
        {kOpen, true},
        {kSave, objects && !state.m_readOnly},
        {kPrint, objects},
        {kPreview, objects},
        {kContinuousPrint, true},
        {kCopyAll, objects},
        {kCopyVisible, objects},
        {kLastTool, objects},
        {kSettings, true},
        {kHelp, true},
        {kExit, true},
        {kUndo, objects && state.m_canUndo},
        {kRedo, objects && state.m_canRedo},
    };
    for (const auto& [id, enable] : enabling)
        Button(id)->Enable(enable);
}

void CToolDlgBar::KeepEnabledOnly(const std::function<bool(UINT)>& allowed) {
    for (int i = 0; i < kButtonCount; ++i)
        if (!allowed(kButtons[i].id))
            m_buttons[static_cast<std::size_t>(i)]->Enable(false);
}

std::vector<UINT> CToolDlgBar::ButtonIds() {
    std::vector<UINT> ids;
    for (const CCommandButton& button : kButtons)
        ids.push_back(button.id);
    return ids;
}
