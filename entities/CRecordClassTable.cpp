#include "entities/CRecordClassTable.h"

#include "entities/CRukEntity.h"

#include <stdexcept>

void CRecordClassTable::Add(LONG type, Create create) {
    if (type < 0 || type > PorMaxType)
        throw std::out_of_range("no POR record has this type");
    m_rows[static_cast<std::size_t>(type)] = create;
}

std::unique_ptr<CRukEntity> CRecordClassTable::New(LONG type) const {
    if (type < 0 || type > PorMaxType || !m_rows[static_cast<std::size_t>(type)])
        return nullptr;
    return m_rows[static_cast<std::size_t>(type)]();
}
