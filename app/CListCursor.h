#pragma once
// A remembered place in an object list, so that repeated look-ups of
// objects that lie close together (the undo records' positions) walk only
// a few steps instead of the whole list. A cursor is good only while its
// list is unchanged: make a new one after an insertion or removal.

#include "platform/mfc/CObList.h"

class CListCursor {
public:
    // The 0-based index of the object in the list, searching on from the
    // remembered place (the head the first time) and wrapping to the head
    // once; -1 when absent. The cursor then rests on the object.
    int Find(const CObList& list, const CObject* object);

private:
    POSITION m_position = nullptr;
    int m_index = 0;
};
