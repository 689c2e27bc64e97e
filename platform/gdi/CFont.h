#pragma once
// A font: created from the fields of a LOGFONT (the way the drawing code
// creates its fonts) or from a Qt font (the stock font, a metafile's font).
// Its height counts in logical units and is scaled by the mapping when the
// font draws; a point size is left to the device. The escapement turns the
// text line, counter-clockwise in tenths of a degree.

#include "platform/gdi/CGdiObject.h"

#include <QFont>

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)

public:
    CFont() = default;

    BOOL CreateFontA(int height, int width, int escapement, int orientation, int weight,
                     BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision,
                     BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily, const char* faceName);
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    // A metafile's font keeps the escapement and vertical face it was written with.
    BOOL CreateFromQFont(const QFont& font, LONG escapement = 0, bool vertical = false);

    // The description the font was created from (that of the Qt font for
    // one made from it); 0 while the font is empty.
    int GetLogFont(LOGFONT* logFont) const;
    const QFont& GetQFont() const { return m_font; }
    // The height in logical units; 0 when the Qt font's own size counts.
    LONG GetHeight() const { return m_height; }
    LONG GetEscapement() const { return m_logFont.lfEscapement; }
    bool IsVertical() const { return m_vertical; }

protected:
    void Clear() override;

private:
    LOGFONT m_logFont{};
    QFont m_font;
    LONG m_height = 0;
    bool m_vertical = false;
};
