// Growable arrays: the class library's growth rule, range checks, and the
// archive bytes of plain-data arrays.
#include "platform/mfc/CArray.h"
#include "platform/mfc/CMemFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

template <class F> Bytes Store(F write) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
    }
    Bytes out(static_cast<std::size_t>(file.GetLength()));
    file.SeekToBegin();
    file.Read(out.data(), static_cast<UINT>(out.size()));
    return out;
}

template <class F> void Load(Bytes bytes, F read) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    read(ar);
}

TEST(CArrayTest, AutomaticGrowth) {
    CArray<POINT> a;
    EXPECT_EQ(a.GetGrowBy(), 0);
    // The first allocation is exact; then size/8 clamped to 4..1024.
    const std::vector<INT_PTR> expected = {1, 5, 5, 5, 5, 9, 9, 9, 9, 13};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(a.Add(POINT{static_cast<LONG>(i), 0}), static_cast<INT_PTR>(i));
        EXPECT_EQ(a.GetAllocSize(), expected[i]) << i;
    }
    CArray<int, int> b;
    b.SetSize(100);
    EXPECT_EQ(b.GetAllocSize(), 100);
    b.Add(1);
    EXPECT_EQ(b.GetAllocSize(), 112); // 100 / 8 = 12
    b.SetSize(20000);                 // more than a step: exactly the size
    EXPECT_EQ(b.GetAllocSize(), 20000);
    b.Add(1);
    EXPECT_EQ(b.GetAllocSize(), 21024); // clamped to 1024
    b.SetSize(10);                      // shrinking keeps the allocation
    EXPECT_EQ(b.GetAllocSize(), 21024);
    b.FreeExtra();
    EXPECT_EQ(b.GetAllocSize(), 10);
    b.Add(1);
    EXPECT_EQ(b.GetAllocSize(), 14); // 10 / 8 = 1, clamped to 4
    b.RemoveAll();
    EXPECT_EQ(b.GetAllocSize(), 0);
    EXPECT_EQ(b.GetData(), nullptr);
}

TEST(CArrayTest, SetGrowBy) {
    CDWordArray a;
    a.SetSize(0, 10);
    EXPECT_EQ(a.GetGrowBy(), 10);
    a.Add(1);
    EXPECT_EQ(a.GetAllocSize(), 10); // max(size, grow-by)
    for (int i = 0; i < 10; ++i)
        a.Add(static_cast<DWORD>(i));
    EXPECT_EQ(a.GetAllocSize(), 20);
    a.SetSize(50);
    EXPECT_EQ(a.GetAllocSize(), 50);
    EXPECT_EQ(a.GetAt(49), 0u); // new elements are zero
    a.SetSize(51, -1);          // -1 keeps the grow-by
    EXPECT_EQ(a.GetAllocSize(), 60);
}

TEST(CArrayTest, ElementOperations) {
    CArray<int, int> a;
    for (int i = 0; i < 5; ++i)
        a.Add(i * 10); // 0 10 20 30 40
    EXPECT_EQ(a.GetSize(), 5);
    EXPECT_EQ(a.GetUpperBound(), 4);
    a.InsertAt(1, 5);     // 0 5 10 20 30 40
    a.InsertAt(0, -1, 2); // -1 -1 0 5 10 20 30 40
    a.RemoveAt(2, 2);     // -1 -1 10 20 30 40
    a.SetAt(0, 7);        // 7 -1 10 20 30 40
    a[1] = 8;             // 7 8 10 20 30 40
    a.ElementAt(2) += 1;  // 7 8 11 20 30 40
    a.SetAtGrow(8, 99);   // ... 40 0 0 99
    EXPECT_EQ(a.GetSize(), 9);
    const std::vector<int> expected = {7, 8, 11, 20, 30, 40, 0, 0, 99};
    for (INT_PTR i = 0; i < a.GetSize(); ++i)
        EXPECT_EQ(a[i], expected[static_cast<std::size_t>(i)]) << i;
    a.InsertAt(12, 5); // past the end: grows
    EXPECT_EQ(a.GetSize(), 13);
    EXPECT_EQ(a[11], 0);
    EXPECT_EQ(a[12], 5);

    CArray<int, int> b;
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 13);
    EXPECT_EQ(b.Append(a), 13);
    EXPECT_EQ(b.GetSize(), 26);
    EXPECT_EQ(b[13], 7);
    EXPECT_EQ(b.Append(b), 26); // itself
    EXPECT_EQ(b.GetSize(), 52);
    EXPECT_EQ(b[51], 5);
    b.InsertAt(1, &a);
    EXPECT_EQ(b.GetSize(), 65);
    EXPECT_EQ(b[1], 7);
    EXPECT_EQ(b[14], 8);

    CArray<int, int> c(a); // copies like a value
    c[0] = 1000;
    EXPECT_EQ(a[0], 7);
}

TEST(CArrayTest, AddingAnElementOfTheArrayItself) {
    CStringArray a;
    a.Add(CString("first"));
    for (int i = 0; i < 100; ++i)
        a.Add(a[0]); // the reference is used before the array moves
    EXPECT_EQ(a[100].str(), "first");
}

TEST(CArrayTest, OutOfRangeThrows) {
    CArray<int, int> a;
    a.Add(1);
    EXPECT_THROW(a.GetAt(1), std::out_of_range);
    EXPECT_THROW(a.GetAt(-1), std::out_of_range);
    EXPECT_THROW(a.SetAt(5, 1), std::out_of_range);
    EXPECT_THROW(a.ElementAt(1), std::out_of_range);
    EXPECT_THROW(a[2], std::out_of_range);
    EXPECT_THROW(a.RemoveAt(1), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(0, 2), std::out_of_range);
    EXPECT_THROW(a.RemoveAt(-1), std::out_of_range);
    EXPECT_THROW(a.SetSize(-1), std::out_of_range);
    EXPECT_THROW(a.SetAtGrow(-1, 0), std::out_of_range);
    EXPECT_THROW(a.InsertAt(-1, 0), std::out_of_range);
    EXPECT_EQ(a.GetSize(), 1);
    EXPECT_EQ(a[0], 1);
}

TEST(CArrayTest, PointsSerializeAsCountThenRawElements) {
    CArray<POINT> points;
    points.Add(POINT{1, -2});
    points.Add(POINT{0x12345678, 3});
    Bytes bytes = Store([&](CArchive& ar) { points.Serialize(ar); });
    EXPECT_EQ(bytes, (Bytes{0x02, 0x00, 0x01, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56,
                            0x34, 0x12, 0x03, 0x00, 0x00, 0x00}));
    CArray<POINT> back;
    back.Add(POINT{9, 9});
    Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
    ASSERT_EQ(back.GetSize(), 2);
    EXPECT_EQ(back[0].y, -2);
    EXPECT_EQ(back[1].x, 0x12345678);
}

TEST(CArrayTest, OtherElementTypesSerialize) {
    CDWordArray d;
    d.Add(0xA1B2C3D4);
    CArray<double, double> g;
    g.Add(0.5);
    CStringArray s;
    s.Add(CString("ab"));
    s.Add(CString(""));
    CWordArray w;
    Bytes bytes = Store([&](CArchive& ar) {
        d.Serialize(ar);
        g.Serialize(ar);
        s.Serialize(ar);
        w.Serialize(ar);
    });
    Bytes expected = {0x01, 0x00, 0xD4, 0xC3, 0xB2, 0xA1, 0x01, 0x00, 0,   0,    0,    0,
                      0,    0,    0xE0, 0x3F, 0x02, 0x00, 0x02, 'a',  'b', 0x00, 0x00, 0x00};
    EXPECT_EQ(bytes, expected);
    CDWordArray d2;
    CArray<double, double> g2;
    CStringArray s2;
    CWordArray w2;
    Load(bytes, [&](CArchive& ar) {
        d2.Serialize(ar);
        g2.Serialize(ar);
        s2.Serialize(ar);
        w2.Serialize(ar);
    });
    EXPECT_EQ(d2[0], 0xA1B2C3D4u);
    EXPECT_EQ(g2[0], 0.5);
    EXPECT_EQ(s2[0].str(), "ab");
    EXPECT_EQ(s2.GetSize(), 2);
    EXPECT_EQ(w2.GetSize(), 0);
}

TEST(CArrayTest, CorruptCountIsEndOfFileWithoutAHugeAllocation) {
    // Claims 0x7FFFFFFF points; has one.
    Bytes bytes = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1, 0, 0, 0, 2, 0, 0, 0};
    CArray<POINT> back;
    try {
        Load(bytes, [&](CArchive& ar) { back.Serialize(ar); });
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    EXPECT_LE(back.GetAllocSize(), 4096);
}

} // namespace
