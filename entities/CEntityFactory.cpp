#include "entities/CEntityFactory.h"

#include "entities/CEntityDocument.h"
#include "entities/CRecordClassTable.h"
#include "entities/CRukEntity.h"
#include "entities/EntityRecordClasses.h"
#include "por/PorRecord.h"

namespace {

const CRecordClassTable& Table() {
    static const CRecordClassTable table = [] {
        CRecordClassTable rows;
        AddEntityRecordClasses(rows);
        return rows;
    }();
    return table;
}

} // namespace

std::unique_ptr<CRukEntity> CEntityFactory::New(LONG type) {
    return Table().New(type);
}

std::unique_ptr<CRukEntity> CEntityFactory::Make(const PorRecord& record, CEntityDocument* document,
                                                 int defaultWidth) {
    std::unique_ptr<CRukEntity> entity = New(record.Type());
    if (!entity || !entity->CreateFromRecord(&record, document, defaultWidth))
        return nullptr;
    return entity;
}

CRukEntity* CEntityFactory::CreateEntityFromRecord(const PorRecord* record,
                                                   CEntityDocument* document, int defaultWidth) {
    if (!record || !document)
        return nullptr;
    std::unique_ptr<CRukEntity> entity = Make(*record, document, defaultWidth);
    if (!entity)
        return nullptr;
    CRukEntity* filed = entity.release();
    document->AddRecordEntity(filed);
    return filed;
}
