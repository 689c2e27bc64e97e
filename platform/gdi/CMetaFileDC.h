#pragma once
// A metafile device context: every drawing and state call becomes the
// matching enhanced-metafile record (CEmfWriter), and CloseEnhanced hands
// out the finished file. Entity code recognises it (IsMetafile) and draws
// into it with y negated. It logs its calls as CRecordingDC does. Like the
// class library's, it may name an attribute context that answers
// conversions, device queries and text measures in its place.
//
// Pens, brushes and fonts are written when selected: a creation record
// takes the lowest free handle, and the handle is deleted again once no
// selection, current or saved, refers to it. Stock objects are selected by
// their stock index. Bounds collect the device pixels actually drawn.

#include "platform/gdi/CEmfSelection.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CRecordingDC.h"

#include <memory>
#include <optional>
#include <vector>

class CEmfRecord;
class CEmfWriter;

class CMetaFileDC : public CRecordingDC {
    DECLARE_DYNAMIC(CMetaFileDC)

public:
    // reference: the device the metafile is made for, until CreateEnhanced
    // names another. A metafile is open from the start, without frame or
    // description.
    explicit CMetaFileDC(const CDeviceCaps& reference = CDeviceCaps(1000, 1000));
    ~CMetaFileDC() override;

    bool IsMetafile() const override { return true; }

    // Starts a new metafile in memory (fileName must be null: files are
    // written from the bytes) for the reference context's device, or the
    // constructor's when null. frame: 0.01 mm, null to take it from the
    // bounds. description: CP932, the application's name.
    BOOL CreateEnhanced(const CDC* reference, const char* fileName, const RECT* frame,
                        const char* description);
    // The finished metafile, which the caller frees with DeleteEnhMetaFile;
    // null when none is open. Later calls are no longer written.
    HENHMETAFILE CloseEnhanced();

    // Null gives the answers back to the metafile context itself.
    void SetAttribDC(CDC* attribute) { m_attribute = attribute; }
    CDC* GetAttribDC() const { return m_attribute; }

    using CDC::Ellipse;
    using CDC::ExcludeClipRect;
    using CDC::FillSolidRect;
    using CDC::IntersectClipRect;
    using CDC::LineTo;
    using CDC::MoveTo;
    using CDC::Rectangle;
    using CDC::SelectObject;
    using CDC::SetPixel;
    using CDC::SetViewportExt;
    using CDC::SetViewportOrg;
    using CDC::SetWindowExt;
    using CDC::SetWindowOrg;
    using CDC::TextOut;

    int SetGraphicsMode(int mode) override;
    BOOL SetWorldTransform(const XFORM* xform) override;
    BOOL ModifyWorldTransform(const XFORM* xform, DWORD mode) override;
    int SetMapMode(int mapMode) override;
    CPoint SetWindowOrg(int x, int y) override;
    CSize SetWindowExt(int cx, int cy) override;
    CPoint SetViewportOrg(int x, int y) override;
    CSize SetViewportExt(int cx, int cy) override;

    CPen* SelectObject(CPen* pen) override;
    CBrush* SelectObject(CBrush* brush) override;
    CFont* SelectObject(CFont* font) override;
    CGdiObject* SelectStockObject(int index) override;

    int SetROP2(int rop2) override;
    int SetBkMode(int mode) override;
    COLORREF SetBkColor(COLORREF color) override;
    COLORREF SetTextColor(COLORREF color) override;
    int SetPolyFillMode(int mode) override;
    UINT SetTextAlign(UINT flags) override;
    int SetStretchBltMode(int mode) override;

    CPoint MoveTo(int x, int y) override;
    BOOL LineTo(int x, int y) override;
    BOOL Polyline(const POINT* points, int count) override;
    BOOL Polygon(const POINT* points, int count) override;
    BOOL PolyPolygon(const POINT* points, const int* counts, int polygons) override;
    BOOL PolyBezier(const POINT* points, int count) override;
    BOOL PolylineTo(const POINT* points, int count) override;
    BOOL PolyBezierTo(const POINT* points, int count) override;
    BOOL Rectangle(int left, int top, int right, int bottom) override;
    BOOL Ellipse(int left, int top, int right, int bottom) override;
    COLORREF SetPixel(int x, int y, COLORREF color) override;
    // Fills become pattern transfers and opaque empty text, as GDI writes them.
    void FillRect(const RECT* rect, CBrush* brush) override;
    void FillSolidRect(const RECT* rect, COLORREF color) override;
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) override;
    int StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc, int srcWidth,
                      int srcHeight, const void* bits, const BITMAPINFO* info, UINT usage,
                      DWORD rop) override;

    int SaveDC() override;
    BOOL RestoreDC(int savedDC) override;

    BOOL BeginPath() override;
    BOOL EndPath() override;
    BOOL AbortPath() override;
    BOOL StrokePath() override;
    BOOL FillPath() override;
    BOOL StrokeAndFillPath() override;
    BOOL FlattenPath() override;
    BOOL CloseFigure() override;

    BOOL SelectClipPath(int mode) override;
    int SelectClipRgn(CRgn* region, int mode = RGN_COPY) override;
    int IntersectClipRect(int left, int top, int right, int bottom) override;
    int ExcludeClipRect(int left, int top, int right, int bottom) override;

    BOOL TextOut(int x, int y, const char* text, int count) override;

protected:
    const CDC& AttributeDC() const override;
    void OnPaintPath(const QPainterPath& path, bool fill, bool stroke) override;
    void OnFillRect(const QRect& rect, const LOGBRUSH& brush,
                    QPainter::CompositionMode mode) override;
    COLORREF OnSetPixel(const QPoint& point, COLORREF color) override;
    BOOL OnBlt(const QRectF& target, const QImage& source, QPainter::CompositionMode mode,
               bool smooth) override;
    void OnText(const CTextLayout& layout) override;

private:
    void Write(const CEmfRecord& record);
    void WriteSelection(CEmfSelection::Kind kind, const CGdiObject* object);
    // Selects the brush's handle again, or its stock index.
    void WriteBrushSelection();
    void WritePatBlt(int x, int y, int width, int height, DWORD rop);
    void WritePoints(DWORD type16, DWORD type32, const POINT* points, int count);
    // The points of a call that starts at the current position, before the
    // call moved it.
    void WritePointsFrom(POINT start, DWORD type16, DWORD type32, const POINT* points, int count);
    void WritePointRecord(DWORD type16, DWORD type32, const RECT& bounds, const POINT* points,
                          int count);
    void WriteWorld(DWORD type, const XFORM& xform, std::optional<DWORD> mode);
    void WriteText(int x, int y, const std::u16string& text, DWORD options, const RECT& rect);
    // Writes the deletion of each handle and gives it back to the table.
    void Delete(const std::vector<DWORD>& handles);
    RECT DeviceBounds(const POINT* points, int count) const;
    // Both edges inside; an empty rectangle when nothing was painted.
    RECT PaintedBounds() const;
    void AddBounds(const QRect& device);

    CDeviceCaps m_reference;
    std::unique_ptr<CEmfWriter> m_writer;
    CEmfSelection m_selection;
    // The device box the current text or fill call painted, for its record.
    std::optional<QRect> m_painted;
    CDC* m_attribute = nullptr;
};
