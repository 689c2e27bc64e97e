#include "platform/gdi/CGdiObject.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)

BOOL CGdiObject::DeleteObject() {
    if (!m_created)
        return FALSE;
    if (m_stock)
        return TRUE;
    Clear();
    m_created = false;
    return TRUE;
}
