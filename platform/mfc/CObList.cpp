#include "platform/mfc/CObList.h"

IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar) {
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos;)
            ar << GetNext(pos);
    } else {
        DWORD_PTR count = ar.ReadCount();
        while (count-- > 0) {
            CObject* object = nullptr;
            ar >> object;
            AddTail(object);
        }
    }
}
