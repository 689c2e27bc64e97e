#pragma once
// The user-visible attributes of a named group as the control file keeps
// them: the group's tag, name, colour, layer and fill colour under its group
// name. It is a record, not a drawing entity: it has no kind and draws
// nothing.

#include "entities/CRukEntity.h"

class CRukSaveGroup : public CRukEntity {
    DECLARE_SERIAL(CRukSaveGroup)

public:
    CRukSaveGroup();

    // Schema 1; schema 0 bodies hold only the group name, tag, name and colour.
    void Serialize(CArchive& ar) override;

    CString m_groupName;
};
