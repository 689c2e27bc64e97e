// Finding entities by id: the first entity added under an id keeps it.
#include "entities/CEntityIdIndex.h"

#include "entities/CRukLine.h"

#include <gtest/gtest.h>

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

} // namespace
