#include "platform/mfc/CString.h"
#include "platform/mfc/Cp932.h"

#include <gtest/gtest.h>

#include <QString>

namespace {

// "表" is 0x95 0x5C in CP932: its trail byte is the backslash.
const char kHyo[] = "\x95\x5C";

TEST(CStringTest, FindSkipsTrailBytes) {
    CString path = CString("C:") + "\\" + kHyo + "\\a.dxf";
    EXPECT_EQ(path.Find('\\'), 2);
    EXPECT_EQ(path.ReverseFind('\\'), 5);
    CString only(kHyo);
    EXPECT_EQ(only.Find('\\'), -1);
    EXPECT_EQ(only.ReverseFind('\\'), -1);
    EXPECT_EQ(only.Replace('\\', '/'), 0);
}

TEST(CStringTest, CaseFoldingLeavesTwoByteCharactersAlone) {
    // "ａ" full width is 0x82 0x81; 0x82 0x61 is not a letter pair to fold.
    CString s(std::string("ab\x82\x61z"));
    s.MakeUpper();
    EXPECT_EQ(s.str(), std::string("AB\x82\x61Z"));
    EXPECT_EQ(_mbsicmp("Layer", "LAYER"), 0);
    EXPECT_LT(_mbsicmp("a", "B"), 0);
    EXPECT_NE(_mbsicmp("\x82\x61", "\x82\x41"), 0);
    EXPECT_GT(_mbscmp("\x82", "A"), 0); // bytes compare unsigned
}

TEST(CStringTest, MidLeftRightClampToTheText) {
    CString s("abcdef");
    EXPECT_EQ(s.Mid(2).str(), "cdef");
    EXPECT_EQ(s.Mid(2, 2).str(), "cd");
    EXPECT_EQ(s.Mid(10).str(), "");
    EXPECT_EQ(s.Left(10).str(), "abcdef");
    EXPECT_EQ(s.Right(2).str(), "ef");
    EXPECT_EQ(s.Find("cd"), 2);
    EXPECT_EQ(s.Find("x"), -1);
}

TEST(CStringTest, TrimAndReplace) {
    CString s("  a b \t\r\n");
    s.Trim();
    EXPECT_EQ(s.str(), "a b");
    CString r("x.y.z");
    EXPECT_EQ(r.Replace(".", "::"), 2);
    EXPECT_EQ(r.str(), "x::y::z");
}

TEST(CStringTest, FormatUsesTheCLocaleWhateverTheProcessLocale) {
    ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr);
    CString s;
    s.Format("%f %d %s", 7.0, 12, "x");
    setlocale(LC_ALL, "C");
    EXPECT_EQ(s.str(), "7.000000 12 x");
}

TEST(CStringTest, BufferAccess) {
    CString s;
    char* p = s.GetBuffer(10);
    std::snprintf(p, 10, "abc");
    s.ReleaseBuffer();
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(s.str(), "abc");
}

struct RoundTrip {
    const char* utf8;
    const char* cp932;
};

TEST(Cp932Test, RoundTripsThroughUnicode) {
    const RoundTrip cases[] = {
        {"～", "\x81\x60"},
        {"①", "\x87\x40"},
        {"髙", "\xFB\xFC"},
        {"㈱", "\x87\x8A"},
        {"表", "\x95\x5C"},
        {"ｱ", "\xB1"},
        {"朱書き", "\x8E\xE9\x8F\x91\x82\xAB"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(Cp932::FromUtf8(c.utf8), c.cp932);
        EXPECT_EQ(Cp932::ToUtf8(c.cp932), c.utf8);
        CString s(c.cp932);
        EXPECT_EQ(CString::FromQString(s.ToQString()).str(), c.cp932);
        EXPECT_EQ(s.ToQString(), QString::fromUtf8(c.utf8));
    }
}

TEST(Cp932Test, MissingCharactersBecomeQuestionMarks) {
    EXPECT_EQ(Cp932::FromUtf8("a\xF0\x9F\x98\x80"
                              "b"),
              "a?b");                            // emoji, a surrogate pair
    EXPECT_EQ(Cp932::FromUtf8("\xC3\xA9"), "?"); // é
    EXPECT_EQ(Cp932::FromUtf8("\xFF"), "?");     // not UTF-8 at all
}

TEST(Cp932Test, CountsCharacters) {
    EXPECT_EQ(Cp932::CharCount("a\x95\x5C"
                               "b"),
              3);
    EXPECT_EQ(Cp932::CharCount("\x95"), 1); // a lone lead byte at the end
    EXPECT_EQ(Cp932::CharCount(""), 0);
}

} // namespace
