#pragma once
// Reading archived objects back with a schema of the test's choosing: the
// archive exception's cause, and the check that every archived class stores
// its current schema and refuses a later one.

#include "platform/mfc/CArchive.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CMemFile.h"
#include "platform/mfc/CObject.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

// Reads the bytes, frees whatever the archive handed out, and answers the
// archive exception's cause (0 when none was thrown).
inline int LoadCause(const std::vector<BYTE>& bytes) {
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    int cause = 0;
    try {
        CObject* object = nullptr;
        ar >> object;
    } catch (const CArchiveException& e) {
        cause = e.m_cause;
    }
    for (CObject* object : ar.GetLoadedObjects())
        delete object;
    return cause;
}

// An archived class and its current schema.
struct SchemaCase {
    const CRuntimeClass* type;
    std::uint16_t schema;
};

inline void PrintTo(const SchemaCase& c, std::ostream* out) {
    *out << c.type->m_lpszClassName;
}

inline std::string SchemaCaseName(const ::testing::TestParamInfo<SchemaCase>& info) {
    return info.param.type->m_lpszClassName;
}

// A default object of the class stored, its class record rewritten to the
// schema given, and read back: the archive exception's cause, or 0.
inline int CauseOfLoadWithSchema(const CRuntimeClass* type, std::uint16_t schema) {
    const std::unique_ptr<CObject> object(type->CreateObject());
    std::vector<BYTE> bytes = StoreObject(*object);
    bytes[2] = static_cast<BYTE>(schema & 0xFF);
    bytes[3] = static_cast<BYTE>(schema >> 8);
    return LoadCause(bytes);
}

// A default object is stored with the class's schema; the same bytes with
// a later schema are refused as a bad schema.
inline void ExpectSchemaStoredAndALaterOneRefused(const SchemaCase& c) {
    const std::unique_ptr<CObject> object(c.type->CreateObject());
    const std::vector<BYTE> stored = StoreObject(*object);
    const std::vector<BYTE> head = ClassRecord(c.schema, c.type->m_lpszClassName).Get();
    ASSERT_GE(stored.size(), head.size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + static_cast<long>(head.size())),
              head);
    EXPECT_EQ(CauseOfLoadWithSchema(c.type, static_cast<std::uint16_t>(c.schema + 1)),
              CArchiveException::badSchema);
}
