#pragma once
// Helpers of the shape tests: an entity's vertices, little-endian
// byte building for archive bodies, and storing and loading one body at a
// given schema.

#include "entities/CRukEntity.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CMemFile.h"
#include "platform/mfc/CObject.h"
#include "tests/entities/PointPrinting.h"

#include <cstdint>
#include <string_view>
#include <vector>

// The entity's vertices in order.
inline std::vector<POINT> VerticesOf(const CRukEntity& entity) {
    const POINT* first = entity.m_points.GetData();
    return std::vector<POINT>(first, first + entity.m_points.GetSize());
}

// Little-endian fields appended in order.
class Bytes {
public:
    Bytes& Long(std::int32_t value) { return Put(static_cast<std::uint32_t>(value), 4); }
    Bytes& Word(std::uint16_t value) { return Put(value, 2); }
    Bytes& Byte(std::uint8_t value) { return Put(value, 1); }
    // A short string as the archive writes it: a one-byte length, the bytes.
    Bytes& Text(std::string_view text) {
        Byte(static_cast<std::uint8_t>(text.size()));
        m_bytes.insert(m_bytes.end(), text.begin(), text.end());
        return *this;
    }
    Bytes& Append(const std::vector<BYTE>& bytes) {
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    const std::vector<BYTE>& Get() const { return m_bytes; }

private:
    Bytes& Put(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            m_bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
        return *this;
    }

    std::vector<BYTE> m_bytes;
};

inline std::vector<BYTE> FileBytes(CMemFile& file) {
    std::vector<BYTE> bytes(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

inline std::vector<BYTE> StoreBody(CObject& object) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    return FileBytes(file);
}

inline void LoadBody(CObject& object, const std::vector<BYTE>& bytes, UINT schema) {
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    ar.SetObjectSchema(schema);
    object.Serialize(ar);
}

inline std::vector<BYTE> StoreObject(const CObject& object) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << &object;
        ar.Close();
    }
    return FileBytes(file);
}

// Reads one object written with its class record; the caller owns it.
inline CObject* LoadObject(const std::vector<BYTE>& bytes) {
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    CObject* object = nullptr;
    ar >> object;
    return object;
}

// The class record of a class met for the first time: its schema and name.
inline Bytes ClassRecord(std::uint16_t schema, std::string_view name) {
    Bytes bytes;
    bytes.Word(0xFFFF).Word(schema).Word(static_cast<std::uint16_t>(name.size()));
    bytes.Append(std::vector<BYTE>(name.begin(), name.end()));
    return bytes;
}
