#pragma once
// The layer bar: the layer list with a visibility check per layer, the four
// view buttons, and the boxes "朱書きの表示" (show the redlines) and "点滅"
// (let them blink), which blinking needs the first for.
#include "controls/CBkDialogBar.h"
#include "platform/win/WinTypes.h"

#include <array>
#include <functional>
#include <vector>

class CDrawDefaults;
class CHoverButton;
class CLayerCheckListBox;
class CRukLayer;
class CZumeoDoc;
class QCheckBox;

class CLayerBar : public CBkDialogBar {
public:
    enum ControlId : UINT {
        kLayerList = 1002,
        kShowRedlines = 1218,
        kBlink = 1219,
        kWindowZoom = 1035,
        kZoom = 130,
        kPan = 1013,
        kFit = 1016,
    };

    // The settings record outlives the bar; the boxes start from it.
    explicit CLayerBar(CDrawDefaults& settings, QWidget* parent = nullptr);

    // The document whose layers the list shows; null for none.
    void SetDocument(CZumeoDoc* document);
    // Rebuilds the list from the document's layers.
    void FillLayers();
    void SetShowRedlines(bool on);
    // Unticks "点滅"; unless keep is set, ticks "朱書きの表示".
    void ResetBoxes(bool keep);
    // Enables the buttons and boxes for the document's state.
    void UpdateControls();

    // A view button was pressed (its control id).
    void SetCommandHandler(std::function<void(UINT)> handler) { m_onCommand = std::move(handler); }
    // Whether a redline tool is active: the redlines must stay visible then.
    void SetDrawingRedlineQuery(std::function<bool()> query) {
        m_isDrawingRedline = std::move(query);
    }
    // A layer's visibility changed.
    void SetLayerChangedHandler(std::function<void(CRukLayer&)> handler) {
        m_onLayerChanged = std::move(handler);
    }
    // The redline boxes changed: show and blink as the settings now say.
    void SetRedlinesChangedHandler(std::function<void()> handler) {
        m_onRedlinesChanged = std::move(handler);
    }

    CLayerCheckListBox* LayerList() const { return m_list; }
    // The view button of a control id; null for another id.
    CHoverButton* Button(UINT id) const;
    // The control ids of the view buttons, in bar order.
    static std::vector<UINT> ButtonIds();
    QCheckBox* ShowRedlinesBox() const { return m_showRedlines; }
    QCheckBox* BlinkBox() const { return m_blink; }

    void OnShowRedlinesClicked();
    void OnBlinkClicked();
    // The row's check now holds the wanted visibility of its layer.
    void OnLayerCheckChanged(int row);

private:
    void OnItemClicked(int row);
    CRukLayer* FindLayer(const QString& name) const;

    CDrawDefaults& m_settings;
    CZumeoDoc* m_document = nullptr;
    CLayerCheckListBox* m_list;
    QCheckBox* m_showRedlines;
    QCheckBox* m_blink;
    std::array<CHoverButton*, 4> m_buttons{};
    // Set when a press turned a check, so the click that follows on the same
    // item does not turn it back.
    bool m_suppressToggle = false;
    std::function<void(UINT)> m_onCommand;
    std::function<bool()> m_isDrawingRedline;
    std::function<void(CRukLayer&)> m_onLayerChanged;
    std::function<void()> m_onRedlinesChanged;
};
