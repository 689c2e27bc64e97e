#include "ui/CMeasureFormat.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    const char* name;
    int unit;
    int lengthDigits;
    double ratio;
    bool area;
    double value;
    const char* expected;
};

class MeasureValueTextTest : public testing::TestWithParam<ValueCase> {};

TEST_P(MeasureValueTextTest, ConvertsRoundsAndNamesTheUnit) {
    const ValueCase& c = GetParam();
    CMeasureFormat::Options options;
    options.unit = c.unit;
    options.lengthDigits = c.lengthDigits;
    options.ratio = c.ratio;
    const CMeasureFormat::Texts texts =
        CMeasureFormat::Values(options, {0, 0}, {0, 0}, c.value, 0, c.area);
    EXPECT_EQ(texts.value, QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureValueTextTest,
    testing::Values(ValueCase{"mm_two_digits", 0, 2, 1.0, false, 1234.5, "1234.50 mm"},
                    ValueCase{"mm_whole_hundreds", 0, -2, 1.0, false, 1234.5, "1200 mm"},
                    ValueCase{"mm_hundreds_round_up", 0, -2, 1.0, false, 1250.0, "1300 mm"},
                    ValueCase{"mm_whole_tens", 0, -1, 1.0, false, 1234.5, "1230 mm"},
                    ValueCase{"cm_one_digit", 1, 1, 1.0, false, 1234.5, "123.5 cm"},
                    ValueCase{"m_three_digits", 2, 3, 1.0, false, 1234.5, "1.234 m"},
                    ValueCase{"m_tens_of_the_unconverted", 2, -1, 1.0, false, 1234.5, "1 m"},
                    ValueCase{"scale_one_to_hundred", 2, 2, 100.0, false, 12.5, "1.25 m"},
                    ValueCase{"area_mm", 0, 0, 1.0, true, 250000.0, "250000 m㎡"},
                    ValueCase{"area_cm", 1, 2, 1.0, true, 250000.0, "2500.00 c㎡"},
                    ValueCase{"area_m", 2, 3, 1.0, true, 2500000.0, "2.500 ㎡"},
                    ValueCase{"area_scaled_squares_the_ratio", 2, 1, 10.0, true, 10000.0, "1.0 ㎡"},
                    ValueCase{"area_hundreds", 0, -2, 1.0, true, 149.0, "100 m㎡"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

TEST(MeasureTextsTest, PointsAndOffsetFollowUnitAndScaleWithAtLeastNoDecimals) {
    CMeasureFormat::Options options;
    options.unit = CMeasureFormat::kCentimetre;
    options.lengthDigits = -2;
    options.angleDigits = 2;
    options.ratio = 2.0;
    const CMeasureFormat::Texts texts =
        CMeasureFormat::Values(options, {10.0, 20.0}, {110.0, -30.0}, 0, 270.0, false);
    // cm at 1 : 2 divides by 10 / 2 = 5.
    EXPECT_EQ(texts.start, QStringLiteral("(2, 4)"));
    EXPECT_EQ(texts.end, QStringLiteral("(22, -6)"));
    EXPECT_EQ(texts.offset, QStringLiteral("x = 20, y = -10"));
    EXPECT_EQ(texts.angle, QStringLiteral("270.00 （度）"));
}

struct PlaceholderCase {
    const char* name;
    int lengthDigits;
    int angleDigits;
    int kind;
    const char* value;
    const char* start;
    const char* angle;
};

class MeasurePlaceholderTest : public testing::TestWithParam<PlaceholderCase> {};

TEST_P(MeasurePlaceholderTest, DashesFollowTheDigits) {
    const PlaceholderCase& c = GetParam();
    CMeasureFormat::Options options;
    options.lengthDigits = c.lengthDigits;
    options.angleDigits = c.angleDigits;
    const CMeasureFormat::Texts texts = CMeasureFormat::Placeholders(options, c.kind);
    EXPECT_EQ(texts.value, QString::fromUtf8(c.value));
    EXPECT_EQ(texts.start, QString::fromUtf8(c.start));
    EXPECT_EQ(texts.end, QString::fromUtf8(c.start));
    EXPECT_EQ(texts.angle, QString::fromUtf8(c.angle));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasurePlaceholderTest,
    testing::Values(
        PlaceholderCase{"distance_two", 2, 1, 0, "-.-- mm", "(-.--, -.--)", "-.- （度）"},
        PlaceholderCase{"area_three", 3, 0, 1, "-.--- m㎡", "(-.---, -.---)", "- （度）"},
        PlaceholderCase{"negative_digits", -2, 3, 0, "- mm", "(-, -)", "-.--- （度）"},
        PlaceholderCase{"no_kind_no_unit", 1, 2, -1, "-.- ", "(-.-, -.-)", "-.-- （度）"}),
    [](const testing::TestParamInfo<PlaceholderCase>& info) {
        return std::string(info.param.name);
    });

} // namespace
