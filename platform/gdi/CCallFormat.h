#pragma once
// Readable text for the arguments of logged GDI calls: constants by their
// GDI names (unknown values as numbers), colours as their COLORREF value in
// hexadecimal ("0x0000FF" is red), points as "x,y" separated by blanks, GDI
// objects by kind and description ("pen PS_SOLID 1 0x0000FF",
// "brush BS_HATCHED HS_CROSS 0x00FF00") or by stock name ("NULL_BRUSH").

#include "platform/gdi/GdiDefs.h"

#include <string>

class CGdiObject;
class CRgn;

class CCallFormat {
public:
    static std::string Color(COLORREF color);
    static std::string Points(const POINT* points, int count);
    static std::string Object(const CGdiObject* object);
    static std::string Region(const CRgn* region);
    // CP932 bytes as quoted UTF-8.
    static std::string Text(const char* text, int count);
    // The six values "eM11 eM12 eM21 eM22 eDx eDy", shortest form.
    static std::string Transform(const XFORM* xform);

    static std::string Rop2(int rop2);
    static std::string Rop3(DWORD rop);
    static std::string BkMode(int mode);
    static std::string FillMode(int mode);
    static std::string GraphicsMode(int mode);
    static std::string WorldMode(DWORD mode);
    static std::string MapMode(int mode);
    static std::string RegionMode(int mode);
    static std::string StretchMode(int mode);
    static std::string StockObject(int index);
    static std::string TextAlign(UINT flags);
};
