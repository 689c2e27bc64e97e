#pragma once
// The class library's archive: a binary stream over a CFile with its exact
// encodings, so that files and snapshots stay interchangeable with those the
// Windows program wrote.
//
// Encodings (all little-endian):
// - BYTE, char, bool: 1 byte; WORD, short: 2; int (LONG), UINT (DWORD),
//   float: 4; double, LONGLONG, ULONGLONG: 8. `long` is refused at compile
//   time (it is 8 bytes here and 4 on Windows).
// - Counts (WriteCount/ReadCount): WORD below 0xFFFF, else WORD 0xFFFF and a
//   DWORD (0xFFFFFFFF and a QWORD beyond that).
// - CString: a length then the CP932 bytes. Length below 0xFF: one byte; below
//   0xFFFE: 0xFF and a WORD; else 0xFF, WORD 0xFFFF and a DWORD. Reading also
//   takes the Unicode form (0xFF, WORD 0xFFFE, then a length of the same form
//   counting UTF-16 code units, then UTF-16LE text), converted to CP932.
// - Objects: WORD 0 for null; a new class is WORD 0xFFFF, the schema WORD
//   (without VERSIONABLE_SCHEMA), the name length WORD and the name bytes,
//   followed by the object's own Serialize; a class met before is WORD
//   0x8000|index; an object met before is WORD index. Indexes from 0x7FFF on
//   are WORD 0x7FFF and a DWORD (0x80000000|index for classes). Classes and
//   objects share one index counter starting at 1.
//
// Loading checks everything it reads: running out of data throws
// CArchiveException(endOfFile) and never reads past the data; an unknown class
// name or one not derived from the class expected throws badClass; a stored
// schema that a class without VERSIONABLE_SCHEMA does not have throws
// badSchema; an index that refers to nothing or to the wrong kind of entry
// throws badIndex. A new object is entered in the load map before its
// Serialize runs, so references back to it resolve (except where the reader
// asks for a whole object). When an object's
// Serialize throws, the archive deletes that object (it was never handed out)
// and rethrows; objects already returned belong to their receivers, and
// GetLoadedObjects names every one of them, so that a reader whose load
// failed can free what it would otherwise lose. Objects read inside objects
// being read nest at most kMaxObjectDepth deep (badIndex beyond): deeper
// nesting would only exhaust the stack.
//
// Writing to a loading archive throws readOnly, reading from a storing one
// writeOnly. The archive buffers; a loading archive reads ahead, and Flush
// (and Close) give the unread bytes back to the file by seeking back.

#include "platform/mfc/CArchiveException.h"
#include "platform/mfc/CFile.h"
#include "platform/mfc/CObject.h"
#include "platform/mfc/CString.h"
#include "platform/win/WinTypes.h"

#include <bit>
#include <cstring>
#include <type_traits>
#include <unordered_map>
#include <vector>

static_assert(std::endian::native == std::endian::little,
              "the archive formats are little-endian and written from memory");

class CArchive {
public:
    enum Mode : UINT { store = 0, load = 1, bNoFlushOnDelete = 2, bNoByteSwap = 4 };

    // Far above the few levels of groups and markups a drawing holds.
    static constexpr int kMaxObjectDepth = 256;

    // The archive does not own the file. bufferSize below 16 is taken as 16;
    // buffer is accepted and not used.
    CArchive(CFile* file, UINT mode, int bufferSize = 4096, void* buffer = nullptr);
    // Closes the archive (writing what is buffered) unless bNoFlushOnDelete;
    // errors are swallowed here: call Close to see them.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0 ? TRUE : FALSE; }
    BOOL IsStoring() const { return (m_nMode & load) == 0 ? TRUE : FALSE; }
    BOOL IsByteSwapping() const { return FALSE; }
    // TRUE when a loading archive has no read-ahead left (or a storing one has
    // nothing waiting to be written).
    BOOL IsBufferEmpty() const;
    CFile* GetFile() const { return m_pFile; }

    // The schema of the object being loaded, once: later calls return (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT schema) { m_nObjectSchema = schema; }

    // Raw bytes. Read returns how many it got (fewer only at the end of the data).
    UINT Read(void* buffer, UINT count);
    void Write(const void* buffer, UINT count);

    void Flush();
    void Close();
    // Drops the buffer and detaches from the file without writing.
    void Abort();

    void WriteCount(DWORD_PTR count);
    DWORD_PTR ReadCount();

    void WriteObject(const CObject* object);
    // Reads an object (new, a reference back, or null). expected may be null;
    // else the object must be of that class or derived from it (badClass).
    CObject* ReadObject(const CRuntimeClass* expected);
    void WriteClass(const CRuntimeClass* cls);
    // Reads a class tag. With objectTag null an object tag is badIndex; else an
    // object tag gives null and *objectTag. *schema receives the stored schema
    // (without schema the archive's object schema is set).
    const CRuntimeClass* ReadClass(const CRuntimeClass* expected = nullptr, UINT* schema = nullptr,
                                   DWORD* objectTag = nullptr);
    void SerializeClass(const CRuntimeClass* cls);
    // Enters an object in the map without writing or reading it, so that
    // later references to it are written or read as back references.
    void MapObject(const CObject* object);
    void SetStoreParams(UINT /*hashSize*/ = 2053, UINT /*blockSize*/ = 128) {}
    void SetLoadParams(UINT /*growBy*/ = 1024) {}

    // Reads an object that `accept` approves of (the test runs on a new object
    // before its Serialize, or on the object referred back to); badClass else.
    CObject* ReadObjectIf(bool (*accept)(const CObject*));
    // The same for an object that the caller will own and free, such as the
    // parts of a composite object: it must be new (null or a reference back
    // throws badIndex), GetLoadedObjects leaves it out, and any later reference
    // back to it throws badIndex, so that no one else can come to hold it.
    CObject* ReadOwnedObjectIf(bool (*accept)(const CObject*));
    // The same for an object that must be whole, such as a child in a child
    // list: a reference back to an object whose Serialize is still running
    // (the object being read, or one that holds it) throws badIndex, so that
    // no object comes to hold itself or its holder while it is being read.
    CObject* ReadWholeObjectIf(bool (*accept)(const CObject*));
    // The objects this archive created and handed out while loading, in the
    // order they were read (objects given by MapObject are not among them).
    std::vector<CObject*> GetLoadedObjects() const;
    // Objects a body built itself while loading (an old record's converted
    // parts). No entry of the archive names them, and a child list may name
    // objects the archive has since deleted, so a reader whose load failed
    // frees these by this list rather than by walking child lists.
    void NoteBuiltObject(CObject* object) { m_builtObjects.push_back(object); }
    const std::vector<CObject*>& GetBuiltObjects() const { return m_builtObjects; }

    CArchive& operator<<(BYTE v) { return PutValue(v); }
    CArchive& operator<<(char v) { return PutValue(v); }
    CArchive& operator<<(bool v) { return PutValue(static_cast<BYTE>(v ? 1 : 0)); }
    CArchive& operator<<(WORD v) { return PutValue(v); }
    CArchive& operator<<(short v) { return PutValue(v); }
    CArchive& operator<<(int v) { return PutValue(v); }
    CArchive& operator<<(UINT v) { return PutValue(v); }
    CArchive& operator<<(float v) { return PutValue(v); }
    CArchive& operator<<(double v) { return PutValue(v); }
    CArchive& operator<<(LONGLONG v) { return PutValue(v); }
    CArchive& operator<<(ULONGLONG v) { return PutValue(v); }

    CArchive& operator>>(BYTE& v) { return GetValue(v); }
    CArchive& operator>>(char& v) { return GetValue(v); }
    CArchive& operator>>(bool& v) {
        BYTE b;
        GetValue(b);
        v = b != 0;
        return *this;
    }
    CArchive& operator>>(WORD& v) { return GetValue(v); }
    CArchive& operator>>(short& v) { return GetValue(v); }
    CArchive& operator>>(int& v) { return GetValue(v); }
    CArchive& operator>>(UINT& v) { return GetValue(v); }
    CArchive& operator>>(float& v) { return GetValue(v); }
    CArchive& operator>>(double& v) { return GetValue(v); }
    CArchive& operator>>(LONGLONG& v) { return GetValue(v); }
    CArchive& operator>>(ULONGLONG& v) { return GetValue(v); }

    // Any other pointer would be written as a bool: refused.
    template <class T>
    requires(!std::is_base_of_v<CObject, std::remove_cv_t<T>> &&
             !std::is_same_v<std::remove_cv_t<T>, char>) CArchive&
    operator<<(T*) = delete;

    // The document (or other owner) that objects being loaded may look at.
    CObject* m_pDocument = nullptr;

private:
    // Owned: an object read for a composite that frees it.
    enum class EntryKind : BYTE { Null, Class, Object, Owned, Failed };
    struct LoadEntry {
        EntryKind kind;
        UINT schema;     // classes: the stored schema
        const void* ptr; // CRuntimeClass or CObject
        bool created = false;
        bool reading = false; // its Serialize has not returned yet
    };
    // What a reference back may name: anything, nothing (a new object the
    // caller owns), or only an object read to its end.
    enum class Reference : BYTE { Any, None, Whole };

    template <class V> CArchive& PutValue(V v) {
        Write(&v, sizeof v);
        return *this;
    }
    template <class V> CArchive& GetValue(V& v) {
        ReadExact(&v, sizeof v);
        return *this;
    }

    void ReadExact(void* buffer, UINT count);
    void CheckOpen() const;
    void CheckStoring() const;
    void CheckLoading() const;
    void CheckCount() const;
    void FlushStoreBuffer();
    void InitLoadMap();
    DWORD NextMapIndex() const;
    CObject* ReadObjectImpl(const CRuntimeClass* expected, bool (*accept)(const CObject*),
                            Reference reference);
    [[noreturn]] void Throw(int cause) const;

    CFile* m_pFile;
    UINT m_nMode;
    UINT m_nBufSize;
    std::vector<BYTE> m_buffer;
    UINT m_nBufCur = 0; // loading: next byte to give
    UINT m_nBufMax = 0; // loading: end of the read-ahead; storing: bytes waiting
    CString m_strFileName;

    UINT m_nObjectSchema = static_cast<UINT>(-1);
    DWORD m_nStoreCount = 1;
    std::unordered_map<const void*, DWORD> m_storeMap;
    std::vector<LoadEntry> m_loadArray;
    std::vector<CObject*> m_builtObjects;
    int m_nDepth = 0; // objects being read, one inside the other
};

// Length prefixes of strings, as the class library writes and reads them.
// charSize receives 1 for CP932 text, 2 for the Unicode form.
void AfxWriteStringLength(CArchive& ar, UINT_PTR length, BOOL unicode);
UINT_PTR AfxReadStringLength(CArchive& ar, int& charSize);

CArchive& operator<<(CArchive& ar, const CString& text);
CArchive& operator>>(CArchive& ar, CString& text);
// Writes text as a CString.
CArchive& operator<<(CArchive& ar, const char* text);

CArchive& operator<<(CArchive& ar, const CObject* object);

// Reads an object that must be a T (a C++ dynamic_cast, so classes whose
// class record names CObject as base still count as derived from their C++
// bases); badClass else. Null stays null.
template <class T>
requires std::is_base_of_v<CObject, T> CArchive& operator>>(CArchive& ar, T*& object) {
    if constexpr (std::is_same_v<T, CObject>) {
        object = ar.ReadObject(nullptr);
    } else {
        CObject* p =
            ar.ReadObjectIf([](const CObject* o) { return dynamic_cast<const T*>(o) != nullptr; });
        object = dynamic_cast<T*>(p);
    }
    return ar;
}

// Points, sizes and rectangles as their LONG fields in order.
CArchive& operator<<(CArchive& ar, const POINT& v);
CArchive& operator>>(CArchive& ar, POINT& v);
CArchive& operator<<(CArchive& ar, const SIZE& v);
CArchive& operator>>(CArchive& ar, SIZE& v);
CArchive& operator<<(CArchive& ar, const RECT& v);
CArchive& operator>>(CArchive& ar, RECT& v);

// The element encoding of the collection templates (CArray, CList): CString
// elements as strings; plain data (arithmetic types and trivially copyable
// structures such as POINT, no pointers, bool or enums) as their raw bytes.
template <class TYPE>
inline constexpr bool IsArchivableElement = std::is_same_v<TYPE, CString> ||
                                            (std::is_trivially_copyable_v<TYPE> &&
                                             !std::is_pointer_v<TYPE> &&
                                             !std::is_same_v<TYPE, bool> && !std::is_enum_v<TYPE> &&
                                             !std::is_member_pointer_v<TYPE>);

template <class TYPE> void SerializeElements(CArchive& ar, TYPE* elements, INT_PTR count) {
    static_assert(IsArchivableElement<TYPE>,
                  "SerializeElements: give this element type its own Serialize");
    if (count <= 0)
        return;
    if constexpr (std::is_same_v<TYPE, CString>) {
        for (INT_PTR i = 0; i < count; ++i) {
            if (ar.IsStoring())
                ar << elements[i];
            else
                ar >> elements[i];
        }
    } else {
        auto* bytes = reinterpret_cast<BYTE*>(elements);
        std::size_t total = static_cast<std::size_t>(count) * sizeof(TYPE);
        while (total > 0) {
            UINT chunk = total > 0x40000000u ? 0x40000000u : static_cast<UINT>(total);
            if (ar.IsStoring()) {
                ar.Write(bytes, chunk);
            } else if (ar.Read(bytes, chunk) != chunk) {
                AfxThrowArchiveException(CArchiveException::endOfFile,
                                         ar.GetFile() ? ar.GetFile()->GetFilePath().c_str()
                                                      : nullptr);
            }
            bytes += chunk;
            total -= chunk;
        }
    }
}
