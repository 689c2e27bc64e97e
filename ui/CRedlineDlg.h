#pragma once
// The redline palette: the one modeless window that holds the current
// redline style. In draw mode its style is that of new markups; in edit
// mode it shows the style of the one selected markup, which "更新" applies
// to it and "削除" deletes. A tab control holds the leader-text page and the
// shape page. The palette keeps its position, page, see-through setting and
// the pages' styles in the "REDDLG" profile section. It reaches the view
// and the document only through its host.
#include "controls/CBkDialog.h"
#include "ui/CRedlineHost.h"
#include "ui/CRedlinePalette.h"

#include <array>
#include <memory>

class CRedTabCtrl;
class QCheckBox;
class QPushButton;

class CRedlineDlg : public CBkDialog, public CRedlinePalette {
public:
    enum ControlId : int {
        kDeleteButton = 1078,
        kUpdateButton = 1079,
        kEditModeButton = 1080,
        kTabControl = 1171,
        kCloseButton = 1195,
        kBlendCheck = 1198,
    };
    static constexpr int kDefaultAlpha = 128;

    CRedlineDlg(std::unique_ptr<CRedlineHost> host, QWidget* parent = nullptr);
    ~CRedlineDlg() override;

    // The swatch colours: 0..9 pens, 0..8 paints of shapes, 10..18 paints
    // of sticky notes.
    static const std::array<COLORREF, 20>& ColorTable();
    static QColor ToQColor(COLORREF color);
    static COLORREF FromQColor(const QColor& color);
    static QIcon ColorIcon(COLORREF color, QSize size);

    // ---- What the rest of the program calls.
    bool Create() override;
    void ShowWindow() override;
    void SavePosition() const override;
    void SaveState() const override;
    void DestroyWindow() override;
    int ShowPage(int page) override;
    void SetEditMode(int flag) override;
    int ValidatePage() override;
    void ShowSelectionStyle() override;
    void RefreshLayerCombos() override;
    void RedrawStylePreview() override;
    void RecreatePaintBrush() override;
    void ReapplyTextPresets() override;

    // ---- What the pages and the tab control call.
    void EnableButtons(int flag);
    // The selected markup, dropped first when the document no longer holds
    // it (deleted, or replaced by an undo step).
    CRukEntity* LiveSelection();
    void LoadFromObject();
    // The style into the document's current markup attributes, and the
    // active page's keys into the profile.
    void ApplyToDocument();
    void RestorePosition();

    CRedlineHost& Host() const { return *m_host; }
    int EditMode() const { return m_editMode; }
    int Alpha() const { return m_alpha; }
    int Blend() const { return m_blend; }
    CRedTabCtrl* TabCtrl() const { return m_tab; }

    // ---- The window's commands.
    void OnEditMode();
    void OnDelete();
    void OnUpdate();
    void OnClose();
    void OnBlend();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyOpacity();

    std::unique_ptr<CRedlineHost> m_host;
    int m_editMode = 0;
    int m_alpha = kDefaultAlpha;
    int m_blend = 0;
    QPushButton* m_editModeButton = nullptr;
    QPushButton* m_deleteButton = nullptr;
    QPushButton* m_updateButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    QCheckBox* m_blendCheck = nullptr;
    CRedTabCtrl* m_tab = nullptr;
};
