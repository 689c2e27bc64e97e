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

} // namespace
