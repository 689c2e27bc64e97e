// The children of groups and block references: positions walk them both
// ways in order, and removing one keeps the order of the others.
#include "entities/CChildList.h"
#include "entities/CRukLine.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

std::vector<const CRukEntity*> Forward(const CChildList& list) {
    std::vector<const CRukEntity*> children;
    for (POSITION position = list.GetHeadPosition(); position;)
        children.push_back(list.GetNext(position));
    return children;
}

std::vector<const CRukEntity*> Backward(const CChildList& list) {
    std::vector<const CRukEntity*> children;
    for (POSITION position = list.GetTailPosition(); position;)
        children.push_back(list.GetPrev(position));
    return children;
}

TEST(CChildListTest, PositionsWalkBothWaysAndRemovalKeepsTheOrder) {
    std::array<CRukLine, 4> lines;
    CChildList list;
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
    EXPECT_EQ(list.GetFirst(), nullptr);
    for (CRukLine& line : lines)
        list.Add(&line);
    list.Fit();
    EXPECT_EQ(list.GetCount(), 4);
    EXPECT_EQ(Forward(list),
              (std::vector<const CRukEntity*>{&lines[0], &lines[1], &lines[2], &lines[3]}));
    EXPECT_EQ(Backward(list),
              (std::vector<const CRukEntity*>{&lines[3], &lines[2], &lines[1], &lines[0]}));

    EXPECT_TRUE(list.Remove(&lines[1]));
    EXPECT_FALSE(list.Remove(&lines[1]));
    EXPECT_EQ(Forward(list), (std::vector<const CRukEntity*>{&lines[0], &lines[2], &lines[3]}));
    EXPECT_EQ(Backward(list), (std::vector<const CRukEntity*>{&lines[3], &lines[2], &lines[0]}));
    EXPECT_TRUE(list.Remove(&lines[0]));
    EXPECT_EQ(list.GetFirst(), &lines[2]);
    EXPECT_TRUE(list.Remove(&lines[2]));
    EXPECT_TRUE(list.Remove(&lines[3]));
    EXPECT_EQ(list.GetHeadPosition(), nullptr);
    EXPECT_EQ(list.GetTailPosition(), nullptr);
}

} // namespace
