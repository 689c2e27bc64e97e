// Entities are made and deleted through their own operators, also when they
// are deleted as the objects the document's lists hold.
#include "entities/CRukInsert.h"
#include "entities/CRukLine.h"
#include "entities/CRukText.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CRukEntityAllocationTest, EntitiesOfEverySizeAreDeletedThroughTheirBase) {
    std::vector<CObject*> objects;
    for (int i = 0; i < 3000; ++i) {
        CRukEntity* entity = nullptr;
        if (i % 3 == 0)
            entity = new CRukLine;
        else if (i % 3 == 1)
            entity = new CRukText;
        else
            entity = new CRukInsert;
        entity->m_x1 = i;
        entity->m_layerName = "a layer name longer than a short string keeps inside itself";
        objects.push_back(entity);
    }
    for (int i = 0; i < 3000; ++i)
        EXPECT_EQ(static_cast<CRukEntity*>(objects[static_cast<std::size_t>(i)])->m_x1, i);
    for (CObject* object : objects)
        delete object;
}

} // namespace
