#pragma once
// The program's own tool-bar, menu and bar images, drawn when first asked
// for: one glyph per command, in the four looks of a hover button.
#include "controls/CHoverButton.h"

#include <QPixmap>

class CToolImages {
public:
    enum Glyph {
        kOpen,
        kSave,
        kPrint,
        kPreview,
        kContinuousPrint,
        kCopyAll,
        kCopyVisible,
        kRedline,
        kSettings,
        kHelp,
        kExit,
        kUndo,
        kRedo,
        kWindowZoom,
        kPan,
        kZoom,
        kFit,
    };

    // A button face of side size in one of the four looks.
    static QPixmap Button(Glyph glyph, CHoverButton::Image look, int size = 28);
    // The plain glyph for a menu item.
    static QPixmap MenuIcon(Glyph glyph);
    // The bar background tile.
    static QPixmap BarTile();
    // The start-up picture.
    static QPixmap Splash();

private:
    static void DrawGlyph(QPainter& painter, Glyph glyph, const QColor& ink);
};
