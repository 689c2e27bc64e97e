// Dash lengths of the line types: the two screen rules, the document's own
// line types, the printer rules and the pattern factor.
#include "entities/CDashRules.h"
#include "entities/CDashTable.h"
#include "tests/entities/FakeDocument.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

struct Result {
    bool dashed;
    std::vector<DWORD> dashes;
};

bool operator==(const Result& a, const Result& b) {
    return a.dashed == b.dashed && a.dashes == b.dashes;
}

void PrintTo(const Result& r, std::ostream* out) {
    *out << (r.dashed ? "dashed {" : "solid {");
    for (DWORD d : r.dashes)
        *out << d << ",";
    *out << "}";
}

enum class Rule { Screen, PrinterPen, PrinterEmulation };

Result Compute(const CEntityDocument& document, Rule rule, int lineType, int lineTypeScale,
               const CDashScaling& scaling) {
    const CDashRules rules(document);
    CDashArray dashes{};
    int count = -1;
    bool dashed = false;
    switch (rule) {
    case Rule::Screen:
        dashed = rules.ForScreen(lineType, lineTypeScale, scaling, dashes, count);
        break;
    case Rule::PrinterPen:
        dashed = rules.ForPrinterPen(lineType, lineTypeScale, scaling, dashes, count);
        break;
    case Rule::PrinterEmulation:
        dashed = rules.ForPrinterEmulation(lineType, lineTypeScale, scaling, dashes, count);
        break;
    }
    return Result{dashed, std::vector<DWORD>(dashes.begin(), dashes.begin() + count)};
}

struct DashCase {
    const char* name;
    Rule rule;
    int lineType;
    int lineTypeScale;
    CDashScaling scaling;
    Result expected;
};

std::ostream& operator<<(std::ostream& out, const DashCase& c) {
    return out << c.name;
}

class DashLengths : public testing::TestWithParam<DashCase> {
protected:
    void SetUp() override {
        m_document.m_linePatterns.emplace_back(1000, std::vector<LONG>{20, -10});
        m_document.m_linePatterns.emplace_back(1001, std::vector<LONG>{20, 0, 5, 5});
        m_document.m_linePatterns.emplace_back(1002, std::vector<LONG>{});
    }
    FakeDocument m_document;
};

TEST_P(DashLengths, FollowTheRules) {
    const DashCase& c = GetParam();
    EXPECT_EQ(Compute(m_document, c.rule, c.lineType, c.lineTypeScale, c.scaling), c.expected);
}

constexpr CDashScaling kUnit{};
constexpr CDashScaling kFlagClear{.penScaleFlag = 0, .widthBase = 10000};

INSTANTIATE_TEST_SUITE_P(
    Screen, DashLengths,
    testing::Values(
        // trunc(f x s x (scale x length) x 0.1)
        DashCase{"Type2", Rule::Screen, 2, 1000, kUnit, {true, {6600, 2500}}},
        DashCase{"FactorAndScale",
                 Rule::Screen,
                 2,
                 1000,
                 {.scale = 3.0, .factor = 0.5},
                 {true, {9900, 3750}}},
        DashCase{"Type5At300IsSolid", Rule::Screen, 5, 300, kUnit, {false, {}}},
        DashCase{"Type5At301IsDashed", Rule::Screen, 5, 301, kUnit, {true, {30, 993}}},
        DashCase{"Type6At100IsSolid", Rule::Screen, 6, 100, kUnit, {false, {}}},
        DashCase{"Type6At101IsDashed", Rule::Screen, 6, 101, kUnit, {true, {10, 656}}},
        DashCase{"Type200", Rule::Screen, 200, 10, kUnit, {true, {130, 90}}},
        DashCase{"SixValues", Rule::Screen, 11, 10, kUnit, {true, {162, 30, 33, 30, 33, 30}}},
        // The dot of type 17 truncates to 0: with the flag set the line is solid.
        DashCase{
            "ZeroWithFlagIsSolid", Rule::Screen, 17, 1000, {.scale = 0.001}, {false, {6, 3, 1, 3}}},
        // trunc(coefficient x (base x length) / 3000): 0.65, 0.33, 0.01 become 1.
        DashCase{"ZeroWithoutFlagStaysDashed",
                 Rule::Screen,
                 17,
                 1000,
                 {.penScaleFlag = 0, .widthBase = 30},
                 {true, {1, 1, 1, 1}}},
        DashCase{"WidthBaseRule", Rule::Screen, 2, 1000, kFlagClear, {true, {220, 83}}},
        DashCase{"Coefficient",
                 Rule::Screen,
                 2,
                 1000,
                 {.penScaleFlag = 0, .coefficient = 1.5, .widthBase = 10000},
                 {true, {330, 125}}},
        DashCase{"OwnTypeWithoutPatternIsSolid", Rule::Screen, 1003, 1000, kUnit, {false, {}}},
        // A negative (gap) length counts by its size.
        DashCase{"OwnType", Rule::Screen, 1000, 1000, kUnit, {true, {2000, 1000}}},
        DashCase{"OwnTypeNeedsTheFlag", Rule::Screen, 1000, 1000, kFlagClear, {false, {}}},
        DashCase{"OwnTypeWithZeroIsSolid",
                 Rule::Screen,
                 1001,
                 1000,
                 kUnit,
                 {false, {2000, 1, 500, 500}}},
        DashCase{"OwnTypeWithoutValuesIsSolid", Rule::Screen, 1002, 1000, kUnit, {false, {}}},
        DashCase{"NoLine", Rule::Screen, 0, 1000, kUnit, {false, {}}},
        DashCase{"Solid", Rule::Screen, 1, 1000, kUnit, {false, {}}},
        DashCase{"WideLine", Rule::Screen, 100, 1000, kUnit, {false, {}}},
        DashCase{"UnknownType", Rule::Screen, 26, 1000, kUnit, {false, {}}},
        // Huge scales saturate; NaN gives 0, stored as 1, which makes it solid.
        DashCase{"HugeScaleSaturates",
                 Rule::Screen,
                 2,
                 1000,
                 {.scale = 1e30},
                 {true, {0x7FFFFFFF, 0x7FFFFFFF}}},
        DashCase{"NaNScaleIsSolid",
                 Rule::Screen,
                 2,
                 1000,
                 {.scale = std::numeric_limits<double>::quiet_NaN()},
                 {false, {1, 1}}}));

INSTANTIATE_TEST_SUITE_P(
    Printer, DashLengths,
    testing::Values(
        // trunc(f x (s x (scale / d x (length x 0.1))) x 100 + 0.5)
        DashCase{"PenType2", Rule::PrinterPen, 2, 500, {.divisor = 100}, {true, {3300, 1250}}},
        // trunc(coefficient x (s x (length x 0.1 / d)) x 100000 + 0.5): no line-type scale.
        DashCase{"PenWithoutFlag",
                 Rule::PrinterPen,
                 2,
                 500,
                 {.penScaleFlag = 0, .divisor = 100},
                 {true, {6600, 2500}}},
        // 1.82 and 1.19 fall below 2.
        DashCase{
            "PenBelowTwoIsSolid", Rule::PrinterPen, 2, 1000, {.scale = 0.002}, {false, {1, 1}}},
        // 4.4 and 2.3: 2 is long enough.
        DashCase{"PenTwoIsDashed", Rule::PrinterPen, 3, 1000, {.scale = 0.003}, {true, {4, 2}}},
        DashCase{"PenKeepsTheThreshold", Rule::PrinterPen, 5, 300, kUnit, {false, {}}},
        // The gap: trunc(-100 + 0.5) = -99, then made positive.
        DashCase{"PenOwnType", Rule::PrinterPen, 1000, 1000, kUnit, {true, {200, 99}}},
        DashCase{"PenOwnTypeNeedsTheFlag",
                 Rule::PrinterPen,
                 1000,
                 1000,
                 {.penScaleFlag = 0},
                 {false, {}}},
        DashCase{
            "DivisorZeroCountsAsOne", Rule::PrinterPen, 2, 1, {.divisor = 0}, {true, {660, 250}}},
        // Without thresholds: 3.5 and 99.5.
        DashCase{"EmulationType5At300", Rule::PrinterEmulation, 5, 300, kUnit, {true, {3, 99}}},
        DashCase{"EmulationIgnoresTheFlag",
                 Rule::PrinterEmulation,
                 2,
                 500,
                 {.penScaleFlag = 0, .divisor = 100},
                 {true, {3300, 1250}}},
        // trunc(f x (s x (v x 10 x (scale x 0.001))) x 100 + 0.5): no divisor.
        DashCase{"EmulationOwnType",
                 Rule::PrinterEmulation,
                 1000,
                 1000,
                 {.divisor = 100},
                 {true, {20000, 9999}}},
        DashCase{"EmulationSolid", Rule::PrinterEmulation, 1, 1000, kUnit, {false, {}}}));

TEST(DashRules, TheFlagChoosesTheAdjustableTable) {
    FakeDocument document;
    ASSERT_TRUE(document.m_dashTable.Set(2, {100, 50}));
    EXPECT_EQ(Compute(document, Rule::Screen, 2, 10, kUnit), (Result{true, {100, 50}}));
    EXPECT_EQ(Compute(document, Rule::Screen, 2, 1000, kFlagClear), (Result{true, {220, 83}}));
    EXPECT_EQ(Compute(document, Rule::PrinterEmulation, 2, 1000, {.penScaleFlag = 0}),
              (Result{true, {1000, 500}}));
}

TEST(DashRules, UseTheFirst32ValuesOfALongerPattern) {
    FakeDocument document;
    std::vector<LONG> lengths;
    for (LONG i = 1; i <= 40; ++i)
        lengths.push_back(i);
    document.m_linePatterns.emplace_back(1000, lengths);
    ASSERT_TRUE(document.m_dashTable.Set(3, lengths));
    for (int lineType : {3, 1000}) {
        const Result result = Compute(document, Rule::Screen, lineType, 10, kUnit);
        EXPECT_TRUE(result.dashed);
        ASSERT_EQ(result.dashes.size(), 32u);
        EXPECT_EQ(result.dashes.front(), 1u);
        EXPECT_EQ(result.dashes.back(), 32u);
    }
}

TEST(DashRules, NegativeTableLengthsCountByTheirSize) {
    FakeDocument document;
    ASSERT_TRUE(document.m_dashTable.Set(8, {600, -250, 1, -250}));
    EXPECT_EQ(Compute(document, Rule::Screen, 8, 10, kUnit), (Result{true, {600, 250, 1, 250}}));
}

struct FactorCase {
    double scale;
    int scaleMode;
    int scaleMarkups;
    double expected;
};

class PatternFactor : public testing::TestWithParam<FactorCase> {};

TEST_P(PatternFactor, FollowsTheMeasurementSettings) {
    const FactorCase& c = GetParam();
    EXPECT_DOUBLE_EQ(CDashRules::PatternFactor(c.scale, c.scaleMode, c.scaleMarkups), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PatternFactor,
                         testing::Values(FactorCase{2.0, 1, 1, 2.0},
                                         FactorCase{2.0, 0, 1, 2.0 * 0.03937007874015748},
                                         FactorCase{2.0, 1, 0, 1.0},
                                         FactorCase{2.0, 0, 0, 0.03937007874015748}));

TEST(DashTable, SetsAndResetsItsEntries) {
    CDashTable table;
    EXPECT_EQ(*table.Find(8), (std::vector<LONG>{325, 60, 65, 60}));
    EXPECT_EQ(*table.Find(25), (std::vector<LONG>{260, 130, 1, 130, 1, 130}));
    EXPECT_EQ(*table.Find(200), (std::vector<LONG>{130, 90}));
    EXPECT_EQ(table.Find(1), nullptr);
    EXPECT_EQ(table.Find(26), nullptr);
    EXPECT_FALSE(table.Set(26, {1, 2}));

    EXPECT_TRUE(table.Set(14, {7, 8}));
    EXPECT_EQ(*table.Find(14), (std::vector<LONG>{7, 8}));
    EXPECT_EQ(*CDashTable::Standard().Find(14), (std::vector<LONG>{33, 14}));
    table.Reset();
    EXPECT_EQ(*table.Find(14), (std::vector<LONG>{33, 14}));
}

} // namespace
