// Entities are made and deleted through their own operators, also when they
// are deleted as the objects the document's lists hold.
#include "entities/CRukInsert.h"
#include "entities/CRukLine.h"
#include "entities/CRukText.h"
#include "platform/mfc/AddressSanitizer.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#if ZUMEO_ADDRESS_SANITIZER
// The sanitizer's answer whether a block came from its heap (its own header
// is not installed with every compiler).
extern "C" int __sanitizer_get_ownership(const volatile void* pointer);
#endif

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

namespace {

// The leak checker sees only the blocks of its own heap: in the sanitizer
// build an entity that a failed read forgets must show as a leak, so
// entities come from that heap there instead of from the small-block arena.
TEST(CRukEntityAllocationTest, UnderTheAddressSanitizerEntitiesComeFromItsHeap) {
#if ZUMEO_ADDRESS_SANITIZER
    const auto line = std::make_unique<CRukLine>();
    const auto text = std::make_unique<CRukText>();
    EXPECT_NE(__sanitizer_get_ownership(line.get()), 0);
    EXPECT_NE(__sanitizer_get_ownership(text.get()), 0);
#else
    GTEST_SKIP() << "not a sanitizer build";
#endif
}

} // namespace
