#pragma once
// The record types and fixed values of the enhanced-metafile format that
// our writer produces and our player reads, with the values the format
// gives them.

#include "platform/gdi/GdiDefs.h"
#include "platform/win/WinTypes.h"

constexpr DWORD EMR_HEADER = 1;
constexpr DWORD EMR_POLYBEZIER = 2;
constexpr DWORD EMR_POLYGON = 3;
constexpr DWORD EMR_POLYLINE = 4;
constexpr DWORD EMR_POLYBEZIERTO = 5;
constexpr DWORD EMR_POLYLINETO = 6;
constexpr DWORD EMR_POLYPOLYGON = 8;
constexpr DWORD EMR_SETWINDOWEXTEX = 9;
constexpr DWORD EMR_SETWINDOWORGEX = 10;
constexpr DWORD EMR_SETVIEWPORTEXTEX = 11;
constexpr DWORD EMR_SETVIEWPORTORGEX = 12;
constexpr DWORD EMR_EOF = 14;
constexpr DWORD EMR_SETPIXELV = 15;
constexpr DWORD EMR_SETMAPMODE = 17;
constexpr DWORD EMR_SETBKMODE = 18;
constexpr DWORD EMR_SETPOLYFILLMODE = 19;
constexpr DWORD EMR_SETROP2 = 20;
constexpr DWORD EMR_SETSTRETCHBLTMODE = 21;
constexpr DWORD EMR_SETTEXTALIGN = 22;
constexpr DWORD EMR_SETTEXTCOLOR = 24;
constexpr DWORD EMR_SETBKCOLOR = 25;
constexpr DWORD EMR_MOVETOEX = 27;
constexpr DWORD EMR_EXCLUDECLIPRECT = 29;
constexpr DWORD EMR_INTERSECTCLIPRECT = 30;
constexpr DWORD EMR_SAVEDC = 33;
constexpr DWORD EMR_RESTOREDC = 34;
constexpr DWORD EMR_SETWORLDTRANSFORM = 35;
constexpr DWORD EMR_MODIFYWORLDTRANSFORM = 36;
constexpr DWORD EMR_SELECTOBJECT = 37;
constexpr DWORD EMR_CREATEPEN = 38;
constexpr DWORD EMR_CREATEBRUSHINDIRECT = 39;
constexpr DWORD EMR_DELETEOBJECT = 40;
constexpr DWORD EMR_ELLIPSE = 42;
constexpr DWORD EMR_RECTANGLE = 43;
constexpr DWORD EMR_LINETO = 54;
constexpr DWORD EMR_BEGINPATH = 59;
constexpr DWORD EMR_ENDPATH = 60;
constexpr DWORD EMR_CLOSEFIGURE = 61;
constexpr DWORD EMR_FILLPATH = 62;
constexpr DWORD EMR_STROKEANDFILLPATH = 63;
constexpr DWORD EMR_STROKEPATH = 64;
constexpr DWORD EMR_FLATTENPATH = 65;
constexpr DWORD EMR_SELECTCLIPPATH = 67;
constexpr DWORD EMR_ABORTPATH = 68;
constexpr DWORD EMR_EXTSELECTCLIPRGN = 75;
constexpr DWORD EMR_BITBLT = 76;
constexpr DWORD EMR_STRETCHBLT = 77;
constexpr DWORD EMR_STRETCHDIBITS = 81;
constexpr DWORD EMR_EXTCREATEFONTINDIRECTW = 82;
constexpr DWORD EMR_EXTTEXTOUTW = 84;
constexpr DWORD EMR_POLYBEZIER16 = 85;
constexpr DWORD EMR_POLYGON16 = 86;
constexpr DWORD EMR_POLYLINE16 = 87;
constexpr DWORD EMR_POLYBEZIERTO16 = 88;
constexpr DWORD EMR_POLYLINETO16 = 89;
constexpr DWORD EMR_POLYPOLYGON16 = 91;
constexpr DWORD EMR_EXTCREATEPEN = 95;

// " EMF" read as a little-endian number.
constexpr DWORD ENHMETA_SIGNATURE = 0x464D4520;
constexpr DWORD ENHMETA_VERSION = 0x00010000;
// A selected object index with this bit set names a stock object.
constexpr DWORD ENHMETA_STOCK_OBJECT = 0x80000000;

// The header with both of its extensions, before the description.
constexpr DWORD EMF_HEADER_SIZE = 108;

constexpr DWORD ETO_OPAQUE = 2;
constexpr DWORD RDH_RECTANGLES = 1;

// Font fields of a LOGFONT.
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE NONANTIALIASED_QUALITY = 3;
constexpr int LF_FACESIZE = 32;
