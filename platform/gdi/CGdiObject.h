#pragma once
// The base of the GDI object classes. An object is empty until one of its
// Create functions succeeds; DeleteObject empties it again. A device context
// keeps a copy of what it selects, so deleting or destroying a selected
// object never leaves the context drawing with freed data.

#include "platform/gdi/GdiDefs.h"
#include "platform/mfc/CObject.h"

using HGDIOBJ = const void*;

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)

public:
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    // Null while the object is empty.
    HGDIOBJ GetSafeHandle() const { return m_created ? this : nullptr; }
    // Empties the object; a stock object stays as it is.
    BOOL DeleteObject();
    bool IsStockObject() const { return m_stock; }

protected:
    CGdiObject() = default;

    void MarkCreated() { m_created = true; }
    // Drops the object's own data when it is emptied.
    virtual void Clear() = 0;

private:
    friend class CStockObjects;

    bool m_created = false;
    bool m_stock = false;
};
