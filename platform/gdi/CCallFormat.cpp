#include "platform/gdi/CCallFormat.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CFont.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/CRgn.h"
#include "platform/gdi/CStockObjects.h"
#include "platform/mfc/Cp932.h"

#include <QFont>

#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <string_view>
#include <utility>

namespace {

using Names = std::initializer_list<std::pair<long long, const char*>>;

std::string Hex(unsigned long value, int digits) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

// The name of a known value; otherwise the fallback, or the number itself.
std::string NameOf(long long value, Names names, const std::string& fallback = {}) {
    for (const auto& [known, name] : names) {
        if (known == value)
            return name;
    }
    return fallback.empty() ? std::to_string(value) : fallback;
}

std::string PenStyle(const ExtLogPen& pen) {
    const std::string style = NameOf(pen.Style(), {{PS_SOLID, "PS_SOLID"},
                                                   {PS_DASH, "PS_DASH"},
                                                   {PS_DOT, "PS_DOT"},
                                                   {PS_DASHDOT, "PS_DASHDOT"},
                                                   {PS_DASHDOTDOT, "PS_DASHDOTDOT"},
                                                   {PS_NULL, "PS_NULL"},
                                                   {PS_INSIDEFRAME, "PS_INSIDEFRAME"},
                                                   {PS_USERSTYLE, "PS_USERSTYLE"},
                                                   {PS_ALTERNATE, "PS_ALTERNATE"}});
    if (!pen.extended)
        return style;
    if (pen.Type() == PS_COSMETIC)
        return "PS_COSMETIC|" + style;
    return "PS_GEOMETRIC|" + style + "|" +
           NameOf(pen.EndCap(), {{PS_ENDCAP_ROUND, "PS_ENDCAP_ROUND"},
                                 {PS_ENDCAP_SQUARE, "PS_ENDCAP_SQUARE"},
                                 {PS_ENDCAP_FLAT, "PS_ENDCAP_FLAT"}}) +
           "|" +
           NameOf(pen.Join(), {{PS_JOIN_ROUND, "PS_JOIN_ROUND"},
                               {PS_JOIN_BEVEL, "PS_JOIN_BEVEL"},
                               {PS_JOIN_MITER, "PS_JOIN_MITER"}});
}

std::string Hatch(ULONG hatch) {
    return NameOf(hatch, {{HS_HORIZONTAL, "HS_HORIZONTAL"},
                          {HS_VERTICAL, "HS_VERTICAL"},
                          {HS_FDIAGONAL, "HS_FDIAGONAL"},
                          {HS_BDIAGONAL, "HS_BDIAGONAL"},
                          {HS_CROSS, "HS_CROSS"},
                          {HS_DIAGCROSS, "HS_DIAGCROSS"}});
}

// "BS_SOLID 0x00FF00", "BS_HATCHED HS_CROSS 0x00FF00" or "BS_NULL".
std::string BrushOf(UINT style, COLORREF color, ULONG hatch) {
    switch (style) {
    case BS_SOLID:
        return "BS_SOLID " + CCallFormat::Color(color);
    case BS_HATCHED:
        return "BS_HATCHED " + Hatch(hatch) + " " + CCallFormat::Color(color);
    default:
        return "BS_NULL";
    }
}

std::string Pen(const CPen& object) {
    ExtLogPen pen;
    if (!object.GetExtLogPen(&pen))
        return "pen (empty)";
    std::string text = "pen " + PenStyle(pen) + " " + std::to_string(pen.width) + " ";
    text += pen.brushStyle == BS_SOLID ? CCallFormat::Color(pen.color)
                                       : BrushOf(pen.brushStyle, pen.color, pen.hatch);
    if (!pen.userStyle.empty()) {
        text += " {";
        for (std::size_t i = 0; i < pen.userStyle.size(); ++i) {
            if (i)
                text += ',';
            text += std::to_string(pen.userStyle[i]);
        }
        text += "}";
    }
    return text;
}

std::string Brush(const CBrush& object) {
    LOGBRUSH brush;
    if (!object.GetLogBrush(&brush))
        return "brush (empty)";
    return "brush " + BrushOf(brush.lbStyle, brush.lbColor, brush.lbHatch);
}

std::string Font(const CFont& object) {
    if (!object.GetSafeHandle())
        return "font (empty)";
    const QFont& font = object.GetQFont();
    const std::string size = font.pixelSize() > 0 ? std::to_string(font.pixelSize()) + "px"
                                                  : std::to_string(font.pointSize()) + "pt";
    return "font \"" + font.family().toStdString() + "\" " + size;
}

} // namespace

std::string CCallFormat::Color(COLORREF color) {
    return Hex(color, 6);
}

std::string CCallFormat::Points(const POINT* points, int count) {
    std::string text;
    for (int i = 0; points && i < count; ++i) {
        if (i)
            text += ' ';
        text += std::to_string(points[i].x) + "," + std::to_string(points[i].y);
    }
    return text;
}

std::string CCallFormat::Object(const CGdiObject* object) {
    if (!object)
        return "NULL";
    const int stock = CStockObjects::IndexOf(object);
    if (stock >= 0)
        return StockObject(stock);
    if (const auto* pen = dynamic_cast<const CPen*>(object))
        return Pen(*pen);
    if (const auto* brush = dynamic_cast<const CBrush*>(object))
        return Brush(*brush);
    if (const auto* font = dynamic_cast<const CFont*>(object))
        return Font(*font);
    if (const auto* region = dynamic_cast<const CRgn*>(object))
        return Region(region);
    return "object";
}

std::string CCallFormat::Region(const CRgn* region) {
    if (!region)
        return "NULL";
    RECT box;
    if (region->GetRgnBox(&box) == ERROR)
        return "region (empty)";
    return "region " + std::to_string(box.left) + "," + std::to_string(box.top) + "," +
           std::to_string(box.right) + "," + std::to_string(box.bottom);
}

std::string CCallFormat::Text(const char* text, int count) {
    if (!text || count <= 0)
        return "\"\"";
    std::string quoted(1, '"');
    quoted += Cp932::ToUtf8(std::string_view(text, static_cast<std::size_t>(count)));
    quoted += '"';
    return quoted;
}

std::string CCallFormat::Rop2(int rop2) {
    return NameOf(rop2, {{R2_BLACK, "R2_BLACK"},
                         {R2_NOTMERGEPEN, "R2_NOTMERGEPEN"},
                         {R2_MASKNOTPEN, "R2_MASKNOTPEN"},
                         {R2_NOTCOPYPEN, "R2_NOTCOPYPEN"},
                         {R2_MASKPENNOT, "R2_MASKPENNOT"},
                         {R2_NOT, "R2_NOT"},
                         {R2_XORPEN, "R2_XORPEN"},
                         {R2_NOTMASKPEN, "R2_NOTMASKPEN"},
                         {R2_MASKPEN, "R2_MASKPEN"},
                         {R2_NOTXORPEN, "R2_NOTXORPEN"},
                         {R2_NOP, "R2_NOP"},
                         {R2_MERGENOTPEN, "R2_MERGENOTPEN"},
                         {R2_COPYPEN, "R2_COPYPEN"},
                         {R2_MERGEPENNOT, "R2_MERGEPENNOT"},
                         {R2_MERGEPEN, "R2_MERGEPEN"},
                         {R2_WHITE, "R2_WHITE"}});
}

std::string CCallFormat::Rop3(DWORD rop) {
    return NameOf(rop,
                  {{SRCCOPY, "SRCCOPY"},
                   {SRCPAINT, "SRCPAINT"},
                   {SRCAND, "SRCAND"},
                   {SRCINVERT, "SRCINVERT"},
                   {SRCERASE, "SRCERASE"},
                   {NOTSRCCOPY, "NOTSRCCOPY"},
                   {NOTSRCERASE, "NOTSRCERASE"},
                   {MERGEPAINT, "MERGEPAINT"},
                   {PATCOPY, "PATCOPY"},
                   {PATINVERT, "PATINVERT"},
                   {DSTINVERT, "DSTINVERT"},
                   {BLACKNESS, "BLACKNESS"},
                   {WHITENESS, "WHITENESS"}},
                  Hex(rop, 8));
}

std::string CCallFormat::BkMode(int mode) {
    return NameOf(mode, {{TRANSPARENT, "TRANSPARENT"}, {OPAQUE, "OPAQUE"}});
}

std::string CCallFormat::FillMode(int mode) {
    return NameOf(mode, {{ALTERNATE, "ALTERNATE"}, {WINDING, "WINDING"}});
}

std::string CCallFormat::GraphicsMode(int mode) {
    return NameOf(mode, {{GM_COMPATIBLE, "GM_COMPATIBLE"}, {GM_ADVANCED, "GM_ADVANCED"}});
}

std::string CCallFormat::WorldMode(DWORD mode) {
    return NameOf(mode, {{MWT_IDENTITY, "MWT_IDENTITY"},
                         {MWT_LEFTMULTIPLY, "MWT_LEFTMULTIPLY"},
                         {MWT_RIGHTMULTIPLY, "MWT_RIGHTMULTIPLY"},
                         {MWT_SET, "MWT_SET"}});
}

std::string CCallFormat::Transform(const XFORM* xform) {
    if (!xform)
        return "NULL";
    std::string text;
    for (const float value :
         {xform->eM11, xform->eM12, xform->eM21, xform->eM22, xform->eDx, xform->eDy}) {
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
        if (!text.empty())
            text += ' ';
        text.append(buffer, end);
    }
    return text;
}

std::string CCallFormat::MapMode(int mode) {
    return NameOf(mode, {{MM_TEXT, "MM_TEXT"},
                         {MM_LOMETRIC, "MM_LOMETRIC"},
                         {MM_HIMETRIC, "MM_HIMETRIC"},
                         {MM_LOENGLISH, "MM_LOENGLISH"},
                         {MM_HIENGLISH, "MM_HIENGLISH"},
                         {MM_TWIPS, "MM_TWIPS"},
                         {MM_ISOTROPIC, "MM_ISOTROPIC"},
                         {MM_ANISOTROPIC, "MM_ANISOTROPIC"}});
}

std::string CCallFormat::RegionMode(int mode) {
    return NameOf(mode, {{RGN_AND, "RGN_AND"},
                         {RGN_OR, "RGN_OR"},
                         {RGN_XOR, "RGN_XOR"},
                         {RGN_DIFF, "RGN_DIFF"},
                         {RGN_COPY, "RGN_COPY"}});
}

std::string CCallFormat::StretchMode(int mode) {
    return NameOf(mode, {{BLACKONWHITE, "BLACKONWHITE"},
                         {WHITEONBLACK, "WHITEONBLACK"},
                         {COLORONCOLOR, "COLORONCOLOR"},
                         {HALFTONE, "HALFTONE"}});
}

std::string CCallFormat::StockObject(int index) {
    return NameOf(index, {{WHITE_BRUSH, "WHITE_BRUSH"},
                          {LTGRAY_BRUSH, "LTGRAY_BRUSH"},
                          {GRAY_BRUSH, "GRAY_BRUSH"},
                          {DKGRAY_BRUSH, "DKGRAY_BRUSH"},
                          {BLACK_BRUSH, "BLACK_BRUSH"},
                          {NULL_BRUSH, "NULL_BRUSH"},
                          {WHITE_PEN, "WHITE_PEN"},
                          {BLACK_PEN, "BLACK_PEN"},
                          {NULL_PEN, "NULL_PEN"},
                          {SYSTEM_FONT, "SYSTEM_FONT"}});
}

std::string CCallFormat::TextAlign(UINT flags) {
    std::string horizontal = "TA_LEFT";
    if ((flags & TA_CENTER) == TA_CENTER)
        horizontal = "TA_CENTER";
    else if (flags & TA_RIGHT)
        horizontal = "TA_RIGHT";
    std::string vertical = "TA_TOP";
    if ((flags & TA_BASELINE) == TA_BASELINE)
        vertical = "TA_BASELINE";
    else if (flags & TA_BOTTOM)
        vertical = "TA_BOTTOM";
    return horizontal + "|" + vertical + ((flags & TA_UPDATECP) ? "|TA_UPDATECP" : "");
}
