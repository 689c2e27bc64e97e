// The value classes CPtBuffer and CRectObj.
#include <gtest/gtest.h>

#include <memory>

#include "geometry/CPtBuffer.h"
#include "geometry/CRectObj.h"

TEST(CPtBufferTest, StartsEmpty) {
    CPtBuffer buffer;
    EXPECT_EQ(buffer.GetData(), nullptr);
    EXPECT_EQ(buffer.GetCount(), 0);
    EXPECT_EQ(buffer.GetAllocated(), 0);
    EXPECT_TRUE(buffer.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(buffer.IsKindOf(RUNTIME_CLASS(CPtBuffer)));
    EXPECT_STREQ(buffer.GetRuntimeClass()->m_lpszClassName, "CPtBuffer");
}

TEST(CPtBufferTest, AllocateGivesZeroedPointsAndFreeEmpties) {
    CPtBuffer buffer;
    POINT* p = buffer.Allocate(5);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(buffer.GetCount(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buffer[i].x, 0);
        EXPECT_EQ(buffer[i].y, 0);
    }
    p[4] = POINT{7, 8};
    EXPECT_EQ(buffer[4].y, 8);
    EXPECT_NE(buffer.Allocate(3), nullptr); // the old buffer is freed
    EXPECT_EQ(buffer.GetCount(), 3);
    buffer.Free();
    EXPECT_EQ(buffer.GetData(), nullptr);
    EXPECT_EQ(buffer.GetCount(), 0);
    EXPECT_EQ(buffer.GetAllocated(), 0);
}

TEST(CPtBufferTest, BadSizesAreRefused) {
    CPtBuffer buffer;
    buffer.Allocate(4);
    EXPECT_EQ(buffer.Allocate(0), nullptr);
    EXPECT_EQ(buffer.GetCount(), 0);
    EXPECT_EQ(buffer.Allocate(-1), nullptr);
    EXPECT_EQ(buffer.Allocate(CPtBuffer::kMaxPoints + 1), nullptr);
    EXPECT_EQ(buffer.GetData(), nullptr);
}

TEST(CPtBufferTest, AddGrowsAndKeepsThePoints) {
    CPtBuffer buffer;
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(buffer.Add(i, -i), 1);
    EXPECT_EQ(buffer.GetCount(), 1000);
    EXPECT_GE(buffer.GetAllocated(), 1000);
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(buffer[i].x, i);
        EXPECT_EQ(buffer[i].y, -i);
    }
}

// Counts its destructions, so deleting through CObject shows whether the
// buffer's destructor ran.
class CountedPtBuffer final : public CPtBuffer {
public:
    explicit CountedPtBuffer(int& destroyed) : m_destroyed(destroyed) {}
    ~CountedPtBuffer() override { ++m_destroyed; }

private:
    int& m_destroyed;
};

TEST(CPtBufferTest, DeletedThroughTheBase) {
    int destroyed = 0;
    std::unique_ptr<CObject> object(new CountedPtBuffer(destroyed));
    static_cast<CPtBuffer*>(object.get())->Allocate(10);
    object.reset();
    EXPECT_EQ(destroyed, 1);
}

TEST(CRectObjTest, HoldsFourValues) {
    const CRectObj r(1, -2, 3, -4);
    EXPECT_EQ(r.m_left, 1);
    EXPECT_EQ(r.m_top, -2);
    EXPECT_EQ(r.m_right, 3);
    EXPECT_EQ(r.m_bottom, -4);
    const RECT rc = r.ToRect();
    EXPECT_EQ(rc.left, 1);
    EXPECT_EQ(rc.bottom, -4);
    const CRectObj s(RECT{5, 6, 7, 8});
    EXPECT_EQ(s.m_right, 7);
    CRectObj copy = s;
    EXPECT_EQ(copy.m_bottom, 8);
    EXPECT_TRUE(r.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_STREQ(r.GetRuntimeClass()->m_lpszClassName, "CRectObj");
    EXPECT_FALSE(r.IsSerializable());
}
