#pragma once
// GDI's raster operations as QPainter composition modes. They apply on the
// raster paint engine (images); other devices draw plain copies.

#include "platform/gdi/GdiDefs.h"

#include <QPainter>

#include <optional>

class CRasterOps {
public:
    // The mode of a binary raster operation (SetROP2). None for R2_NOP and
    // for values outside R2_BLACK..R2_WHITE.
    static std::optional<QPainter::CompositionMode> ForRop2(int rop2);

    // What a block transfer combines with the destination.
    enum class Operand { Source, Pattern, Destination, Black, White };
    struct Rop3 {
        QPainter::CompositionMode mode;
        Operand operand;
    };
    // The block transfer operations of GDI's named set (SRCCOPY, SRCAND,
    // MERGEPAINT, PATCOPY, DSTINVERT, ...); none for the others.
    static std::optional<Rop3> ForRop3(DWORD rop);
};
