#include "app/CMainFrame.h"

#include "app/CLayerBar.h"
#include "app/CSplashWnd.h"
#include "app/CToolBarState.h"
#include "app/CToolDlgBar.h"
#include "app/CWindowPlacement.h"
#include "app/CZumeoApp.h"
#include "app/CZumeoDoc.h"
#include "app/CZumeoView.h"
#include "app/CommandIds.h"
#include "app/MainMenuTemplate.h"
#include "controls/CBkStatusBar.h"
#include "entities/CRukEntity.h"
#include "platform/win/CProfile.h"
#include "ui/CRedlinePalette.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

namespace {

constexpr int kIdleMilliseconds = 200;
constexpr int kLayerBarWidth = 180;
constexpr UINT kShiftJisCharset = 128;
constexpr UINT kAnsiCharset = 0;
// The profile section of the bars' visibility.
constexpr const char* kBarStateSection = "ToolBarState";

// The tool-bar buttons that stand for a menu command.
UINT MenuCommandOf(UINT id) {
    switch (id) {
    case CToolDlgBar::kOpen:
        return CommandIds::kFileOpen;
    case CToolDlgBar::kSave:
        return CommandIds::kFileSave;
    case CToolDlgBar::kPrint:
        return CommandIds::kFilePrint;
    case CToolDlgBar::kPreview:
        return CommandIds::kFilePrintPreview;
    case CToolDlgBar::kContinuousPrint:
        return CommandIds::kContinuousPrint;
    case CToolDlgBar::kCopyAll:
        return CommandIds::kCopyAll;
    case CToolDlgBar::kCopyVisible:
        return CommandIds::kEditCopy;
    case CToolDlgBar::kSettings:
        return CommandIds::kSettings;
    case CToolDlgBar::kHelp:
        return CommandIds::kHelp;
    case CToolDlgBar::kUndo:
        return CommandIds::kEditUndo;
    case CToolDlgBar::kRedo:
        return CommandIds::kEditRedo;
    case CLayerBar::kWindowZoom:
        return CommandIds::kWindowZoom;
    case CLayerBar::kZoom:
        return CommandIds::kZoom;
    case CLayerBar::kPan:
        return CommandIds::kPan;
    case CLayerBar::kFit:
        return CommandIds::kFit;
    default:
        return id;
    }
}

} // namespace

// The tool commands whose menu item is checked while their mode is on.
const CMainFrame::ToolCheck CMainFrame::kToolChecks[] = {
    {CommandIds::kPan, CZumeoView::kToolPan},
    {CommandIds::kZoom, CZumeoView::kToolDragZoom},
    {CommandIds::kWindowZoom, CZumeoView::kToolWindowZoom},
    {CommandIds::kSelectTool, CZumeoView::kToolSelect},
    {CommandIds::kMoveTool, CZumeoView::kToolMove},
    {CommandIds::kPointEditTool, CZumeoView::kToolNone},
    {CommandIds::kMeasureTool, CZumeoView::kToolMeasure},
};

CMainFrame::CMainFrame(CZumeoApp& app)
    : m_app(app), m_view(new CZumeoView(app.m_settings, this)), m_toolBarHost(new QToolBar(this)),
      m_wndToolBar(new CToolDlgBar), m_layerDock(new QDockWidget(this)),
      m_wndLayerBar(new CLayerBar(app.m_settings)) {
    m_app.LoadSettings();
    setWindowTitle(QStringLiteral("Zumeo"));
    setWindowIcon(QIcon(QStringLiteral(":/zumeo.xpm")));
    setAcceptDrops(true);
    setCentralWidget(m_view);

    CreateStatusBar();

    m_toolBarHost->setObjectName(QStringLiteral("ToolBar"));
    m_toolBarHost->setMovable(false);
    m_toolBarHost->addWidget(m_wndToolBar);
    addToolBar(Qt::TopToolBarArea, m_toolBarHost);
    m_wndToolBar->SetCommandHandler([this](UINT id) { OnCommand(id); });

    m_layerDock->setObjectName(QStringLiteral("LayerBar"));
    m_layerDock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_layerDock->setTitleBarWidget(new QWidget(m_layerDock));
    m_layerDock->setWidget(m_wndLayerBar);
    addDockWidget(Qt::RightDockWidgetArea, m_layerDock);
    resizeDocks({m_layerDock}, {kLayerBarWidth}, Qt::Horizontal);
    m_wndLayerBar->SetCommandHandler([this](UINT id) { OnCommand(id); });
    m_wndLayerBar->SetLayerChangedHandler([this](CRukLayer&) {
        m_view->m_pTool.reset();
        m_view->Redraw();
    });
    m_wndLayerBar->SetDrawingRedlineQuery(
        [this] { return m_view->m_toolMode == CZumeoView::kToolRedline; });
    m_view->SetLayerBoxesHandler([this](bool keep) { m_wndLayerBar->ResetBoxes(keep); });
    m_wndLayerBar->SetRedlinesChangedHandler(
        [this] { m_view->SetHighlightTimer(m_app.m_settings.m_blinkRedlines != 0 ? 1 : 0); });
    m_view->SetStatusHandler([this](int pane, const CString& text) { SetStatusText(pane, text); });
    m_view->SetCommandRoute([this](UINT id) { OnCommand(id); },
                            [this](UINT id) { return IsCommandEnabled(id); });
    m_view->SetTooltipTextSink([this](const CString& text) { m_app.AddRecentTooltipText(text); });
    m_view->SetLayerBarRefresh([this] { m_wndLayerBar->FillLayers(); });
    m_view->SetPlugIns(&m_app.m_plugIns);

    m_menu.LoadMenu(menuBar(), MainMenuTemplate());
    m_menu.SetCommandHandler([this](UINT id) { OnCommand(id); });
    m_menu.SetUpdateHandler([this](CBitmapMenu& menu) { UpdateMenu(menu); });
    UpdateMenu(m_menu);

    FillFontList();

    connect(&m_idleUpdate, &QTimer::timeout, this, [this] { UpdateBars(); });
    m_idleUpdate.start(kIdleMilliseconds);
    UpdateBars();

    CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() {
    CWindowPlacement::FromWindow(*this).Save();
    SaveBarState();
    m_app.SaveSettings();
}

std::vector<CMainFrame::BarKey> CMainFrame::BarKeys() const {
    return {{"ToolBar", m_toolBarHost}, {"LayerBar", m_layerDock}, {"StatusBar", statusBar()}};
}

void CMainFrame::LoadBarState() {
    for (const BarKey& entry : BarKeys())
        entry.bar->setVisible(CProfile::GetProfileInt(kBarStateSection, entry.key, 1) != 0);
}

void CMainFrame::SaveBarState() const {
    for (const BarKey& entry : BarKeys())
        CProfile::WriteProfileInt(kBarStateSection, entry.key,
                                  entry.bar->isVisibleTo(this) ? 1 : 0);
}

void CMainFrame::CreateStatusBar() {
    auto* bar = new CBkStatusBar(this);
    m_secondPane = new QLabel(bar);
    m_secondPane->setMinimumWidth(120);
    bar->addPermanentWidget(m_secondPane);
    setStatusBar(bar);
}

void CMainFrame::FillFontList() {
    std::vector<CString> names;
    std::vector<UINT> charSets;
    for (const QString& family : QFontDatabase::families()) {
        // Vertical-writing faces and bitmap faces are no choice for a drawing.
        if (family.startsWith(QLatin1Char('@')) || !QFontDatabase::isScalable(family))
            continue;
        names.push_back(CString::FromQString(family));
        charSets.push_back(QFontDatabase::writingSystems(family).contains(QFontDatabase::Japanese)
                               ? kShiftJisCharset
                               : kAnsiCharset);
    }
    m_app.SetFontList(std::move(names), std::move(charSets));
}

void CMainFrame::SetDocument(CZumeoDoc* document) {
    if (m_document)
        m_document->m_undo.SetMenu(nullptr, 0, 0);
    m_document = document;
    if (m_document) {
        m_document->m_undo.SetMenu(
            [this](UINT id, const CString& text, bool enabled) {
                m_menu.ModifyODMenu(text.ToQString(), id);
                m_menu.EnableItem(id, enabled);
            },
            CommandIds::kEditUndo, CommandIds::kEditRedo);
        m_document->m_undo.UpdateMenu();
    }
    m_view->SetDocument(document);
    m_wndLayerBar->SetDocument(document);
    UpdateBars();
}

void CMainFrame::ActivateFrame() {
    if (m_bFirstShow) {
        m_bFirstShow = false;
        LoadBarState();
        CWindowPlacement::Load().Apply(*this);
    }
    show();
}

void CMainFrame::SetStatusText(int pane, const CString& text) {
    if (pane == 0)
        statusBar()->showMessage(text.ToQString());
    else if (pane == 1)
        m_secondPane->setText(text.ToQString());
}

QString CMainFrame::GetStatusText(int pane) const {
    if (pane == 0)
        return statusBar()->currentMessage();
    return pane == 1 ? m_secondPane->text() : QString();
}

QWidget* CMainFrame::ToolBarWindow() const {
    return m_toolBarHost;
}

QWidget* CMainFrame::LayerBarWindow() const {
    return m_layerDock;
}

QString CMainFrame::TitleText() const {
    QString title = QStringLiteral("Zumeo");
    if (!m_document || m_document->GetPathName().IsEmpty())
        return title;
    title += QStringLiteral(" - ") + m_document->GetTitle().ToFilePath();
    if (!m_document->m_objects.IsEmpty() && m_document->IsReadOnly())
        title += QStringLiteral(" （読み取り専用）");
    return title;
}

void CMainFrame::UpdateTitle() {
    setWindowTitle(TitleText());
}

void CMainFrame::UpdateBars() {
    UpdateMenu(m_menu);
    if (!m_document)
        return;
    UpdateTitle();
    m_wndToolBar->UpdateButtons(CToolBarState::FromDocument(*m_document));
    m_wndToolBar->KeepEnabledOnly([this](UINT id) { return IsCommandEnabled(MenuCommandOf(id)); });
    m_wndLayerBar->UpdateControls();
}

void CMainFrame::UpdateMenu(CBitmapMenu& menu) {
    for (UINT id : menu.ItemIds())
        menu.EnableItem(id, IsCommandEnabled(id));
    menu.CheckItem(CommandIds::kViewToolBar, m_toolBarHost->isVisibleTo(this));
    menu.CheckItem(CommandIds::kViewLayerBar, m_layerDock->isVisibleTo(this));
    menu.CheckItem(CommandIds::kViewStatusBar, statusBar()->isVisibleTo(this));
    for (const ToolCheck& check : kToolChecks)
        menu.CheckItem(check.id, m_view->IsToolChecked(check.mode));
    for (UINT id : CZumeoView::RedlineCommandIds())
        menu.CheckItem(id, m_view->IsRedlineKindChecked(id));
    const CRecentFileList& recent = m_app.m_recentFiles;
    for (int i = 0; i < CommandIds::kMruCount; ++i) {
        QAction* item = menu.FindItem(CommandIds::kFileMru1 + static_cast<UINT>(i));
        if (!item)
            continue;
        item->setVisible(i < recent.GetSize());
        if (i < recent.GetSize())
            item->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(recent[i].ToFilePath()));
    }
}

// A half-drawn markup would not survive the change of the view's size.
void CMainFrame::ToggleBar(QWidget* bar) {
    m_view->m_pTool.reset();
    bar->setVisible(!bar->isVisible());
}

const CMainFrame::CommandRoute CMainFrame::kCommandRoutes[] = {
    {CommandIds::kFileOpen, &CMainFrame::OnFileOpen, &CMainFrame::Always},
    {CommandIds::kFileMru1, &CMainFrame::OnOpenRecentFile, &CMainFrame::HasRecentFile},
    {CommandIds::kFileMru1 + 1, &CMainFrame::OnOpenRecentFile, &CMainFrame::HasRecentFile},
    {CommandIds::kFileMru1 + 2, &CMainFrame::OnOpenRecentFile, &CMainFrame::HasRecentFile},
    {CommandIds::kFileMru1 + 3, &CMainFrame::OnOpenRecentFile, &CMainFrame::HasRecentFile},
    {CommandIds::kAppExit, &CMainFrame::OnAppExit, &CMainFrame::Always},
    {CommandIds::kHelp, &CMainFrame::OnHelp, &CMainFrame::Always},
    {CommandIds::kAppAbout, &CMainFrame::OnAppAbout, &CMainFrame::Always},
    {CommandIds::kViewToolBar, &CMainFrame::OnViewToolBar, &CMainFrame::Always},
    {CommandIds::kViewLayerBar, &CMainFrame::OnViewLayerBar, &CMainFrame::Always},
    {CommandIds::kViewStatusBar, &CMainFrame::OnViewStatusBar, &CMainFrame::Always},
    {CommandIds::kFit, &CMainFrame::OnZoomFit, &CMainFrame::HasDrawing},
    {CommandIds::kPan, &CMainFrame::OnPanTool, &CMainFrame::HasDrawing},
    {CommandIds::kZoom, &CMainFrame::OnZoomTool, &CMainFrame::HasDrawing},
    {CommandIds::kWindowZoom, &CMainFrame::OnWindowZoomTool, &CMainFrame::HasDrawing},
    {CommandIds::kPreviousView, &CMainFrame::OnPreviousView, &CMainFrame::CanPreviousView},
    {CommandIds::kRedraw, &CMainFrame::OnRedraw, &CMainFrame::HasDrawing},
    {CToolDlgBar::kLastTool, &CMainFrame::OnLastRedlineTool, &CMainFrame::Always},
    {CommandIds::kRedlineEllipseMark, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineSquareMark, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineCircleMark, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineBalloon, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineLine, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlinePolyline, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineSquare, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineEllipse, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineCircle, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlinePolygon, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineCloud, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineNote, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineFreehand, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kRedlineImage, &CMainFrame::OnRedlineKind, &CMainFrame::CanRedlineKind},
    {CommandIds::kProperties, &CMainFrame::OnProperties, &CMainFrame::CanShowProperties},
    {CommandIds::kSelectTool, &CMainFrame::OnSelectTool, &CMainFrame::HasDrawing},
    {CommandIds::kMoveTool, &CMainFrame::OnMoveTool, &CMainFrame::HasDrawing},
    {CommandIds::kPointEditTool, &CMainFrame::OnPointEditTool, &CMainFrame::HasDrawing},
    {CommandIds::kMeasureTool, &CMainFrame::OnMeasureTool, &CMainFrame::HasDrawing},
    {CommandIds::kSettings, &CMainFrame::OnSettings, &CMainFrame::Always},
    {CommandIds::kFilePrint, &CMainFrame::OnFilePrint, &CMainFrame::CanPrint},
    {CommandIds::kFilePrintPreview, &CMainFrame::OnFilePrintPreview, &CMainFrame::HasDrawing},
    {CommandIds::kFilePrintSetup, &CMainFrame::OnFilePrintSetup, &CMainFrame::HasDrawing},
    {CommandIds::kCopyAll, &CMainFrame::OnCopyAll, &CMainFrame::HasDrawing},
    {CommandIds::kEditCopy, &CMainFrame::OnCopyVisible, &CMainFrame::HasDrawing},
    {CommandIds::kImageExport, &CMainFrame::OnImageExport, &CMainFrame::HasDrawing},
    {CommandIds::kFileSave, &CMainFrame::OnFileSave, &CMainFrame::CanSaveRedlines},
    {CommandIds::kFileSaveAs, &CMainFrame::OnFileSaveAs, &CMainFrame::HasDrawing},
    {CommandIds::kOpenWithApp, &CMainFrame::OnOpenWithApp, &CMainFrame::CanOpenWithApp},
    {CommandIds::kEditSelectAll, &CMainFrame::OnSelectAll, &CMainFrame::Always},
    {CommandIds::kEditDelete, &CMainFrame::OnEditDelete, &CMainFrame::CanEditSelection},
    {CommandIds::kBringToFront, &CMainFrame::OnBringToFront, &CMainFrame::CanEditSelection},
    {CommandIds::kSendToBack, &CMainFrame::OnSendToBack, &CMainFrame::CanEditSelection},
    {CommandIds::kConvertToOwn, &CMainFrame::OnConvertToOwn, &CMainFrame::CanConvert},
    {CommandIds::kBatchConvert, &CMainFrame::OnBatchConvert, &CMainFrame::Always},
    {CommandIds::kContinuousPrint, &CMainFrame::OnContinuousPrint, &CMainFrame::Always},
    {CommandIds::kScalePrint, &CMainFrame::OnScalePrint, &CMainFrame::HasDrawing},
    {CommandIds::kEditUndo, &CMainFrame::OnEditUndo, &CMainFrame::CanUndo},
    {CommandIds::kEditRedo, &CMainFrame::OnEditRedo, &CMainFrame::CanRedo},
    {CommandIds::kHollowOut, &CMainFrame::OnHollowOut, &CMainFrame::CanHollowOut},
};

const CMainFrame::CommandRoute* CMainFrame::FindRoute(UINT id) {
    for (const CommandRoute& route : kCommandRoutes)
        if (route.id == id)
            return &route;
    return nullptr;
}

bool CMainFrame::IsCommandEnabled(UINT id) const {
    const CommandRoute* route = FindRoute(id);
    return route && (this->*route->enabled)(id);
}

void CMainFrame::OnCommand(UINT id) {
    id = MenuCommandOf(id);
    const CommandRoute* route = FindRoute(id);
    if (route && (this->*route->enabled)(id))
        (this->*route->handler)(id);
}

bool CMainFrame::HasRecentFile(UINT id) const {
    return static_cast<int>(id - CommandIds::kFileMru1) < m_app.m_recentFiles.GetSize();
}

bool CMainFrame::HasDrawing(UINT) const {
    return m_view->HasDrawing();
}

bool CMainFrame::CanPrint(UINT) const {
    return m_view->HasDrawing() && menuBar()->isVisibleTo(this);
}

bool CMainFrame::CanPreviousView(UINT) const {
    return m_view->CanPreviousView();
}

bool CMainFrame::CanSaveRedlines(UINT) const {
    return m_view->HasDrawing() && !m_document->IsReadOnly();
}

bool CMainFrame::CanOpenWithApp(UINT) const {
    return m_view->CanOpenWithApp();
}

bool CMainFrame::CanEditSelection(UINT) const {
    return m_view->CanEditSelection();
}

bool CMainFrame::CanConvert(UINT) const {
    return m_document && m_document->CanConvert();
}

bool CMainFrame::CanRedlineKind(UINT id) const {
    return m_view->CanStartRedlineKind(id);
}

// The palette edits a selected markup only when it is opened for it.
bool CMainFrame::CanShowProperties(UINT) const {
    return m_view->CanEditSelection() && !CRedlinePalette::Current();
}

bool CMainFrame::CanUndo(UINT) const {
    return m_document && m_document->m_undo.CanUndo();
}

bool CMainFrame::CanRedo(UINT) const {
    return m_document && m_document->m_undo.CanRedo();
}

void CMainFrame::OnFileOpen(UINT) {
    m_app.OnFileOpen();
}

void CMainFrame::OnOpenRecentFile(UINT id) {
    m_app.OnOpenRecentFile(id);
}

void CMainFrame::OnAppExit(UINT) {
    close();
}

void CMainFrame::OnHelp(UINT) {
    m_app.OnHelp();
}

void CMainFrame::OnAppAbout(UINT) {
    m_app.OnAppAbout();
}

void CMainFrame::OnViewToolBar(UINT) {
    ToggleBar(m_toolBarHost);
}

void CMainFrame::OnViewLayerBar(UINT) {
    ToggleBar(m_layerDock);
}

void CMainFrame::OnViewStatusBar(UINT) {
    ToggleBar(statusBar());
}

void CMainFrame::OnZoomFit(UINT) {
    m_view->OnZoomFit();
}

void CMainFrame::OnPanTool(UINT) {
    m_view->OnPanTool();
}

void CMainFrame::OnZoomTool(UINT) {
    m_view->OnZoomTool();
}

void CMainFrame::OnWindowZoomTool(UINT) {
    m_view->OnWindowZoomTool();
}

void CMainFrame::OnPreviousView(UINT) {
    m_view->OnPreviousView();
}

void CMainFrame::OnRedraw(UINT) {
    m_view->OnRedraw();
}

void CMainFrame::OnSelectTool(UINT) {
    m_view->OnSelectTool();
}

// Moving and reshaping work on the selection, not on the palette's style.
void CMainFrame::OnMoveTool(UINT) {
    m_view->OnMoveTool();
    m_view->CloseRedlinePalette();
}

void CMainFrame::OnPointEditTool(UINT) {
    m_view->OnPointEditTool();
    m_view->CloseRedlinePalette();
}

void CMainFrame::OnMeasureTool(UINT) {
    m_view->OnMeasureTool();
    m_view->ResetRedlinePalette();
}

// Both workers empty the document, so the open drawing is closed first.
void CMainFrame::OnBatchConvert(UINT) {
    m_view->m_pTool.reset();
    if (m_app.QueryCloseDrawing())
        m_view->OnBatchConvert();
}

void CMainFrame::OnContinuousPrint(UINT) {
    m_view->m_pTool.reset();
    m_view->SetPrinter(&m_app.Printer());
    if (m_app.QueryCloseDrawing())
        m_view->OnContinuousPrint();
}

// The application may have changed its printer since the last command.
void CMainFrame::OnScalePrint(UINT) {
    m_view->SetPrinter(&m_app.Printer());
    m_view->OnScalePrint();
}

void CMainFrame::OnSettings(UINT) {
    m_view->DoSettingsDialog(0);
    UpdateBars();
}

void CMainFrame::OnFilePrint(UINT) {
    m_view->OnFilePrint();
}

void CMainFrame::OnFilePrintPreview(UINT) {
    m_view->OnFilePrintPreview();
}

void CMainFrame::OnFilePrintSetup(UINT) {
    m_view->SetPrinter(&m_app.Printer());
    m_view->OnPrinterSetup();
}

void CMainFrame::OnCopyAll(UINT) {
    m_view->CopyToClipboard();
}

void CMainFrame::OnCopyVisible(UINT) {
    m_view->CopyVisibleToClipboard();
}

void CMainFrame::OnImageExport(UINT) {
    m_view->OnImageExport();
}

void CMainFrame::OnFileSave(UINT) {
    m_document->OnFileSave();
}

void CMainFrame::OnFileSaveAs(UINT) {
    m_document->SaveControlFileAs();
}

void CMainFrame::OnOpenWithApp(UINT) {
    m_view->OnOpenWithApp();
}

void CMainFrame::OnSelectAll(UINT) {
    m_view->OnSelectAll();
}

void CMainFrame::OnEditDelete(UINT) {
    m_view->OnEditDelete();
    UpdateBars();
}

void CMainFrame::OnBringToFront(UINT) {
    m_view->OnBringToFront();
    UpdateBars();
}

void CMainFrame::OnSendToBack(UINT) {
    m_view->OnSendToBack();
    UpdateBars();
}

void CMainFrame::OnConvertToOwn(UINT) {
    m_document->ConvertToOwnDocument();
    UpdateTitle();
}

void CMainFrame::OnRedlineKind(UINT id) {
    m_view->OnRedlineKind(id);
}

void CMainFrame::OnLastRedlineTool(UINT) {
    m_view->OnLastRedlineTool();
}

void CMainFrame::OnProperties(UINT) {
    m_view->EditSelectionInPalette();
}

void CMainFrame::ShowChangedRedlines() {
    // The objects the palette showed may have been replaced.
    if (CRedlinePalette* palette = CRedlinePalette::Current()) {
        palette->m_selected = nullptr;
        palette->ShowSelectionStyle();
    }
    m_view->Redraw();
    m_wndLayerBar->FillLayers();
    UpdateBars();
}

void CMainFrame::OnEditUndo(UINT) {
    m_view->m_pTool.reset();
    if (m_document->m_undo.Undo())
        ShowChangedRedlines();
}

void CMainFrame::OnHollowOut(UINT) {
    m_view->m_pTool.reset();
    m_view->OnHollowOut();
    ShowChangedRedlines();
}

bool CMainFrame::CanHollowOut(UINT) const {
    return m_view->CanHollowOut();
}

void CMainFrame::OnEditRedo(UINT) {
    m_view->m_pTool.reset();
    if (m_document->m_undo.Redo())
        ShowChangedRedlines();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (!m_bCanClose || !m_app.QueryCloseDrawing()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

// Only the first of several dropped files opens.
void CMainFrame::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.first().isLocalFile())
        return;
    event->acceptProposedAction();
    if (!m_app.QueryCloseDrawing())
        return;
    m_app.OpenDocumentFile(CString::FromFilePath(urls.first().toLocalFile()));
    m_view->setFocus();
}
