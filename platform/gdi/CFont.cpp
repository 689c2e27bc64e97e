#include "platform/gdi/CFont.h"

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFromQFont(const QFont& font) {
    m_font = font;
    MarkCreated();
    return TRUE;
}
