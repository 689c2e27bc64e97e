#include "platform/gdi/CRecordingDC.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CCallFormat.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CRecordingDC, CDC)

namespace {

std::string Number(long long value) {
    return std::to_string(value);
}

std::string Rect(const RECT* rect) {
    if (!rect)
        return "NULL";
    return Number(rect->left) + "," + Number(rect->top) + "," + Number(rect->right) + "," +
           Number(rect->bottom);
}

} // namespace

CRecordingDC::CRecordingDC(const CDeviceCaps& device) : CDC(device) {}

void CRecordingDC::Log(const char* name, std::initializer_list<std::string> arguments) {
    std::string call = name;
    call += '(';
    bool first = true;
    for (const std::string& argument : arguments) {
        if (!first)
            call += ',';
        call += argument;
        first = false;
    }
    call += ')';
    m_calls.push_back(std::move(call));
}

int CRecordingDC::SetGraphicsMode(int mode) {
    Log("SetGraphicsMode", {CCallFormat::GraphicsMode(mode)});
    return CDC::SetGraphicsMode(mode);
}

BOOL CRecordingDC::SetWorldTransform(const XFORM* xform) {
    Log("SetWorldTransform", {CCallFormat::Transform(xform)});
    return CDC::SetWorldTransform(xform);
}

BOOL CRecordingDC::ModifyWorldTransform(const XFORM* xform, DWORD mode) {
    Log("ModifyWorldTransform", {CCallFormat::Transform(xform), CCallFormat::WorldMode(mode)});
    return CDC::ModifyWorldTransform(xform, mode);
}

int CRecordingDC::SetMapMode(int mapMode) {
    Log("SetMapMode", {CCallFormat::MapMode(mapMode)});
    return CDC::SetMapMode(mapMode);
}

CPoint CRecordingDC::SetWindowOrg(int x, int y) {
    Log("SetWindowOrg", {Number(x), Number(y)});
    return CDC::SetWindowOrg(x, y);
}

CSize CRecordingDC::SetWindowExt(int cx, int cy) {
    Log("SetWindowExt", {Number(cx), Number(cy)});
    return CDC::SetWindowExt(cx, cy);
}

CPoint CRecordingDC::SetViewportOrg(int x, int y) {
    Log("SetViewportOrg", {Number(x), Number(y)});
    return CDC::SetViewportOrg(x, y);
}

CSize CRecordingDC::SetViewportExt(int cx, int cy) {
    Log("SetViewportExt", {Number(cx), Number(cy)});
    return CDC::SetViewportExt(cx, cy);
}

CPen* CRecordingDC::SelectObject(CPen* pen) {
    Log("SelectObject", {CCallFormat::Object(pen)});
    return CDC::SelectObject(pen);
}

CBrush* CRecordingDC::SelectObject(CBrush* brush) {
    Log("SelectObject", {CCallFormat::Object(brush)});
    return CDC::SelectObject(brush);
}

CFont* CRecordingDC::SelectObject(CFont* font) {
    Log("SelectObject", {CCallFormat::Object(font)});
    return CDC::SelectObject(font);
}

CGdiObject* CRecordingDC::SelectStockObject(int index) {
    Log("SelectStockObject", {CCallFormat::StockObject(index)});
    return CDC::SelectStockObject(index);
}

int CRecordingDC::SetROP2(int rop2) {
    Log("SetROP2", {CCallFormat::Rop2(rop2)});
    return CDC::SetROP2(rop2);
}

int CRecordingDC::SetBkMode(int mode) {
    Log("SetBkMode", {CCallFormat::BkMode(mode)});
    return CDC::SetBkMode(mode);
}

COLORREF CRecordingDC::SetBkColor(COLORREF color) {
    Log("SetBkColor", {CCallFormat::Color(color)});
    return CDC::SetBkColor(color);
}

COLORREF CRecordingDC::SetTextColor(COLORREF color) {
    Log("SetTextColor", {CCallFormat::Color(color)});
    return CDC::SetTextColor(color);
}

int CRecordingDC::SetPolyFillMode(int mode) {
    Log("SetPolyFillMode", {CCallFormat::FillMode(mode)});
    return CDC::SetPolyFillMode(mode);
}

UINT CRecordingDC::SetTextAlign(UINT flags) {
    Log("SetTextAlign", {CCallFormat::TextAlign(flags)});
    return CDC::SetTextAlign(flags);
}

int CRecordingDC::SetTextCharacterExtra(int extra) {
    Log("SetTextCharacterExtra", {Number(extra)});
    return CDC::SetTextCharacterExtra(extra);
}

int CRecordingDC::SetStretchBltMode(int mode) {
    Log("SetStretchBltMode", {CCallFormat::StretchMode(mode)});
    return CDC::SetStretchBltMode(mode);
}

CPoint CRecordingDC::MoveTo(int x, int y) {
    Log("MoveTo", {Number(x), Number(y)});
    return CDC::MoveTo(x, y);
}

BOOL CRecordingDC::LineTo(int x, int y) {
    Log("LineTo", {Number(x), Number(y)});
    return CDC::LineTo(x, y);
}

BOOL CRecordingDC::Polyline(const POINT* points, int count) {
    Log("Polyline", {CCallFormat::Points(points, count)});
    return CDC::Polyline(points, count);
}

BOOL CRecordingDC::Polygon(const POINT* points, int count) {
    Log("Polygon", {CCallFormat::Points(points, count)});
    return CDC::Polygon(points, count);
}

BOOL CRecordingDC::PolyPolygon(const POINT* points, const int* counts, int polygons) {
    std::string figures;
    const POINT* next = points;
    for (int i = 0; points && counts && i < polygons; ++i) {
        if (i)
            figures += " | ";
        figures += CCallFormat::Points(next, counts[i]);
        next += counts[i] > 0 ? counts[i] : 0;
    }
    Log("PolyPolygon", {figures});
    return CDC::PolyPolygon(points, counts, polygons);
}

BOOL CRecordingDC::PolyBezier(const POINT* points, int count) {
    Log("PolyBezier", {CCallFormat::Points(points, count)});
    return CDC::PolyBezier(points, count);
}

BOOL CRecordingDC::PolylineTo(const POINT* points, int count) {
    Log("PolylineTo", {CCallFormat::Points(points, count)});
    return CDC::PolylineTo(points, count);
}

BOOL CRecordingDC::PolyBezierTo(const POINT* points, int count) {
    Log("PolyBezierTo", {CCallFormat::Points(points, count)});
    return CDC::PolyBezierTo(points, count);
}

BOOL CRecordingDC::Rectangle(int left, int top, int right, int bottom) {
    Log("Rectangle", {Number(left), Number(top), Number(right), Number(bottom)});
    return CDC::Rectangle(left, top, right, bottom);
}

BOOL CRecordingDC::Ellipse(int left, int top, int right, int bottom) {
    Log("Ellipse", {Number(left), Number(top), Number(right), Number(bottom)});
    return CDC::Ellipse(left, top, right, bottom);
}

COLORREF CRecordingDC::SetPixel(int x, int y, COLORREF color) {
    Log("SetPixel", {Number(x), Number(y), CCallFormat::Color(color)});
    return CDC::SetPixel(x, y, color);
}

void CRecordingDC::FillRect(const RECT* rect, CBrush* brush) {
    Log("FillRect", {Rect(rect), CCallFormat::Object(brush)});
    CDC::FillRect(rect, brush);
}

void CRecordingDC::FillSolidRect(const RECT* rect, COLORREF color) {
    Log("FillSolidRect", {Rect(rect), CCallFormat::Color(color)});
    CDC::FillSolidRect(rect, color);
}

BOOL CRecordingDC::PatBlt(int x, int y, int width, int height, DWORD rop) {
    Log("PatBlt", {Number(x), Number(y), Number(width), Number(height), CCallFormat::Rop3(rop)});
    return CDC::PatBlt(x, y, width, height, rop);
}

BOOL CRecordingDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                          DWORD rop) {
    Log("BitBlt", {Number(x), Number(y), Number(width), Number(height), Number(xSrc), Number(ySrc),
                   CCallFormat::Rop3(rop)});
    return CDC::BitBlt(x, y, width, height, source, xSrc, ySrc, rop);
}

BOOL CRecordingDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc,
                              int srcWidth, int srcHeight, DWORD rop) {
    Log("StretchBlt", {Number(x), Number(y), Number(width), Number(height), Number(xSrc),
                       Number(ySrc), Number(srcWidth), Number(srcHeight), CCallFormat::Rop3(rop)});
    return CDC::StretchBlt(x, y, width, height, source, xSrc, ySrc, srcWidth, srcHeight, rop);
}

int CRecordingDC::StretchDIBits(int x, int y, int width, int height, int xSrc, int ySrc,
                                int srcWidth, int srcHeight, const void* bits,
                                const BITMAPINFO* info, UINT usage, DWORD rop) {
    const std::string depth = info ? Number(info->bmiHeader.biBitCount) + "bpp" : "null";
    Log("StretchDIBits",
        {Number(x), Number(y), Number(width), Number(height), Number(xSrc), Number(ySrc),
         Number(srcWidth), Number(srcHeight), depth, CCallFormat::Rop3(rop)});
    return CDC::StretchDIBits(x, y, width, height, xSrc, ySrc, srcWidth, srcHeight, bits, info,
                              usage, rop);
}

int CRecordingDC::SaveDC() {
    Log("SaveDC");
    return CDC::SaveDC();
}

BOOL CRecordingDC::RestoreDC(int savedDC) {
    Log("RestoreDC", {Number(savedDC)});
    return CDC::RestoreDC(savedDC);
}

BOOL CRecordingDC::BeginPath() {
    Log("BeginPath");
    return CDC::BeginPath();
}

BOOL CRecordingDC::EndPath() {
    Log("EndPath");
    return CDC::EndPath();
}

BOOL CRecordingDC::CloseFigure() {
    Log("CloseFigure");
    return CDC::CloseFigure();
}

BOOL CRecordingDC::AbortPath() {
    Log("AbortPath");
    return CDC::AbortPath();
}

BOOL CRecordingDC::StrokePath() {
    Log("StrokePath");
    return CDC::StrokePath();
}

BOOL CRecordingDC::FillPath() {
    Log("FillPath");
    return CDC::FillPath();
}

BOOL CRecordingDC::StrokeAndFillPath() {
    Log("StrokeAndFillPath");
    return CDC::StrokeAndFillPath();
}

BOOL CRecordingDC::FlattenPath() {
    Log("FlattenPath");
    return CDC::FlattenPath();
}

BOOL CRecordingDC::PathToRegion(CRgn* region) {
    Log("PathToRegion");
    return CDC::PathToRegion(region);
}

BOOL CRecordingDC::SelectClipPath(int mode) {
    Log("SelectClipPath", {CCallFormat::RegionMode(mode)});
    return CDC::SelectClipPath(mode);
}

int CRecordingDC::SelectClipRgn(CRgn* region, int mode) {
    Log("SelectClipRgn", {CCallFormat::Region(region), CCallFormat::RegionMode(mode)});
    return CDC::SelectClipRgn(region, mode);
}

int CRecordingDC::IntersectClipRect(int left, int top, int right, int bottom) {
    Log("IntersectClipRect", {Number(left), Number(top), Number(right), Number(bottom)});
    return CDC::IntersectClipRect(left, top, right, bottom);
}

int CRecordingDC::ExcludeClipRect(int left, int top, int right, int bottom) {
    Log("ExcludeClipRect", {Number(left), Number(top), Number(right), Number(bottom)});
    return CDC::ExcludeClipRect(left, top, right, bottom);
}

BOOL CRecordingDC::TextOut(int x, int y, const char* text, int count) {
    Log("TextOut", {Number(x), Number(y), CCallFormat::Text(text, count)});
    return CDC::TextOut(x, y, text, count);
}

int CRecordingDC::DrawTextA(const char* text, int count, RECT* rect, UINT format) {
    const int length = count < 0 && text ? static_cast<int>(std::strlen(text)) : count;
    Log("DrawTextA", {CCallFormat::Text(text, length), Rect(rect), Number(format)});
    return CDC::DrawTextA(text, count, rect, format);
}
