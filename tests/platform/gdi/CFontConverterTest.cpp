// Fonts are taken from the recent ones by their whole description: a font
// converted just before with one attribute changed must never come back.

#include "platform/gdi/CFontConverter.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <string>

namespace {

LOGFONT Base() {
    LOGFONT font{};
    font.lfHeight = -20;
    font.lfWeight = 400;
    std::strcpy(font.lfFaceName, "IPAGothic");
    return font;
}

struct ChangeCase {
    std::string name;
    std::function<void(LOGFONT&)> change;
    std::function<bool(const QFont&, const QFont&)> differs;
};

void PrintTo(const ChangeCase& c, std::ostream* out) {
    *out << c.name;
}

class RecentFontTest : public testing::TestWithParam<ChangeCase> {};

TEST_P(RecentFontTest, AChangedAttributeGivesItsOwnFont) {
    const ChangeCase& c = GetParam();
    const QFont before = CFontConverter::ToQFont(Base());
    LOGFONT changed = Base();
    c.change(changed);
    const QFont other = CFontConverter::ToQFont(changed);
    EXPECT_TRUE(c.differs(before, other));
    const QFont again = CFontConverter::ToQFont(Base());
    EXPECT_EQ(again, before);
    EXPECT_EQ(CFontConverter::ToQFont(changed), other);
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, RecentFontTest,
    testing::Values(
        ChangeCase{"Height", [](LOGFONT& f) { f.lfHeight = -21; },
                   [](const QFont& a, const QFont& b) { return a.pixelSize() != b.pixelSize(); }},
        ChangeCase{"Weight", [](LOGFONT& f) { f.lfWeight = 700; },
                   [](const QFont& a, const QFont& b) { return a.weight() != b.weight(); }},
        ChangeCase{"Italic", [](LOGFONT& f) { f.lfItalic = 1; },
                   [](const QFont& a, const QFont& b) { return a.italic() != b.italic(); }},
        ChangeCase{"Underline", [](LOGFONT& f) { f.lfUnderline = 1; },
                   [](const QFont& a, const QFont& b) { return a.underline() != b.underline(); }},
        ChangeCase{"StrikeOut", [](LOGFONT& f) { f.lfStrikeOut = 1; },
                   [](const QFont& a, const QFont& b) { return a.strikeOut() != b.strikeOut(); }},
        ChangeCase{
            "Quality", [](LOGFONT& f) { f.lfQuality = ANTIALIASED_QUALITY; },
            [](const QFont& a, const QFont& b) { return a.styleStrategy() != b.styleStrategy(); }},
        ChangeCase{"Pitch", [](LOGFONT& f) { f.lfPitchAndFamily = FIXED_PITCH; },
                   [](const QFont& a, const QFont& b) { return a.fixedPitch() != b.fixedPitch(); }},
        ChangeCase{"Face", [](LOGFONT& f) { std::strcpy(f.lfFaceName, "IPAMincho"); },
                   [](const QFont& a, const QFont& b) { return a.family() != b.family(); }}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return info.param.name; });

TEST(RecentFontTest, MoreFontsThanAreKeptStillConvertEachRight) {
    for (int round = 0; round < 2; ++round) {
        for (int height = 1; height <= 40; ++height) {
            LOGFONT font = Base();
            font.lfHeight = -height;
            EXPECT_EQ(CFontConverter::ToQFont(font).pixelSize(), height);
        }
    }
}

} // namespace
