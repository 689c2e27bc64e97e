#include "plugins/dxf/CDxfTextDecoder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

CString Decode(bool utf8, std::string_view value) {
    CDxfTextDecoder decoder;
    decoder.SetUtf8(utf8);
    return decoder.Decode(value);
}

TEST(DxfTextDecoder, Utf8BecomesCp932) {
    // 図面枠
    EXPECT_EQ(Decode(true, "\xE5\x9B\xB3\xE9\x9D\xA2\xE6\x9E\xA0").str(),
              "\x90\x7D\x96\xCA\x98\x67");
}

TEST(DxfTextDecoder, CharacterCp932LacksBecomesQuestionMark) {
    EXPECT_EQ(Decode(true, "Euro\xE2\x82\xAC!").str(), "Euro?!");
}

TEST(DxfTextDecoder, EscapesAreConvertedInBothKindsOfFile) {
    // \U+56F3 is 図.
    EXPECT_EQ(Decode(false, "A\\U+56F3B").str(), "A\x90\x7D"
                                                 "B");
    EXPECT_EQ(Decode(true, "A\\U+56f3B").str(), "A\x90\x7D"
                                                "B");
    EXPECT_EQ(Decode(false, "\\U+20AC").str(), "?");
}

TEST(DxfTextDecoder, IncompleteEscapeStaysText) {
    EXPECT_EQ(Decode(false, "\\U+56").str(), "\\U+56");
    EXPECT_EQ(Decode(false, "\\U+56G3").str(), "\\U+56G3");
}

TEST(DxfTextDecoder, TrailByteBackslashStartsNoEscape) {
    // 表 is 0x95 0x5C: its trail byte is a backslash.
    const std::string text = "\x95\x5CU+0041";
    EXPECT_EQ(Decode(false, text).str(), text);
}

TEST(DxfTextDecoder, OlderFilesKeepTheirCp932Bytes) {
    EXPECT_EQ(Decode(false, "\x90\x7D\x96\xCA").str(), "\x90\x7D\x96\xCA");
    EXPECT_EQ(Decode(false, "Walls").str(), "Walls");
}

struct PageCase {
    const char* name;
    std::string page;
    std::string value;
    std::string cp932;
};

class DrawingCodePage : public ::testing::TestWithParam<PageCase> {};

// Texts of a drawing in a Western page must not turn into half-width kana.
TEST_P(DrawingCodePage, DecodesTheTextsOfOlderFiles) {
    CDxfTextDecoder decoder;
    decoder.SetCodePage(GetParam().page);
    EXPECT_EQ(decoder.Decode(GetParam().value).str(), GetParam().cp932);
}

INSTANTIATE_TEST_SUITE_P(
    DxfTextDecoder, DrawingCodePage,
    ::testing::Values(
        // °, ± and é: the last has no CP932 character.
        PageCase{"Western", "ANSI_1252", "45\xB0 \xB1 caf\xE9", "45\x81\x8B \x81\x7D caf?"},
        PageCase{"WesternInLowerCase", "ansi_1252", "\xB0", "\x81\x8B"},
        // А and я.
        PageCase{"Cyrillic", "ANSI_1251", "\xC0\xFF", "\x84\x40\x84\x91"},
        PageCase{"DosPage", "DOS850", "\xF8", "\x81\x8B"},
        PageCase{"EscapeInAWesternFile", "ANSI_1252", "\\U+56F3\xB0", "\x90\x7D\x81\x8B"},
        PageCase{"Japanese", "ANSI_932", "\x90\x7D\xB0", "\x90\x7D\xB0"},
        PageCase{"OtherTwoBytePage", "ANSI_936", "\x90\x7D", "\x90\x7D"},
        PageCase{"Unknown", "ANSI_99999", "\x90\x7D", "\x90\x7D"},
        PageCase{"NotAPage", "ANSI_1252x", "\x90\x7D", "\x90\x7D"},
        PageCase{"None", "", "\x90\x7D", "\x90\x7D"}),
    [](const auto& info) { return info.param.name; });

TEST(DxfTextDecoder, Utf8FilesIgnoreTheirCodePage) {
    CDxfTextDecoder decoder;
    decoder.SetUtf8(true);
    decoder.SetCodePage("ANSI_1252");
    EXPECT_EQ(decoder.Decode("\xC2\xB0").str(), "\x81\x8B");
}

} // namespace
