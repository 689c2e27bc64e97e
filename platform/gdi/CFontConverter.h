#pragma once
// Turns a LOGFONT into the Qt font that draws it: the face through the
// substitution table (a vertical face without its "@"), the height as a
// pixel size in logical units, weight, italic, underline and strike-out.
// Fonts are drawn without smoothing unless the quality asks for it, as GDI
// draws its default quality.

#include "platform/gdi/GdiDefs.h"

#include <QFont>

class CFontConverter {
public:
    // The same description gives the same font, taken from the last ones
    // converted on this thread where it is there.
    static QFont ToQFont(const LOGFONT& logFont);
    // True for a face that begins with "@".
    static bool IsVertical(const LOGFONT& logFont);
    // The face bytes up to their NUL, never past the field.
    static std::string_view FaceName(const LOGFONT& logFont);

private:
    static QFont Convert(const LOGFONT& logFont);
};
