#pragma once
// The view of the open drawing: a widget that paints into its own image
// (paintEvent only copies it), maps the document's view space isotropically
// onto the drawing area inside the margins, and zooms and pans. The frame
// calls the command functions from its menu and tool bar.

#include "app/CBandPainter.h"
#include "app/CDocExtent.h"
#include "app/CDocViewHook.h"
#include "app/CPointSnap.h"
#include "platform/win/WinTypes.h"
#include "ui/CMeasureHost.h"

#include <QBasicTimer>
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CDC;
class CDrawDefaults;
class CMeasureDlg;
class CObList;
class CPlugInList;
class CPrinterDefaults;
class CRukEntity;
class CZumeoDoc;
class QFont;
class QMenu;
class QPrinter;
struct CImageExportOptions;

class CZumeoView : public QWidget, public CDocViewHook, public CMeasureHost {
    friend class CViewScalePrintHost;

public:
    enum ToolMode {
        kToolPan = 1,
        kToolDragZoom = 2,
        kToolWindowZoom = 3,
        kToolSelect = 5,
        kToolRedline = 6,
        kToolMeasure = 7,
        kToolMove = 8,
        kToolNone = 9
    };
    // The timers of the selection blink and the redline highlight blink.
    static constexpr int kSelectionBlinkTimer = 100;
    static constexpr int kHighlightBlinkTimer = 101;
    static constexpr int kHighlightBlinkPeriod = 500;
    // The tooltip's widest line in pixels, and how long it stays up: no
    // setting of the program names a time, so the desktop's usual one.
    static constexpr int kToolTipMaxWidth = 300;
    static constexpr int kToolTipAutoPop = 5000;
    // The window extents of a new view.
    static constexpr int kInitialExtent = 5000;

    // The settings record outlives the view; the settings dialog changes it.
    explicit CZumeoView(CDrawDefaults& settings, QWidget* parent = nullptr);
    ~CZumeoView() override;

    // The document shown; null shows nothing. The view does not own it and
    // is its view until another document is set; a document that goes away
    // first is unset before.
    void SetDocument(CZumeoDoc* document);
    // After a load: no tool, the zoom state of a new view, then the fit.
    void ShowLoadedDrawing() override;
    void SetStatusText(int pane, const CString& text) override;
    // Where the status texts of the document go; none drops them.
    void SetStatusHandler(std::function<void(int, const CString&)> handler) {
        m_onStatusText = std::move(handler);
    }
    CZumeoDoc* GetDocument() const { return m_document; }

    // ---- The redline tools and the palette.

    // The redline-kind commands in menu order, and the kind of each; -1
    // for another id.
    static std::vector<UINT> RedlineCommandIds();
    static int RedlineKindOfCommand(UINT id);
    // Enabled on a drawing when the kind's markup class is in the program.
    bool CanStartRedlineKind(UINT id) const;
    bool IsRedlineKindChecked(UINT id) const;
    // A redline-kind command: the redlines shown, the kind stored, the
    // palette opened anew with the kind's stored style.
    void OnRedlineKind(UINT id);
    // The tool-bar button: the palette again for the last tool.
    void OnLastRedlineTool();
    // TRUE when the redlines are shown, or the user agreed to show them.
    BOOL EnsureRedlinesVisible();
    // Opens the palette for the kind (-1: none), or shows the open one; 0
    // when the user declined to draw on a read-only drawing.
    int BeginRedlineTool(int kind);
    // The palette in edit mode on the selection: the selected markup when
    // it is the only one. An empty selection only resets an open palette;
    // 0 then.
    int EditSelectionInPalette();
    // The image tool asks for its picture at once; without one the palette
    // has no kind and the view no tool.
    void AskForImage();
    // The palette shows no markup and no kind, in draw mode.
    void ResetRedlinePalette();
    // The palette's size presets follow new text and arrow sizes of the
    // settings, and its sizes and style display follow them.
    void RefreshPaletteSizes();
    // Saves and closes the palette; 0 when none was open.
    int CloseRedlinePalette();
    // Draws the rubber band of the markup in progress at the last mouse
    // point again (XOR: before and after a style change).
    void RedrawPendingTrack();
    // Lets the markup fit its label to the box frame again.
    void RelayoutMarkLabel(CRukEntity* markup, int boxFrame);
    // The markup in progress goes.
    void CancelPendingMarkup();
    // The window pixels of a size given as a multiple of the drawing unit
    // (a label's text height) at the view's zoom and text scale; 0 while
    // the view has no drawing area.
    int LogicalToDeviceSize(double value) const;
    // The layer bar's redline boxes: blinking off and, unless keep is set,
    // the redlines shown.
    void SetLayerBoxesHandler(std::function<void(bool keep)> handler) {
        m_onResetLayerBoxes = std::move(handler);
    }
    const CDrawDefaults& Settings() const { return m_settings; }

    // ---- Mapping.

    // Puts the view mapping on the context; false (and nothing set) while
    // the drawing area inside the margins is empty.
    bool PrepareDC(CDC* dc) const;
    // The pixel offset that centres an extent of W x H in a w x h area.
    static POINT GetCenteringOffset(int extentX, int extentY, int width, int height);
    // The view-space point at the centre of the window.
    POINT GetClientCentre() const;
    bool HasDrawingArea() const;

    // ---- Painting.

    // Paints the document through one off-screen image onto the context.
    void OnDraw(CDC* dc);
    // Paints the view's image again and asks for a repaint.
    void Redraw();
    const QImage& Surface() const { return m_surface; }

    // ---- Zoom and pan.

    void ZoomFit(int fitFlag);
    int ZoomByFactor(double factor);
    int ZoomAtPoint(double factor, POINT windowPoint);
    void AdaptDeviceSpan(int fromFit);
    int DeviceSpanForRatio(double ratio) const;
    void SaveView();
    void RestoreView();
    void ClearSelection();
    // Puts the shown drawing on the clipboard.
    bool CopyToClipboard();
    // Puts the visible area on the clipboard.
    bool CopyVisibleToClipboard();
    // Saves the drawing as an image file after asking where and how.
    void OnImageExport();
    // Saves the whole drawing, or the visible part, as an image of the
    // options' size (the window's, when asked for the visible part); false
    // after a message when it was not written.
    bool ExportImage(const CString& path, int format, const CImageExportOptions& options);
    // Asks for a picture file and makes the image redline that the next
    // click places, sized from the drawing; FALSE when cancelled or when
    // the picture does not load.
    BOOL InsertImage();

    // ---- Printing.

    // The print and print preview commands: the page goes to the printer
    // the print dialog chooses, or to a PDF file where there is none.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Prints the drawing on one page of the printer; false when the
    // printer cannot be painted on.
    bool PrintPage(QPrinter& printer);
    // The page on a printer context: header and footer, then the whole
    // drawing fitted into the margins or the visible area (the print range
    // of the settings).
    void OnPrint(CDC* dc);

    // ---- Commands of the menu and the tool bar, and their enablers.

    void OnZoomFit();
    void OnPanTool();
    void OnZoomTool();
    void OnWindowZoomTool();
    void OnPreviousView();
    void OnRedraw();
    void OnSelectTool();
    void OnMoveTool();
    void OnPointEditTool();
    void OnMeasureTool();
    // Appends every shown markup to the selection, in drawing order.
    void OnSelectAll();
    // Deletes the selected redline objects after asking, with an undo step.
    void OnEditDelete();
    // The selected objects go as one undo step, and the layers they leave
    // empty with them.
    void DeleteSelection();
    // The selected markups move to the end, or the start, of the drawing
    // order, with an undo step.
    void OnBringToFront();
    void OnSendToBack();
    // Delete, front and back need a selection that starts with a markup,
    // in a picking mode.
    bool CanEditSelection() const;
    // Opens the drawing's file with the desktop's program for it.
    void OnOpenWithApp();
    // Only a drawing that is not an own drawing file is worth handing on.
    bool CanOpenWithApp() const;
    // Runs the settings dialog on the given page and takes its values on OK.
    void DoSettingsDialog(int firstPage);
    // The modeless measure window of the measure tool; null outside it.
    CMeasureDlg* MeasureDialog() const;
    std::optional<Result> MeasureAt(int finished, int x, int y) override;
    void OnMeasureDialogClosed() override;
    void CancelMeasurement() override;
    void SelectMeasureTool() override;
    void FocusView() override;
    // The tool, previous-view and redraw commands need a drawing.
    bool HasDrawing() const;
    bool CanPreviousView() const { return HasDrawing() && m_bSavedView == 1; }
    bool IsToolChecked(int mode) const { return m_toolMode == mode; }
    // Where the context menu's commands go, and which of them are enabled.
    void SetCommandRoute(std::function<void(UINT)> run, std::function<bool(UINT)> enabled) {
        m_onCommand = std::move(run);
        m_isCommandEnabled = std::move(enabled);
    }
    // Where the tooltip texts of the markups go (the recent TOOLTIP list).
    void SetTooltipTextSink(std::function<void(const CString&)> sink) {
        m_onTooltipText = std::move(sink);
    }
    // Where a change of the document's layers goes (the frame's layer bar).
    void SetLayerBarRefresh(std::function<void()> refresh) {
        m_onLayersChanged = std::move(refresh);
    }
    void RefreshLayerBar() override;

    // ---- Opening drawings.

    // The plug-ins the opening asks first; none reads every type by its
    // extension.
    void SetPlugIns(const CPlugInList* plugIns) { m_plugIns = plugIns; }
    // The one way a drawing opens, whatever asked for it: the plug-in table,
    // then the types known by extension, else the own drawing file. An SXF
    // redline file opens its base drawing and merges itself into it. The
    // user is told once how many items the plug-ins left out. 1 when a
    // drawing was opened.
    int OpenDrawing(const CString& path);
    // Adds the drawing of the file to the open document through the plug-in
    // that reads its type; false when there is none or it could not be read.
    bool MergeRedlineDrawing(const CString& path);
    // What the batch conversion does with one file. The workers tell the
    // user nothing of items left out: their loops name such files.
    enum ConvertResult { kConverted, kSkipped, kFailed, kStopBatch, kConvertedWithLeftOut };
    // Converts the drawing into an own drawing file of its stem in the
    // folder, asking before it writes over one unless overwriteAll is set;
    // the document is emptied afterwards.
    ConvertResult ConvertFileWorker(const CString& path, const CString& folder, bool overwriteAll);
    enum class PrintResult { kNotPrinted, kPrinted, kPrintedWithLeftOut };
    // Opens the drawing, prints the whole of it on one page without asking
    // for a printer (landscape when it is at least as wide as high) and
    // empties the document again.
    PrintResult PrintFileWorker(const CString& path);
    // The batch conversion and continuous print commands: the folder dialog,
    // then the file list, again from the folder dialog while the list is
    // closed by its idle "中止".
    void OnBatchConvert();
    void OnContinuousPrint();
    // The printer setup: the orientation of later printing.
    void OnPrinterSetup();
    // The scale-print dialog at 1 / 1, placed at the drawing point under
    // the centre of the window.
    void OnScalePrint();
    void DoScalePrint(QWidget* owner, double numerator, double denominator);
    // The application's printer settings, which scale printing chooses.
    void SetPrinter(CPrinterDefaults* printer) { m_printer = printer; }

    // ---- Mouse and keys, in window pixels with the MK_ key flags.

    static UINT KeyFlags(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonDblClk(UINT flags, POINT point);
    // True when default handling (the context menu) follows.
    bool OnRButtonDown(UINT flags, POINT point);
    // The middle button pans in every mode.
    void OnMButtonDown(POINT point);
    void OnMButtonUp(POINT point);
    void OnContextMenu(POINT screenPoint);
    // The cursor the mode shows at the mouse: a drawn cursor's id or a
    // system cursor's.
    int GetCursorId();
    // The name of the topmost pickable object under the cursor in the
    // picking modes; empty for none.
    CString GetToolTipText();
    // The lines of a tooltip text no wider than maxWidth pixels in the font:
    // broken at its line breaks, then between words, and within a word (or
    // a run of Japanese) that is wider alone.
    static QStringList WrapToolTipText(const QString& text, const QFont& font, int maxWidth);
    // The pop-up menu of the point-edit mode.
    std::unique_ptr<QMenu> CreateContextMenu() const;

    // ---- Markup operations.

    // Cuts the second selected markup out of the first, or out of the
    // first's holes when it is a cut-out already: 1, or -1 without exactly
    // two objects selected, -2 for a kind that cannot take part, -3 when
    // the two do not overlap. A refusal changes nothing. The caller shows
    // the result.
    int HollowOut();
    // The command: HollowOut, telling the user why it refused.
    void OnHollowOut();
    bool CanHollowOut() const;

    // ---- The markups' labels and the tooltip list.

    void AddLabelText(const CString& text) override;
    void RegisterMarkup(CRukEntity* markup) override;
    // Sets a markup's label text on a prepared context, so that it measures it.
    virtual void SetMarkupLabel(CRukEntity* markup, const CString& text);

    // ---- Timers and highlight areas.

    // Arms the selection blink in select mode with SELECT/MODE 2, else
    // stops it, drawing the selection once more if it was blinked out.
    void RestartSelectionBlink();
    // 1 arms the redline blink while the redlines are shown, 0 stops it.
    void SetHighlightTimer(int on);
    // One tick of the highlight blink: the drawing with and without its
    // redlines in turn.
    void OnHighlightBlink();
    bool IsSelectionBlinking() const { return m_selectionBlink.isActive(); }
    bool IsHighlightBlinking() const { return m_highlightBlink.isActive(); }
    int SelectionBlinkPeriod() const { return m_selectionBlinkPeriod; }
    // Adds the pixel boxes of the objects to the highlight rectangle; the
    // list's count.
    int AccumulateDirtyRect(const CObList& objects);
    // Repaints the highlight rectangle, 5 pixels wider.
    void RedrawDirtyRect();
    // While the redlines blink, outside the drawing and measuring modes,
    // the highlight rectangle becomes the boxes of the redline objects on
    // shown layers again, so that it follows what was moved; the count of
    // those objects.
    // Otherwise nothing changes, and the result is the mode (6 or 7) or 0.
    int CollectBlinkRect();
    // Makes a filed markup the selection; 0 when it is not a top object.
    int SelectNewMarkup(CRukEntity* markup);

    // ---- State the tool modes share.

    int m_toolMode = kToolNone;
    int m_bSavedView = 0;
    int m_windowExtX = kInitialExtent;
    int m_windowExtY = kInitialExtent;
    int m_panX = 0;
    int m_panY = 0;
    int m_viewportOrgX = 0;
    int m_viewportOrgY = 0;
    POINT m_dragStart{0, 0};
    POINT m_dragOffset{0, 0};
    POINT m_zoomCentre{0, 0};
    std::unique_ptr<CRukEntity> m_pTool;
    POINT m_lastPoint{0, 0};
    int m_bButtonDown = 0;
    // The last mouse point in window pixels, after snapping.
    POINT m_lastMouse{0, 0};
    // The cursor in drawing units, and its 10 x 10 pixel square in view space.
    POINT m_cursorPoint{0, 0};
    RECT m_rcCursor{0, 0, 0, 0};
    // The pending update rectangle in window pixels.
    RECT m_rcHighlight{0, 0, 0, 0};
    int m_bBlinkPhase = 0;
    // The angle snapping of the drawing and measuring tools.
    SnapRays m_snapRays;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

private:
    // OpenDrawing without telling what was left out.
    int OpenDrawingRoute(const CString& path);
    // The selection to the front or the back of the drawing order, as one
    // undo step; the selection is cleared.
    void ReorderSelection(bool toBack);
    // Whether the regions of two closed markups (or cut-outs) meet in the
    // window.
    bool MarkupsOverlap(CRukEntity& first, CRukEntity& second) const;
    // The document after a worker's file: empty and new.
    void DiscardWorkerDrawing();
    struct SavedView {
        int windowExtX;
        int windowExtY;
        int panX;
        int panY;
        int deviceSpan;
        CDocExtent extent;
        double scaleX;
    };

    int ExtentLimit() const;
    // The mapping without its origin, for converting sizes and centres.
    void PrepareExtents(CDC* dc) const;
    // The paint on one context: background, mapping, document. With a
    // strip, the objects are culled to it (grown by a margin), and the
    // context must clip to it.
    void DrawContent(CDC* dc, const QRect* strip = nullptr);
    // Paints the image again after only the pan changed: the part that stays
    // in view moves, and only the strips the pan uncovers are painted. A
    // picture whose pixels depend on the device position (hatch patterns,
    // raster images) is painted whole.
    void RedrawPanned();
    // Whether a tool's tracking or a blink draws over the painted image, so
    // that its pixels cannot be moved with a pan.
    bool DrawsOverImage() const;
    // The entities, the redlines and the selection.
    void DrawDocument(CDC* dc, const RECT& clip);
    // The selection or the grips over the painted entities.
    void DrawSelection(CDC* dc, const RECT& clip);
    // The settings of the entity pass: the highlight blink's dark phase
    // leaves the redlines out (through a copy kept in hidden).
    const CDrawDefaults& EntityPassSettings(std::optional<CDrawDefaults>& hidden) const;
    // The background and the entities on the view-sized image, in bands on
    // several threads; true when pixels that depend on the device position
    // were put, nothing without memory for the bands.
    std::optional<bool> DrawInBands(QImage& image);
    // The device rows grown by the cull margin, in view space.
    static RECT CullRect(CDC* dc, const QRect& rows);
    // The origin of the mapping for the current extents and pan.
    void ComputeOrigin(int innerWidth, int innerHeight, int shift);
    // The same for the view's drawing area.
    void ComputeViewOrigin();
    int ApplyZoom(double factor, const POINT* windowPoint);
    void SetToolMode(int mode);
    // The measure window is up exactly while the measure tool is on.
    void UpdateMeasureDialog();
    // The cursor of the tool mode.
    void UpdateCursor();
    void DeleteTool();
    POINT ToViewSpace(POINT windowPoint) const;
    void FinishPan(POINT windowPoint);
    void FinishWindowZoom(POINT viewPoint);

    // A view-space point in drawing units.
    POINT ToDrawing(POINT viewPoint) const;
    // The window pixel of a view-space point.
    POINT ToWindow(POINT viewPoint) const;
    // The mouse point constrained by the object under construction.
    POINT SnapPoint(UINT flags, POINT point);
    // Creates the pick, move or point-edit tool of a press.
    void StartPickTool(UINT flags, POINT viewPoint);
    void StartMeasure(POINT viewPoint);
    // Creates the markup of the document's redline kind for a press.
    void StartMarkup(UINT flags, POINT viewPoint);
    // Files the completed markup with its undo step and selects it.
    void FileMarkup();
    // The recent lists of the palette's boxes learn the filed markup's
    // text, tooltip and layer.
    void RememberFiledTexts(const CRukEntity& markup) const;
    // The freehand stroke records the point it is dragged to.
    void GrowFreehand(POINT viewPoint);
    // The button released over a markup being drawn: a vertex, and the
    // markup filed when that completes it.
    void ReleaseMarkup(POINT viewPoint);
    // Takes back the last point of the markup or measurement under
    // construction; the points left, the object gone at 0 or below.
    int EraseToolPoint(POINT point);
    // The release of a pick tool: the frame's picks, the end of a grip drag
    // or of a move.
    void ReleasePickTool(POINT viewPoint);
    // The palette follows a pick: none resets it, one markup becomes its
    // current object (edited at once in point-edit mode), several leave it
    // without one.
    void ShowPickInPalette();
    // The topmost object a click would pick under the cursor; null for none.
    CRukEntity* FindPickable(bool tagOnly);
    // The only selected object when a grip of it lies under the cursor.
    CRukEntity* FindGripUnderCursor(int* grip);
    void UpdateCursorSquare(POINT windowPoint);
    void OnSelectionBlink();
    // Draws the tool's feedback on the view's image.
    void TrackTool(POINT fromView, POINT toView, UINT flags);
    // What the print commands do first: the tool object goes, the window's
    // size is kept for the visible area, the printer gets its orientation
    // (and a PDF file beside the drawing where there is no printer).
    void StartPrintJob(QPrinter& printer);
    // The printer's orientation, and a PDF file beside the drawing where
    // there is no printer.
    void SetUpPrinter(QPrinter& printer) const;
    // Maps the whole drawing or the visible area into the page's margins;
    // the view-space rectangle to paint.
    RECT MapWholeDrawing(CDC* dc);
    RECT MapVisibleArea(CDC* dc);

    CDrawDefaults& m_settings;
    CZumeoDoc* m_document = nullptr;
    QImage m_surface;
    CBandPainter m_bandPainter;
    // The highlight blink's other phase, painted once and then shown in
    // turn while nothing else paints on the view; the key tells whether the
    // image shown is still the phase the blink painted.
    QImage m_blinkOther;
    std::optional<qint64> m_blinkShownKey;
    // The origin the image was painted with; none when it must be painted whole.
    std::optional<POINT> m_paintedOrigin;
    // Whether the last paint through OnDraw put pixels that depend on the
    // device position.
    bool m_drawnDevicePatterns = true;
    std::optional<SavedView> m_savedView;
    // A middle-button pan is in progress.
    bool m_middleDrag = false;
    int m_lastDragY = 0;
    std::function<void(int, const CString&)> m_onStatusText;
    std::function<void(UINT)> m_onCommand;
    std::function<bool(UINT)> m_isCommandEnabled;
    std::function<void(const CString&)> m_onTooltipText;
    std::function<void()> m_onLayersChanged;
    const CPlugInList* m_plugIns = nullptr;
    CPrinterDefaults* m_printer = nullptr;
    // The last reference point of the snapping, in window pixels.
    POINT m_snapReference{0, 0};
    QBasicTimer m_selectionBlink;
    QBasicTimer m_highlightBlink;
    int m_selectionBlinkPeriod = 0;
    std::function<void(bool)> m_onResetLayerBoxes;
    // 1 while the highlight blink shows the drawing without its redlines.
    int m_highlightPhase = 0;
    // A right press asked for the context menu that follows it.
    bool m_contextMenuWanted = false;
    QPointer<CMeasureDlg> m_pMeasureDlg;
    // The window's size when printing started: the visible area of range 0.
    QSize m_printClientSize;
};
