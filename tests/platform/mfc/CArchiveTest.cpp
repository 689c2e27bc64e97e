// The archive's byte encodings, its object protocol, and its failures on
// archives built by hand.
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CMemFile.h"
#include "platform/mfc/CObList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

int g_live = 0; // test objects alive

// ---- test classes ----

class CArTestItem : public CObject {
    DECLARE_SERIAL(CArTestItem)
public:
    CArTestItem() { ++g_live; }
    CArTestItem(int value, const char* name) : m_value(value), m_name(name) { ++g_live; }
    ~CArTestItem() override { --g_live; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value << m_name;
        else
            ar >> m_value >> m_name;
    }
    int m_value = 0;
    CString m_name;
};
IMPLEMENT_SERIAL(CArTestItem, CObject, 1)

class CArTestOther : public CObject {
    DECLARE_SERIAL(CArTestOther)
public:
    CArTestOther() { ++g_live; }
    ~CArTestOther() override { --g_live; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    int m_value = 0;
};
IMPLEMENT_SERIAL(CArTestOther, CObject, 3)

// Owns its child; refers to any object (often itself) without owning it.
class CArTestHolder : public CObject {
    DECLARE_SERIAL(CArTestHolder)
public:
    CArTestHolder() { ++g_live; }
    ~CArTestHolder() override {
        delete m_child;
        --g_live;
    }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_label << m_child << m_ref;
            seenDocument = ar.m_pDocument;
        } else {
            ar >> m_label >> m_child >> m_ref;
            seenDocument = ar.m_pDocument;
        }
    }
    CString m_label;
    CObject* m_child = nullptr;
    CObject* m_ref = nullptr;
    CObject* seenDocument = nullptr;
};
IMPLEMENT_SERIAL(CArTestHolder, CObject, 1)

// Lists children it does not own, read as whole objects.
class CArTestNode : public CObject {
    DECLARE_SERIAL(CArTestNode)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar.WriteCount(m_children.size());
            for (const CObject* child : m_children)
                ar << child;
            return;
        }
        for (DWORD_PTR count = ar.ReadCount(); count > 0; --count)
            m_children.push_back(ar.ReadWholeObjectIf(
                [](const CObject* o) { return dynamic_cast<const CArTestNode*>(o) != nullptr; }));
    }
    std::vector<CObject*> m_children;
};
IMPLEMENT_SERIAL(CArTestNode, CObject, 1)

// Reads schemas 1 and 2, refuses others itself.
class CArTestVersioned : public CObject {
    DECLARE_SERIAL(CArTestVersioned)
public:
    CArTestVersioned() { ++g_live; }
    ~CArTestVersioned() override { --g_live; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring()) {
            ar << m_a << m_b;
            return;
        }
        m_schema = ar.GetObjectSchema();
        m_second = ar.GetObjectSchema();
        if (m_schema == 1) {
            ar >> m_a;
        } else if (m_schema == 2) {
            ar >> m_a >> m_b;
        } else {
            AfxThrowArchiveException(CArchiveException::badSchema);
        }
    }
    int m_a = 0;
    int m_b = 0;
    UINT m_schema = 0;
    UINT m_second = 0;
};
IMPLEMENT_SERIAL(CArTestVersioned, CObject, VERSIONABLE_SCHEMA | 2)

// A C++ base without a class record, as the entity base of the system.
class CArTestBase : public CObject {
public:
    CArTestBase() { ++g_live; }
    ~CArTestBase() override { --g_live; }
    int m_base = 0;
};

class CArTestDerived : public CArTestBase {
    DECLARE_SERIAL(CArTestDerived)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_base;
        else
            ar >> m_base;
    }
};
IMPLEMENT_SERIAL(CArTestDerived, CObject, 1)

// A class record that cannot be archived.
class CArTestPlain : public CObject {
    DECLARE_DYNAMIC(CArTestPlain)
};
IMPLEMENT_DYNAMIC(CArTestPlain, CObject)

// Serializing throws in the middle (after its first field).
class CArTestThrower : public CObject {
    DECLARE_SERIAL(CArTestThrower)
public:
    CArTestThrower() { ++g_live; }
    ~CArTestThrower() override { --g_live; }
    void Serialize(CArchive& ar) override {
        int v = 0;
        if (ar.IsStoring()) {
            ar << v;
        } else {
            ar >> v;
            AfxThrowArchiveException(CArchiveException::genericException);
        }
    }
};
IMPLEMENT_SERIAL(CArTestThrower, CObject, 1)

// ---- helpers ----

template <class F> Bytes Store(F write, CObject* document = nullptr) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.m_pDocument = document;
        write(ar);
        ar.Close();
    }
    Bytes out(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    EXPECT_EQ(file.Read(out.data(), static_cast<UINT>(out.size())), out.size());
    return out;
}

template <class F> void Load(const Bytes& bytes, F read, CObject* document = nullptr) {
    Bytes copy(bytes);
    CMemFile file(copy.empty() ? nullptr : copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    ar.m_pDocument = document;
    read(ar);
}

// The cause of the archive exception that reading throws; -1 when none.
template <class F> int LoadCause(const Bytes& bytes, F read) {
    try {
        Load(bytes, read);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

void Put(Bytes& b, std::initializer_list<int> values) {
    for (int v : values)
        b.push_back(static_cast<BYTE>(v));
}
void Put16(Bytes& b, unsigned v) {
    Put(b, {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF)});
}
void Put32(Bytes& b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutText(Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}
// A new class tag with schema and name.
void PutNewClass(Bytes& b, unsigned schema, const std::string& name) {
    Put16(b, 0xFFFF);
    Put16(b, schema);
    Put16(b, static_cast<unsigned>(name.size()));
    PutText(b, name);
}
// An item body: int value, then a short string.
void PutItemBody(Bytes& b, int value, const std::string& name) {
    Put32(b, static_cast<unsigned>(value));
    b.push_back(static_cast<BYTE>(name.size()));
    PutText(b, name);
}

// Deletes the distinct objects of a list.
void DeleteAll(CObList& list) {
    std::set<CObject*> distinct;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        distinct.insert(list.GetNext(pos));
    for (CObject* o : distinct)
        delete o;
    list.RemoveAll();
}

class ArchiveTest : public ::testing::Test {
protected:
    void SetUp() override { g_live = 0; }
    void TearDown() override { EXPECT_EQ(g_live, 0) << "test objects leaked or deleted twice"; }
};

// ---- plain values ----

TEST_F(ArchiveTest, PlainValuesAreLittleEndian) {
    Bytes b = Store([](CArchive& ar) {
        ar << static_cast<BYTE>(0xAB) << static_cast<WORD>(0x1234) << static_cast<short>(-2)
           << static_cast<int>(-3) << static_cast<LONG>(0x01020304)
           << static_cast<DWORD>(0xA0B0C0D0) << 1.5f << -2.0 << true << 'x'
           << static_cast<LONGLONG>(-1) << static_cast<ULONGLONG>(0x1122334455667788ull);
    });
    Bytes expected;
    Put(expected, {0xAB, 0x34, 0x12, 0xFE, 0xFF, 0xFD, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01,
                   0xD0, 0xC0, 0xB0, 0xA0});
    Put(expected, {0x00, 0x00, 0xC0, 0x3F});                         // 1.5f
    Put(expected, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0}); // -2.0
    Put(expected, {0x01, 'x'});
    Put(expected, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    Put(expected, {0x88, 0x77, 0x66, 0x55, 0x44, 0x33, 0x22, 0x11});
    EXPECT_EQ(b, expected);

    Load(b, [](CArchive& ar) {
        BYTE by;
        WORD w;
        short s;
        int i;
        LONG l;
        DWORD d;
        float f;
        double g;
        bool t;
        char c;
        LONGLONG ll;
        ULONGLONG ull;
        ar >> by >> w >> s >> i >> l >> d >> f >> g >> t >> c >> ll >> ull;
        EXPECT_EQ(by, 0xAB);
        EXPECT_EQ(w, 0x1234);
        EXPECT_EQ(s, -2);
        EXPECT_EQ(i, -3);
        EXPECT_EQ(l, 0x01020304);
        EXPECT_EQ(d, 0xA0B0C0D0u);
        EXPECT_EQ(f, 1.5f);
        EXPECT_EQ(g, -2.0);
        EXPECT_TRUE(t);
        EXPECT_EQ(c, 'x');
        EXPECT_EQ(ll, -1);
        EXPECT_EQ(ull, 0x1122334455667788ull);
        EXPECT_TRUE(ar.IsBufferEmpty());
    });
}

TEST_F(ArchiveTest, PointsSizesAndRects) {
    POINT p{1, -1};
    SIZE s{2, 3};
    RECT r{4, 5, 6, 7};
    Bytes b = Store([&](CArchive& ar) { ar << p << s << r; });
    ASSERT_EQ(b.size(), 32u);
    EXPECT_EQ(b[4], 0xFF);
    Load(b, [](CArchive& ar) {
        POINT p2;
        SIZE s2;
        RECT r2;
        ar >> p2 >> s2 >> r2;
        EXPECT_EQ(p2.y, -1);
        EXPECT_EQ(s2.cy, 3);
        EXPECT_EQ(r2.left, 4);
        EXPECT_EQ(r2.bottom, 7);
    });
}

TEST_F(ArchiveTest, DirectionIsChecked) {
    CMemFile file;
    CArchive out(&file, CArchive::store);
    EXPECT_TRUE(out.IsStoring());
    EXPECT_FALSE(out.IsLoading());
    int v = 0;
    try {
        out >> v;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeOnly);
    }
    EXPECT_EQ(LoadCause(Bytes{1, 2, 3, 4}, [](CArchive& ar) { ar << 5; }),
              CArchiveException::readOnly);
}

// ---- counts ----

TEST_F(ArchiveTest, CountEncodings) {
    Bytes b = Store([](CArchive& ar) {
        ar.WriteCount(0);
        ar.WriteCount(0xFFFE);
        ar.WriteCount(0xFFFF);
        ar.WriteCount(0x12345678);
    });
    Bytes expected;
    Put(expected, {0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0xFF, 0xFF, 0x78,
                   0x56, 0x34, 0x12});
    EXPECT_EQ(b, expected);
    Load(b, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadCount(), 0u);
        EXPECT_EQ(ar.ReadCount(), 0xFFFEu);
        EXPECT_EQ(ar.ReadCount(), 0xFFFFu);
        EXPECT_EQ(ar.ReadCount(), 0x12345678u);
    });
}

// ---- strings ----

struct StringCase {
    std::size_t length;
    Bytes prefix;
};

TEST_F(ArchiveTest, StringLengthPrefixes) {
    const std::vector<StringCase> cases = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const StringCase& c : cases) {
        SCOPED_TRACE(c.length);
        std::string text(c.length, 'a');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>('a' + i % 26);
        CString s(text);
        Bytes b = Store([&](CArchive& ar) { ar << s; });
        ASSERT_EQ(b.size(), c.prefix.size() + c.length);
        EXPECT_EQ(Bytes(b.begin(), b.begin() + static_cast<long>(c.prefix.size())), c.prefix);
        EXPECT_TRUE(
            std::equal(text.begin(), text.end(), b.begin() + static_cast<long>(c.prefix.size())));
        Load(b, [&](CArchive& ar) {
            CString back("junk");
            ar >> back;
            EXPECT_EQ(back.str(), text);
        });
    }
}

TEST_F(ArchiveTest, StringsKeepCp932Bytes) {
    CString s("\x95\x5C\x8E\xA6"); // "表示"
    Bytes b = Store([&](CArchive& ar) { ar << s << "ab"; });
    EXPECT_EQ(b, (Bytes{4, 0x95, 0x5C, 0x8E, 0xA6, 2, 'a', 'b'}));
}

TEST_F(ArchiveTest, UnicodeStringsAreReadAsCp932) {
    Bytes b;
    Put(b, {0xFF, 0xFE, 0xFF});                  // Unicode marker
    Put(b, {3});                                 // three UTF-16 code units
    Put(b, {'A', 0x00, 0x68, 0x88, 0x3A, 0x79}); // "A表示"
    // The same with the word-length form: 300 units.
    Put(b, {0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
    for (int i = 0; i < 300; ++i)
        Put(b, {'z', 0x00});
    // The dword-length form: 2 units, a character CP932 lacks (U+00E9 é).
    Put(b, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0x02, 0x00, 0x00, 0x00, 0xE9, 0x00, 'b', 0x00});
    Load(b, [](CArchive& ar) {
        CString a, z, e;
        ar >> a >> z >> e;
        EXPECT_EQ(a.str(), "A\x95\x5C\x8E\xA6");
        EXPECT_EQ(z.str(), std::string(300, 'z'));
        EXPECT_EQ(e.str(), "?b");
    });
}

TEST_F(ArchiveTest, ShortStringDataIsEndOfFile) {
    Bytes b{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}; // claims 2 GB
    EXPECT_EQ(LoadCause(b,
                        [](CArchive& ar) {
                            CString s;
                            ar >> s;
                        }),
              CArchiveException::endOfFile);
}

// ---- objects ----

TEST_F(ArchiveTest, ObjectGraphBytesAndIdentity) {
    CObList list;
    auto* a = new CArTestItem(7, "a");
    auto* b = new CArTestItem(8, "bb");
    list.AddTail(a);
    list.AddTail(b);
    list.AddTail(a);
    list.AddTail(nullptr);
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });
    delete a;
    delete b;

    Bytes expected;
    Put16(expected, 4);                      // count
    PutNewClass(expected, 1, "CArTestItem"); // class index 1
    PutItemBody(expected, 7, "a");           // object index 2
    Put16(expected, 0x8001);                 // class met before
    PutItemBody(expected, 8, "bb");          // object index 3
    Put16(expected, 2);                      // a again
    Put16(expected, 0);                      // null
    EXPECT_EQ(bytes, expected);

    CObList back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetCount(), 4);
    POSITION pos = back.GetHeadPosition();
    CObject* a2 = back.GetNext(pos);
    CObject* b2 = back.GetNext(pos);
    CObject* a3 = back.GetNext(pos);
    CObject* n = back.GetNext(pos);
    EXPECT_EQ(a2, a3);
    EXPECT_NE(a2, b2);
    EXPECT_EQ(n, nullptr);
    ASSERT_TRUE(a2->IsKindOf(RUNTIME_CLASS(CArTestItem)));
    EXPECT_EQ(static_cast<CArTestItem*>(a2)->m_value, 7);
    EXPECT_EQ(static_cast<CArTestItem*>(b2)->m_name.str(), "bb");
    DeleteAll(back);
}

TEST_F(ArchiveTest, ReferencesInsideAnObjectResolveToIt) {
    auto* h = new CArTestHolder;
    h->m_label = "h";
    h->m_child = new CArTestItem(1, "c");
    h->m_ref = h; // itself
    CArTestPlain doc;
    Bytes bytes = Store([&](CArchive& ar) { ar << h; }, &doc);
    EXPECT_EQ(h->seenDocument, &doc);
    delete h;

    Bytes expected;
    PutNewClass(expected, 1, "CArTestHolder"); // 1
    Put(expected, {1, 'h'});                   // holder is 2
    PutNewClass(expected, 1, "CArTestItem");   // 3
    PutItemBody(expected, 1, "c");             // child is 4
    Put16(expected, 2);                        // the holder itself
    EXPECT_EQ(bytes, expected);

    CArTestHolder* back = nullptr;
    Load(
        bytes, [&](CArchive& ar) { ar >> back; }, &doc);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->m_ref, back);
    EXPECT_EQ(back->seenDocument, &doc);
    ASSERT_NE(back->m_child, nullptr);
    EXPECT_EQ(static_cast<CArTestItem*>(back->m_child)->m_name.str(), "c");
    delete back;
}

TEST_F(ArchiveTest, BigIndexesRoundTrip) {
    constexpr int kItems = 0x8000;
    std::vector<CArTestItem*> items;
    CObList list;
    for (int i = 0; i < kItems; ++i) {
        items.push_back(new CArTestItem(i, ""));
        list.AddTail(items.back());
    }
    auto* o1 = new CArTestOther;
    auto* o2 = new CArTestOther;
    o1->m_value = 11;
    o2->m_value = 22;
    list.AddTail(o1);            // new class at 0x8002, object 0x8003
    list.AddTail(o2);            // class 0x8002 by big tag, object 0x8004
    list.AddTail(items[0x7FFD]); // object 0x7FFF: big
    list.AddTail(items[0x7FFC]); // object 0x7FFE: still a word
    list.AddTail(o2);            // object 0x8004: big
    Bytes bytes = Store([&](CArchive& ar) { list.Serialize(ar); });

    Bytes tail;
    PutNewClass(tail, 3, "CArTestOther");
    Put32(tail, 11);
    Put16(tail, 0x7FFF);
    Put32(tail, 0x80008002u);
    Put32(tail, 22);
    Put16(tail, 0x7FFF);
    Put32(tail, 0x7FFF);
    Put16(tail, 0x7FFE);
    Put16(tail, 0x7FFF);
    Put32(tail, 0x8004);
    ASSERT_GT(bytes.size(), tail.size());
    EXPECT_EQ(Bytes(bytes.end() - static_cast<long>(tail.size()), bytes.end()), tail);
    Bytes head;
    Put16(head, 0x8005); // the count, still a word
    PutNewClass(head, 1, "CArTestItem");
    PutItemBody(head, 0, "");
    Put16(head, 0x8001);
    PutItemBody(head, 1, "");
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + static_cast<long>(head.size())), head);

    DeleteAll(list);

    CObList back;
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetCount(), kItems + 5);
    std::vector<CObject*> got;
    for (POSITION pos = back.GetHeadPosition(); pos;)
        got.push_back(back.GetNext(pos));
    EXPECT_EQ(static_cast<CArTestItem*>(got[0x7FFD])->m_value, 0x7FFD);
    EXPECT_EQ(got[kItems + 2], got[0x7FFD]);
    EXPECT_EQ(got[kItems + 3], got[0x7FFC]);
    EXPECT_EQ(got[kItems + 4], got[kItems + 1]);
    EXPECT_EQ(static_cast<CArTestOther*>(got[kItems + 1])->m_value, 22);
    EXPECT_TRUE(got[kItems + 1]->IsKindOf(RUNTIME_CLASS(CArTestOther)));
    DeleteAll(back);
}

TEST_F(ArchiveTest, CObListIsAnArchivableObject) {
    CObList list;
    CArTestItem item(5, "x");
    list.AddTail(&item);
    Bytes bytes = Store([&](CArchive& ar) { ar << &list; });
    Bytes expected;
    PutNewClass(expected, 0, "CObList");
    Put16(expected, 1);
    PutNewClass(expected, 1, "CArTestItem");
    PutItemBody(expected, 5, "x");
    EXPECT_EQ(bytes, expected);
    CObList* back = nullptr;
    Load(bytes, [&](CArchive& ar) { ar >> back; });
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->GetCount(), 1);
    DeleteAll(*back);
    delete back;
}

TEST_F(ArchiveTest, VersionableSchemaIsHandedToTheObjectOnce) {
    CArTestVersioned v;
    v.m_a = 3;
    v.m_b = 4;
    Bytes stored = Store([&](CArchive& ar) { ar << &v; });
    Bytes expected;
    PutNewClass(expected, 2, "CArTestVersioned"); // without the versionable flag
    Put32(expected, 3);
    Put32(expected, 4);
    EXPECT_EQ(stored, expected);

    // An older body (schema 1, one field) for two objects of the class.
    Bytes old;
    PutNewClass(old, 1, "CArTestVersioned");
    Put32(old, 9);
    Put16(old, 0x8001);
    Put32(old, 10);
    Load(old, [](CArchive& ar) {
        CArTestVersioned* a = nullptr;
        CArTestVersioned* b = nullptr;
        ar >> a >> b;
        ASSERT_NE(a, nullptr);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(a->m_schema, 1u);
        EXPECT_EQ(a->m_second, static_cast<UINT>(-1));
        EXPECT_EQ(a->m_a, 9);
        EXPECT_EQ(b->m_schema, 1u); // the class's stored schema holds for later objects
        EXPECT_EQ(b->m_a, 10);
        EXPECT_EQ(ar.GetObjectSchema(), static_cast<UINT>(-1));
        delete a;
        delete b;
    });
}

TEST_F(ArchiveTest, VersionableClassRejectsAnUnknownSchema) {
    Bytes b;
    PutNewClass(b, 3, "CArTestVersioned");
    Put32(b, 1);
    Put32(b, 2);
    Put32(b, 3);
    EXPECT_EQ(LoadCause(b,
                        [](CArchive& ar) {
                            CObject* o = nullptr;
                            ar >> o;
                            delete o;
                        }),
              CArchiveException::badSchema);
}

TEST_F(ArchiveTest, NewerSchemaOfAFixedClassIsBadSchema) {
    Bytes b;
    PutNewClass(b, 2, "CArTestItem");
    PutItemBody(b, 1, "a");
    EXPECT_EQ(LoadCause(b, [](CArchive& ar) { ar.ReadObject(nullptr); }),
              CArchiveException::badSchema);
}

TEST_F(ArchiveTest, UnknownClassNameIsBadClass) {
    Bytes b;
    PutNewClass(b, 1, "CNoSuchClass");
    PutItemBody(b, 1, "a");
    EXPECT_EQ(LoadCause(b, [](CArchive& ar) { ar.ReadObject(nullptr); }),
              CArchiveException::badClass);
    // A class that exists but cannot be archived, and an over-long name.
    Bytes c;
    PutNewClass(c, 0xFFFF, "CObject");
    EXPECT_EQ(LoadCause(c, [](CArchive& ar) { ar.ReadObject(nullptr); }),
              CArchiveException::badClass);
    Bytes d;
    PutNewClass(d, 1, std::string(64, 'C'));
    EXPECT_EQ(LoadCause(d, [](CArchive& ar) { ar.ReadObject(nullptr); }),
              CArchiveException::badClass);
}

TEST_F(ArchiveTest, ObjectOfTheWrongClassIsBadClass) {
    CArTestItem item(1, "a");
    Bytes twice = Store([&](CArchive& ar) {
        ar << &item;
        ar << &item;
    });
    // A new object of another class: refused before it is made.
    EXPECT_EQ(LoadCause(twice, [](CArchive& ar) { ar.ReadObject(RUNTIME_CLASS(CArTestOther)); }),
              CArchiveException::badClass);
    EXPECT_EQ(LoadCause(twice,
                        [](CArchive& ar) {
                            CArTestOther* o = nullptr;
                            ar >> o;
                        }),
              CArchiveException::badClass);
    // A reference back to an object of another class.
    EXPECT_EQ(LoadCause(twice,
                        [](CArchive& ar) {
                            CObject* first = ar.ReadObject(nullptr);
                            try {
                                CArTestOther* o = nullptr;
                                ar >> o;
                            } catch (...) {
                                delete first;
                                throw;
                            }
                        }),
              CArchiveException::badClass);
    EXPECT_EQ(LoadCause(twice,
                        [](CArchive& ar) {
                            CObject* first = ar.ReadObject(nullptr);
                            try {
                                ar.ReadObject(RUNTIME_CLASS(CArTestOther));
                            } catch (...) {
                                delete first;
                                throw;
                            }
                        }),
              CArchiveException::badClass);
}

TEST_F(ArchiveTest, CppBasesWithoutClassRecordsCount) {
    CArTestDerived d;
    d.m_base = 42;
    Bytes b = Store([&](CArchive& ar) { ar << &d; });
    Load(b, [](CArchive& ar) {
        CArTestBase* p = nullptr;
        ar >> p;
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(p->m_base, 42);
        delete p;
    });
}

TEST_F(ArchiveTest, BadIndexes) {
    auto readOne = [](CArchive& ar) { delete ar.ReadObject(nullptr); };
    // An object index beyond what was read.
    EXPECT_EQ(LoadCause(Bytes{0x05, 0x00}, readOne), CArchiveException::badIndex);
    // A big object index beyond what was read.
    EXPECT_EQ(LoadCause(Bytes{0xFF, 0x7F, 0x00, 0x00, 0x01, 0x00}, readOne),
              CArchiveException::badIndex);
    // A class index 0, and one beyond the map.
    EXPECT_EQ(LoadCause(Bytes{0x00, 0x80}, readOne), CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(Bytes{0x09, 0x80}, readOne), CArchiveException::badIndex);
    EXPECT_EQ(LoadCause(Bytes{0xFF, 0x7F, 0x09, 0x00, 0x00, 0x80}, readOne),
              CArchiveException::badIndex);

    Bytes item;
    PutNewClass(item, 1, "CArTestItem"); // 1
    PutItemBody(item, 1, "a");           // 2
    auto readTwo = [](CArchive& ar) {
        CObject* first = ar.ReadObject(nullptr);
        try {
            delete ar.ReadObject(nullptr);
        } catch (...) {
            delete first;
            throw;
        }
        delete first;
    };
    // An object index naming the class entry.
    Bytes toClass = item;
    Put16(toClass, 1);
    EXPECT_EQ(LoadCause(toClass, readTwo), CArchiveException::badIndex);
    // A class index naming the object entry.
    Bytes toObject = item;
    Put16(toObject, 0x8002);
    PutItemBody(toObject, 2, "b");
    EXPECT_EQ(LoadCause(toObject, readTwo), CArchiveException::badIndex);
    // ReadClass given an object tag without a place for it.
    EXPECT_EQ(LoadCause(Bytes{0x00, 0x00}, [](CArchive& ar) { ar.ReadClass(); }),
              CArchiveException::badIndex);
    // A reference to an object whose loading failed.
    Bytes failed;
    PutNewClass(failed, 1, "CArTestThrower");
    Put32(failed, 0);
    Put16(failed, 2);
    EXPECT_EQ(LoadCause(failed,
                        [](CArchive& ar) {
                            try {
                                ar.ReadObject(nullptr);
                            } catch (const CArchiveException& e) {
                                EXPECT_EQ(e.m_cause, CArchiveException::genericException);
                            }
                            delete ar.ReadObject(nullptr);
                        }),
              CArchiveException::badIndex);
}

TEST_F(ArchiveTest, ClassesAloneRoundTrip) {
    Bytes b = Store([](CArchive& ar) {
        ar.WriteClass(RUNTIME_CLASS(CArTestItem));
        ar.SerializeClass(RUNTIME_CLASS(CArTestItem));
    });
    Bytes expected;
    PutNewClass(expected, 1, "CArTestItem");
    Put16(expected, 0x8001);
    EXPECT_EQ(b, expected);
    Load(b, [](CArchive& ar) {
        EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject)), RUNTIME_CLASS(CArTestItem));
        EXPECT_EQ(ar.GetObjectSchema(), 1u);
        EXPECT_EQ(ar.ReadClass(), RUNTIME_CLASS(CArTestItem));
    });
}

TEST_F(ArchiveTest, MappedObjectsAreWrittenAsReferences) {
    CArTestItem item(1, "a");
    Bytes b = Store([&](CArchive& ar) {
        ar.MapObject(&item);
        ar << &item;
    });
    EXPECT_EQ(b, (Bytes{0x01, 0x00}));
    Load(b, [&](CArchive& ar) {
        ar.MapObject(&item);
        EXPECT_EQ(ar.ReadObject(nullptr), &item);
    });
}

TEST_F(ArchiveTest, ObjectsThatCannotBeArchivedAreRefused) {
    CArTestPlain plain;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try {
        ar << &plain;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
}

// Every prefix of a valid archive fails with endOfFile, leaks nothing and
// deletes nothing twice (the fixture counts the objects).
TEST_F(ArchiveTest, EveryTruncationIsEndOfFile) {
    CObList list;
    auto* a = new CArTestItem(1, "first");
    auto* h = new CArTestHolder;
    h->m_label = "holder";
    h->m_child = new CArTestItem(2, "child");
    h->m_ref = a;
    auto* v = new CArTestVersioned;
    list.AddTail(a);
    list.AddTail(h);
    list.AddTail(a);
    list.AddTail(v);
    list.AddTail(nullptr);
    Bytes bytes = Store([&](CArchive& ar) {
        list.Serialize(ar);
        ar << CString(std::string(300, 's'));
        ar.WriteCount(0x10000);
    });
    delete a;
    delete h;
    delete v;
    list.RemoveAll();
    ASSERT_EQ(g_live, 0);

    auto readAll = [](CArchive& ar, CObList& into) {
        into.Serialize(ar);
        CString s;
        ar >> s;
        EXPECT_EQ(s.GetLength(), 300);
        EXPECT_EQ(ar.ReadCount(), 0x10000u);
    };
    for (std::size_t n = 0; n < bytes.size(); ++n) {
        SCOPED_TRACE(n);
        Bytes prefix(bytes.begin(), bytes.begin() + static_cast<long>(n));
        CObList into;
        int cause = -1;
        try {
            Load(prefix, [&](CArchive& ar) { readAll(ar, into); });
        } catch (const CArchiveException& e) {
            cause = e.m_cause;
        }
        EXPECT_EQ(cause, CArchiveException::endOfFile);
        DeleteAll(into);
        ASSERT_EQ(g_live, 0);
    }
    CObList whole;
    Load(bytes, [&](CArchive& ar) { readAll(ar, whole); });
    ASSERT_EQ(whole.GetCount(), 5);
    auto* h2 = static_cast<CArTestHolder*>(whole.GetAt(whole.FindIndex(1)));
    EXPECT_EQ(h2->m_ref, whole.GetHead());
    EXPECT_EQ(whole.GetAt(whole.FindIndex(2)), whole.GetHead());
    DeleteAll(whole);
}

TEST_F(ArchiveTest, ReadStopsAtTheEndAndFlushGivesBackTheReadAhead) {
    Bytes data{1, 2, 3, 4, 5, 6};
    CMemFile file(data.data(), static_cast<UINT>(data.size()));
    CArchive ar(&file, CArchive::load);
    BYTE first;
    ar >> first;
    EXPECT_EQ(first, 1);
    EXPECT_FALSE(ar.IsBufferEmpty());
    EXPECT_EQ(file.GetPosition(), 6u); // read ahead
    ar.Flush();
    EXPECT_EQ(file.GetPosition(), 1u);
    BYTE rest[10];
    EXPECT_EQ(ar.Read(rest, 10), 5u);
    EXPECT_EQ(rest[4], 6);
    EXPECT_EQ(ar.Read(rest, 10), 0u);
    int more;
    try {
        ar >> more;
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}

TEST_F(ArchiveTest, LargeWritesAndReadsPassTheBuffer) {
    std::vector<BYTE> big(10000);
    for (std::size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<BYTE>(i * 7);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, 64);
        ar << static_cast<BYTE>(9);
        ar.Write(big.data(), static_cast<UINT>(big.size()));
        ar << static_cast<BYTE>(8);
    } // the destructor writes the rest
    ASSERT_EQ(file.GetLength(), 10002u);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, 64);
    BYTE b;
    ar >> b;
    std::vector<BYTE> back(big.size());
    EXPECT_EQ(ar.Read(back.data(), static_cast<UINT>(back.size())), back.size());
    EXPECT_EQ(back, big);
    ar >> b;
    EXPECT_EQ(b, 8);
}

// The parts of a composite object: read new, owned by the reader, and out
// of the reach of any later reference.
bool IsItem(const CObject* object) {
    return dynamic_cast<const CArTestItem*>(object) != nullptr;
}

TEST(CArchive, OwnedObjectIsLeftOutOfTheLoadedObjectsAndCannotBeReferredTo) {
    CArTestItem item(7, "x");
    const Bytes bytes = Store([&](CArchive& ar) { ar << &item << &item; });
    Load(bytes, [](CArchive& ar) {
        const std::unique_ptr<CObject> owned(ar.ReadOwnedObjectIf(IsItem));
        ASSERT_NE(owned, nullptr);
        EXPECT_EQ(static_cast<CArTestItem*>(owned.get())->m_value, 7);
        EXPECT_TRUE(ar.GetLoadedObjects().empty());
        try {
            ar.ReadObject(nullptr);
            FAIL() << "an owned object was referred to";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
        }
    });
}

TEST(CArchive, ObjectReadBeforeCannotBeTakenAsOwned) {
    CArTestItem item(7, "x");
    const Bytes bytes =
        Store([&](CArchive& ar) { ar << &item << &item << static_cast<const CObject*>(nullptr); });
    Load(bytes, [](CArchive& ar) {
        const std::unique_ptr<CObject> first(ar.ReadObject(nullptr));
        EXPECT_EQ(ar.GetLoadedObjects().size(), 1u);
        for (int i = 0; i < 2; ++i) {
            try {
                ar.ReadOwnedObjectIf(IsItem);
                FAIL() << "a reference back or null was taken as owned";
            } catch (const CArchiveException& e) {
                EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
            }
        }
    });
}

} // namespace

namespace {

// The objects an archive read, freed whether the read failed or not.
int LoadNodesCause(const Bytes& bytes) {
    Bytes copy(bytes);
    CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
    CArchive ar(&file, CArchive::load);
    int cause = -1;
    try {
        CObList list;
        list.Serialize(ar);
    } catch (const CArchiveException& e) {
        cause = e.m_cause;
    }
    for (CObject* object : ar.GetLoadedObjects())
        delete object;
    return cause;
}

// A node that would hold itself, or the node that holds it, while that is
// still being read is refused: its reader may walk its children.
TEST_F(ArchiveTest, WholeObjectsAreNeverOnesStillBeingRead) {
    CArTestNode leaf;
    CArTestNode self;
    self.m_children = {&leaf, &self};
    EXPECT_EQ(LoadNodesCause(Store([&](CArchive& ar) {
                  CObList list;
                  list.AddTail(&self);
                  list.Serialize(ar);
              })),
              CArchiveException::badIndex);

    CArTestNode outer;
    CArTestNode inner;
    outer.m_children = {&inner};
    inner.m_children = {&outer};
    EXPECT_EQ(LoadNodesCause(Store([&](CArchive& ar) {
                  CObList list;
                  list.AddTail(&outer);
                  list.Serialize(ar);
              })),
              CArchiveException::badIndex);

    // A node read to its end may be named again.
    CArTestNode holder;
    holder.m_children = {&leaf};
    EXPECT_EQ(LoadNodesCause(Store([&](CArchive& ar) {
                  CObList list;
                  list.AddTail(&leaf);
                  list.AddTail(&holder);
                  list.Serialize(ar);
              })),
              -1);
}

} // namespace
