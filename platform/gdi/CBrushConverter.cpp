#include "platform/gdi/CBrushConverter.h"

namespace {

Qt::BrushStyle HatchStyle(ULONG hatch) {
    switch (hatch) {
    case HS_HORIZONTAL:
        return Qt::HorPattern;
    case HS_VERTICAL:
        return Qt::VerPattern;
    case HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

} // namespace

QBrush CBrushConverter::ToQBrush(const LOGBRUSH& brush) {
    switch (brush.lbStyle) {
    case BS_SOLID:
        return QBrush(ToQColor(brush.lbColor));
    case BS_HATCHED:
        return QBrush(ToQColor(brush.lbColor), HatchStyle(brush.lbHatch));
    default:
        return QBrush(Qt::NoBrush);
    }
}

QColor CBrushConverter::ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}
