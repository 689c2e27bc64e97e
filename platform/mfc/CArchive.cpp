#include "platform/mfc/CArchive.h"
#include "platform/mfc/Cp932.h"

#include <algorithm>
#include <string>

namespace {

constexpr WORD kNullTag = 0;
constexpr WORD kNewClassTag = 0xFFFF;
constexpr WORD kClassTag = 0x8000;
constexpr DWORD kBigClassTag = 0x80000000u;
constexpr WORD kBigObjectTag = 0x7FFF;
constexpr DWORD kMaxMapCount = 0x3FFFFFFE;
// Class names of 64 characters or more are refused, as the class library does.
constexpr WORD kMaxClassNameLength = 64;
// Strings are read in pieces of this size, so that a corrupt length costs no
// more memory than the data that is really there.
constexpr UINT kStringChunk = 0x10000;

} // namespace

CArchive::CArchive(CFile* file, UINT mode, int bufferSize, void* /*buffer*/)
    : m_pFile(file), m_nMode(mode), m_nBufSize(static_cast<UINT>(std::max(bufferSize, 16))) {
    if (!file)
        throw CArchiveException(CArchiveException::genericException);
    m_strFileName = file->GetFilePath();
    m_buffer.resize(m_nBufSize);
}

CArchive::~CArchive() {
    if (m_pFile && !(m_nMode & bNoFlushOnDelete)) {
        try {
            Close();
        } catch (...) {
        }
    }
    Abort();
}

void CArchive::Throw(int cause) const {
    throw CArchiveException(cause, m_strFileName);
}

void CArchive::CheckOpen() const {
    if (!m_pFile)
        Throw(CArchiveException::genericException);
}

void CArchive::CheckStoring() const {
    CheckOpen();
    if (!IsStoring())
        Throw(CArchiveException::readOnly);
}

void CArchive::CheckLoading() const {
    CheckOpen();
    if (!IsLoading())
        Throw(CArchiveException::writeOnly);
}

BOOL CArchive::IsBufferEmpty() const {
    if (IsLoading())
        return m_nBufCur == m_nBufMax ? TRUE : FALSE;
    return m_nBufMax == 0 ? TRUE : FALSE;
}

UINT CArchive::GetObjectSchema() {
    UINT schema = m_nObjectSchema;
    m_nObjectSchema = static_cast<UINT>(-1);
    return schema;
}

// ---- raw bytes ----

void CArchive::FlushStoreBuffer() {
    if (m_nBufMax == 0)
        return;
    UINT n = m_nBufMax;
    m_nBufMax = 0;
    m_pFile->Write(m_buffer.data(), n);
}

void CArchive::Write(const void* buffer, UINT count) {
    CheckStoring();
    if (count == 0)
        return;
    const auto* p = static_cast<const BYTE*>(buffer);
    if (count <= m_nBufSize - m_nBufMax) {
        std::memcpy(m_buffer.data() + m_nBufMax, p, count);
        m_nBufMax += count;
        return;
    }
    FlushStoreBuffer();
    if (count >= m_nBufSize) {
        m_pFile->Write(p, count);
    } else {
        std::memcpy(m_buffer.data(), p, count);
        m_nBufMax = count;
    }
}

UINT CArchive::Read(void* buffer, UINT count) {
    CheckLoading();
    auto* p = static_cast<BYTE*>(buffer);
    UINT done = 0;
    while (done < count) {
        if (m_nBufCur < m_nBufMax) {
            UINT n = std::min(count - done, m_nBufMax - m_nBufCur);
            std::memcpy(p + done, m_buffer.data() + m_nBufCur, n);
            m_nBufCur += n;
            done += n;
            continue;
        }
        UINT left = count - done;
        if (left >= m_nBufSize) {
            // Large pieces go straight from the file.
            UINT n = m_pFile->Read(p + done, left);
            done += n;
            break;
        }
        m_nBufCur = 0;
        m_nBufMax = m_pFile->Read(m_buffer.data(), m_nBufSize);
        if (m_nBufMax == 0)
            break;
    }
    return done;
}

void CArchive::ReadExact(void* buffer, UINT count) {
    if (Read(buffer, count) != count)
        Throw(CArchiveException::endOfFile);
}

void CArchive::Flush() {
    CheckOpen();
    if (IsLoading()) {
        if (m_nBufMax != m_nBufCur)
            m_pFile->Seek(-static_cast<LONGLONG>(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufCur = m_nBufMax = 0;
    } else {
        FlushStoreBuffer();
    }
}

void CArchive::Close() {
    if (!m_pFile)
        return;
    try {
        Flush();
    } catch (...) {
        m_pFile = nullptr;
        throw;
    }
    m_pFile = nullptr;
}

void CArchive::Abort() {
    m_pFile = nullptr;
    m_nBufCur = m_nBufMax = 0;
    m_storeMap.clear();
    m_loadArray.clear();
}

// ---- counts ----

void CArchive::WriteCount(DWORD_PTR count) {
    if (count < 0xFFFF) {
        *this << static_cast<WORD>(count);
        return;
    }
    *this << static_cast<WORD>(0xFFFF);
    if (count < 0xFFFFFFFFu) {
        *this << static_cast<DWORD>(count);
    } else {
        *this << static_cast<DWORD>(0xFFFFFFFFu);
        *this << static_cast<ULONGLONG>(count);
    }
}

DWORD_PTR CArchive::ReadCount() {
    WORD w;
    *this >> w;
    if (w != 0xFFFF)
        return w;
    DWORD d;
    *this >> d;
    if (d != 0xFFFFFFFFu)
        return d;
    ULONGLONG q;
    *this >> q;
    return static_cast<DWORD_PTR>(q);
}

// ---- objects ----

void CArchive::CheckCount() const {
    if (NextMapIndex() >= kMaxMapCount)
        Throw(CArchiveException::badIndex);
}

DWORD CArchive::NextMapIndex() const {
    return IsStoring() ? m_nStoreCount : static_cast<DWORD>(m_loadArray.size());
}

void CArchive::InitLoadMap() {
    if (m_loadArray.empty())
        m_loadArray.push_back({EntryKind::Null, 0, nullptr}); // index 0 is null
}

void CArchive::MapObject(const CObject* object) {
    CheckOpen();
    if (IsStoring()) {
        if (object && m_storeMap.find(object) == m_storeMap.end()) {
            CheckCount();
            m_storeMap.emplace(object, m_nStoreCount++);
        }
    } else {
        InitLoadMap();
        if (object) {
            CheckCount();
            m_loadArray.push_back({EntryKind::Object, 0, object});
        }
    }
}

void CArchive::WriteClass(const CRuntimeClass* cls) {
    CheckStoring();
    if (!cls || cls->m_wSchema == 0xFFFF || !cls->m_lpszClassName)
        Throw(CArchiveException::badClass);
    auto it = m_storeMap.find(cls);
    if (it != m_storeMap.end()) {
        DWORD index = it->second;
        if (index < kBigObjectTag) {
            *this << static_cast<WORD>(kClassTag | index);
        } else {
            *this << kBigObjectTag;
            *this << static_cast<DWORD>(kBigClassTag | index);
        }
        return;
    }
    std::size_t length = std::strlen(cls->m_lpszClassName);
    if (length >= kMaxClassNameLength)
        Throw(CArchiveException::badClass);
    *this << kNewClassTag;
    *this << static_cast<WORD>(cls->m_wSchema & ~VERSIONABLE_SCHEMA);
    *this << static_cast<WORD>(length);
    Write(cls->m_lpszClassName, static_cast<UINT>(length));
    CheckCount();
    m_storeMap.emplace(cls, m_nStoreCount++);
}

void CArchive::WriteObject(const CObject* object) {
    CheckStoring();
    if (!object) {
        *this << kNullTag;
        return;
    }
    auto it = m_storeMap.find(object);
    if (it != m_storeMap.end()) {
        DWORD index = it->second;
        if (index < kBigObjectTag) {
            *this << static_cast<WORD>(index);
        } else {
            *this << kBigObjectTag;
            *this << index;
        }
        return;
    }
    WriteClass(object->GetRuntimeClass());
    CheckCount();
    m_storeMap.emplace(object, m_nStoreCount++);
    const_cast<CObject*>(object)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* expected, UINT* schema,
                                         DWORD* objectTag) {
    CheckLoading();
    InitLoadMap();

    WORD wTag;
    DWORD tag;
    *this >> wTag;
    if (wTag == kBigObjectTag)
        *this >> tag;
    else
        tag = (static_cast<DWORD>(wTag & kClassTag) << 16) | (wTag & ~kClassTag);

    if (!(tag & kBigClassTag)) {
        if (!objectTag)
            Throw(CArchiveException::badIndex);
        *objectTag = tag;
        return nullptr;
    }

    const CRuntimeClass* cls = nullptr;
    UINT storedSchema = 0;
    if (wTag == kNewClassTag) {
        WORD wSchema;
        WORD length;
        *this >> wSchema >> length;
        storedSchema = wSchema;
        if (length >= kMaxClassNameLength)
            Throw(CArchiveException::badClass);
        char name[kMaxClassNameLength];
        ReadExact(name, length);
        if (std::memchr(name, '\0', length))
            Throw(CArchiveException::badClass);
        name[length] = '\0';
        cls = CRuntimeClass::FromName(name);
        if (!cls || !cls->IsSerializable())
            Throw(CArchiveException::badClass);
        if ((cls->m_wSchema & ~VERSIONABLE_SCHEMA) != storedSchema &&
            !(cls->m_wSchema & VERSIONABLE_SCHEMA))
            Throw(CArchiveException::badSchema);
        CheckCount();
        m_loadArray.push_back({EntryKind::Class, storedSchema, cls});
    } else {
        DWORD index = tag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() ||
            m_loadArray[index].kind != EntryKind::Class)
            Throw(CArchiveException::badIndex);
        cls = static_cast<const CRuntimeClass*>(m_loadArray[index].ptr);
        storedSchema = m_loadArray[index].schema;
    }

    if (expected && !cls->IsDerivedFrom(expected))
        Throw(CArchiveException::badClass);

    if (schema)
        *schema = storedSchema;
    else
        m_nObjectSchema = storedSchema;
    if (objectTag)
        *objectTag = tag;
    return cls;
}

void CArchive::SerializeClass(const CRuntimeClass* cls) {
    if (IsStoring())
        WriteClass(cls);
    else
        ReadClass(cls);
}

CObject* CArchive::ReadObject(const CRuntimeClass* expected) {
    return ReadObjectImpl(expected, nullptr, Reference::Any);
}

CObject* CArchive::ReadObjectIf(bool (*accept)(const CObject*)) {
    return ReadObjectImpl(nullptr, accept, Reference::Any);
}

CObject* CArchive::ReadOwnedObjectIf(bool (*accept)(const CObject*)) {
    return ReadObjectImpl(nullptr, accept, Reference::None);
}

CObject* CArchive::ReadWholeObjectIf(bool (*accept)(const CObject*)) {
    return ReadObjectImpl(nullptr, accept, Reference::Whole);
}

CObject* CArchive::ReadObjectImpl(const CRuntimeClass* expected, bool (*accept)(const CObject*),
                                  Reference reference) {
    const bool owned = reference == Reference::None;
    UINT schema = 0;
    DWORD tag = 0;
    const CRuntimeClass* cls = ReadClass(expected, &schema, &tag);

    if (!cls) {
        // A reference to an object read before (or null).
        if (tag >= m_loadArray.size())
            Throw(CArchiveException::badIndex);
        const LoadEntry& entry = m_loadArray[tag];
        if (entry.kind != EntryKind::Null && entry.kind != EntryKind::Object)
            Throw(CArchiveException::badIndex);
        if (owned || (reference == Reference::Whole && entry.reading))
            Throw(CArchiveException::badIndex);
        auto* object = static_cast<CObject*>(const_cast<void*>(entry.ptr));
        if (object && expected && !object->IsKindOf(expected))
            Throw(CArchiveException::badClass);
        if (object && accept && !accept(object))
            Throw(CArchiveException::badClass);
        return object;
    }

    if (m_nDepth >= kMaxObjectDepth)
        Throw(CArchiveException::badIndex);
    CObject* object = cls->CreateObject();
    if (!object)
        Throw(CArchiveException::badClass);
    if (accept && !accept(object)) {
        delete object;
        Throw(CArchiveException::badClass);
    }
    try {
        CheckCount();
    } catch (...) {
        delete object;
        throw;
    }
    std::size_t index = m_loadArray.size();
    // Before Serialize, so that references back to it resolve (or, owned, fail).
    m_loadArray.push_back({owned ? EntryKind::Owned : EntryKind::Object, 0, object, true, true});

    UINT savedSchema = m_nObjectSchema;
    m_nObjectSchema = schema;
    ++m_nDepth;
    try {
        object->Serialize(*this);
    } catch (...) {
        --m_nDepth;
        m_nObjectSchema = savedSchema;
        if (index < m_loadArray.size())
            m_loadArray[index] = {EntryKind::Failed, 0, nullptr};
        delete object;
        throw;
    }
    --m_nDepth;
    m_nObjectSchema = savedSchema;
    m_loadArray[index].reading = false;
    return object;
}

std::vector<CObject*> CArchive::GetLoadedObjects() const {
    std::vector<CObject*> objects;
    for (const LoadEntry& entry : m_loadArray)
        if (entry.kind == EntryKind::Object && entry.created)
            objects.push_back(static_cast<CObject*>(const_cast<void*>(entry.ptr)));
    return objects;
}

// ---- strings ----

void AfxWriteStringLength(CArchive& ar, UINT_PTR length, BOOL unicode) {
    if (unicode) {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(0xFFFE);
    }
    if (length < 0xFF) {
        ar << static_cast<BYTE>(length);
    } else if (length < 0xFFFE) {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(length);
    } else if (length < 0xFFFFFFFFu) {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(0xFFFF);
        ar << static_cast<DWORD>(length);
    } else {
        ar << static_cast<BYTE>(0xFF);
        ar << static_cast<WORD>(0xFFFF);
        ar << static_cast<DWORD>(0xFFFFFFFFu);
        ar << static_cast<ULONGLONG>(length);
    }
}

UINT_PTR AfxReadStringLength(CArchive& ar, int& charSize) {
    charSize = 1;
    BYTE b;
    ar >> b;
    if (b < 0xFF)
        return b;
    WORD w;
    ar >> w;
    if (w == 0xFFFE) {
        // Unicode text: the length starts over.
        charSize = 2;
        ar >> b;
        if (b < 0xFF)
            return b;
        ar >> w;
    }
    if (w < 0xFFFF)
        return w;
    DWORD d;
    ar >> d;
    if (d < 0xFFFFFFFFu)
        return d;
    ULONGLONG q;
    ar >> q;
    if (q > 0x7FFFFFFFu)
        AfxThrowArchiveException(CArchiveException::genericException,
                                 ar.GetFile() ? ar.GetFile()->GetFilePath().c_str() : nullptr);
    return static_cast<UINT_PTR>(q);
}

namespace {

// Reads exactly `bytes` bytes, growing the text only as data arrives.
void ReadBytes(CArchive& ar, std::string& out, std::size_t bytes) {
    out.clear();
    while (out.size() < bytes) {
        auto chunk = static_cast<UINT>(std::min<std::size_t>(kStringChunk, bytes - out.size()));
        std::size_t old = out.size();
        out.resize(old + chunk);
        if (ar.Read(out.data() + old, chunk) != chunk)
            AfxThrowArchiveException(CArchiveException::endOfFile,
                                     ar.GetFile() ? ar.GetFile()->GetFilePath().c_str() : nullptr);
    }
}

} // namespace

CArchive& operator<<(CArchive& ar, const CString& text) {
    auto length = static_cast<UINT_PTR>(text.GetLength());
    AfxWriteStringLength(ar, length, FALSE);
    ar.Write(text.c_str(), static_cast<UINT>(length));
    return ar;
}

CArchive& operator<<(CArchive& ar, const char* text) {
    return ar << CString(text);
}

CArchive& operator>>(CArchive& ar, CString& text) {
    int charSize = 1;
    UINT_PTR length = AfxReadStringLength(ar, charSize);
    std::string bytes;
    ReadBytes(ar, bytes, static_cast<std::size_t>(length) * static_cast<std::size_t>(charSize));
    if (charSize == 1) {
        text = CString(std::move(bytes));
        return ar;
    }
    std::u16string units(static_cast<std::size_t>(length), u'\0');
    for (std::size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<BYTE>(bytes[2 * i]) |
                                         (static_cast<BYTE>(bytes[2 * i + 1]) << 8));
    text = CString(Cp932::FromUtf16(units));
    return ar;
}

CArchive& operator<<(CArchive& ar, const CObject* object) {
    ar.WriteObject(object);
    return ar;
}

// ---- points, sizes, rectangles ----

CArchive& operator<<(CArchive& ar, const POINT& v) {
    return ar << v.x << v.y;
}
CArchive& operator>>(CArchive& ar, POINT& v) {
    return ar >> v.x >> v.y;
}
CArchive& operator<<(CArchive& ar, const SIZE& v) {
    return ar << v.cx << v.cy;
}
CArchive& operator>>(CArchive& ar, SIZE& v) {
    return ar >> v.cx >> v.cy;
}
CArchive& operator<<(CArchive& ar, const RECT& v) {
    return ar << v.left << v.top << v.right << v.bottom;
}
CArchive& operator>>(CArchive& ar, RECT& v) {
    return ar >> v.left >> v.top >> v.right >> v.bottom;
}
