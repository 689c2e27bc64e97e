#include "TestMarkup.h"

#include "app/CZumeoDoc.h"
#include "entities/EntityKinds.h"

#include <gtest/gtest.h>

namespace {

constexpr int kStoredCharSet = 128;
constexpr UINT kInstalledCharSet = 0;

class FontMarkup final : public TestMarkup {
public:
    explicit FontMarkup(int kind) : TestMarkup(kind) {}
    void SetFaceName(const CString& face) override { m_face = face; }
    CString GetFaceName() const override { return m_face; }
    void SetCharSet(int charSet) override { m_charSet = charSet; }
    int GetCharSet() const override { return m_charSet; }

private:
    CString m_face;
    int m_charSet = kStoredCharSet;
};

struct FontCase {
    const char* name;
    int number;
    bool recomputed;
};

class MarkupFont : public ::testing::TestWithParam<FontCase> {};

// A control file from another machine names a face whose character set
// this machine knows better.
TEST_P(MarkupFont, CharSetFollowsTheInstalledFace) {
    CZumeoDoc document;
    document.m_fileVersion = 0x10011;
    std::vector<CString> asked;
    document.SetFontCharSetSource([&asked](const CString& face) {
        asked.push_back(face);
        return kInstalledCharSet;
    });
    auto* markup = new FontMarkup(MarkupKind(GetParam().number));
    markup->SetFaceName("Face");
    document.AddMarkup(markup);
    document.FileLoadedRedlines();

    if (GetParam().recomputed) {
        EXPECT_EQ(markup->GetCharSet(), static_cast<int>(kInstalledCharSet));
        EXPECT_EQ(asked, std::vector<CString>{CString("Face")});
    } else {
        EXPECT_EQ(markup->GetCharSet(), kStoredCharSet);
        EXPECT_TRUE(asked.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Document, MarkupFont,
    ::testing::Values(FontCase{"Leader0", 0x00, true}, FontCase{"Leader2", 0x02, true},
                      FontCase{"Cloud", 0x03, false}, FontCase{"Kind4", 0x04, true},
                      FontCase{"Kind5", 0x05, true}, FontCase{"Kind6", 0x06, false}),
    [](const auto& info) { return info.param.name; });

TEST(MarkupFontTest, WithoutASourceTheStoredCharSetStays) {
    CZumeoDoc document;
    document.m_fileVersion = 0x10011;
    auto* markup = new FontMarkup(MarkupKind(0x04));
    document.AddMarkup(markup);
    document.FileLoadedRedlines();
    EXPECT_EQ(markup->GetCharSet(), kStoredCharSet);
}

} // namespace
