#pragma once
// The root of the archived classes and their class records: each class
// carries its name, object size, schema, a create function and its base, and
// serializable classes are found by name when an archive is read.

#include "platform/win/WinTypes.h"

class CArchive;
class CObject;

// A schema or'ed with this flag lets a class read bodies of any older schema:
// the archive hands the stored schema to the class through GetObjectSchema.
constexpr UINT VERSIONABLE_SCHEMA = 0x80000000u;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that cannot be archived
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    bool IsSerializable() const { return m_pfnCreateObject != nullptr && m_wSchema != 0xFFFF; }
    // Schema as stored in archives, without the versionable flag.
    WORD StoredSchema() const { return static_cast<WORD>(m_wSchema & ~VERSIONABLE_SCHEMA); }

    // The serializable class of that name, or null.
    static const CRuntimeClass* FromName(const char* name);
};

// Registers a serializable class for FromName; one static instance per class.
class CClassRegistration {
public:
    explicit CClassRegistration(const CRuntimeClass* cls);
};

class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);

    bool IsKindOf(const CRuntimeClass* cls) const;
    bool IsSerializable() const { return GetRuntimeClass()->IsSerializable(); }

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)                                                                \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define ZUMEO_IMPLEMENT_CLASS(class_name, base_name, schema, create)                               \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, static_cast<int>(sizeof(class_name)), schema, create,                         \
        RUNTIME_CLASS(base_name)};                                                                 \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                                     \
        return RUNTIME_CLASS(class_name);                                                          \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_name)                                                   \
    ZUMEO_IMPLEMENT_CLASS(class_name, base_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_name)                                                 \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    ZUMEO_IMPLEMENT_CLASS(class_name, base_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_name, schema)                                            \
    CObject* class_name::CreateObject() {                                                          \
        return new class_name;                                                                     \
    }                                                                                              \
    ZUMEO_IMPLEMENT_CLASS(class_name, base_name, schema, class_name::CreateObject)                 \
    static const CClassRegistration s_registration##class_name(RUNTIME_CLASS(class_name));
