// Finding entities by id: the first entity added under an id keeps it.
#include "entities/CEntityIdIndex.h"

#include "entities/CRukLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CRukLine WithId(const char* id) {
    CRukLine line;
    line.m_id = id;
    return line;
}

TEST(CEntityIdIndexTest, FirstEntityOfAnIdWinsAndEmptyIdsAreNotIndexed) {
    CRukLine first = WithId("1F");
    CRukLine second = WithId("1F");
    CRukLine other = WithId("1f");
    CRukLine unnamed = WithId("");
    CEntityIdIndex index;
    for (CRukLine* line : {&first, &second, &other, &unnamed})
        index.Add(line);
    EXPECT_EQ(index.Find("1F"), &first);
    EXPECT_EQ(index.Find("1f"), &other);
    EXPECT_EQ(index.Find(""), nullptr);
    EXPECT_EQ(index.Find("2A"), nullptr);
    index.Clear();
    EXPECT_EQ(index.Find("1F"), nullptr);
}

// Entities added after a look-up are found too, and an id already found
// stays with the entity that had it first.
TEST(CEntityIdIndexTest, EntitiesAddedAfterALookUpAreFound) {
    CRukLine first = WithId("20");
    CRukLine later = WithId("21");
    CRukLine again = WithId("20");
    CEntityIdIndex index;
    index.Add(&first);
    EXPECT_EQ(index.Find("21"), nullptr);
    index.Add(&later);
    index.Add(&again);
    EXPECT_EQ(index.Find("21"), &later);
    EXPECT_EQ(index.Find("20"), &first);
    index.Clear();
    index.Add(&again);
    EXPECT_EQ(index.Find("20"), &again);
}

// A long drawing: ids repeat every 300 entities, so each id's first owner
// sits far ahead of its later ones, and the second half is added after a
// look-up has filed the first.
TEST(CEntityIdIndexTest, LongDrawingKeepsEachIdWithItsFirstEntity) {
    constexpr int count = 2000;
    constexpr int distinct = 300;
    std::vector<CRukLine> lines(count);
    for (int i = 0; i < count; ++i)
        lines[static_cast<std::size_t>(i)].m_id = std::to_string(i % distinct).c_str();
    CEntityIdIndex index;
    for (int i = 0; i < count / 2; ++i)
        index.Add(&lines[static_cast<std::size_t>(i)]);
    EXPECT_EQ(index.Find("299"), &lines[299]);
    for (int i = count / 2; i < count; ++i)
        index.Add(&lines[static_cast<std::size_t>(i)]);
    for (int id = 0; id < distinct; ++id)
        EXPECT_EQ(index.Find(std::to_string(id).c_str()), &lines[static_cast<std::size_t>(id)])
            << "id " << id;
    EXPECT_EQ(index.Find(std::to_string(distinct).c_str()), nullptr);
}

} // namespace
