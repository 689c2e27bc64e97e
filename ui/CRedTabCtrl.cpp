#include "ui/CRedTabCtrl.h"

#include "entities/CRukEntity.h"
#include "ui/CRedShapePage.h"
#include "ui/CRedTextPage.h"
#include "ui/CRedlineDlg.h"

#include <QTabBar>

namespace {

const QColor kCurrentTabText(0xFF, 0x00, 0x00);
const QColor kOtherTabText(0x00, 0x00, 0x00);

} // namespace

CRedTabCtrl::CRedTabCtrl(CRedlineDlg& palette, QWidget* parent)
    : CBkTabCtrl(parent), m_palette(palette) {
    connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) { OnTabClicked(index); });
}

void CRedTabCtrl::CreatePages() {
    m_current = 0;
    m_textPage = new CRedTextPage(m_palette, this);
    m_shapePage = new CRedShapePage(m_palette, this);
    addTab(m_textPage, QStringLiteral("  引出線付文字  "));
    addTab(m_shapePage, QStringLiteral("   図形・付箋   "));
    setCurrentIndex(0);
    ShowTabColours();
}

CRedStylePage* CRedTabCtrl::Page(int index) const {
    if (index == 0)
        return m_textPage;
    return index == 1 ? m_shapePage : nullptr;
}

void CRedTabCtrl::ShowTabColours() {
    for (int i = 0; i < count(); ++i)
        tabBar()->setTabTextColor(i, i == m_current ? kCurrentTabText : kOtherTabText);
}

void CRedTabCtrl::ShowPage(int index) {
    if (!Page(index))
        return;
    m_current = index;
    setCurrentIndex(index);
    Page(index)->setFocus();
    ShowTabColours();
}

int CRedTabCtrl::ValidateActivePage() {
    CRedStylePage* page = Page(m_current);
    return page ? page->Validate() : 1;
}

void CRedTabCtrl::RefreshLayerCombos() {
    m_textPage->ReloadCombos();
    m_shapePage->ReloadCombos();
}

void CRedTabCtrl::RecreatePaintBrush() {
    if (m_current == 1)
        m_shapePage->RecreateBackgroundBrush();
}

void CRedTabCtrl::RedrawPreview() {
    if (CRedStylePage* page = Page(m_current))
        page->RedrawPreview();
}

void CRedTabCtrl::SaveActivePageStyle() {
    if (CRedStylePage* page = Page(m_current))
        page->SaveStyle();
}

void CRedTabCtrl::ReapplyTextPresets() {
    if (m_current == 0)
        m_textPage->ReapplyPresets();
}

void CRedTabCtrl::LoadPageStyle(bool readKind) {
    m_palette.m_style.ReadPageKeys(m_current, readKind, m_palette.Host().Settings());
}

int CRedTabCtrl::ExamineSelection() {
    if (!m_palette.LiveSelection())
        return -1;
    if (!CPaletteStyle::HasStyle(m_palette.m_selected)) {
        m_palette.m_selected = nullptr;
        return -1;
    }
    return CPaletteStyle::PageOfCode(m_palette.m_selected->GetKind());
}

void CRedTabCtrl::SetEditMode(int flag) {
    const int page = ExamineSelection();
    const bool cutOut =
        m_palette.m_selected &&
        m_palette.m_selected->GetKind() == CPaletteStyle::CodeOfKind(CPaletteStyle::kCutOut);
    if (page >= 0) {
        m_palette.LoadFromObject();
        m_palette.ShowPage(page);
    }
    CRedlineHost& host = m_palette.Host();
    if (flag == 1) {
        host.SetRedlineTool(false);
        host.Redraw();
    } else {
        if (m_palette.m_style.m_kind != CPaletteStyle::kNoKind)
            host.SetRedlineTool(true);
        host.ClearSelection();
        host.Redraw();
        LoadPageStyle(cutOut);
    }
    m_textPage->SetEditMode(flag == 1);
    m_shapePage->SetEditMode(flag == 1);
    Page(m_current)->RefreshForMode();
}

void CRedTabCtrl::ShowSelectionStyle() {
    const int page = ExamineSelection();
    if (page >= 0) {
        m_palette.LoadFromObject();
        m_palette.ShowPage(page);
    }
    m_palette.EnableButtons(m_palette.m_selected ? 1 : 0);
    Page(m_current)->RefreshForMode();
}

void CRedTabCtrl::OnTabClicked(int index) {
    if (!Page(index) || index == m_current)
        return;
    ShowPage(index);
    if (!m_palette.EditMode())
        LoadPageStyle(m_palette.m_style.m_kind != CPaletteStyle::kNoKind);
    m_palette.m_selected = nullptr;
    m_palette.m_style.m_kind = CPaletteStyle::kNoKind;
    m_palette.SetEditMode(0);
    CRedlineHost& host = m_palette.Host();
    host.SetRedlineTool(false);
    host.ClearSelection();
    host.Redraw();
}
