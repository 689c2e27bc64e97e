// The list's own node storage: elements with a destructor live exactly as
// long as they are in the list, and positions stay put while other
// elements come and go, however often nodes are given back and taken again.
#include "platform/mfc/CList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts the copies alive, to find an element destroyed twice or never.
class Counted {
public:
    explicit Counted(int value = 0) : m_value(value) { ++s_alive; }
    Counted(const Counted& other) : m_value(other.m_value) { ++s_alive; }
    Counted& operator=(const Counted&) = default;
    ~Counted() { --s_alive; }

    int Value() const { return m_value; }
    static int Alive() { return s_alive; }

private:
    int m_value;
    static inline int s_alive = 0;
};

using CountedList = CList<Counted, const Counted&>;

std::vector<int> Values(const CountedList& list) {
    std::vector<int> values;
    for (POSITION position = list.GetHeadPosition(); position;)
        values.push_back(list.GetNext(position).Value());
    return values;
}

TEST(CListTest, ElementsLiveExactlyWhileListedThroughRemovalAndReuse) {
    {
        CountedList list;
        std::vector<POSITION> positions;
        for (int i = 0; i < 1000; ++i)
            positions.push_back(list.AddTail(Counted(i)));
        EXPECT_EQ(Counted::Alive(), 1000);
        // Every other element goes; the freed nodes are taken again by new
        // elements at the head.
        for (int i = 0; i < 1000; i += 2)
            list.RemoveAt(positions[static_cast<std::size_t>(i)]);
        EXPECT_EQ(Counted::Alive(), 500);
        for (int i = 0; i < 300; ++i)
            list.AddHead(Counted(-i));
        EXPECT_EQ(Counted::Alive(), 800);
        std::vector<int> expected;
        for (int i = 299; i >= 0; --i)
            expected.push_back(-i);
        for (int i = 1; i < 1000; i += 2)
            expected.push_back(i);
        EXPECT_EQ(Values(list), expected);
        // The positions kept of the elements left still name them.
        for (int i = 1; i < 1000; i += 2)
            EXPECT_EQ(list.GetAt(positions[static_cast<std::size_t>(i)]).Value(), i);
    }
    EXPECT_EQ(Counted::Alive(), 0);
}

TEST(CListTest, EmptiedListTakesNewElementsAndRemoveAllDestroysThem) {
    CList<std::string> list;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 50; ++i)
            list.AddTail(std::string(40, static_cast<char>('a' + i % 26)));
        EXPECT_EQ(list.GetCount(), 50);
        EXPECT_EQ(list.GetHead(), std::string(40, 'a'));
        // Emptied one element at a time, then all at once.
        if (round % 2 == 0) {
            while (!list.IsEmpty())
                list.RemoveHead();
        } else {
            list.RemoveAll();
        }
        EXPECT_EQ(list.GetHeadPosition(), nullptr);
        EXPECT_EQ(list.GetTailPosition(), nullptr);
    }
    list.AddTail("last");
    EXPECT_EQ(list.RemoveTail(), "last");
    EXPECT_TRUE(list.IsEmpty());
}

} // namespace
