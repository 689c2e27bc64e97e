// The memo: its lines, the fit of its height to the note rectangle, its
// drawing, hit test and archive body.
#include "entities/CRukMemo.h"

#include "entities/EntityKinds.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr RECT kClip{0, 0, 1000, 1000};

struct SplitCase {
    const char* name;
    const char* text;
    std::vector<std::string> lines;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c) {
    return out << c.name;
}

class MemoLines : public testing::TestWithParam<SplitCase> {};

TEST_P(MemoLines, SplitAtLineFeedsWithoutCarriageReturns) {
    std::vector<std::string> lines;
    for (const CString& line : CRukMemo::SplitLines(GetParam().text))
        lines.push_back(line.str());
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoLines,
    testing::Values(SplitCase{"TrailingBreakGivesAnEmptyLastLine", "a\r\nb\n", {"a", "b", ""}},
                    SplitCase{"NoBreak", "ab", {"ab"}}, SplitCase{"Empty", "", {}},
                    SplitCase{"EmptyLineBetween", "a\n\nb", {"a", "", "b"}},
                    SplitCase{"TwoByteCharactersStayWhole", "\x8F\xE3\r\n", {"\x8F\xE3", ""}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

CRukMemo Note(int left, int top, int right, int bottom) {
    CRukMemo memo;
    memo.m_x1 = left;
    memo.m_y1 = top;
    memo.m_x2 = right;
    memo.m_y2 = bottom;
    memo.m_height = 10;
    return memo;
}

struct FitCase {
    const char* name;
    RECT box; // left, top, right, bottom (y up)
    const char* text;
    int height;
};

std::ostream& operator<<(std::ostream& out, const FitCase& c) {
    return out << c.name;
}

class MemoFit : public testing::TestWithParam<FitCase> {};

TEST_P(MemoFit, ChoosesTheHeightThatFillsTheBox) {
    const FitCase& c = GetParam();
    FixedTextMetrics metrics;
    FakeDocument document;
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukMemo memo = Note(c.box.left, c.box.top, c.box.right, c.box.bottom);
    memo.FitTextToBox(&document, &dc, c.text, &settings);
    EXPECT_EQ(memo.m_text, c.text);
    EXPECT_EQ(memo.m_height, c.height);
}

// At height h "ABCD" measures 2h by h.
INSTANTIATE_TEST_SUITE_P(
    Cases, MemoFit,
    testing::Values(FitCase{"HeightLimited", {0, 100, 400, 0}, "ABCD", 100},
                    FitCase{"WidthLimited", {0, 400, 100, 0}, "ABCD", 50},
                    FitCase{"LinesStack", {0, 100, 400, 0}, "AB\nCDEF", 50},
                    FitCase{"MendedAnEmptyBoxKeepsTheHeight", {0, 100, 0, 0}, "ABCD", 10},
                    FitCase{"MendedAFlatBoxKeepsTheHeight", {0, 0, 100, 0}, "ABCD", 10},
                    FitCase{"MendedATextWithoutLinesKeepsTheHeight", {0, 100, 400, 0}, "", 10}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

TEST(CRukMemoTest, MendedAZeroHeightFitsNothing) {
    FixedTextMetrics metrics;
    FakeDocument document;
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukMemo memo = Note(0, 100, 400, 0);
    memo.m_height = 0;
    memo.FitTextToBox(&document, &dc, "ABCD", &settings);
    EXPECT_EQ(memo.m_height, 0);
}

TEST(CRukMemoTest, HitsTheBoxesOfItsNonEmptyLines) {
    FixedTextMetrics metrics;
    FakeDocument document;
    CRecordingDC dc;
    CRukMemo memo = Note(0, 100, 400, 0);
    memo.m_text = "AB\n\nCD";
    // Lines of 10: "AB" spans y 90..100, the empty line 80..90, "CD" 70..80.
    EXPECT_EQ(memo.HitTest(&dc, &document, 5, 95), 1);
    EXPECT_EQ(memo.HitTest(&dc, &document, 5, 85), 0);
    EXPECT_EQ(memo.HitTest(&dc, &document, 5, 75), 1);
    EXPECT_EQ(memo.HitTest(&dc, &document, 15, 95), 0);
}

TEST(CRukMemoTest, DrawsItsTextIntoTheRectangleAndNothingAsABox) {
    CRecordingDC dc;
    CDrawDefaults settings;
    CRukMemo memo = Note(10, 100, 60, 20);
    memo.m_text = "a\nb";
    memo.TraceA(&dc, 0, 0, 1.0, &settings, kClip, TRUE);
    EXPECT_TRUE(dc.Calls().empty());
    memo.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    const auto& calls = dc.Calls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "DrawTextA(\"a\nb\",10,100,60,20,256)"),
              calls.end());
    dc.ClearCalls();
    memo.DrawMoved(nullptr, &dc, 1, 1, &settings);
    EXPECT_TRUE(dc.Calls().empty());
}

TEST(CRukMemoTest, TheSecondCornerWidensTheRectangle) {
    CRukMemo memo = Note(10, 100, 60, 20);
    memo.SetCorner2(0, 120);
    EXPECT_EQ(memo.m_x1, 0);
    EXPECT_EQ(memo.m_y1, 120);
    EXPECT_EQ(memo.m_x2, 0);
    EXPECT_EQ(memo.m_y2, 120);
}

Bytes MemoBody(bool wideHeight) {
    Bytes body;
    body.Long(10).Long(100).Long(60).Long(20).Text("L").Text("F");
    if (wideHeight)
        body.Long(70000);
    else
        body.Word(500);
    body.Long(0x0000FF).Text("a\r\nb").Byte(2).Text("t");
    return body;
}

TEST(CRukMemoTest, StoresSchemaOneAsItReadsIt) {
    CRukMemo memo;
    LoadBody(memo, MemoBody(true).Get(), 1);
    EXPECT_EQ(memo.GetKind(), kKindMemo);
    EXPECT_EQ(memo.m_height, 70000);
    EXPECT_EQ(memo.m_savedColor, 0x0000FFu);
    EXPECT_EQ(memo.m_text, "a\r\nb");
    EXPECT_EQ(memo.m_childFlag, 2);
    int minX = 0;
    int minY = 0;
    int maxX = 0;
    int maxY = 0;
    memo.GetExtents(&minX, &minY, &maxX, &maxY);
    EXPECT_EQ(minX, 10);
    EXPECT_EQ(maxY, 100);
    EXPECT_EQ(StoreBody(memo), MemoBody(true).Get());
}

TEST(CRukMemoTest, SchemaZeroHasAShortHeightAndLaterSchemasAreRefused) {
    CRukMemo memo;
    LoadBody(memo, MemoBody(false).Get(), 0);
    EXPECT_EQ(memo.m_height, 500);
    try {
        const std::unique_ptr<CObject> loaded(
            LoadObject(ClassRecord(2, "CRukMemo").Append(MemoBody(true).Get()).Get()));
        FAIL() << "schema 2 was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
}

} // namespace
