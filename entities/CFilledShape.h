#pragma once
// The drawing recipe of the closed shapes that may be filled (polygons,
// circles, ellipses, clouds and the closed curves): colours against the
// background, the fill brush by fill type, the interior first where the
// outline is emulated, the outline, and the outline once more over a
// translucent fill.

#include "entities/CShapeOutput.h"
#include "platform/win/WinTypes.h"

class CDC;
class CDrawDefaults;
class CRukEntity;

class CFilledShape {
public:
    // Screen and metafile: the settings' background, the zoomed width.
    static void DrawA(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings, BOOL drawBlack,
                      const CShapeOutput& output);
    // Printer: a white background, the stored width.
    static void DrawB(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings, BOOL drawBlack,
                      const CShapeOutput& output);

private:
    static void Draw(CRukEntity& entity, CDC* dc, const CDrawDefaults* settings, COLORREF penColor,
                     COLORREF fillColor, COLORREF thirdColor, int width,
                     const CShapeOutput& output);
};
