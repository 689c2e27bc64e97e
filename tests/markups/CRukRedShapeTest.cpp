// The two-click red shapes: the refused second points, the children they
// build, their points after editing and loading, the grips of the box
// shapes and their archive bodies.
#include "MarkupTestSupport.h"

#include "entities/EntityKinds.h"
#include "markups/CMarkupKinds.h"
#include "markups/CRukFreeCurve.h"
#include "markups/CRukMarkCloud.h"
#include "markups/CRukMarkPolygon.h"
#include "markups/CRukRedCircle.h"
#include "markups/CRukRedEllipse.h"
#include "markups/CRukRedImage.h"
#include "markups/CRukRedLine.h"
#include "markups/CRukRedPolyline.h"
#include "markups/CRukRedSquare.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/win/Cursors.h"
#include "platform/win/MouseKeys.h"
#include "tests/entities/PointPrinting.h"
#include "tests/entities/ShapeTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

struct ShapeKind {
    const char* name;
    std::function<CRukMark*()> make;
};

const ShapeKind kLine{"CRukRedLine", [] { return new CRukRedLine(); }};
const ShapeKind kCircle{"CRukRedCircle", [] { return new CRukRedCircle(); }};
const ShapeKind kEllipse{"CRukRedEllipse", [] { return new CRukRedEllipse(); }};
const ShapeKind kSquare{"CRukRedSquare", [] { return new CRukRedSquare(); }};

// ---- The second click

struct SecondPointCase {
    const char* name;
    const ShapeKind* shape;
    POINT second;
    int answer;
};

void PrintTo(const SecondPointCase& c, std::ostream* out) {
    *out << c.name;
}

class SecondPoint : public ::testing::TestWithParam<SecondPointCase> {};

TEST_P(SecondPoint, IsTakenOrRefusedWhateverTheMode) {
    for (const int mode : {0, 1}) {
        std::unique_ptr<CRukMark> mark(GetParam().shape->make());
        mark->OnButtonDown(nullptr, nullptr, 100, 200, nullptr, 0);
        EXPECT_EQ(mark->AddPoint(GetParam().second.x, GetParam().second.y, mode), GetParam().answer)
            << "mode " << mode;
        EXPECT_EQ(mark->m_points.GetSize(), GetParam().answer ? 2 : 1);
        if (GetParam().answer) {
            EXPECT_EQ(mark->m_x2, GetParam().second.x);
            EXPECT_EQ(mark->m_y2, GetParam().second.y);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    RedShapes, SecondPoint,
    ::testing::Values(SecondPointCase{"LineSamePoint", &kLine, {100, 200}, 0},
                      SecondPointCase{"LineSameY", &kLine, {300, 200}, 1},
                      SecondPointCase{"LineSameX", &kLine, {100, 500}, 1},
                      SecondPointCase{"CircleSamePoint", &kCircle, {100, 200}, 0},
                      SecondPointCase{"CircleSameY", &kCircle, {300, 200}, 1},
                      SecondPointCase{"EllipseSameY", &kEllipse, {300, 200}, 0},
                      SecondPointCase{"EllipseSameX", &kEllipse, {100, 500}, 0},
                      SecondPointCase{"EllipseDiagonal", &kEllipse, {300, 500}, 1},
                      SecondPointCase{"SquareSameY", &kSquare, {300, 200}, 0},
                      SecondPointCase{"SquareSameX", &kSquare, {100, 500}, 0},
                      SecondPointCase{"SquareDiagonal", &kSquare, {300, 500}, 1}),
    [](const ::testing::TestParamInfo<SecondPointCase>& info) { return info.param.name; });

// ---- The tools

struct ToolCase {
    const char* name;
    int tool;
    int number;
};

void PrintTo(const ToolCase& c, std::ostream* out) {
    *out << c.name;
}

class ToolKind : public ::testing::TestWithParam<ToolCase> {};

TEST_P(ToolKind, CreatesItsMarkup) {
    const std::unique_ptr<CRukMark> mark(CMarkupKinds::CreateForTool(GetParam().tool));
    ASSERT_NE(mark, nullptr);
    EXPECT_EQ(mark->GetKind(), MarkupKind(GetParam().number));
    EXPECT_EQ(mark->m_layerName, "0");
    EXPECT_EQ(mark->m_redline, 0);
    EXPECT_EQ(mark->m_trackShown, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Tools, ToolKind,
    ::testing::Values(ToolCase{"Cloud", 3, 0x03}, ToolCase{"Polygon", 6, 0x06},
                      ToolCase{"Line", 7, 0x07}, ToolCase{"Circle", 8, 0x08},
                      ToolCase{"Ellipse", 9, 0x09}, ToolCase{"Rectangle", 10, 0x0A},
                      ToolCase{"Polyline", 11, 0x0B}, ToolCase{"Freehand", 12, 0x13},
                      ToolCase{"Image", 13, 0x15}),
    [](const ::testing::TestParamInfo<ToolCase>& info) { return info.param.name; });

TEST(ToolKind, SegmentStrokeIsReadFromFilesOnly) {
    EXPECT_EQ(CMarkupKinds::Find(MarkupKind(0x0C))->m_tool, -1);
    EXPECT_EQ(CMarkupKinds::FindTool(-1), nullptr);
}

// ---- Finish

class RedShape : public ::testing::Test {
protected:
    RedShape() {
        m_document.m_curLayerName = "RED";
        m_document.m_newMarkTag = "tag";
        m_document.m_newMarkName = "tip";
        m_document.m_style.m_redPenColor = 0x0000FF;
        m_document.m_style.m_redPenWidth = 25;
        m_document.m_style.m_redFillColor = 0x00FF00;
        m_document.m_style.m_redHatchColor = 0x123456;
        m_document.m_style.m_redFillType = 5;
        m_document.m_style.m_redTransparent = 1;
    }

    // The shape clicked at (p0, p1) and finished; the document owns it.
    CRukMark& Drawn(const ShapeKind& kind, POINT p0, POINT p1) {
        CRukMark* mark = kind.make();
        m_document.AddMarkup(mark);
        mark->OnButtonDown(nullptr, nullptr, p0.x, p0.y, nullptr, 0);
        EXPECT_EQ(mark->AddPoint(p1.x, p1.y, 0), 1);
        CRecordingDC dc;
        mark->Finish(&m_document, &dc, &m_settings);
        return *mark;
    }

    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

TEST_F(RedShape, RectangleHasFourCornersButAnswersTwoPoints) {
    CRukMark& square = Drawn(kSquare, {3000, 1000}, {1000, 4000});
    const std::vector<POINT> corners{{1000, 4000}, {1000, 1000}, {3000, 1000}, {3000, 4000}};
    EXPECT_EQ(VerticesOf(square), corners);
    EXPECT_EQ(square.GetPointCount(), 2);
    const std::vector<CRukEntity*> children = ChildrenOf(square);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_EQ(children[0]->GetKind(), kKindPolygon);
    EXPECT_EQ(VerticesOf(*children[0]), corners);
    int x = 0, y = 0;
    ASSERT_EQ(square.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{3000, 1000}));
    EXPECT_EQ(square.GetPoint(&x, &y, 2), 0);
}

TEST_F(RedShape, ClosedChildTakesTheDocumentsFillAndTheMarkupItsStyle) {
    CRukMark& circle = Drawn(kCircle, {1000, 1000}, {1500, 1000});
    const std::vector<CRukEntity*> children = ChildrenOf(circle);
    ASSERT_EQ(children.size(), 1u);
    const CRukEntity& child = *children[0];
    EXPECT_EQ(child.GetKind(), kKindCircle);
    EXPECT_EQ(child.m_childFlag, 2);
    EXPECT_EQ(child.GetLayerName(), "RED");
    EXPECT_EQ(child.GetLineWidth(), 25);
    EXPECT_EQ(child.GetFillType(), 5);
    EXPECT_EQ(child.GetTransparent(), 1);
    EXPECT_EQ(circle.GetFillColor(), 0x00FF00u);
    EXPECT_EQ(circle.GetThirdColor(), 0x123456u);
    EXPECT_EQ(circle.GetColor(), 0x0000FFu);
    EXPECT_EQ(circle.m_tag, "tag");
    EXPECT_EQ(circle.GetName(), "tip");
    EXPECT_TRUE(m_document.m_newMarkTag.IsEmpty());
    EXPECT_EQ(circle.m_childCount, 1);
    EXPECT_EQ(m_document.m_layers["RED"].size(), 1u);
}

TEST_F(RedShape, LineIsNoClosedKindAndKeepsItsClicks) {
    CRukMark& line = Drawn(kLine, {0, 0}, {4000, 2000});
    ASSERT_EQ(ChildrenOf(line).size(), 1u);
    EXPECT_EQ(ChildrenOf(line)[0]->GetKind(), kKindLine);
    EXPECT_EQ(ChildrenOf(line)[0]->GetFillType(), 0) << "no fill style on an open child";
    EXPECT_EQ(line.GetFillType(), 0);
    EXPECT_EQ(line.GetTransparent(), 1);
    EXPECT_EQ(VerticesOf(line), (std::vector<POINT>{{0, 0}, {4000, 2000}}));
    EXPECT_EQ((POINT{line.m_x1, line.m_y1}), (POINT{0, 2000}));
    EXPECT_EQ((POINT{line.m_x2, line.m_y2}), (POINT{4000, 0}));
}

TEST_F(RedShape, FinishWithOnePointBuildsNothing) {
    std::unique_ptr<CRukMark> square(kSquare.make());
    square->OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    CRecordingDC dc;
    square->Finish(&m_document, &dc, &m_settings);
    EXPECT_TRUE(ChildrenOf(*square).empty());
    EXPECT_TRUE(m_document.m_drawOrder.empty());
}

TEST_F(RedShape, SetPointMovesOneCornerAndKeepsTheOther) {
    CRukMark& ellipse = Drawn(kEllipse, {0, 4000}, {2000, 0});
    ASSERT_EQ(ellipse.SetPoint(-1000, 5000, 0), 1);
    EXPECT_EQ(VerticesOf(*ChildrenOf(ellipse)[0]),
              (std::vector<POINT>{{-1000, 5000}, {-1000, 0}, {2000, 0}, {2000, 5000}}));
    EXPECT_EQ(ellipse.SetPoint(0, 0, 2), 0);
    CRukMark& line = Drawn(kLine, {0, 0}, {1000, 1000});
    ASSERT_EQ(line.SetPoint(3000, -500, 1), 1);
    int x = 0, y = 0;
    ASSERT_EQ(line.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{3000, -500}));
    EXPECT_EQ((POINT{line.m_x2, line.m_y2}), (POINT{3000, -500}));
}

TEST_F(RedShape, CircleEditsKeepTheCentreOrThePoint) {
    CRukMark& circle = Drawn(kCircle, {1000, 1000}, {1000, 1600});
    int x = 0, y = 0;
    ASSERT_EQ(circle.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{1600, 1000})) << "the rightmost point";
    ASSERT_EQ(circle.SetPoint(1000, 2000, 1), 1);
    ASSERT_EQ(circle.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{2000, 1000})) << "radius 1000 about the kept centre";
    circle.MoveVertex(500, 0, 1, 2000, 1000, 0);
    ASSERT_EQ(circle.GetPoint(&x, &y, 1), 1);
    EXPECT_EQ((POINT{x, y}), (POINT{2500, 1000})) << "the circle through the dragged point";
    EXPECT_EQ((POINT{circle.m_x1, circle.m_y1}), (POINT{-500, 2500}));
}

// ---- Grips

TEST_F(RedShape, EdgeGripDraggedOntoTheOppositeEdgeLeavesTheBox) {
    CRukMark& ellipse = Drawn(kEllipse, {0, 4000}, {2000, 0});
    // Grip 7 is the middle of the edge y1 (4000); the box is 4000 high.
    ellipse.MoveVertex(0, -4000, 7, 1000, 4000, 0);
    EXPECT_EQ((std::vector<int>{ellipse.m_x1, ellipse.m_y1, ellipse.m_x2, ellipse.m_y2}),
              (std::vector<int>{0, 4000, 2000, 0}));
    EXPECT_EQ(VerticesOf(*ChildrenOf(ellipse)[0]),
              (std::vector<POINT>{{0, 4000}, {0, 0}, {2000, 0}, {2000, 4000}}));
    ellipse.MoveVertex(0, -1000, 7, 1000, 4000, 0);
    EXPECT_EQ(ellipse.m_y1, 3000);
}

TEST_F(RedShape, ShiftCornerDragKeepsTheRatioOfTheFirstEdit) {
    for (const ShapeKind* kind : {&kEllipse, &kSquare}) {
        SCOPED_TRACE(kind->name);
        // 2000 wide, 1000 high: ratio (y1 - y2) / (x1 - x2) = -0.5.
        CRukMark& mark = Drawn(*kind, {0, 1000}, {2000, 0});
        // An edge drag first makes the box square.
        mark.MoveVertex(1000, 0, 6, 2000, 500, 0);
        ASSERT_EQ(mark.m_x2, 3000);
        // Then a Shift drag of corner 2 (x2, y2) away from corner 0.
        mark.MoveVertex(1000, -100, 2, 3000, 0, MK_SHIFT);
        const int width = mark.m_x2 - mark.m_x1;
        const int height = mark.m_y1 - mark.m_y2;
        EXPECT_EQ(height * 2, width) << "2:1 as at the first edit, not 3:1";
        EXPECT_EQ(mark.m_x1, 0);
        EXPECT_EQ(mark.m_y1, 1000);
    }
}

TEST_F(RedShape, CornerDragWithoutShiftPutsTheCornerAtTheCursor) {
    CRukMark& square = Drawn(kSquare, {0, 1000}, {2000, 0});
    square.MoveVertex(100, 100, 0, -500, 1500, 0);
    EXPECT_EQ((POINT{square.m_x1, square.m_y1}), (POINT{-500, 1500}));
    // A corner on the opposite corner's x is taken back.
    square.MoveVertex(0, 0, 0, 2000, 1700, 0);
    EXPECT_EQ((POINT{square.m_x1, square.m_y1}), (POINT{-500, 1500}));
}

TEST_F(RedShape, GripsAreTheCornersThenTheEdgeMiddles) {
    CRukMark& square = Drawn(kSquare, {0, 1000}, {2000, 0});
    m_document.m_viewScale = 0.1;
    CRecordingDC dc;
    const std::vector<POINT> expected{{0, 1000}, {0, 0},    {2000, 0},   {2000, 1000},
                                      {0, 500},  {1000, 0}, {2000, 500}, {1000, 1000}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        int grip = -1;
        ASSERT_EQ(square.HitGrip(&dc, &m_document, expected[i].x, expected[i].y, &grip), 1) << i;
        EXPECT_EQ(grip, static_cast<int>(i));
    }
    int grip = -1;
    EXPECT_EQ(square.HitGrip(&dc, &m_document, 500, 300, &grip), 0);
}

TEST_F(RedShape, GripCursorsFollowTheBoxOrientation) {
    CRukMark& ellipse = Drawn(kEllipse, {0, 1000}, {2000, 0});
    // The box runs from (min x, max y) to (max x, min y).
    const std::vector<int> expected{IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE, IDC_SIZENESW,
                                    IDC_SIZEWE,   IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZENS};
    for (std::size_t grip = 0; grip < expected.size(); ++grip) {
        SetCursor(LoadStandardCursor(IDC_ARROW));
        ellipse.SetGripCursor(static_cast<int>(grip));
        ASSERT_NE(GetCursor(), nullptr);
        EXPECT_EQ(GetCursor()->id, expected[grip]) << grip;
    }
    // Flipped upside down, the diagonals swap.
    ellipse.MoveVertex(0, 0, 1, 0, 2000, 0);
    ASSERT_GT(ellipse.m_y2, ellipse.m_y1);
    ellipse.SetGripCursor(0);
    EXPECT_EQ(GetCursor()->id, IDC_SIZENESW);
    SetCursor(LoadStandardCursor(IDC_ARROW));
    ellipse.SetGripCursor(8);
    EXPECT_EQ(GetCursor()->id, IDC_ARROW) << "no such grip";
}

// ---- Feedback

TEST_F(RedShape, RubberBandFollowsTheCursorFromTheFirstPoint) {
    RecordingSurface surface;
    CRukRedSquare square;
    square.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    square.TrackAtOn(surface, m_document, {100, 50}, m_settings);
    square.TrackOn(surface, m_document, {100, 50}, {300, 200}, m_settings);
    EXPECT_EQ(surface.Shown(), (std::multiset<std::string>{"Polygon(0,0 0,200 300,200 300,0)"}));
    RecordingSurface lineSurface;
    CRukRedLine line;
    line.OnButtonDown(nullptr, nullptr, 0, 0, nullptr, 0);
    line.TrackAtOn(lineSurface, m_document, {100, 50}, m_settings);
    line.TrackOn(lineSurface, m_document, {100, 50}, {300, 200}, m_settings);
    EXPECT_EQ(lineSurface.Shown(), (std::multiset<std::string>{"Polyline(0,0 300,200)"}));
    EXPECT_EQ(line.EraseTrackingOn(lineSurface, m_document, {0, 0}, m_settings), 0);
    EXPECT_EQ(line.m_points.GetSize(), 1);
}

// ---- Archive

struct BodyCase {
    const char* name;
    const ShapeKind* shape;
};

void PrintTo(const BodyCase& c, std::ostream* out) {
    *out << c.name;
}

class RedShapeBody : public RedShape, public ::testing::WithParamInterface<BodyCase> {};

TEST_P(RedShapeBody, IsTheGroupLayoutReadAndWrittenBackByteForByte) {
    CRukMark& mark = Drawn(*GetParam().shape, {1000, 3000}, {4000, 1000});
    const std::vector<BYTE> stored = StoreObject(mark);
    Bytes own = ClassRecord(0, GetParam().shape->name);
    own.Long(mark.m_x1).Long(mark.m_y1).Long(mark.m_x2).Long(mark.m_y2);
    own.Text("RED").Long(0x0000FF).Text("").Byte(0).Text("tag").Text("tip").Long(1).Word(1);
    ASSERT_GT(stored.size(), own.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(), stored.begin() + own.Get().size()), own.Get());

    const LoadedMarkup<CRukMark> loaded(LoadObject(stored));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(StoreObject(*loaded.mark), stored);
    EXPECT_EQ(loaded.mark->GetKind(), mark.GetKind());
    for (int index : {0, 1}) {
        int x = 0, y = 0, loadedX = 0, loadedY = 0;
        ASSERT_EQ(mark.GetPoint(&x, &y, index), 1);
        ASSERT_EQ(loaded.mark->GetPoint(&loadedX, &loadedY, index), 1);
        EXPECT_EQ((POINT{loadedX, loadedY}), (POINT{x, y})) << index;
    }
}

INSTANTIATE_TEST_SUITE_P(RedShapes, RedShapeBody,
                         ::testing::Values(BodyCase{"Line", &kLine}, BodyCase{"Circle", &kCircle},
                                           BodyCase{"Ellipse", &kEllipse},
                                           BodyCase{"Square", &kSquare}),
                         [](const ::testing::TestParamInfo<BodyCase>& info) {
                             return info.param.name;
                         });

TEST(RedCircleBody, LoadedCircleRebuildsCentreAndRightmostPoint) {
    CRukRedCircle circle;
    circle.m_x1 = 1000;
    circle.m_y1 = 2000;
    circle.m_x2 = 3000;
    circle.m_y2 = 0;
    const LoadedMarkup<CRukRedCircle> loaded(LoadObject(StoreObject(circle)));
    ASSERT_NE(loaded.mark, nullptr);
    EXPECT_EQ(VerticesOf(*loaded.mark), (std::vector<POINT>{{2000, 1000}, {3000, 1000}}));
}

// ---- Drawing

TEST_F(RedShape, SelectedFilledShapeIsDrawnWithASolidBrush) {
    m_document.m_style.m_redFillType = 3;
    CRukMark& square = Drawn(kSquare, {0, 1000}, {2000, 0});
    CRecordingDC dc;
    square.Draw(&m_document, &dc, 0, 0, 0.1, 0x0000FF, &m_settings, RECT{0, 0, 0, 0});
    bool solid = false;
    for (const std::string& call : dc.Calls())
        solid = solid || (call.find("brush") != std::string::npos &&
                          call.find("BS_SOLID") != std::string::npos);
    EXPECT_TRUE(solid) << "fill type 3 shows its area";
    m_document.m_style.m_redFillType = 0;
    CRukMark& hollow = Drawn(kSquare, {0, 1000}, {2000, 0});
    CRecordingDC hollowDc;
    hollow.Draw(&m_document, &hollowDc, 0, 0, 0.1, 0x0000FF, &m_settings, RECT{0, 0, 0, 0});
    for (const std::string& call : hollowDc.Calls())
        EXPECT_EQ(call.find("BS_SOLID"), std::string::npos) << call;
}

} // namespace
