#pragma once
// The view's side of the redline palette: what the palette asks of the view,
// its document and the application, answered from the view that opened it.
// The palette owns it; the view outlives the palette.
#include "ui/CRedlineHost.h"

class CZumeoDoc;
class CZumeoView;

class CViewRedlineHost final : public CRedlineHost {
public:
    explicit CViewRedlineHost(CZumeoView& view) : m_view(view) {}

    // The style as the document's current markup attributes.
    static void ApplyStyleTo(CZumeoDoc& document, const CPaletteStyle& style);

    const CDrawDefaults& Settings() const override;
    int LogicalToDeviceSize(double value) const override;
    bool EnsureRedlinesVisible() override;
    void SetRedlineTool(bool active) override;
    void StartRedlineKind(int kind) override;
    void AskForImage() override;
    void OnPaletteClosed() override;
    void Redraw() override;
    void DoSettingsDialog(int firstPage) override;

    bool HasPendingMarkup() const override;
    void RedrawPendingTrack() override;
    void SetPendingLabel(const CString& text) override;
    void SetPendingFace(const CString& face) override;

    bool HasDocument() const override;
    void ApplyStyle(const CPaletteStyle& style) override;
    int SelectionCount() const override;
    void ClearSelection() override;
    bool HoldsMarkup(CRukEntity* markup) const override;
    UINT Unit() const override;
    double ExtentRatio() const override;
    std::vector<CString> LayerNames() const override;
    bool IsLayerHidden(const CString& name) const override;
    void RestyleMarkup(CRukEntity* markup, const CPaletteStyle& style) override;
    void DeleteSelection() override;

    std::vector<CString> FontNames() const override;
    std::vector<CString> RecentTexts(RecentList list) const override;

private:
    CZumeoDoc* Document() const;
    // The markup's attributes from the style.
    void UpdateMarkup(CZumeoDoc& document, CRukEntity* markup, const CPaletteStyle& style);

    CZumeoView& m_view;
};
