#pragma once
// Reads the object lists of the program's own files (the drawing file and
// the control file) all or nothing. The lists are handed over only when
// every one read through, each object stands in the list of its classes and
// in one list once, and the child lists of the entities read form a shallow
// forest (CChildForest). Otherwise every object the archive created, and
// every part an old body built, is freed once, whichever list holds it.

#include "platform/mfc/CArchive.h"
#include "platform/mfc/CObList.h"

#include <utility>
#include <vector>

class CObjectListReader {
public:
    using Accept = bool (*)(const CObject*);

    explicit CObjectListReader(CArchive& ar) : m_ar(ar) {}
    ~CObjectListReader();
    CObjectListReader(const CObjectListReader&) = delete;
    CObjectListReader& operator=(const CObjectListReader&) = delete;

    // Reads a list (as CObList::Serialize) whose objects must pass accept.
    void Read(CObList& list, Accept accept);
    // Checks what was read as a whole and hands it to the lists read, which
    // own their objects from then on; an archive exception (badClass) else.
    void Finish();

private:
    bool IsSound() const;

    CArchive& m_ar;
    std::vector<std::pair<const CObList*, Accept>> m_lists;
    bool m_finished = false;
};
