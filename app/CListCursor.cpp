#include "app/CListCursor.h"

int CListCursor::Find(const CObList& list, const CObject* object) {
    const INT_PTR count = list.GetCount();
    if (!m_position || m_index >= count) {
        m_position = list.GetHeadPosition();
        m_index = 0;
    }
    POSITION position = m_position;
    int index = m_index;
    for (INT_PTR step = 0; step < count; ++step) {
        if (!position) {
            position = list.GetHeadPosition();
            index = 0;
        }
        const POSITION here = position;
        if (list.GetNext(position) == object) {
            m_position = here;
            m_index = index;
            return index;
        }
        ++index;
    }
    return -1;
}
