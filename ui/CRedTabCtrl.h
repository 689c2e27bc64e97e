#pragma once
// The palette's tab control (control 1171): it owns the leader-text page
// and the shape page, switches between them, hands the palette's page
// operations to the active page and loads a page's stored style. The
// current tab's text is red, the others black.
#include "controls/CBkTabCtrl.h"

class CRedShapePage;
class CRedStylePage;
class CRedTextPage;
class CRedlineDlg;

class CRedTabCtrl : public CBkTabCtrl {
public:
    CRedTabCtrl(CRedlineDlg& palette, QWidget* parent);

    void CreatePages();
    int CurrentPage() const { return m_current; }
    void ShowPage(int index);
    int ValidateActivePage();
    void RefreshLayerCombos();
    void RecreatePaintBrush();
    void RedrawPreview();
    void ShowSelectionStyle();
    void SetEditMode(int flag);
    void SaveActivePageStyle();
    void ReapplyTextPresets();
    // The current page's stored style into the palette; the kind only when
    // asked.
    void LoadPageStyle(bool readKind);
    // A click on a tab.
    void OnTabClicked(int index);

    CRedTextPage* TextPage() const { return m_textPage; }
    CRedShapePage* ShapePage() const { return m_shapePage; }
    CRedStylePage* Page(int index) const;

private:
    // The page of the palette's selected markup, after dropping a markup
    // without a style; -1 when none is left.
    int ExamineSelection();
    void ShowTabColours();

    CRedlineDlg& m_palette;
    CRedTextPage* m_textPage = nullptr;
    CRedShapePage* m_shapePage = nullptr;
    int m_current = 0;
};
