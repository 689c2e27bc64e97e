#include "platform/gdi/CRasterOps.h"

std::optional<QPainter::CompositionMode> CRasterOps::ForRop2(int rop2) {
    switch (rop2) {
    case R2_BLACK:
        return QPainter::RasterOp_ClearDestination;
    case R2_NOTMERGEPEN:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case R2_MASKNOTPEN:
        return QPainter::RasterOp_NotSourceAndDestination;
    case R2_NOTCOPYPEN:
        return QPainter::RasterOp_NotSource;
    case R2_MASKPENNOT:
        return QPainter::RasterOp_SourceAndNotDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTMASKPEN:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case R2_MASKPEN:
        return QPainter::RasterOp_SourceAndDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    case R2_MERGENOTPEN:
        return QPainter::RasterOp_NotSourceOrDestination;
    case R2_COPYPEN:
        return QPainter::CompositionMode_SourceOver;
    case R2_MERGEPENNOT:
        return QPainter::RasterOp_SourceOrNotDestination;
    case R2_MERGEPEN:
        return QPainter::RasterOp_SourceOrDestination;
    case R2_WHITE:
        return QPainter::RasterOp_SetDestination;
    default:
        return std::nullopt;
    }
}

std::optional<CRasterOps::Rop3> CRasterOps::ForRop3(DWORD rop) {
    switch (rop) {
    case SRCCOPY:
        return Rop3{QPainter::CompositionMode_Source, Operand::Source};
    case SRCPAINT:
        return Rop3{QPainter::RasterOp_SourceOrDestination, Operand::Source};
    case SRCAND:
        return Rop3{QPainter::RasterOp_SourceAndDestination, Operand::Source};
    case SRCINVERT:
        return Rop3{QPainter::RasterOp_SourceXorDestination, Operand::Source};
    case SRCERASE:
        return Rop3{QPainter::RasterOp_SourceAndNotDestination, Operand::Source};
    case NOTSRCCOPY:
        return Rop3{QPainter::RasterOp_NotSource, Operand::Source};
    case NOTSRCERASE:
        return Rop3{QPainter::RasterOp_NotSourceAndNotDestination, Operand::Source};
    case MERGEPAINT:
        return Rop3{QPainter::RasterOp_NotSourceOrDestination, Operand::Source};
    case PATCOPY:
        return Rop3{QPainter::CompositionMode_SourceOver, Operand::Pattern};
    case PATINVERT:
        return Rop3{QPainter::RasterOp_SourceXorDestination, Operand::Pattern};
    case DSTINVERT:
        return Rop3{QPainter::RasterOp_NotDestination, Operand::Destination};
    case BLACKNESS:
        return Rop3{QPainter::CompositionMode_Source, Operand::Black};
    case WHITENESS:
        return Rop3{QPainter::CompositionMode_Source, Operand::White};
    default:
        return std::nullopt;
    }
}
