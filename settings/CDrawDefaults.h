#pragma once
// The application's settings record: colours, margins, print options, markup
// sizes, undo limit, converter paths and view options that the whole program
// reads, and that the drawing routines receive by address.

#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

class CDrawDefaults {
public:
    CDrawDefaults() = default;
    virtual ~CDrawDefaults() = default;

    COLORREF m_bkColor = 0;
    COLORREF m_selColor = 0x808080;
    COLORREF m_curBkColor = 0;
    COLORREF m_curSelColor = 0x808080;
    COLORREF m_greyColor = 0xC0C0C0;
    int m_mono = 0;
    int m_marginLeft = 0;
    int m_marginTop = 0;
    int m_marginRight = 0;
    int m_marginBottom = 0;
    int m_printColorMode = 0;
    int m_printRange = 0;
    int m_printMarginLeft = 0;
    int m_printMarginTop = 0;
    int m_printMarginRight = 0;
    int m_printMarginBottom = 0;
    int m_printLandscape = 0;
    int m_paperSize = 9; // A4
    int m_undoMax = 50;
    int m_saveConfirm = 1;
    int m_showRedlines = 1;
    int m_blinkRedlines = 0;
    double m_lineScale = 10.0;
    double m_textScale = 1.0;
    int m_bWindowsNT = 1;
    double m_markupTextSize[3] = {60.0, 76.0, 95.0};
    double m_markupArrowSize[3] = {38.0, 76.0, 152.0};
    double m_cloudSpace = 40.0;
    COLORREF m_pen1Color = 0xFF0000;
    COLORREF m_pen2Color = 0x0000FF;
    COLORREF m_pen3Color = 0x404040;
    COLORREF m_paint3Color = 0x80FFFF;
    COLORREF m_extraColor = 0x0000FF;
    CString m_layer1Name = "\x8E\xE9\x8F\x91\x82\xAB"; // 朱書き
    CString m_layer2Name = "\x8E\xE9\x8F\x91\x82\xAB";
    double m_printScale = 2800.0;
    int m_restoreLayerStates = 1;
    CString m_converterPath;
    int m_useSheetExtent = 1;
    CString m_tempFolder;
    int m_converterKind = 0;
    int m_selectMode = 0;
    int m_cursorMode = 0;
    // When 1, line type 0 is drawn as a solid line instead of not at all.
    int m_outlineInvisibleLines = 0;
    int m_dxfPenWidth = 25;
    int m_imageStretchMode = 0;
    int m_imageTransparent = 0;
    double m_metafileLineWidthScale = 1.0;
    int m_blinkTime = 1000;
    int m_reserved2 = 1;
    int m_insertLayerFlag = 1;
    CString m_insertLayerName;
    int m_viewOrder = 0;
    int m_penScaleFlag = 1;
    double m_lineTypeCoeff = 1.0;
    CString m_ghostscriptPath;
    int m_measureUnit = 0;
    int m_measureLengthDigits = 2;
    int m_measureAngleDigits = 1;
    int m_measureScale1 = 1;
    double m_printTextSize = 5.0;
    int m_printScalePos = 3;
};
