#pragma once
// Which entity class a POR record type builds: one row per type, each a
// function that makes an empty object of the class. Types without a row
// build nothing.

#include "platform/win/WinTypes.h"
#include "por/PorRecords.h"

#include <array>
#include <memory>

class CRukEntity;

class CRecordClassTable {
public:
    using Create = std::unique_ptr<CRukEntity> (*)();

    // The row of a type; a type outside the record types is refused with
    // std::out_of_range, since no record of it can ever be read.
    void Add(LONG type, Create create);
    template <class Entity> void Add(LONG type) {
        Add(type, [] { return std::unique_ptr<CRukEntity>(std::make_unique<Entity>()); });
    }

    // An empty object of the class of that type; null for a type without a row.
    std::unique_ptr<CRukEntity> New(LONG type) const;

private:
    std::array<Create, PorMaxType + 1> m_rows{};
};
