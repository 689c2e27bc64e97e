#pragma once
// Turns one POR drawing record into an entity of the class its type names,
// filled from the record. The import and the block references build every
// entity through it.

#include "platform/win/WinTypes.h"

#include <memory>

class CEntityDocument;
class CRukEntity;
class PorRecord;

class CEntityFactory {
public:
    // An empty object of the class the record type builds; null for a type
    // that builds nothing.
    static std::unique_ptr<CRukEntity> New(LONG type);
    // The entity filled from the record, not yet in the document; null when
    // the type builds nothing or the class refuses the record.
    static std::unique_ptr<CRukEntity> Make(const PorRecord& record, CEntityDocument* document,
                                            int defaultWidth);
    // Make, then handed to the document, which owns and files it. Null, with
    // nothing filed, when nothing was built.
    static CRukEntity* CreateEntityFromRecord(const PorRecord* record, CEntityDocument* document,
                                              int defaultWidth);
};
