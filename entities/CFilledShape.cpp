#include "entities/CFilledShape.h"

#include "entities/CFillBrushScope.h"
#include "entities/CRukEntity.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "settings/CDrawDefaults.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kTranslucentFill = 1;
constexpr int kSolidFill = 3;

} // namespace

void CFilledShape::DrawA(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings, BOOL drawBlack,
                         const CShapeOutput& output) {
    COLORREF penColor = 0;
    COLORREF fillColor = 0;
    COLORREF thirdColor = 0;
    entity.ResolveColors(dc, &penColor, &fillColor, &thirdColor, settings->m_bkColor, drawBlack);
    Draw(entity, dc, settings, penColor, fillColor, thirdColor,
         CRukEntity::GetDeviceLineWidth(dc, entity.m_lineWidth, settings), output);
}

void CFilledShape::DrawB(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings, BOOL drawBlack,
                         const CShapeOutput& output) {
    COLORREF penColor = 0;
    COLORREF fillColor = 0;
    COLORREF thirdColor = 0;
    entity.ResolveColors(dc, &penColor, &fillColor, &thirdColor, kWhite, drawBlack);
    Draw(entity, dc, settings, penColor, fillColor, thirdColor, entity.m_lineWidth, output);
}

void CFilledShape::Draw(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings,
                        COLORREF penColor, COLORREF fillColor, COLORREF thirdColor, int width,
                        const CShapeOutput& output) {
    const COLORREF oldTextColor = dc->SetTextColor(thirdColor);
    const bool translucent = entity.m_fillType == kTranslucentFill;
    CFillBrushScope brush(dc, entity.m_fillType, entity.m_transparent, fillColor, thirdColor);

    const int oldBkMode =
        dc->SetBkMode(translucent || entity.m_transparent != 0 ? TRANSPARENT : OPAQUE);
    const int oldRop = dc->SetROP2(translucent ? R2_MASKPEN : R2_COPYPEN);
    const bool showInvisible = settings->m_outlineInvisibleLines != 0;
    const bool styledPens = settings->m_bWindowsNT && !dc->IsMetafile();
    CPen pen;
    if (styledPens) {
        if (entity.m_lineType == 0 && showInvisible)
            pen.CreatePen(PS_SOLID, width, penColor);
        else
            output.LinePen(&pen, penColor, width);
    } else {
        if ((translucent || (entity.m_fillType >= kSolidFill && entity.m_fillType <= 9)) &&
            entity.m_lineType != 1) {
            // The interior first: the emulated outline does not fill it.
            CPen fillPen;
            fillPen.CreatePen(PS_NULL, width, penColor);
            CPen* previous = dc->SelectObject(&fillPen);
            output.Trace();
            dc->SelectObject(previous);
        }
        pen.CreatePen(entity.m_lineType != 0 || showInvisible ? PS_SOLID : PS_NULL, width,
                      penColor);
    }
    CPen* oldPen = dc->SelectObject(&pen);
    const bool dashed = !styledPens && entity.m_lineType != 0;
    if (dashed)
        output.Dashed();
    else
        output.Trace();

    if (translucent) {
        // The outline once more, unmasked, over the masked fill.
        dc->SetROP2(R2_COPYPEN);
        brush.DropBrush();
        if (dashed)
            output.Dashed();
        else
            output.Trace();
    }

    dc->SetTextColor(oldTextColor);
    dc->SetBkMode(oldBkMode);
    dc->SetROP2(oldRop);
    brush.RestoreBkColor();
    dc->SelectObject(oldPen);
}
