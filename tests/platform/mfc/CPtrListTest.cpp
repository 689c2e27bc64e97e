// Lists of untyped pointers share the list of object pointers' behaviour.
#include "platform/mfc/CPtrList.h"

#include <gtest/gtest.h>

namespace {

TEST(CPtrListTest, BasicOperations) {
    int a = 1, b = 2, c = 3;
    CPtrList list;
    list.AddTail(&a);
    list.AddTail(&b);
    list.AddHead(&c);
    list.AddTail(nullptr);
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetHead(), &c);
    EXPECT_EQ(list.GetTail(), nullptr);
    EXPECT_EQ(list.Find(&b), list.FindIndex(2));
    list.RemoveAt(list.Find(&b));
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        void* p = list.GetNext(pos);
        if (p)
            sum += *static_cast<int*>(p);
    }
    EXPECT_EQ(sum, 4);
    CPtrList other;
    other.AddTail(&list);
    EXPECT_EQ(other.GetCount(), 3);
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CPtrList)));
    EXPECT_FALSE(list.IsSerializable());
}

} // namespace
