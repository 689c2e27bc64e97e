#pragma once
// The view of the open drawing: a widget that paints into its own image
// (paintEvent only copies it), maps the document's view space isotropically
// onto the drawing area inside the margins, and zooms and pans. The frame
// calls the command functions from its menu and tool bar.

#include "app/CDocExtent.h"
#include "app/CDocViewHook.h"
#include "platform/win/WinTypes.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class CDC;
class CDrawDefaults;
class CRukEntity;
class CZumeoDoc;

class CZumeoView : public QWidget, public CDocViewHook {
public:
    enum ToolMode { kToolPan = 1, kToolDragZoom = 2, kToolWindowZoom = 3, kToolNone = 9 };
    // The window extents of a new view.
    static constexpr int kInitialExtent = 5000;

    // The settings record outlives the view.
    explicit CZumeoView(const CDrawDefaults& settings, QWidget* parent = nullptr);
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

    // ---- Commands of the menu and the tool bar, and their enablers.

    void OnZoomFit();
    void OnPanTool();
    void OnZoomTool();
    void OnWindowZoomTool();
    void OnPreviousView();
    void OnRedraw();
    // The tool, previous-view and redraw commands need a drawing.
    bool HasDrawing() const;
    bool CanPreviousView() const { return HasDrawing() && m_bSavedView == 1; }
    bool IsToolChecked(int mode) const { return m_toolMode == mode; }

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
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
    void PaintStrip(const QRect& strip);
    // The entities, the redlines and the selection.
    void DrawDocument(CDC* dc, const RECT& clip);
    // The origin of the mapping for the current extents and pan.
    void ComputeOrigin(int innerWidth, int innerHeight, int shift);
    int ApplyZoom(double factor, const POINT* windowPoint);
    void SetToolMode(int mode);
    // The cursor of the tool mode.
    void UpdateCursor();
    void DeleteTool();
    POINT ToViewSpace(POINT windowPoint) const;
    void FinishPan(POINT windowPoint);
    void FinishWindowZoom(POINT viewPoint);

    const CDrawDefaults& m_settings;
    CZumeoDoc* m_document = nullptr;
    QImage m_surface;
    // The origin the image was painted with; none when it must be painted whole.
    std::optional<POINT> m_paintedOrigin;
    // Whether the last paint through OnDraw put pixels that depend on the
    // device position.
    bool m_drawnDevicePatterns = true;
    std::optional<SavedView> m_savedView;
    // The button whose drag is in progress; Qt::NoButton when none.
    Qt::MouseButton m_dragButton = Qt::NoButton;
    int m_lastDragY = 0;
    std::function<void(int, const CString&)> m_onStatusText;
};
