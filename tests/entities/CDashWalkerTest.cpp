// Walking dash patterns along chains of device points.
#include "entities/CDashWalker.h"
#include "tests/entities/PointPrinting.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<POINT>;
using Runs = std::vector<std::pair<int, int>>;

Points Segments(const std::vector<DPOINT>& chain, const std::vector<DWORD>& dashes) {
    return CDashWalker::Segments(chain.data(), static_cast<int>(chain.size()), dashes.data(),
                                 static_cast<int>(dashes.size()));
}

struct SegmentCase {
    const char* name;
    std::vector<DPOINT> chain;
    std::vector<DWORD> dashes;
    Points expected;
};

std::ostream& operator<<(std::ostream& out, const SegmentCase& c) {
    return out << c.name;
}

class DashSegments : public testing::TestWithParam<SegmentCase> {};

TEST_P(DashSegments, PairUpAsDashPieces) {
    const SegmentCase& c = GetParam();
    EXPECT_EQ(Segments(c.chain, c.dashes), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DashSegments,
    testing::Values(
        // The second dash crosses the corner: 3 units before it, 1 after.
        SegmentCase{"DashAcrossAVertex",
                    {{0, 0}, {10, 0}, {10, 10}},
                    {4, 3},
                    {{0, 0}, {4, 0}, {7, 0}, {10, 0}, {10, 0}, {10, 1}, {10, 4}, {10, 8}}},
        SegmentCase{"ZeroLengthSegmentsSkipped",
                    {{0, 0}, {0, 0}, {10, 0}, {10, 0}},
                    {4, 3},
                    {{0, 0}, {4, 0}, {7, 0}, {10, 0}}},
        // A gap that ends on the corner is not taken again after it.
        SegmentCase{"EntryEndingOnAVertex",
                    {{0, 0}, {10, 0}, {10, 10}},
                    {5, 5},
                    {{0, 0}, {5, 0}, {10, 0}, {10, 5}}},
        // Along (0.6, 0.8): 10, 25 and 35 units.
        SegmentCase{"Diagonal", {{0, 0}, {30, 40}}, {10, 15}, {{0, 0}, {6, 8}, {15, 20}, {21, 28}}},
        // Adding 0.5 and truncating moves negative whole numbers toward zero.
        SegmentCase{"Leftward", {{0, 0}, {-10, 0}}, {3, 2}, {{0, 0}, {-2, 0}, {-4, 0}, {-7, 0}}},
        // Rounding adds 0.5 and truncates: -0.6 and -0.8 give 0.
        SegmentCase{"RoundingOfNegatives", {{0, 0}, {-3, -4}}, {1, 4}, {{0, 0}, {0, 0}}},
        // An odd pattern repeats with dashes and gaps swapped: 2 1 3 | 2 1 3.
        SegmentCase{
            "OddPattern",
            {{0, 0}, {20, 0}},
            {2, 1, 3},
            {{0, 0}, {2, 0}, {3, 0}, {6, 0}, {8, 0}, {9, 0}, {12, 0}, {14, 0}, {15, 0}, {18, 0}}},
        SegmentCase{"SingleValue",
                    {{0, 0}, {20, 0}},
                    {4},
                    {{0, 0}, {4, 0}, {8, 0}, {12, 0}, {16, 0}, {20, 0}}},
        SegmentCase{"OnePoint", {{0, 0}}, {4, 3}, {}},
        SegmentCase{"PatternWithoutLength", {{0, 0}, {20, 0}}, {0, 0}, {}},
        SegmentCase{"NoPattern", {{0, 0}, {20, 0}}, {}, {}}));

TEST(DashSegments, StopAtTheGuardWithCompletePairs) {
    const std::vector<DPOINT> chain = {{0, 0}, {1e12, 0}};
    const Points points = Segments(chain, {1, 2});
    EXPECT_EQ(static_cast<INT_PTR>(points.size()), CDashWalker::kMaxPoints);
    EXPECT_EQ(points[points.size() - 2].x + 1, points.back().x);
}

TEST(DashSegments, SkipUnusablePoints) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(Segments({{0, 0}, {infinity, 0}, {10, 0}}, {4, 3}), Points{});
}

struct StepCase {
    const char* name;
    std::vector<DPOINT> chain;
    Points expected;
};

std::ostream& operator<<(std::ostream& out, const StepCase& c) {
    return out << c.name;
}

class UnitSteps : public testing::TestWithParam<StepCase> {};

TEST_P(UnitSteps, LieOneUnitApart) {
    const StepCase& c = GetParam();
    EXPECT_EQ(CDashWalker::UnitSteps(c.chain.data(), static_cast<int>(c.chain.size())), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UnitSteps,
    testing::Values(
        // The last step of a segment may pass its end by less than a unit.
        StepCase{
            "Corner", {{0, 0}, {3, 0}, {3, 2.5}}, {{1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}, {3, 3}}},
        StepCase{"Diagonal", {{0, 0}, {3, 4}}, {{1, 1}, {1, 2}, {2, 2}, {2, 3}, {3, 4}}},
        StepCase{"ShortSegment", {{0, 0}, {0.25, 0}}, {{1, 0}}},
        StepCase{"RepeatedPoint", {{5, 5}, {5, 5}}, {}}));

class StepRuns : public testing::Test {
protected:
    static Runs Of(int steps, const std::vector<DWORD>& dashes) {
        return CDashWalker::StepRuns(steps, dashes.data(), static_cast<int>(dashes.size()));
    }
};

TEST_F(StepRuns, AlternateDashesAndGaps) {
    EXPECT_EQ(Of(20, {4, 3}), (Runs{{0, 4}, {7, 11}, {14, 18}}));
    // The last run is cut at the last step.
    EXPECT_EQ(Of(17, {4, 3}), (Runs{{0, 4}, {7, 11}, {14, 16}}));
}

TEST_F(StepRuns, WrapAnOddPatternInsteadOfReadingPastIt) {
    // Pairs (3, 1), (2, 3), (1, 2), (3, 1), ...
    EXPECT_EQ(Of(20, {3, 1, 2}), (Runs{{0, 3}, {4, 6}, {9, 10}, {12, 15}, {16, 18}}));
}

TEST_F(StepRuns, EdgeCases) {
    EXPECT_EQ(Of(1, {4, 3}), Runs{});
    EXPECT_EQ(Of(0, {4, 3}), Runs{});
    EXPECT_EQ(Of(5, {0, 0}), (Runs{{0, 4}}));
    // A zero dash draws nothing, the walk still moves on.
    EXPECT_EQ(Of(12, {0, 2, 3, 1}), (Runs{{2, 5}, {8, 11}}));
}

} // namespace
