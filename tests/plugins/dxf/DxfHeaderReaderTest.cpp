#include "plugins/dxf/CDxfHeaderReader.h"

#include "plugins/dxf/CDxfFile.h"
#include "plugins/dxf/CDxfProgress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ScaleCase {
    double minX, minY, maxX, maxY;
    unsigned scale;
};

class HeaderScale : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(HeaderScale, IsTheSmallestPowerOfTenPast297000Units) {
    const ScaleCase& c = GetParam();
    EXPECT_EQ(CDxfHeaderReader::ScaleForExtents(c.minX, c.minY, c.maxX, c.maxY), c.scale);
}

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    DxfHeader, HeaderScale,
    ::testing::Values(ScaleCase{0, 0, 420, 297, 1000}, ScaleCase{0, 0, 100000, 50000, 10},
                      ScaleCase{0, 0, 1, 1, 1000000}, ScaleCase{0, 0, 0.001, 0.001, 100000000},
                      ScaleCase{0, 0, 1e-9, 1e-9, 100000000}, ScaleCase{0, 0, 297000, 10, 10},
                      ScaleCase{0, 0, 297001, 10, 1}, ScaleCase{-50, -20, 50, 400, 1000},
                      ScaleCase{0, 0, 0, 0, 1000}, ScaleCase{5, 5, 1, 1, 1000},
                      ScaleCase{0, 0, Nan, Nan, 1000}, ScaleCase{0, 0, Inf, 1, 1}));

CDxfHeader ReadHeader(const std::string& variables, std::string* rest = nullptr) {
    CDxfFile file(variables);
    CDxfProgress progress(nullptr);
    CDxfHeader header;
    CDxfHeaderReader::Read(file, progress, header);
    if (rest) {
        CDxfGroup group;
        *rest = file.ReadGroup(group) ? std::string(group.value) : std::string();
    }
    return header;
}

TEST(DxfHeader, ReadsTheVariablesTheConversionKeeps) {
    const CDxfHeader header = ReadHeader("  9\n$LTSCALE\n 40\n2.5\n  9\n$MEASUREMENT\n 70\n1\n"
                                         "  9\n$PDMODE\n 70\n35\n  9\n$PDSIZE\n 40\n-0.75\n"
                                         "  9\n$EXTMIN\n 10\n-10\n 20\n-10\n 30\n0\n"
                                         "  9\n$EXTMAX\n 10\n90\n 20\n40\n 30\n0\n  0\nENDSEC\n");
    EXPECT_EQ(header.lineTypeScale, 2.5);
    EXPECT_EQ(header.measurement, 1);
    EXPECT_EQ(header.pointMode, 35);
    EXPECT_EQ(header.pointSize, -0.75);
    EXPECT_EQ(header.scale, 10000u);
    EXPECT_FALSE(header.utf8);
}

TEST(DxfHeader, ValueWithAnotherCodeIsNotUsed) {
    const CDxfHeader header =
        ReadHeader("  9\n$LTSCALE\n 70\n5\n  9\n$PDMODE\n 40\n3\n  0\nENDSEC\n");
    EXPECT_EQ(header.lineTypeScale, 1.0);
    EXPECT_EQ(header.pointMode, 0);
}

TEST(DxfHeader, Utf8FromAc1021On) {
    const auto utf8 = [](const char* version) {
        return ReadHeader(std::string("  9\n$ACADVER\n  1\n") + version + "\n  0\nENDSEC\n").utf8;
    };
    EXPECT_FALSE(utf8("AC1009"));
    EXPECT_FALSE(utf8("AC1018"));
    EXPECT_TRUE(utf8("AC1021"));
    EXPECT_TRUE(utf8("AC1032"));
    EXPECT_FALSE(utf8("R12"));
}

TEST(DxfHeader, SectionWithoutEndLeavesTheNextSectionToTheCaller) {
    std::string rest;
    const CDxfHeader header =
        ReadHeader("  9\n$LTSCALE\n 40\n3\n  0\nSECTION\n  2\nENTITIES\n", &rest);
    EXPECT_EQ(header.lineTypeScale, 3.0);
    EXPECT_EQ(rest, "SECTION");
}

} // namespace
