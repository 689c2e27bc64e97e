#include "entities/CChildForest.h"
#include "entities/CRukGroup.h"
#include "entities/CRukLine.h"
#include "tests/support/CpuClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <functional>
#include <ostream>
#include <vector>

namespace {

// Groups and lines made for one case; the case links them.
struct Entities {
    std::deque<CRukGroup> groups;
    std::deque<CRukLine> lines;
    std::vector<const CRukEntity*> all;

    CRukGroup& Group() {
        all.push_back(&groups.emplace_back());
        return groups.back();
    }
    CRukLine& Line() {
        all.push_back(&lines.emplace_back());
        return lines.back();
    }
    // Groups each holding the one made before; the last holds a line.
    CRukGroup& Chain(int length) {
        CRukEntity* below = &Line();
        for (int i = 0; i < length; ++i) {
            CRukGroup& group = Group();
            group.AddChild(below);
            below = &group;
        }
        return groups.back();
    }
};

struct ForestCase {
    const char* name;
    std::function<void(Entities&)> build;
    bool sound;
};

// Failures name the case, not its pointers.
void PrintTo(const ForestCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ChildForestTest : public ::testing::TestWithParam<ForestCase> {};

TEST_P(ChildForestTest, ChildListsAreJudged) {
    Entities entities;
    GetParam().build(entities);
    EXPECT_EQ(CChildForest::IsSound(entities.all), GetParam().sound);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ChildForestTest,
    ::testing::Values(ForestCase{"Empty", [](Entities&) {}, true},
                      ForestCase{"GroupOfTwoLines",
                                 [](Entities& e) {
                                     CRukGroup& group = e.Group();
                                     group.AddChild(&e.Line());
                                     group.AddChild(&e.Line());
                                 },
                                 true},
                      ForestCase{"GroupInAGroup",
                                 [](Entities& e) {
                                     CRukGroup& inner = e.Group();
                                     inner.AddChild(&e.Line());
                                     e.Group().AddChild(&inner);
                                 },
                                 true},
                      ForestCase{"ChildTwiceInOneList",
                                 [](Entities& e) {
                                     CRukGroup& group = e.Group();
                                     CRukLine& line = e.Line();
                                     group.AddChild(&line);
                                     group.AddChild(&line);
                                 },
                                 false},
                      ForestCase{"ChildOfTwoGroups",
                                 [](Entities& e) {
                                     CRukLine& line = e.Line();
                                     e.Group().AddChild(&line);
                                     e.Group().AddChild(&line);
                                 },
                                 false},
                      ForestCase{"GroupInItself",
                                 [](Entities& e) { e.Group().AddChild(&e.groups.back()); }, false},
                      ForestCase{"TwoGroupsInEachOther",
                                 [](Entities& e) {
                                     CRukGroup& first = e.Group();
                                     CRukGroup& second = e.Group();
                                     first.AddChild(&second);
                                     second.AddChild(&first);
                                 },
                                 false},
                      ForestCase{"ChainAtTheDepthLimit",
                                 [](Entities& e) { e.Chain(CChildForest::kMaxDepth); }, true},
                      ForestCase{"ChainBeyondTheDepthLimit",
                                 [](Entities& e) { e.Chain(CChildForest::kMaxDepth + 1); }, false},
                      ForestCase{"ChildReachedOnlyThroughAList",
                                 [](Entities& e) {
                                     // The group alone is given; its child is found by the walk.
                                     CRukLine& line = e.lines.emplace_back();
                                     CRukGroup& group = e.Group();
                                     group.AddChild(&line);
                                     group.AddChild(&line);
                                 },
                                 false}),
    [](const ::testing::TestParamInfo<ForestCase>& info) { return info.param.name; });

TEST(ChildForestTest, SharedChildrenFortyLevelsDeepAreJudgedAtOnce) {
    // Each group lists the one below twice: 2^40 paths to the bottom line.
    Entities entities;
    CRukEntity* below = &entities.Line();
    for (int i = 0; i < 40; ++i) {
        CRukGroup& group = entities.Group();
        group.AddChild(below);
        group.AddChild(below);
        below = &group;
    }
    const auto start = CpuClock::now();
    EXPECT_FALSE(CChildForest::IsSound(entities.all));
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(1));
}

TEST(ChildForestTest, ALongRefusedChainTakesLinearTime) {
    Entities entities;
    entities.Chain(20000);
    const auto start = CpuClock::now();
    EXPECT_FALSE(CChildForest::IsSound(entities.all));
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(1));
}

} // namespace
