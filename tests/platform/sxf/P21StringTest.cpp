// Strings of ".p21" files with their escapes, turned into CP932.

#include "platform/mfc/Cp932.h"
#include "platform/sxf/CP21String.h"
#include "platform/sxf/CSfcParameters.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

struct StringCase {
    const char* name;
    std::string written;
    std::string text; // UTF-8
};

void PrintTo(const StringCase& c, std::ostream* out) {
    *out << c.name;
}

class P21StringCases : public ::testing::TestWithParam<StringCase> {};

TEST_P(P21StringCases, DecodesToCp932) {
    EXPECT_EQ(CP21String::Decode(GetParam().written), Cp932::FromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, P21StringCases,
    ::testing::Values(
        StringCase{"Plain", "abc 1.5", "abc 1.5"}, StringCase{"DoubledApostrophe", "It''s", "It's"},
        StringCase{"DoubledBackslash", "a\\\\b", "a\\b"},
        // 表 and ソ end in 0x5C in CP932: still one character each.
        StringCase{"Ucs2Run", "\\X2\\5BF86CD5886830BD\\X0\\", "寸法表ソ"},
        StringCase{"Ucs2RunBetweenAscii", "\\X2\\FF2DFF33\\X0\\ \\X2\\30B430B730C330AF\\X0\\",
                   "ＭＳ ゴシック"},
        StringCase{"EmptyUcs2Run", "a\\X2\\\\X0\\b", "ab"}, StringCase{"Latin1Hex", "\\X\\B1", "±"},
        StringCase{"PageShift", "R\\S\\10.5", "R±0.5"}, StringCase{"PageDirective", "\\PA\\x", "x"},
        StringCase{"Ucs4Run", "\\X4\\00005BF8\\X0\\", "寸"},
        StringCase{"CharacterCp932Lacks", "\\X2\\00E9\\X0\\", "?"},
        StringCase{"RawCp932Passes", "\x95\x5C", "表"}),
    [](const ::testing::TestParamInfo<StringCase>& info) { return std::string(info.param.name); });

class P21BrokenStrings : public ::testing::TestWithParam<StringCase> {};

TEST_P(P21BrokenStrings, AreRefused) {
    EXPECT_THROW(CP21String::Decode(GetParam().written), CSfcError);
}

INSTANTIATE_TEST_SUITE_P(Escapes, P21BrokenStrings,
                         ::testing::Values(StringCase{"UnclosedUcs2Run", "\\X2\\5BF8", ""},
                                           StringCase{"OddUcs2Digits", "\\X2\\5BF\\X0\\", ""},
                                           StringCase{"NoHexDigits", "\\X2\\GGGG\\X0\\", ""},
                                           StringCase{"ShortLatin1Hex", "\\X\\B", ""},
                                           StringCase{"PageShiftAtTheEnd", "\\S\\", ""},
                                           StringCase{"UnknownEscape", "\\Q\\", ""},
                                           StringCase{"LoneBackslash", "a\\", ""}),
                         [](const ::testing::TestParamInfo<StringCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
