#pragma once
// A markup that an archive keeps as it is: a group with a markup's kind,
// which it stores before the group's body. The undo snapshots and the
// control file need the classes they write to come back.

#include "entities/CRukGroup.h"
#include "entities/CRukLine.h"

class SerialMarkup : public CRukGroup {
    DECLARE_SERIAL(SerialMarkup)

public:
    SerialMarkup() = default;
    explicit SerialMarkup(int kind) { m_kind = kind; }

    void Serialize(CArchive& ar) override;
};

// A redline line of a markup, from (x1, y1) to (x2, y2).
CRukLine* MakeLine(const char* layer, int x1, int y1, int x2, int y2);
