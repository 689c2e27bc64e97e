#include "platform/gdi/CFont.h"

#include "platform/gdi/CFontConverter.h"
#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <cstring>
#include <string_view>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFontA(int height, int width, int escapement, int orientation, int weight,
                        BYTE italic, BYTE underline, BYTE strikeOut, BYTE charSet,
                        BYTE outPrecision, BYTE clipPrecision, BYTE quality, BYTE pitchAndFamily,
                        const char* faceName) {
    LOGFONT logFont{height,        width,     escapement,     orientation, weight,
                    italic,        underline, strikeOut,      charSet,     outPrecision,
                    clipPrecision, quality,   pitchAndFamily, {}};
    if (faceName) {
        // A longer name is cut to the field, as GDI does, and never on the
        // second byte of a character.
        const std::string_view face(faceName);
        std::size_t length = 0;
        while (length < face.size()) {
            const auto next = length + static_cast<std::size_t>(Cp932::CharLength(face, length));
            if (next > sizeof logFont.lfFaceName - 1)
                break;
            length = next;
        }
        std::memcpy(logFont.lfFaceName, face.data(), length);
    }
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* logFont) {
    if (!logFont)
        return FALSE;
    m_logFont = *logFont;
    m_logFont.lfFaceName[sizeof m_logFont.lfFaceName - 1] = '\0';
    m_font = CFontConverter::ToQFont(m_logFont);
    m_height = m_logFont.lfHeight == 0 ? 0 : std::max<LONG>(1, std::abs(m_logFont.lfHeight));
    m_vertical = CFontConverter::IsVertical(m_logFont);
    MarkCreated();
    return TRUE;
}

BOOL CFont::CreateFromQFont(const QFont& font, LONG escapement, bool vertical) {
    m_logFont = LOGFONT{};
    m_logFont.lfHeight = font.pixelSize() > 0 ? -font.pixelSize() : 0;
    m_logFont.lfEscapement = escapement;
    m_logFont.lfOrientation = escapement;
    m_logFont.lfWeight = font.weight();
    m_logFont.lfItalic = font.italic() ? 1 : 0;
    m_logFont.lfUnderline = font.underline() ? 1 : 0;
    m_logFont.lfStrikeOut = font.strikeOut() ? 1 : 0;
    std::string face = vertical ? "@" : "";
    face += Cp932::FromQString(font.family());
    std::memcpy(m_logFont.lfFaceName, face.data(),
                std::min(face.size(), sizeof m_logFont.lfFaceName - 1));
    m_font = font;
    m_height = 0;
    m_vertical = vertical;
    MarkCreated();
    return TRUE;
}

int CFont::GetLogFont(LOGFONT* logFont) const {
    if (!logFont || !GetSafeHandle())
        return 0;
    *logFont = m_logFont;
    return 1;
}

void CFont::Clear() {
    m_logFont = LOGFONT{};
    m_font = QFont();
    m_height = 0;
    m_vertical = false;
}
