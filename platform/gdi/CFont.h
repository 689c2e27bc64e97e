#pragma once
// A font. For now it carries a Qt font; the creation from the fields of a
// LOGFONT (height, escapement, weight, character set, face) joins it with
// the text drawing. A pixel size counts in logical units and is scaled by
// the mapping when the font draws; a point size is left to the device.

#include "platform/gdi/CGdiObject.h"

#include <QFont>

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)

public:
    CFont() = default;

    BOOL CreateFromQFont(const QFont& font);
    const QFont& GetQFont() const { return m_font; }

protected:
    void Clear() override { m_font = QFont(); }

private:
    QFont m_font;
};
