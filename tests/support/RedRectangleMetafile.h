#pragma once
// An enhanced metafile of one red rectangle on a frame wider than high,
// written by the program's own writer.
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CEnhMetaFile.h"
#include "platform/gdi/CMetaFileDC.h"

#include <vector>

inline std::vector<BYTE> RedRectangleMetafile() {
    CMetaFileDC dc;
    const RECT frame{0, 0, 2540, 1270};
    dc.CreateEnhanced(nullptr, nullptr, &frame, nullptr);
    CBrush red;
    red.CreateSolidBrush(RGB(255, 0, 0));
    dc.SelectObject(&red);
    dc.Rectangle(0, 0, 50, 25);
    HENHMETAFILE metafile = dc.CloseEnhanced();
    std::vector<BYTE> bytes = metafile->Bytes();
    DeleteEnhMetaFile(metafile);
    return bytes;
}
