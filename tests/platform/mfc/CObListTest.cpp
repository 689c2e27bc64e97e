// Lists of object pointers: positions, insertion and removal, search, and
// the archive form of CObList::Serialize.
#include "platform/mfc/CObList.h"
#include "platform/mfc/CMemFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

class CListTestItem : public CObject {
    DECLARE_SERIAL(CListTestItem)
public:
    CListTestItem() = default;
    explicit CListTestItem(int v) : m_value(v) {}
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_value;
        else
            ar >> m_value;
    }
    int m_value = 0;
};
IMPLEMENT_SERIAL(CListTestItem, CObject, 1)

std::vector<int> Values(CObList& list) {
    std::vector<int> out;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        CObject* o = list.GetNext(pos);
        out.push_back(o ? static_cast<CListTestItem*>(o)->m_value : -1);
    }
    return out;
}

TEST(CObListTest, AddWalkAndRemove) {
    CListTestItem a(1), b(2), c(3), d(4);
    CObList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    list.AddTail(&b);
    list.AddHead(&a);
    POSITION pc = list.AddTail(&c);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.GetCount(), 3);
    EXPECT_EQ(list.GetHead(), &a);
    EXPECT_EQ(list.GetTail(), &c);

    POSITION pos = list.GetTailPosition();
    std::vector<CObject*> back;
    while (pos)
        back.push_back(list.GetPrev(pos));
    EXPECT_EQ(back, (std::vector<CObject*>{&c, &b, &a}));

    list.InsertBefore(pc, &d);                    // 1 2 4 3
    list.InsertAfter(list.GetHeadPosition(), &d); // 1 4 2 4 3
    EXPECT_EQ(Values(list), (std::vector<int>{1, 4, 2, 4, 3}));
    POSITION first = list.Find(&d);
    POSITION second = list.Find(&d, first);
    EXPECT_NE(first, nullptr);
    EXPECT_NE(second, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(list.Find(&d, second), nullptr);
    EXPECT_EQ(list.FindIndex(3), second);
    EXPECT_EQ(list.FindIndex(5), nullptr);
    EXPECT_EQ(list.FindIndex(-1), nullptr);
    list.SetAt(second, &c);
    list.RemoveAt(first); // 1 2 3 3
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 3}));
    EXPECT_EQ(list.RemoveHead(), &a);
    EXPECT_EQ(list.RemoveTail(), &c);
    EXPECT_EQ(Values(list), (std::vector<int>{2, 3}));
    list.InsertBefore(nullptr, &a); // null: at the head
    list.InsertAfter(nullptr, &d);  // null: at the tail
    list.AddTail(nullptr);
    EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3, 4, -1}));
    list.RemoveAll();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(CObListTest, AppendingLists) {
    CListTestItem a(1), b(2);
    CObList x, y;
    x.AddTail(&a);
    y.AddTail(&b);
    x.AddTail(&y);
    x.AddHead(&y);
    EXPECT_EQ(Values(x), (std::vector<int>{2, 1, 2}));
    x.AddTail(&x); // itself
    EXPECT_EQ(Values(x), (std::vector<int>{2, 1, 2, 2, 1, 2}));
    y.AddHead(&y);
    EXPECT_EQ(Values(y), (std::vector<int>{2, 2}));
}

TEST(CObListTest, MisuseThrowsInsteadOfCorrupting) {
    CObList list;
    EXPECT_THROW(list.GetHead(), std::out_of_range);
    EXPECT_THROW(list.GetTail(), std::out_of_range);
    EXPECT_THROW(list.RemoveHead(), std::out_of_range);
    EXPECT_THROW(list.RemoveTail(), std::out_of_range);
    POSITION pos = nullptr;
    EXPECT_THROW(list.GetNext(pos), std::out_of_range);
    EXPECT_THROW(list.GetPrev(pos), std::out_of_range);
    EXPECT_THROW(list.GetAt(nullptr), std::out_of_range);
    EXPECT_THROW(list.RemoveAt(nullptr), std::out_of_range);
    EXPECT_THROW(list.SetAt(nullptr, nullptr), std::out_of_range);
}

TEST(CObListTest, SerializeRoundTrip) {
    CListTestItem a(10), b(20);
    CObList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddTail(&b);
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        list.Serialize(ar);
    }
    const std::vector<BYTE> expected = {
        0x03, 0x00,                                                           // count
        0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00, 'C', 'L',  'i',  's',  't',  'T', // new class
        'e',  's',  't',  'I',  't',  'e',  'm', 0x0A, 0x00, 0x00, 0x00,      // a
        0x01, 0x80, 0x14, 0x00, 0x00, 0x00,                                   // b
        0x03, 0x00};                                                          // b again
    ASSERT_EQ(file.GetLength(), expected.size());
    EXPECT_EQ(std::vector<BYTE>(file.GetBuffer(), file.GetBuffer() + expected.size()), expected);

    file.SeekToBegin();
    CObList back;
    back.AddTail(&a); // loading appends
    {
        CArchive ar(&file, CArchive::load);
        back.Serialize(ar);
    }
    ASSERT_EQ(back.GetCount(), 4);
    EXPECT_EQ(Values(back), (std::vector<int>{10, 10, 20, 20}));
    back.RemoveHead();
    CObject* a2 = back.RemoveHead();
    CObject* b2 = back.RemoveHead();
    EXPECT_EQ(back.GetHead(), b2);
    delete a2;
    delete b2;
}

} // namespace
