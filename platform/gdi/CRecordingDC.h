#pragma once
// A device context that draws nothing and logs every call that would draw
// or change its state, one readable line per call with its arguments as
// passed, e.g. "MoveTo(10,20)", "SelectObject(pen PS_SOLID 1 0x0000FF)",
// "SetROP2(R2_XORPEN)", "Polygon(0,0 10,0 10,10)" (formats in CCallFormat).
// Queries (conversions, GetDeviceCaps, GetPath, GetClipBox) are answered,
// not logged. It keeps the full state, so mapping, paths and clip regions
// behave as on a painting context.

#include "platform/gdi/CDC.h"

#include <string>
#include <vector>

class CRecordingDC : public CDC {
    DECLARE_DYNAMIC(CRecordingDC)

public:
    explicit CRecordingDC(const CDeviceCaps& device = CDeviceCaps(1000, 1000));

    const std::vector<std::string>& Calls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }

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
    int SetTextCharacterExtra(int extra) override;
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
    void FillRect(const RECT* rect, CBrush* brush) override;
    void FillSolidRect(const RECT* rect, COLORREF color) override;
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop) override;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                DWORD rop) override;
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                    int srcWidth, int srcHeight, DWORD rop) override;
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
    BOOL PathToRegion(CRgn* region) override;

    BOOL SelectClipPath(int mode) override;
    int SelectClipRgn(CRgn* region, int mode = RGN_COPY) override;
    int IntersectClipRect(int left, int top, int right, int bottom) override;
    int ExcludeClipRect(int left, int top, int right, int bottom) override;

    BOOL TextOut(int x, int y, const char* text, int count) override;
    int DrawTextA(const char* text, int count, RECT* rect, UINT format) override;

private:
    // Logs "name(argument,argument,...)".
    void Log(const char* name, std::initializer_list<std::string> arguments = {});

    std::vector<std::string> m_calls;
};
