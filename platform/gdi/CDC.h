#pragma once
// A device context with the calls of the class library's CDC. This base
// keeps what GDI keeps per context (mapping, selected objects, modes,
// current position, path, clip region, saved states) and turns every
// drawing call into device-pixel geometry with GDI's rules: lines leave out
// their last pixel, rectangles and fills leave out their right and bottom
// edges, a path records instead of drawing. What reaches a device goes
// through the protected On... hooks: a painting context implements them
// (CPainterDC), a recording one leaves them empty (CRecordingDC). Every call
// that draws or changes the state is virtual, so that a context can log it.

#include "platform/gdi/BitmapDefs.h"
#include "platform/gdi/CDCState.h"
#include "platform/gdi/CGdiPath.h"
#include "platform/gdi/CRect.h"
#include "platform/mfc/CObject.h"
#include "platform/mfc/CString.h"

#include <QPainter>

#include <string_view>
#include <vector>

class CBrush;
class CFont;
class CTextLayout;
class CGdiObject;
class CPen;
class CRgn;
class QImage;
class QPaintDevice;

class CDC : public CObject {
    DECLARE_DYNAMIC(CDC)

public:
    explicit CDC(const CDeviceCaps& device);
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    BOOL m_bPrinting = FALSE;
    BOOL IsPrinting() const { return m_bPrinting; }
    // True for a CMetaFileDC, which entity code draws into with y negated.
    // Asked by every shape drawn: a call, not a class test.
    virtual bool IsMetafile() const { return false; }

    // Mapping. Extents change only in MM_ISOTROPIC and MM_ANISOTROPIC and
    // never to 0; a refused change returns (0, 0) and keeps the extents.
    virtual int SetMapMode(int mapMode);
    int GetMapMode() const { return m_state.mapping.GetMapMode(); }
    virtual CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point) { return SetWindowOrg(point.x, point.y); }
    virtual CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(SIZE size) { return SetWindowExt(size.cx, size.cy); }
    virtual CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point) { return SetViewportOrg(point.x, point.y); }
    virtual CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(SIZE size) { return SetViewportExt(size.cx, size.cy); }
    CPoint GetWindowOrg() const { return m_state.mapping.WindowOrg(); }
    CSize GetWindowExt() const { return m_state.mapping.WindowExt(); }
    CPoint GetViewportOrg() const { return m_state.mapping.ViewportOrg(); }
    CSize GetViewportExt() const { return m_state.mapping.ViewportExt(); }

    // The world transform, taken only in the advanced graphics mode (FALSE
    // otherwise, and for a transform that squeezes the plane flat): logical
    // points pass through it before the window and viewport. The compatible
    // mode comes back only with the identity transform.
    virtual int SetGraphicsMode(int mode);
    int GetGraphicsMode() const { return m_state.graphicsMode; }
    virtual BOOL SetWorldTransform(const XFORM* xform);
    virtual BOOL ModifyWorldTransform(const XFORM* xform, DWORD mode);
    BOOL GetWorldTransform(XFORM* xform) const;

    // Conversions, on the attribute context's mapping (this one unless a
    // metafile context names another).
    void LPtoDP(POINT* points, int count = 1) const;
    void LPtoDP(RECT* rect) const;
    void LPtoDP(SIZE* size) const;
    void DPtoLP(POINT* points, int count = 1) const;
    void DPtoLP(RECT* rect) const;
    void DPtoLP(SIZE* size) const;
    int GetDeviceCaps(int index) const;

    // Objects. Selecting returns the object selected before, or null (and
    // changes nothing) for a null or empty object.
    virtual CPen* SelectObject(CPen* pen);
    virtual CBrush* SelectObject(CBrush* brush);
    virtual CFont* SelectObject(CFont* font);
    CGdiObject* SelectObject(CGdiObject* object);
    virtual CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const { return m_state.penObject; }
    CBrush* GetCurrentBrush() const { return m_state.brushObject; }
    CFont* GetCurrentFont() const { return m_state.fontObject; }

    // Modes. Each returns the previous value, 0 for a value it refuses.
    virtual int SetROP2(int rop2);
    int GetROP2() const { return m_state.rop2; }
    virtual int SetBkMode(int mode);
    int GetBkMode() const { return m_state.bkMode; }
    virtual COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const { return m_state.bkColor; }
    virtual COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const { return m_state.textColor; }
    virtual int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return m_state.polyFillMode; }
    virtual UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const { return m_state.textAlign; }
    virtual int SetTextCharacterExtra(int extra);
    int GetTextCharacterExtra() const { return m_state.charExtra; }
    virtual int SetStretchBltMode(int mode);
    int GetStretchBltMode() const { return m_state.stretchMode; }

    // Lines and shapes, in logical units. Calls with too few points (fewer
    // than 2; for PolyBezier anything but 3k + 1 with k >= 1) draw nothing
    // and give FALSE.
    virtual CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point) { return MoveTo(point.x, point.y); }
    CPoint GetCurrentPosition() const { return m_state.position; }
    virtual BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point) { return LineTo(point.x, point.y); }
    virtual BOOL Polyline(const POINT* points, int count);
    virtual BOOL Polygon(const POINT* points, int count);
    virtual BOOL PolyPolygon(const POINT* points, const int* counts, int polygons);
    virtual BOOL PolyBezier(const POINT* points, int count);
    // From the current position on, which moves to the last point: lines
    // (one point or more), and cubic Beziers (three points each).
    virtual BOOL PolylineTo(const POINT* points, int count);
    virtual BOOL PolyBezierTo(const POINT* points, int count);
    virtual BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const RECT* rect);
    virtual BOOL Ellipse(int left, int top, int right, int bottom);
    BOOL Ellipse(const RECT* rect);
    // Whether points of a Polygon (closed) or Polyline that fall on the
    // device pixel of the point before them may be left out without changing
    // what is painted: with the current pen and brush, segments without
    // length add nothing. Lets a caller skip computing such points.
    bool DropsRepeatedPixels(bool closed);
    // Whether such a figure whose points all lie in the logical box between
    // the corners would set no pixel: the box falls on one device pixel.
    bool SetsNoPixelWithin(POINT corner, POINT opposite, bool closed);
    // Whether a hollow figure drawn with a pen of that logical width, whose
    // points all lie in the logical box between the corners, would set no
    // pixel, whichever pen is selected now: the pen strokes one-pixel lines,
    // which leave out segments without length here, the box falls on one
    // device pixel and no path is being built.
    bool SetsNoThinPixelWithin(POINT corner, POINT opposite, int penWidth);
    // The device pixel a logical point is painted at.
    POINT PixelOf(POINT logical) const { return ToDevice(logical.x, logical.y); }
    // Whether a point's device x follows its logical x alone, and y its y:
    // no world transform that turns is set.
    bool KeepsAxisOrder() const { return !m_state.mapping.WorldTurns(); }

    // Pixels: the colour set, or CLR_INVALID outside the device or the clip.
    virtual COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT point, COLORREF color) { return SetPixel(point.x, point.y, color); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT point) const { return GetPixel(point.x, point.y); }

    // Fills without the pen and without the raster operation.
    virtual void FillRect(const RECT* rect, CBrush* brush);
    // Like the class library's, it leaves the background colour set to color.
    virtual void FillSolidRect(const RECT* rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);

    // Block transfers with the named ternary raster operations; a source
    // must be a context on an image (CImageDC).
    virtual BOOL PatBlt(int x, int y, int width, int height, DWORD rop);
    virtual BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                        DWORD rop);
    virtual BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                            int srcWidth, int srcHeight, DWORD rop);
    // A device-independent bitmap (header and colour table at info, pixel
    // rows at bits, sized as the header says) stretched onto the rectangle.
    // The source rectangle has its origin at the picture's lower left corner
    // for a bottom-up bitmap and at its upper left for a top-down one. An
    // extent whose sign differs from the destination's on the device
    // mirrors the picture on that axis. The rows drawn, 0 when nothing could
    // be.
    virtual int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                              int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                              DWORD rop);

    // The state stack: SaveDC returns the new depth; RestoreDC takes a depth
    // or, when negative, a count back from the top.
    virtual int SaveDC();
    virtual BOOL RestoreDC(int savedDC);

    // Paths. Between BeginPath and EndPath the line, shape and text calls
    // build the path instead of drawing. Stroking, filling, clipping to or
    // converting a path uses it up.
    virtual BOOL BeginPath();
    virtual BOOL EndPath();
    virtual BOOL AbortPath();
    virtual BOOL StrokePath();
    virtual BOOL FillPath();
    virtual BOOL StrokeAndFillPath();
    virtual BOOL FlattenPath();
    // Closes the figure being built back to its start; FALSE outside an
    // open path.
    virtual BOOL CloseFigure();
    virtual BOOL PathToRegion(CRgn* region);
    // The closed path in logical units: with count 0 the number of points,
    // else the points copied (-1 when count is too small or no path is closed).
    int GetPath(POINT* points, BYTE* types, int count) const;

    // Clipping, kept across SaveDC/RestoreDC. Regions are in device units.
    // Each returns the kind of the new clip region, ERROR when refused.
    virtual BOOL SelectClipPath(int mode);
    virtual int SelectClipRgn(CRgn* region, int mode = RGN_COPY);
    virtual int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const RECT* rect);
    virtual int ExcludeClipRect(int left, int top, int right, int bottom);
    int ExcludeClipRect(const RECT* rect);
    // The clip region's bounding box in logical units (the device's when no
    // clip is set) and the region's kind.
    int GetClipBox(RECT* rect) const;

    // Text in CP932 bytes, aligned by SetTextAlign, in the selected font,
    // turned by its escapement: counter-clockwise as the logical axes run,
    // so that under a mapping whose y grows upwards a positive escapement
    // turns the line clockwise on the device. Between BeginPath and EndPath
    // the characters' outlines join the path.
    virtual BOOL TextOut(int x, int y, const char* text, int count);
    BOOL TextOut(int x, int y, const CString& text);
    // The line's advance (character extras included) and cell height in
    // logical units, whatever the escapement.
    CSize GetTextExtent(const char* text, int count) const;
    CSize GetTextExtent(const CString& text) const;
    BOOL GetTextExtentPoint32A(const char* text, int count, SIZE* size) const;
    // Lines broken at CR, LF and CR LF (one line with DT_SINGLELINE), from
    // the rectangle's top-left corner down, clipped to it unless DT_NOCLIP.
    // count -1 takes the text to its NUL. Returns the height drawn in
    // logical units, 0 for a refused call.
    virtual int DrawTextA(const char* text, int count, RECT* rect, UINT format);

protected:
    // Painting in device pixels with the current pen, brush, raster
    // operation, background and clip.
    virtual void OnPaintPath(const QPainterPath& path, bool fill, bool stroke);
    // Figures drawn outside a path, and an open chain of device points
    // stroked with the current pen. This base hands them on as painter paths.
    virtual void OnPaintFigures(const CGdiPath& figures, bool fill, bool stroke);
    virtual void OnPaintPolyline(const POINT* points, int count);
    // Whether segments without length add nothing to a figure painted with
    // the current pen and brush (filled when closed). No, unless the context
    // knows how it paints: others keep every call.
    virtual bool IgnoresEmptySegments(bool closed);
    // Whether one-pixel lines set no pixel for a segment without length.
    virtual bool DropsEmptyThinSegments() const;
    virtual void OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                            QPainter::CompositionMode mode);
    virtual BOOL OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
                       bool smooth);
    // A block transfer turned by the world transform: placement takes the
    // source's pixel coordinates to device ones. This base hands on the box
    // it covers.
    virtual BOOL OnBltTurned(const QTransform& placement, const QImage& source,
                             QPainter::CompositionMode mode, bool smooth);
    // The colour set, or CLR_INVALID when the pixel lies outside.
    virtual COLORREF OnSetPixel(const QPoint& point, COLORREF color);
    virtual COLORREF OnGetPixel(const QPoint& point) const;
    // A line of text; its cell is the background box painted in OPAQUE mode.
    virtual void OnText(const CTextLayout& layout);
    // The image a block transfer from this context copies; null when none.
    virtual const QImage* SourceImage() const;
    // The device fonts are measured on; null for the screen.
    virtual const QPaintDevice* MetricsDevice() const;
    // The context that answers conversions and device queries.
    virtual const CDC& AttributeDC() const;

    // Starts afresh on another device: default mapping, objects and modes,
    // no saved states, no path, no clip.
    void Restart(const CDeviceCaps& device);

    const CDCState& State() const { return m_state; }
    const CDeviceCaps& Device() const { return m_device; }
    // Grows whenever the clip region changes.
    unsigned ClipRevision() const { return m_clipRevision; }
    bool IsInsideClip(const QPoint& point) const;

private:
    enum class PathState { None, Open, Closed };

    POINT ToDevice(int x, int y) const { return m_state.mapping.ToDevice(POINT{x, y}); }
    std::vector<POINT> ToDevice(const POINT* points, int count) const;
    // The current position and the points in device units; the current
    // position moves to the last point.
    std::vector<POINT> ChainFromCurrent(const POINT* points, int count);
    QRect DeviceRect(int left, int top, int right, int bottom) const;
    // The device pixels of a logical box, turned with the world transform.
    QRegion DeviceArea(int left, int top, int right, int bottom) const;
    // Fills a logical box with the brush, turned with the world transform.
    void FillArea(int left, int top, int right, int bottom, const LOGBRUSH& brush,
                  QPainter::CompositionMode mode);
    Qt::FillRule FillRule() const;
    QFont DeviceFont(const CMapping& mapping) const;
    // The line as this context places it (mapping, font, extra, alignment),
    // measured on the device of the context that answers measures.
    CTextLayout LayoutText(const CDC& measurer, POINT origin, std::string_view text) const;
    // Draws the figures now, or adds them to the open path.
    void Output(const CGdiPath& figures, bool fill, bool stroke);
    // The bodies shared by calls that are logged once each.
    BOOL PolygonsImpl(const POINT* points, const int* counts, int polygons);
    BOOL PatBltImpl(int x, int y, int width, int height, DWORD rop);
    BOOL StretchBltImpl(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                        int srcWidth, int srcHeight, DWORD rop);
    // Copies the part of the image between the source corners (its pixels)
    // to the logical rectangle between the target corners.
    BOOL BltImage(const QImage& image, POINT to0Logical, POINT to1Logical, POINT from0, POINT from1,
                  QPainter::CompositionMode mode);
    BOOL BltTurnedImage(const QImage& image, POINT to0Logical, POINT to1Logical, POINT from0,
                        POINT from1, QPainter::CompositionMode mode);
    bool TakeClosedPath(CGdiPath* path);
    void ClearPath();
    void SelectDefaultObjects();
    int SetClip(const QRegion& region, int mode);
    QRegion CurrentClip() const;

    CPen* SelectPen(CPen* pen);
    CBrush* SelectBrush(CBrush* brush);
    CFont* SelectFont(CFont* font);

    CDeviceCaps m_device;
    CDCState m_state;
    std::vector<CDCState> m_saved;
    CGdiPath m_path;
    PathState m_pathState = PathState::None;
    unsigned m_clipRevision = 0;
};
