#include "MarkupTestSupport.h"

#include "entities/CRukMemo.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukMarkTBox.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/mfc/CArchiveException.h"
#include "platform/win/Cursors.h"
#include "platform/win/MouseKeys.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/FixedTextMetrics.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

// Every character half as wide as the font is high, every line one font
// height: "ABCD" in the 500-unit reference font is 1000 x 500.
SIZE HalfWidthMeasure(const CString& text, const CLabelFont& font) {
    return SIZE{text.GetLength() * font.m_height / 2, font.m_height};
}

// ---- The fitted corner

struct CornerCase {
    const char* name;
    const char* label;
    POINT cursor;
    POINT corner;
};

void PrintTo(const CornerCase& c, std::ostream* out) {
    *out << c.name;
}

class FittedCorner : public ::testing::TestWithParam<CornerCase> {};

// Pressed at the origin of a document whose view units are drawing units.
TEST_P(FittedCorner, KeepsTheTextBlocksProportions) {
    const CornerCase& c = GetParam();
    FakeMarkupDocument document;
    CRukMarkTBox note;
    note.SetText(c.label);
    note.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    EXPECT_EQ(note.FittedCorner(HalfWidthMeasure, document, c.cursor.x, c.cursor.y), c.corner);
}

INSTANTIATE_TEST_SUITE_P(Drags, FittedCorner,
                         ::testing::Values(
                             // Wider than the block (aspect 2): the width decides the height.
                             CornerCase{"WideDragToTheRight", "ABCD", {1000, 100}, {1000, 500}},
                             // Taller: the cursor's height decides.
                             CornerCase{"TallDrag", "ABCD", {100, 1000}, {2000, 1000}},
                             CornerCase{
                                 "WideDragToTheLeftAndDown", "ABCD", {-1000, -100}, {-1000, -500}},
                             CornerCase{"MendedLevelDrag", "ABCD", {1000, 0}, {1000, 500}},
                             CornerCase{"MendedReleaseOnThePressPoint", "ABCD", {0, 0}, {0, 0}},
                             // Two lines: the block is 1000 x 1000.
                             CornerCase{"TwoLines", "AB\r\nCDEF", {3000, 1000}, {3000, 3000}},
                             // A trailing line feed adds a line measured as a space.
                             CornerCase{"TrailingLineFeed", "A\n", {1000, 1000}, {1000, 4000}}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Finish

// A document whose view units are drawing units, with a grey note style.
class NoteFixture : public ::testing::Test {
protected:
    NoteFixture() {
        m_document.m_curLayerName = "NOTE";
        m_document.m_newMarkTag = "tag";
        m_document.m_newMarkName = "tip";
        m_document.m_style.m_redPenColor = 0x404040;
        m_document.m_style.m_redFillColor = 0x80FFFF;
        m_document.m_style.m_redPenWidth = 20;
    }

    void Finish(const char* label, POINT p0, POINT p1) {
        m_note.SetText(label);
        m_note.OnButtonDown(nullptr, nullptr, p0.x, p0.y, nullptr, 0);
        EXPECT_EQ(m_note.AddPoint(p1.x, p1.y, 0), 1);
        CRecordingDC dc;
        m_note.Finish(&m_document, &dc, &m_settings);
    }

    std::vector<CRukEntity*> Children() const { return ChildrenOf(m_note); }

    FixedTextMetrics m_metrics;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
    CRukMarkTBox m_note;
};

struct FitCase {
    const char* name;
    POINT p0;
    POINT p1;
    int margin;
    int textHeight;
};

void PrintTo(const FitCase& c, std::ostream* out) {
    *out << c.name;
}

class NoteFit : public NoteFixture, public ::testing::WithParamInterface<FitCase> {};

// "ABCD" in a font of height f measures 2f x f.
TEST_P(NoteFit, MemoIsInsetByTheMarginAndFilled) {
    const FitCase& c = GetParam();
    Finish("ABCD", c.p0, c.p1);
    const std::vector<CRukEntity*> children = Children();
    ASSERT_EQ(children.size(), 2u);
    const CRukEntity& memo = *children[1];
    EXPECT_EQ(memo.GetKind(), kKindMemo);
    EXPECT_EQ((POINT{memo.m_x1, memo.m_y1}),
              (POINT{std::min(c.p0.x, c.p1.x) + c.margin, std::max(c.p0.y, c.p1.y) - c.margin}));
    EXPECT_EQ(memo.GetTextHeight(), c.textHeight);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, NoteFit,
    ::testing::Values(
        // 1000 x 200: margin 10, inner 980 x 180, wider than the text: the
        // 200-unit line scales by 180 / 200; 180 / 1.4 rounds to 129.
        FitCase{"WiderThanTheTextScalesByTheHeight", {0, 200}, {1000, 0}, 10, 129},
        // 200 x 1000: inner 180 x 980, the text 2000 wide: 1000 x 0.09 =
        // 90; 90 / 1.4 rounds to 64.
        FitCase{"TallerThanTheTextScalesByTheWidth", {200, 1000}, {0, 0}, 10, 64}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NoteFixture, BoxAndMemoAreFiledWithTheNoteStyle) {
    m_document.m_style.m_redSolidFill = 1;
    Finish("ABCD", {0, 200}, {1000, 0});
    const std::vector<CRukEntity*> children = Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(VerticesOf(*children[0]),
              (std::vector<POINT>{{0, 200}, {1000, 200}, {1000, 0}, {0, 0}}));
    EXPECT_EQ(children[0]->GetFillType(), 3);
    EXPECT_EQ(children[0]->GetTransparent(), 0);
    EXPECT_EQ(children[0]->GetLineType(), 1);
    EXPECT_EQ(children[0]->GetLineWidth(), 20);
    EXPECT_EQ(children[1]->GetText(), "ABCD");
    for (const CRukEntity* child : children) {
        EXPECT_EQ(child->m_childFlag, 2);
        EXPECT_EQ(child->GetLayerName(), "NOTE");
        EXPECT_EQ(child->GetColor(), 0x404040u);
    }
    EXPECT_EQ(m_note.GetFillColor(), 0x80FFFFu);
    EXPECT_EQ(m_document.m_drawOrder.size(), 2u);
    EXPECT_EQ(m_note.m_tag, "tag");
    EXPECT_TRUE(m_document.m_newMarkName.IsEmpty());
    EXPECT_EQ(m_note.GetLabelText(), "ABCD");
    EXPECT_EQ(m_note.GetNoteFrameType(), 2);
}

struct BoxFillCase {
    const char* name;
    int solid;
    int fillType;
    int boxFill;
    int boxTransparent;
};

void PrintTo(const BoxFillCase& c, std::ostream* out) {
    *out << c.name;
}

class NoteBoxFill : public NoteFixture, public ::testing::WithParamInterface<BoxFillCase> {};

// The box takes the plain fills only; a hatch style leaves it empty.
TEST_P(NoteBoxFill, BoxTakesThePlainFillOfTheStyle) {
    const BoxFillCase& c = GetParam();
    m_document.m_style.m_redSolidFill = c.solid;
    m_document.m_style.m_redFillType = c.fillType;
    m_document.m_style.m_redTransparent = 1;
    Finish("ABCD", {0, 200}, {1000, 0});
    const std::vector<CRukEntity*> children = Children();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0]->GetFillType(), c.boxFill);
    EXPECT_EQ(children[0]->GetTransparent(), c.boxTransparent);
}

INSTANTIATE_TEST_SUITE_P(Styles, NoteBoxFill,
                         ::testing::Values(BoxFillCase{"SolidOverHatch", 1, 5, 3, 0},
                                           BoxFillCase{"Translucent", 0, 1, 1, 0},
                                           BoxFillCase{"Opaque", 0, 3, 3, 0},
                                           BoxFillCase{"Special", 0, 99, 99, 0},
                                           BoxFillCase{"HatchLeavesItEmpty", 0, 5, 0, 1},
                                           BoxFillCase{"None", 0, 0, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NoteFixture, MendedChildCountIsTheNumberOfChildren) {
    Finish("one\ntwo\nthree", {0, 300}, {1000, 0});
    EXPECT_EQ(m_note.m_childCount, 2);
}

TEST_F(NoteFixture, MendedAFlatBoxIsBuiltWithoutAZeroFont) {
    Finish("ABCD", {0, 0}, {1000, 0});
    ASSERT_EQ(Children().size(), 2u);
    EXPECT_EQ(Children()[1]->GetTextHeight(), 0);
}

TEST_F(NoteFixture, AnEmptyLabelBuildsNothing) {
    Finish("", {0, 300}, {1000, 0});
    EXPECT_TRUE(Children().empty());
}

TEST(NoteTool, TheNoteToolMakesANote) {
    std::unique_ptr<CRukMark> made(CMarkupKinds::CreateForTool(5));
    ASSERT_NE(made, nullptr);
    EXPECT_NE(dynamic_cast<CRukMarkTBox*>(made.get()), nullptr);
}

// ---- Frame types

struct FrameCase {
    const char* name;
    int lineType;
    int fillType;
    int frameType;
};

void PrintTo(const FrameCase& c, std::ostream* out) {
    *out << c.name;
}

class NoteFrameType : public NoteFixture, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(NoteFrameType, IsReadFromTheBox) {
    const FrameCase& c = GetParam();
    Finish("ABCD", {0, 200}, {1000, 0});
    Children()[0]->SetLineType(c.lineType);
    Children()[0]->SetFillType(c.fillType);
    EXPECT_EQ(m_note.GetNoteFrameType(), c.frameType);
}

INSTANTIATE_TEST_SUITE_P(
    Looks, NoteFrameType,
    ::testing::Values(FrameCase{"NoFrame", 0, 0, 0}, FrameCase{"Frame", 1, 0, 1},
                      FrameCase{"Filled", 0, 3, 2}, FrameCase{"Translucent", 0, 1, 3},
                      FrameCase{"SpecialFill", 0, 99, 2}, FrameCase{"Hatched", 1, 5, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(NoteFixture, SetFrameTypeGivesTheBoxItsLookAndRefusesOthers) {
    Finish("ABCD", {0, 200}, {1000, 0});
    for (int type = 0; type < 4; ++type) {
        m_note.SetNoteFrameType(type);
        EXPECT_EQ(m_note.GetNoteFrameType(), type);
    }
    m_note.SetNoteFrameType(4);
    m_note.SetNoteFrameType(-1);
    EXPECT_EQ(m_note.GetNoteFrameType(), 3);
}

// ---- Grip edits

TEST_F(NoteFixture, EdgeGripOntoTheOppositeEdgeLeavesTheBox) {
    Finish("ABCD", {0, 200}, {1000, 0});
    // Grip 7 is the middle of the edge at y0 = 200; y1 is 0.
    m_note.MoveVertex(0, -200, 7, 500, 200, 0);
    EXPECT_EQ(VerticesOf(m_note), (std::vector<POINT>{{0, 200}, {1000, 0}}));
    EXPECT_EQ(VerticesOf(*Children()[0]),
              (std::vector<POINT>{{0, 200}, {0, 0}, {1000, 0}, {1000, 200}}));
}

TEST_F(NoteFixture, EdgeGripMovesOneEdgeAndTheMemoFollows) {
    Finish("ABCD", {0, 200}, {1000, 0});
    m_note.MoveVertex(500, 0, 6, 1000, 100, 0);
    EXPECT_EQ(VerticesOf(*Children()[0]),
              (std::vector<POINT>{{0, 200}, {0, 0}, {1500, 0}, {1500, 200}}));
    const CRukEntity& memo = *Children()[1];
    EXPECT_EQ((POINT{memo.m_x2, memo.m_y2}), (POINT{1490, 10}));
}

TEST_F(NoteFixture, MendedACornerGripFollowsTheCursor) {
    Finish("ABCD", {0, 200}, {1000, 0});
    // Grip 2 is the corner (1000, 0); the cursor steps from it by (100, -50).
    m_note.MoveVertex(100, -50, 2, 1000, 0, 0);
    EXPECT_EQ(VerticesOf(m_note), (std::vector<POINT>{{0, 200}, {1100, -50}}));
}

TEST_F(NoteFixture, ShiftCornerDragKeepsTheProportions) {
    Finish("ABCD", {0, 200}, {1000, 0});
    // Grip 2 is the corner (1000, 0); dragged out along the diagonal.
    m_note.MoveVertex(1000, -150, 2, 1000, 0, MK_SHIFT);
    int x = 0;
    int y = 0;
    ASSERT_EQ(m_note.GetPoint(&x, &y, 1), 1);
    const int width = x;
    const int height = 200 - y;
    EXPECT_EQ(width, 2000);
    // The box keeps its 5 : 1 shape (to the unit the rounding leaves).
    EXPECT_NEAR(height, width / 5, 1);
}

TEST_F(NoteFixture, CornerEditSetsTheBoxAndThePoints) {
    Finish("ABCD", {0, 200}, {1000, 0});
    EXPECT_EQ(m_note.SetPoint(-100, 300, 0), 1);
    EXPECT_EQ(VerticesOf(*Children()[0]),
              (std::vector<POINT>{{-100, 300}, {-100, 0}, {1000, 0}, {1000, 300}}));
    EXPECT_EQ(VerticesOf(m_note), (std::vector<POINT>{{-100, 300}, {1000, 0}}));
    EXPECT_EQ(m_note.SetPoint(0, 0, 2), 0);
}

TEST_F(NoteFixture, GripsAreTheCornersThenTheEdgeMiddles) {
    Finish("ABCD", {0, 2000}, {10000, 0});
    m_document.m_viewScale = 0.1;
    CRecordingDC dc;
    const std::vector<POINT> expected{{0, 2000}, {0, 0},    {10000, 0},    {10000, 2000},
                                      {0, 1000}, {5000, 0}, {10000, 1000}, {5000, 2000}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        int grip = -1;
        ASSERT_EQ(m_note.HitGrip(&dc, &m_document, expected[i].x, expected[i].y, &grip), 1) << i;
        EXPECT_EQ(grip, static_cast<int>(i));
    }
    int grip = -1;
    EXPECT_EQ(m_note.HitGrip(&dc, &m_document, 2500, 1000, &grip), 0);
}

TEST_F(NoteFixture, GripCursorsFollowTheBoxOrientation) {
    Finish("ABCD", {0, 200}, {1000, 0});
    // Point 0 is the top left corner.
    const std::vector<int> expected{IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW,
                                    IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZENS};
    for (std::size_t grip = 0; grip < expected.size(); ++grip) {
        SetCursor(LoadStandardCursor(IDC_ARROW));
        m_note.SetGripCursor(static_cast<int>(grip));
        ASSERT_NE(GetCursor(), nullptr);
        EXPECT_EQ(GetCursor()->id, expected[grip]) << grip;
    }
    SetCursor(LoadStandardCursor(IDC_ARROW));
    m_note.SetGripCursor(8);
    EXPECT_EQ(GetCursor()->id, IDC_ARROW) << "no such grip";
}

// ---- Feedback

TEST(NoteFeedback, TheOutlineFollowsTheFittedCorner) {
    FakeMarkupDocument document;
    CRukMarkTBox note;
    note.SetText("ABCD");
    note.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    RecordingSurface surface;
    const CDrawDefaults settings = MarkupSettings();
    note.TrackOn(surface, document, POINT{0, 0}, POINT{300, 50}, settings);
    note.TrackOn(surface, document, POINT{300, 50}, POINT{100, 400}, settings);
    // "ABCD" measures 40 x 20 on the recording surface: aspect 2. The
    // second cursor is taller than that, so its height decides.
    EXPECT_EQ(surface.Shown(), (std::multiset<std::string>{RecordingSurface::Figure(
                                   "Polygon", {{0, 0}, {40, 0}, {40, 20}, {0, 20}})}));
}

// ---- Archive

constexpr char kNoteName[] = "CRukMarkTBox";

TEST_F(NoteFixture, SchemaOneBodyReadsAndWritesBackByteForByte) {
    Finish("ABCD", {0, 200}, {1000, 0});
    const std::vector<BYTE> stored = StoreObject(m_note);
    Bytes expected = ClassRecord(1, kNoteName);
    expected.Word(2).Long(0).Long(200).Long(1000).Long(0);
    expected.Long(0).Long(200).Long(1000).Long(0);
    expected.Text("NOTE").Long(0x404040).Text("").Byte(0).Text("tag").Text("tip");
    expected.Long(2).Word(2);
    const std::size_t end = expected.Get().size();
    ASSERT_GT(stored.size(), end);
    for (std::size_t i = 0; i < end; ++i)
        ASSERT_EQ(stored[i], expected.Get()[i]) << "byte " << i;
    const LoadedMarkup<CRukMarkTBox> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->GetLabelText(), "ABCD");
}

TEST_F(NoteFixture, MendedSchemaZeroTakesTheChildCountFromTheListAndRepairsWidths) {
    m_document.m_style.m_redPenWidth = 0;
    Finish("one\ntwo\nthree", {0, 300}, {1000, 0});
    m_note.m_childCount = 4;
    std::vector<BYTE> stored = StoreObject(m_note);
    // The schema word follows the class tag and the name's length.
    stored[2] = 0;
    const LoadedMarkup<CRukMarkTBox> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(loaded.mark->m_childCount, 2);
    EXPECT_EQ(ChildrenOf(*loaded.mark)[0]->GetLineWidth(), 15);
}

} // namespace
