#include "app/CViewRedlineHost.h"

#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/UndoLabels.h"
#include "app/UndoRecords.h"
#include "entities/CRukEntity.h"
#include "entities/CRukLayer.h"
#include "platform/gdi/RectFunctions.h"
#include "ui/CPaletteStyle.h"

#include <algorithm>
#include <iterator>

namespace {

// Label frame of the document for each box frame 0, 1, 2.
constexpr int kLabelFrames[] = {2, 1, 3};

// The application's list of each kind of recent text, in the order of
// CRedlineHost::RecentList.
constexpr std::vector<CString> CRecentTexts::*kRecentLists[] = {
    &CRecentTexts::m_recentMarkupTexts,
    &CRecentTexts::m_recentRedlineTexts,
    &CRecentTexts::m_recentTooltipTexts,
    &CRecentTexts::m_recentLayerNames,
};
static_assert(std::size(kRecentLists) == CRedlineHost::kLayerNames + 1);

// The markups whose style is a leader text.
bool IsLeaderText(int code) {
    return CPaletteStyle::PageOfCode(code) == CPaletteStyle::kTextPage;
}

std::vector<const CRukLayer*> Layers(const CZumeoDoc* document) {
    std::vector<const CRukLayer*> layers;
    if (!document)
        return layers;
    for (POSITION position = document->m_layers.GetHeadPosition(); position;)
        layers.push_back(static_cast<const CRukLayer*>(document->m_layers.GetNext(position)));
    return layers;
}

} // namespace

void CViewRedlineHost::ApplyStyleTo(CZumeoDoc& document, const CPaletteStyle& style) {
    CRedlineStyle& red = document.m_style;
    document.m_markupKind = style.m_kind;
    document.m_curLayerName = style.m_layerName;
    document.m_noteText = style.m_text;
    document.m_fontFace = style.m_faceName;
    if (style.m_kind == CPaletteStyle::kNote) {
        red.m_redPenColor = style.m_notePenColor;
        // The frames without a fill clear the fill, so that no fill of an
        // earlier style is left to fill a note.
        red.m_redSolidFill = style.m_noteFrameType == 2 ? 1 : 0;
        if (style.m_noteFrameType == 0 || style.m_noteFrameType == 1) {
            red.m_redFillType = 0;
            red.m_redTransparent = 1;
        } else {
            red.m_redFillColor = style.m_notePaintColor;
            if (style.m_noteFrameType == 3)
                red.m_redFillType = 1;
        }
        red.m_noteFrameLine = style.NoteLineType();
    } else if (style.m_kind == CPaletteStyle::kImage) {
        red.m_redPenColor = style.m_penColor;
        red.m_redSolidFill = 0;
        red.m_redFillType = 0;
        red.m_redTransparent = 1;
        red.m_redLineType = style.m_imageLineFlag != 0 ? 1 : 0;
    } else {
        red.m_redPenColor = style.m_penColor;
        document.m_textSize = style.m_textSize;
        document.m_arrowSize = style.m_arrowSize;
        red.m_redSolidFill = style.m_paintType == 1 ? 1 : 0;
        CPaletteStyle::FillOfPaintType(style.m_paintType, style.m_hatchTransparency,
                                       &red.m_redFillType, &red.m_redTransparent);
        if (style.m_paintType == 1 || style.m_paintType >= 3)
            red.m_redFillColor = style.m_paintColor;
        if (style.m_paintType >= 4)
            red.m_redHatchColor = style.m_hatchColor;
        red.m_redLineType = style.m_paintType == 0 ? 1 : style.m_lineFlag;
    }
    if (CPaletteStyle::PageOfKind(style.m_kind) == CPaletteStyle::kTextPage) {
        red.m_labelFrame = kLabelFrames[std::clamp(style.m_boxFrame, 0, 2)];
        red.m_leaderTipAtCentre = style.m_tipAtCentre;
    }
    red.m_redPenWidth = CPaletteStyle::PenWidthUnits(style.m_penWidth);
    document.SetNewMarkName(style.m_tooltip);
}

CZumeoDoc* CViewRedlineHost::Document() const {
    return m_view.GetDocument();
}

// ---- The view

const CDrawDefaults& CViewRedlineHost::Settings() const {
    return m_view.Settings();
}

int CViewRedlineHost::LogicalToDeviceSize(double value) const {
    return m_view.LogicalToDeviceSize(value);
}

bool CViewRedlineHost::EnsureRedlinesVisible() {
    return m_view.EnsureRedlinesVisible() != FALSE;
}

void CViewRedlineHost::SetRedlineTool(bool active) {
    m_view.m_toolMode = active ? CZumeoView::kToolRedline : CZumeoView::kToolNone;
}

void CViewRedlineHost::StartRedlineKind(int kind) {
    CZumeoDoc* document = Document();
    if (!document)
        return;
    m_view.m_toolMode = CZumeoView::kToolRedline;
    SetRectEmpty(&m_view.m_rcHighlight);
    m_view.AccumulateDirtyRect(document->m_selection);
    document->ClearSelection();
    m_view.RedrawDirtyRect();
    document->m_markupKind = kind;
    m_view.CancelPendingMarkup();
}

void CViewRedlineHost::AskForImage() {
    m_view.AskForImage();
}

void CViewRedlineHost::OnPaletteClosed() {
    m_view.CancelPendingMarkup();
    m_view.m_toolMode = CZumeoView::kToolNone;
    m_view.RedrawDirtyRect();
}

void CViewRedlineHost::Redraw() {
    m_view.Redraw();
}

void CViewRedlineHost::DoSettingsDialog(int firstPage) {
    m_view.DoSettingsDialog(firstPage);
}

// ---- The markup in progress

bool CViewRedlineHost::HasPendingMarkup() const {
    return Document() && m_view.m_toolMode == CZumeoView::kToolRedline && m_view.m_pTool;
}

void CViewRedlineHost::RedrawPendingTrack() {
    m_view.RedrawPendingTrack();
}

void CViewRedlineHost::SetPendingLabel(const CString& text) {
    if (m_view.m_pTool)
        m_view.SetMarkupLabel(m_view.m_pTool.get(), text);
}

void CViewRedlineHost::SetPendingFace(const CString& face) {
    const CZumeoDoc* document = Document();
    if (!document || !m_view.m_pTool)
        return;
    m_view.m_pTool->SetFaceName(face);
    m_view.m_pTool->SetCharSet(static_cast<int>(document->FontCharSet(face)));
}

// ---- The document

bool CViewRedlineHost::HasDocument() const {
    return Document() != nullptr;
}

void CViewRedlineHost::ApplyStyle(const CPaletteStyle& style) {
    if (CZumeoDoc* document = Document())
        ApplyStyleTo(*document, style);
}

int CViewRedlineHost::SelectionCount() const {
    const CZumeoDoc* document = Document();
    return document ? static_cast<int>(document->m_selection.GetCount()) : 0;
}

void CViewRedlineHost::ClearSelection() {
    if (CZumeoDoc* document = Document())
        document->ClearSelection();
}

bool CViewRedlineHost::HoldsMarkup(CRukEntity* markup) const {
    const CZumeoDoc* document = Document();
    return document && document->m_topObjects.Find(markup) != nullptr;
}

UINT CViewRedlineHost::Unit() const {
    const CZumeoDoc* document = Document();
    return document ? document->m_unit : 0;
}

double CViewRedlineHost::ExtentRatio() const {
    const CZumeoDoc* document = Document();
    return document ? document->GetExtentRatio() : 0.0;
}

std::vector<CString> CViewRedlineHost::LayerNames() const {
    std::vector<CString> names;
    for (const CRukLayer* layer : Layers(Document()))
        names.push_back(layer->m_name);
    return names;
}

// The same case rule as moving a markup to a layer.
bool CViewRedlineHost::IsLayerHidden(const CString& name) const {
    const std::vector<const CRukLayer*> layers = Layers(Document());
    return std::any_of(layers.begin(), layers.end(), [&name](const CRukLayer* layer) {
        return layer->m_visible == 0 && layer->m_name.CompareNoCase(name.c_str()) == 0;
    });
}

void CViewRedlineHost::RestyleMarkup(CRukEntity* markup, const CPaletteStyle& style) {
    CZumeoDoc* document = Document();
    if (!document)
        return;
    document->m_undo.Push(new CUndoModify(document, UndoLabels::Modify(), markup));
    document->MoveToLayer(markup, style.m_layerName);
    UpdateMarkup(*document, markup, style);
    document->RemoveEmptyLayers();
    document->RefreshLayerBar();
    m_view.Redraw();
    document->m_redlineModified = 1;
}

void CViewRedlineHost::UpdateMarkup(CZumeoDoc& document, CRukEntity* markup,
                                    const CPaletteStyle& style) {
    CZumeoApp* app = CZumeoApp::Instance();
    const int code = markup->GetKind();
    const UINT charSet = document.FontCharSet(style.m_faceName);
    const double unit = document.UnitDivisor();
    if (code == CPaletteStyle::CodeOfKind(CPaletteStyle::kNote)) {
        markup->SetColor(style.m_notePenColor);
        markup->SetFillColor(style.m_notePaintColor);
        markup->SetFaceName(style.m_faceName);
        markup->SetCharSet(static_cast<int>(charSet));
        markup->SetNoteFrameType(style.m_noteFrameType);
        m_view.SetMarkupLabel(markup, style.m_text);
        markup->SetLineType(style.NoteLineType());
        if (app)
            app->AddRecentRedlineText(style.m_text);
    } else {
        markup->SetColor(style.m_penColor);
        markup->SetFillColor(style.m_paintColor);
        markup->SetThirdColor(style.m_hatchColor);
        int fillType = 0;
        int transparent = 1;
        CPaletteStyle::FillOfPaintType(style.m_paintType, style.m_hatchTransparency, &fillType,
                                       &transparent);
        markup->SetFillType(fillType);
        markup->SetTransparent(transparent);
        if (IsLeaderText(code)) {
            markup->SetTextHeight(static_cast<int>(unit * style.m_textSize));
            markup->SetFaceName(style.m_faceName);
            markup->SetCharSet(static_cast<int>(charSet));
            m_view.RelayoutMarkLabel(markup, style.m_boxFrame);
            m_view.SetMarkupLabel(markup, style.m_text);
            markup->SetArrowLength(unit * style.m_arrowSize);
            markup->SetLeaderAttached(style.m_tipAtCentre);
            markup->UpdateLeader(&document);
            if (app)
                app->AddRecentMarkupText(style.m_text);
        }
        markup->SetLineType(code == CPaletteStyle::CodeOfKind(CPaletteStyle::kImage)
                                ? style.m_imageLineFlag
                                : style.m_lineFlag);
    }
    markup->SetLineWidth(CPaletteStyle::PenWidthUnits(style.m_penWidth));
    markup->SetName(style.m_tooltip);
}

void CViewRedlineHost::DeleteSelection() {
    m_view.DeleteSelection();
}

// ---- The application

std::vector<CString> CViewRedlineHost::FontNames() const {
    const CZumeoApp* app = CZumeoApp::Instance();
    return app ? app->GetFontNames() : std::vector<CString>();
}

std::vector<CString> CViewRedlineHost::RecentTexts(RecentList list) const {
    const CZumeoApp* app = CZumeoApp::Instance();
    if (!app)
        return {};
    return app->m_recentTexts.*kRecentLists[list];
}
