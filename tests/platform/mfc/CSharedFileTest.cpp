// Memory files over global memory blocks, as the undo snapshots use them.
#include "platform/mfc/CSharedFile.h"
#include "platform/mfc/CArchive.h"
#include "platform/mfc/CObList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>

namespace {

class CSharedTestItem : public CObject {
    DECLARE_SERIAL(CSharedTestItem)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value << m_text;
        else
            ar >> m_value >> m_text;
    }
    int m_value = 0;
    CString m_text;
};
IMPLEMENT_SERIAL(CSharedTestItem, CObject, 1)

// The snapshot steps of the undo records: store a list, flush, detach, unlock.
HGLOBAL MakeSnapshot(CObList& list) {
    CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, 4096);
    CArchive ar(&file, CArchive::store, 4096);
    list.Serialize(ar);
    ar.Flush();
    HGLOBAL h = file.Detach();
    GlobalUnlock(h);
    return h;
}

TEST(CSharedFileTest, SnapshotRoundTripKeepsTheBlock) {
    CSharedTestItem a, b;
    a.m_value = 1;
    a.m_text = "first";
    b.m_value = 2;
    b.m_text = CString(std::string(5000, 'x')); // more than one grow step
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&a);
    HGLOBAL h = MakeSnapshot(list);
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 0u);
    // Exactly the data: count, class, two bodies, one reference.
    std::size_t expected = 2 + (2 + 2 + 2 + 15) + (4 + 1 + 5) + 2 + (4 + 3 + 5000) + 2;
    EXPECT_EQ(GlobalSize(h), expected);

    for (int round = 0; round < 2; ++round) {
        CSharedFile file;
        file.SetHandle(h, FALSE);
        EXPECT_EQ(file.GetLength(), expected);
        CObList back;
        {
            CArchive ar(&file, CArchive::load, 4096);
            back.Serialize(ar);
        }
        ASSERT_EQ(back.GetCount(), 3);
        auto* a2 = static_cast<CSharedTestItem*>(back.GetHead());
        auto* b2 = static_cast<CSharedTestItem*>(back.GetAt(back.FindIndex(1)));
        EXPECT_EQ(back.GetTail(), a2);
        EXPECT_EQ(a2->m_text.str(), "first");
        EXPECT_EQ(b2->m_text.GetLength(), 5000);
        delete a2;
        delete b2;
        EXPECT_EQ(file.Detach(), h); // the record keeps it
        GlobalUnlock(h);
        EXPECT_EQ(GlobalSize(h), expected);
    }
    EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(CSharedFileTest, BlockGrowsInSteps) {
    CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE, 4096);
    EXPECT_EQ(file.GetBufferSize(), 0u);
    char data[5000] = {};
    file.Write(data, 10);
    EXPECT_EQ(file.GetBufferSize(), 4096u);
    file.Write(data, 5000);
    EXPECT_EQ(file.GetBufferSize(), 8192u);
    EXPECT_EQ(file.GetLength(), 5010u);
    HGLOBAL h = file.Detach();
    EXPECT_EQ(GlobalSize(h), 5010u);
    EXPECT_EQ(GlobalFlags(h) & GMEM_LOCKCOUNT, 1u); // locked once, as the class library leaves it
    EXPECT_EQ(file.GetLength(), 0u);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST(CSharedFileTest, DestroyingFreesTheHeldBlock) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 3);
    std::memcpy(GlobalLock(h), "abc", 3);
    GlobalUnlock(h);
    {
        CSharedFile file;
        file.SetHandle(h);
        char buf[8] = {};
        EXPECT_EQ(file.Read(buf, 8), 3u);
        EXPECT_STREQ(buf, "abc");
        file.Write("de", 2); // grows the same block
        EXPECT_EQ(file.GetLength(), 5u);
    }
    EXPECT_EQ(GlobalFlags(h), GMEM_INVALID_HANDLE);
}

TEST(CSharedFileTest, FixedBlockDoesNotGrow) {
    HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, 4);
    CSharedFile file;
    file.SetHandle(h, FALSE);
    file.Write("abcd", 4);
    try {
        file.Write("e", 1);
        FAIL();
    } catch (const CFileException& e) {
        EXPECT_EQ(e.m_cause, CFileException::diskFull);
    }
    EXPECT_EQ(file.GetLength(), 4u);
    EXPECT_EQ(file.Detach(), h);
    EXPECT_EQ(GlobalSize(h), 4u);
    auto* p = static_cast<const char*>(GlobalLock(h));
    EXPECT_EQ(std::memcmp(p, "abcd", 4), 0);
    GlobalUnlock(h);
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST(CSharedFileTest, EmptyFilesAndBadHandles) {
    CSharedFile file;
    HGLOBAL h = file.Detach(); // nothing written: a zero-byte block
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(GlobalSize(h), 0u);
    // A zero-byte block taken over grows as needed.
    file.SetHandle(h);
    file.Write("xy", 2);
    EXPECT_EQ(file.Detach(), h);
    EXPECT_EQ(GlobalSize(h), 2u);
    GlobalUnlock(h);
    GlobalFree(h);

    EXPECT_THROW(file.SetHandle(nullptr), std::invalid_argument);
    EXPECT_THROW(file.SetHandle(h), std::invalid_argument); // freed
}

} // namespace
