#include "plugins/dxf/DxfNumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cmath>
#include <string>

namespace {

struct DoubleCase {
    const char* text;
    double value;
};

class DxfDouble : public ::testing::TestWithParam<DoubleCase> {};

TEST_P(DxfDouble, ReadsTheLongestNumericPrefix) {
    EXPECT_EQ(DxfToDouble(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(DxfNumber, DxfDouble,
                         ::testing::Values(DoubleCase{"1.5", 1.5}, DoubleCase{"  -2.25", -2.25},
                                           DoubleCase{"\t+3", 3.0}, DoubleCase{"1e3", 1000.0},
                                           DoubleCase{".5", 0.5}, DoubleCase{"12abc", 12.0},
                                           DoubleCase{"1.5,7", 1.5}, DoubleCase{"abc", 0.0},
                                           DoubleCase{"", 0.0}, DoubleCase{"+-1", 0.0},
                                           DoubleCase{"1e-999", 0.0}));

TEST(DxfNumber, HugeDoubleIsInfinite) {
    EXPECT_EQ(DxfToDouble("1e999"), HUGE_VAL);
    EXPECT_EQ(DxfToDouble("-1e999"), -HUGE_VAL);
}

TEST(DxfNumber, DoubleIgnoresACommaLocale) {
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) {
        GTEST_SKIP() << "no German locale";
    }
    const double value = DxfToDouble("1.25");
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(value, 1.25);
}

struct IntCase {
    const char* text;
    int value;
};

class DxfInt : public ::testing::TestWithParam<IntCase> {};

TEST_P(DxfInt, ReadsAsAtoiWithSaturation) {
    EXPECT_EQ(DxfToInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(DxfNumber, DxfInt,
                         ::testing::Values(IntCase{"42", 42}, IntCase{"  -7", -7}, IntCase{"+5", 5},
                                           IntCase{"3.9", 3}, IntCase{"x", 0}, IntCase{"", 0},
                                           IntCase{"256", 256}, IntCase{"99999999999", INT_MAX},
                                           IntCase{"-99999999999", INT_MIN},
                                           IntCase{"123456789012345678901234", INT_MAX}));

} // namespace
