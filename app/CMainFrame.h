#pragma once
// The main window: menu, tool bar, layer bar and status bar around the
// drawing. It loads the settings when it is made and saves them, with its
// placement, when it goes.
#include "controls/CBitmapMenu.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <QMainWindow>
#include <QTimer>

#include <vector>

class CLayerBar;
class CToolDlgBar;
class CZumeoApp;
class CZumeoDoc;
class CZumeoView;
class QDockWidget;
class QLabel;
class QToolBar;

class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(CZumeoApp& app);
    ~CMainFrame() override;

    // The document the bars and the title follow; null for none.
    void SetDocument(CZumeoDoc* document);
    // Restores the placement of the last run and shows the window.
    void ActivateFrame();
    // Pane 0 is the message pane, pane 1 the one beside it.
    void SetStatusText(int pane, const CString& text);
    QString GetStatusText(int pane) const;
    // Carries out a command of the menu or a bar when its route allows it.
    void OnCommand(UINT id);
    // A command runs only through a route that allows it now; one without a
    // route is always disabled.
    bool IsCommandEnabled(UINT id) const;
    // The main window's title: the program and the document's file name,
    // marked read-only when its folder is.
    QString TitleText() const;
    void UpdateTitle();
    // Brings the bars' enabling up to date with the document.
    void UpdateBars();
    // The same for the menu items, as before a popup opens.
    void UpdateMenu(CBitmapMenu& menu);

    CToolDlgBar* ToolBar() const { return m_wndToolBar; }
    CLayerBar* LayerBar() const { return m_wndLayerBar; }
    CBitmapMenu& Menu() { return m_menu; }
    CZumeoView* GetActiveView() const { return m_view; }
    QWidget* ToolBarWindow() const;
    QWidget* LayerBarWindow() const;

    // While false, closing the window does nothing (a modal task runs).
    bool m_bCanClose = true;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // One row per command the frame carries out: what it does and when.
    struct CommandRoute {
        UINT id;
        void (CMainFrame::*handler)(UINT id);
        bool (CMainFrame::*enabled)(UINT id) const;
    };
    static const CommandRoute kCommandRoutes[];
    struct ToolCheck {
        UINT id;
        int mode;
    };
    static const ToolCheck kToolChecks[];
    // The bars whose visibility the profile keeps, by key.
    struct BarKey {
        const char* key;
        QWidget* bar;
    };

    static const CommandRoute* FindRoute(UINT id);
    std::vector<BarKey> BarKeys() const;
    void LoadBarState();
    void SaveBarState() const;
    void CreateStatusBar();
    void FillFontList();
    void ToggleBar(QWidget* bar);

    // Handlers of the routes.
    void OnFileOpen(UINT id);
    void OnOpenRecentFile(UINT id);
    void OnAppExit(UINT id);
    void OnHelp(UINT id);
    void OnAppAbout(UINT id);
    void OnViewToolBar(UINT id);
    void OnViewLayerBar(UINT id);
    void OnViewStatusBar(UINT id);
    void OnZoomFit(UINT id);
    void OnPanTool(UINT id);
    void OnZoomTool(UINT id);
    void OnWindowZoomTool(UINT id);
    void OnPreviousView(UINT id);
    void OnRedraw(UINT id);
    void OnRedlineKind(UINT id);
    void OnLastRedlineTool(UINT id);
    void OnProperties(UINT id);
    void OnSelectTool(UINT id);
    void OnMoveTool(UINT id);
    void OnPointEditTool(UINT id);
    void OnMeasureTool(UINT id);
    void OnSettings(UINT id);
    void OnFilePrint(UINT id);
    void OnFilePrintPreview(UINT id);
    void OnFilePrintSetup(UINT id);
    void OnCopyAll(UINT id);
    void OnCopyVisible(UINT id);
    void OnImageExport(UINT id);
    void OnFileSave(UINT id);
    void OnFileSaveAs(UINT id);
    void OnConvertToOwn(UINT id);
    void OnBatchConvert(UINT id);
    void OnContinuousPrint(UINT id);
    void OnScalePrint(UINT id);
    void OnOpenWithApp(UINT id);
    void OnSelectAll(UINT id);
    void OnEditDelete(UINT id);
    void OnBringToFront(UINT id);
    void OnSendToBack(UINT id);
    void OnEditUndo(UINT id);
    void OnEditRedo(UINT id);
    void OnHollowOut(UINT id);
    // Enablers of the routes.
    bool Always(UINT) const { return true; }
    bool CanRedlineKind(UINT id) const;
    bool CanShowProperties(UINT id) const;
    bool HasRecentFile(UINT id) const;
    bool HasDrawing(UINT id) const;
    // Printing also needs the menu, as the print dialog's own commands do.
    bool CanPrint(UINT id) const;
    bool CanPreviousView(UINT id) const;
    bool CanSaveRedlines(UINT id) const;
    bool CanOpenWithApp(UINT id) const;
    bool CanEditSelection(UINT id) const;
    bool CanConvert(UINT id) const;
    bool CanUndo(UINT id) const;
    bool CanRedo(UINT id) const;
    bool CanHollowOut(UINT id) const;
    // The redlines changed under the view: repaint them, refill the layers.
    void ShowChangedRedlines();

    CZumeoApp& m_app;
    bool m_bFirstShow = true;
    CZumeoDoc* m_document = nullptr;
    CBitmapMenu m_menu;
    CZumeoView* m_view;
    QToolBar* m_toolBarHost;
    CToolDlgBar* m_wndToolBar;
    QDockWidget* m_layerDock;
    CLayerBar* m_wndLayerBar;
    QLabel* m_secondPane = nullptr;
    // The bars follow the document while the program idles.
    QTimer m_idleUpdate;
};
