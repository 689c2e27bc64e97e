#pragma once
// The main window: menu, tool bar, layer bar and status bar around the
// drawing. It loads the settings when it is made and saves them, with its
// placement, when it goes.
#include "controls/CBitmapMenu.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <QMainWindow>
#include <QTimer>

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
    void OnCommand(UINT id);
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
    void CreateStatusBar();
    void FillFontList();
    void ToggleBar(QWidget* bar);

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
