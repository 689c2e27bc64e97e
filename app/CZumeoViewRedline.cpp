// The view's start of the redline tools: the redline-kind commands, the
// palette they open with the stored style of the kind, and the palette's
// calls back into the view.
#include "app/CViewRedlineHost.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "entities/CRukEntity.h"
#include "markups/CMarkupKinds.h"
#include "platform/gdi/CDeviceCaps.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/RectFunctions.h"
#include "platform/win/CDialogService.h"
#include "settings/CDrawDefaults.h"
#include "ui/CRedlineDlg.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// The redline-kind commands of the menu and the kind each starts.
struct RedlineCommand {
    UINT id;
    int kind;
};
constexpr RedlineCommand kRedlineCommands[] = {
    {CommandIds::kRedlineEllipseMark, 0}, {CommandIds::kRedlineSquareMark, 1},
    {CommandIds::kRedlineCircleMark, 2},  {CommandIds::kRedlineBalloon, 4},
    {CommandIds::kRedlineLine, 7},        {CommandIds::kRedlinePolyline, 11},
    {CommandIds::kRedlineSquare, 10},     {CommandIds::kRedlineEllipse, 9},
    {CommandIds::kRedlineCircle, 8},      {CommandIds::kRedlinePolygon, 6},
    {CommandIds::kRedlineCloud, 3},       {CommandIds::kRedlineNote, 5},
    {CommandIds::kRedlineFreehand, 12},   {CommandIds::kRedlineImage, 13},
};

// A new palette window with the drawing's size presets; given the kind of a
// tool, with the style stored for opening it.
CRedlinePalette* NewRedlinePalette(CZumeoView& view, const int* toolKind) {
    CRedlinePalette* palette =
        new CRedlineDlg(std::make_unique<CViewRedlineHost>(view), view.window());
    CPaletteStyle& style = palette->m_style;
    style.ComputePresets(view.GetDocument()->GetExtentRatio(), view.Settings());
    if (toolKind) {
        style.m_kind = *toolKind;
        style.ReadOpeningKeys(view.Settings());
    }
    if (palette->Create())
        return palette;
    palette->DestroyWindow();
    return nullptr;
}

// The redline kind that places a picture.
constexpr int kImageKind = CPaletteStyle::kImage;

} // namespace

std::vector<UINT> CZumeoView::RedlineCommandIds() {
    std::vector<UINT> ids;
    for (const RedlineCommand& row : kRedlineCommands)
        ids.push_back(row.id);
    return ids;
}

int CZumeoView::RedlineKindOfCommand(UINT id) {
    const auto found = std::find_if(std::begin(kRedlineCommands), std::end(kRedlineCommands),
                                    [id](const RedlineCommand& row) { return row.id == id; });
    return found == std::end(kRedlineCommands) ? CPaletteStyle::kNoKind : found->kind;
}

bool CZumeoView::CanStartRedlineKind(UINT id) const {
    const int kind = RedlineKindOfCommand(id);
    return kind != CPaletteStyle::kNoKind && HasDrawing() && CMarkupKinds::HasToolClass(kind);
}

bool CZumeoView::IsRedlineKindChecked(UINT id) const {
    const int kind = RedlineKindOfCommand(id);
    return kind != CPaletteStyle::kNoKind && m_document && m_toolMode == kToolRedline &&
           m_document->m_markupKind == kind;
}

void CZumeoView::OnRedlineKind(UINT id) {
    const int kind = RedlineKindOfCommand(id);
    if (kind == CPaletteStyle::kNoKind || !m_document || !EnsureRedlinesVisible())
        return;
    m_document->m_markupKind = kind;
    CloseRedlinePalette();
    BeginRedlineTool(kind);
}

void CZumeoView::OnLastRedlineTool() {
    if (m_document && EnsureRedlinesVisible())
        BeginRedlineTool(CPaletteStyle::kNoKind);
}

BOOL CZumeoView::EnsureRedlinesVisible() {
    if (m_settings.m_showRedlines)
        return TRUE;
    const CString question =
        CString::FromUtf8("朱書きが非表示になっています。朱書きを表示しますか？\n"
                          "（朱書きを表示しないと朱書きの作図はできません）");
    if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return FALSE;
    if (m_onResetLayerBoxes)
        m_onResetLayerBoxes(false);
    Redraw();
    return TRUE;
}

int CZumeoView::CloseRedlinePalette() {
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette)
        return 0;
    palette->SavePosition();
    palette->SaveState();
    palette->DestroyWindow();
    return 1;
}

int CZumeoView::BeginRedlineTool(int kind) {
    if (!m_document)
        return 0;
    if (m_document->IsReadOnly()) {
        const CString question =
            CString::FromUtf8("オープン中のファイルは読み取り専用フォルダにあるため、\n"
                              "朱書きデータを保存／更新することができません。\n"
                              "朱書き作成／編集を行いますか？");
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return 0;
    }
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette)
        palette = NewRedlinePalette(*this, &kind);
    if (palette) {
        const int page = CPaletteStyle::PageOfKind(kind);
        palette->m_style.ReadToolPageKeys(page, m_settings);
        palette->ShowPage(page);
        palette->SetEditMode(0);
        palette->ShowWindow();
    }
    // A half-drawn object of the tool before does not survive the change.
    DeleteTool();
    if (kind != CPaletteStyle::kNoKind) {
        m_toolMode = kToolRedline;
        UpdateCursor();
    }
    SetRectEmpty(&m_rcHighlight);
    AccumulateDirtyRect(m_document->m_selection);
    ClearSelection();
    RedrawDirtyRect();
    if (m_document->m_markupKind == kImageKind && kind != CPaletteStyle::kNoKind)
        AskForImage();
    if (m_onResetLayerBoxes)
        m_onResetLayerBoxes(false);
    m_highlightBlink.stop();
    m_highlightPhase = 0;
    return 1;
}

int CZumeoView::EditSelectionInPalette() {
    if (!m_document)
        return 0;
    if (m_document->m_selection.IsEmpty()) {
        ResetRedlinePalette();
        return 0;
    }
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette)
        palette = NewRedlinePalette(*this, nullptr);
    if (!palette)
        return 0;
    palette->m_selected = m_document->m_selection.GetCount() == 1
                              ? static_cast<CRukEntity*>(m_document->m_selection.GetHead())
                              : nullptr;
    palette->SetEditMode(1);
    palette->ShowWindow();
    return 1;
}

void CZumeoView::AskForImage() {
    if (InsertImage())
        return;
    ResetRedlinePalette();
    m_toolMode = kToolNone;
    UpdateCursor();
}

void CZumeoView::ResetRedlinePalette() {
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette)
        return;
    palette->m_selected = nullptr;
    palette->m_style.m_kind = CPaletteStyle::kNoKind;
    palette->SetEditMode(0);
}

void CZumeoView::ShowPickInPalette() {
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette || !m_document)
        return;
    const CObList& selection = m_document->m_selection;
    if (selection.IsEmpty()) {
        ResetRedlinePalette();
        return;
    }
    palette->m_selected =
        selection.GetCount() == 1 ? static_cast<CRukEntity*>(selection.GetHead()) : nullptr;
    if (palette->m_selected && m_toolMode == kToolNone)
        palette->SetEditMode(1);
    else
        palette->ShowSelectionStyle();
}

void CZumeoView::RefreshPaletteSizes() {
    CRedlinePalette* palette = CRedlinePalette::Current();
    if (!palette || !m_document)
        return;
    palette->m_style.ComputePresets(m_document->GetExtentRatio(), m_settings);
    palette->ReapplyTextPresets();
    palette->RecreatePaintBrush();
    palette->RedrawStylePreview();
}

void CZumeoView::RedrawPendingTrack() {
    if (m_toolMode != kToolRedline || !m_pTool || !m_document || m_surface.isNull())
        return;
    {
        CImageDC dc(m_surface);
        PrepareDC(&dc);
        const POINT last = ToDrawing(m_lastPoint);
        m_pTool->TrackAt(m_document, &dc, last.x, last.y, &m_settings);
    }
    update();
}

void CZumeoView::RelayoutMarkLabel(CRukEntity* markup, int boxFrame) {
    if (!m_document)
        return;
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    PrepareDC(&dc);
    markup->RefitLabel(m_document, &dc, boxFrame, &m_settings);
}

int CZumeoView::LogicalToDeviceSize(double value) const {
    if (!m_document)
        return 0;
    const double unit = m_document->UnitDivisor();
    const int length =
        static_cast<int>(unit * m_document->m_scaleX * m_settings.m_textScale * value + 0.5);
    CDC dc(CDeviceCaps(std::max(width(), 1), std::max(height(), 1)));
    if (!PrepareDC(&dc))
        return 0;
    SIZE size{length, length};
    dc.LPtoDP(&size);
    return std::abs(static_cast<int>(size.cy));
}

void CZumeoView::CancelPendingMarkup() {
    if (m_toolMode == kToolRedline)
        DeleteTool();
}
