// The measure tool's vertices and values, alone and through the view's gestures.
#include "ToolFixture.h"
#include "app/CRukMeasureTracker.h"
#include "platform/gdi/CImageDC.h"
#include "tests/support/TempProfile.h"
#include "ui/CMeasureDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include <QImage>

#include <ostream>
#include <vector>

namespace {

struct MeasureCase {
    const char* name;
    int kind;
    std::vector<POINT> vertices;
    POINT cursor;
    int finished;
    double value;
    double angle;
};

void PrintTo(const MeasureCase& c, std::ostream* os) {
    *os << c.name;
}

class MeasureValuesTest : public ::testing::TestWithParam<MeasureCase> {
protected:
    CZumeoDoc m_document;
};

TEST_P(MeasureValuesTest, ValueAndAngleInUnits) {
    const MeasureCase& c = GetParam();
    CRukMeasureTracker tracker;
    tracker.m_measureKind = c.kind;
    for (const POINT& vertex : c.vertices)
        tracker.AddPoint(vertex.x, vertex.y, 0);
    DPOINT first{};
    DPOINT second{};
    double value = -1.0;
    double angle = -1.0;
    int isArea = -1;
    tracker.Measure(&m_document, c.cursor.x, c.cursor.y, &first, &second, &value, &angle,
                    c.finished, &isArea);
    EXPECT_NEAR(value, c.value, 1e-9);
    // The program takes pi as 3.141592654.
    EXPECT_NEAR(angle, c.angle, 1e-7);
    EXPECT_EQ(isArea, c.kind != 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureValuesTest,
    ::testing::Values(
        MeasureCase{"LengthInProgressAddsTheCursorSegment",
                    0,
                    {{0, 0}, {3000, 0}},
                    {3000, 4000},
                    0,
                    7.0,
                    90.0},
        MeasureCase{"LengthFinishedIsTheLastSegmentsPath",
                    0,
                    {{0, 0}, {3000, 0}, {3000, 4000}},
                    {9000, 9000},
                    1,
                    7.0,
                    90.0},
        MeasureCase{"UnitTurnsAVertexAt5000Into5", 0, {{0, 0}}, {5000, 0}, 0, 5.0, 0.0},
        MeasureCase{"SegmentStraightDownIs270", 0, {{0, 4000}}, {0, 0}, 0, 4.0, 270.0},
        MeasureCase{"AreaOfTwoVerticesAndTheCursorIsTheTriangle",
                    1,
                    {{0, 0}, {4000, 0}},
                    {0, 3000},
                    0,
                    6.0,
                    143.13010235415598},
        MeasureCase{"CursorOnTheLineThroughTwoVerticesGivesNoArea",
                    1,
                    {{0, 0}, {4000, 0}},
                    {8000, 0},
                    0,
                    0.0,
                    0.0},
        MeasureCase{"AreaFinishedIsThePolygon",
                    2,
                    {{0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}},
                    {0, 0},
                    1,
                    4.0,
                    180.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MeasureUnitTest, AZeroUnitMeasuresInThousandthsMended) {
    CZumeoDoc document;
    document.m_unit = 0;
    CRukMeasureTracker tracker;
    tracker.AddPoint(0, 0, 0);
    tracker.AddPoint(5000, 0, 0);
    EXPECT_DOUBLE_EQ(tracker.GetLength(&document), 5.0);
}

struct FinishCase {
    const char* name;
    int kind;
    int vertices;
    int finishes;
};

void PrintTo(const FinishCase& c, std::ostream* os) {
    *os << c.name;
}

class MeasureFinishTest : public ::testing::TestWithParam<FinishCase> {};

TEST_P(MeasureFinishTest, FinishNeedsEnoughVertices) {
    const FinishCase& c = GetParam();
    CRukMeasureTracker tracker;
    tracker.m_measureKind = c.kind;
    for (int i = 0; i < c.vertices; ++i)
        tracker.AddPoint(i * 1000, (i % 2) * 1000, 0);
    EXPECT_EQ(tracker.AddPoint(7000, 7000, 1), c.finishes);
}

INSTANTIATE_TEST_SUITE_P(Cases, MeasureFinishTest,
                         ::testing::Values(FinishCase{"LengthWithOneVertex", 0, 1, 0},
                                           FinishCase{"LengthWithTwoVertices", 0, 2, 1},
                                           FinishCase{"AreaWithTwoVertices", 1, 2, 0},
                                           FinishCase{"AreaWithThreeVertices", 1, 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MeasureEraseTest, RightClickTakesBackTheLastVertexAndTheBandGoesOnFromThePrevious) {
    CZumeoDoc document;
    document.ExtendExtent(0, 0, 10000, 10000);
    document.ComputeScale();
    CDrawDefaults settings;
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    CImageDC dc(image);
    CRukMeasureTracker tracker;
    tracker.AddPoint(0, 0, 0);
    tracker.AddPoint(1000, 0, 0);
    tracker.AddPoint(1000, 1000, 0);
    EXPECT_EQ(tracker.EraseTracking(&document, &dc, 2000, 2000, &settings), 2);
    EXPECT_EQ(tracker.m_x1, 1000);
    EXPECT_EQ(tracker.m_y1, 0);
    EXPECT_EQ(tracker.EraseTracking(&document, &dc, 2000, 2000, &settings), 1);
    EXPECT_EQ(tracker.EraseTracking(&document, &dc, 2000, 2000, &settings), 0)
        << "the first vertex is not taken back";
}

using MeasureGestureTest = ToolFixture;

TEST_F(MeasureGestureTest, ClicksAddVerticesAndADoubleClickAfterOneDoesNotFinish) {
    m_view.OnMeasureTool();
    DoubleClick(Pixel(100, 100));
    ASSERT_NE(m_view.m_pTool, nullptr) << "one vertex does not finish a length";
    auto* tracker = static_cast<CRukMeasureTracker*>(m_view.m_pTool.get());
    EXPECT_EQ(tracker->m_points.GetSize(), 1);
    Click(Pixel(400, 100));
    EXPECT_EQ(tracker->m_points.GetSize(), 2);
    DoubleClick(Pixel(400, 500));
    EXPECT_EQ(m_view.m_pTool, nullptr) << "finished with the last segment";
}

TEST_F(MeasureGestureTest, RightClickAtTheFirstVertexEndsTheMeasurement) {
    m_view.OnMeasureTool();
    Click(Pixel(100, 100));
    Click(Pixel(400, 100));
    Send(QEvent::MouseButtonPress, Qt::RightButton, Pixel(400, 300));
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Pixel(400, 300));
    ASSERT_NE(m_view.m_pTool, nullptr);
    EXPECT_EQ(static_cast<CRukMeasureTracker*>(m_view.m_pTool.get())->m_points.GetSize(), 1);
    Send(QEvent::MouseButtonPress, Qt::RightButton, Pixel(400, 300));
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Pixel(400, 300));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolMeasure);
}

TEST_F(MeasureGestureTest, RubberBandLeavesNoTraceOnceTheMouseMovesOn) {
    m_view.OnMeasureTool();
    const QImage clean = m_view.Surface().copy();
    Click(Pixel(100, 100));
    Move(Pixel(300, 700));
    EXPECT_NE(m_view.Surface(), clean);
    Send(QEvent::MouseButtonPress, Qt::RightButton, Pixel(300, 700));
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Pixel(300, 700));
    EXPECT_EQ(m_view.Surface(), clean);
}

class MeasureDialogTest : public ToolFixture {
protected:
    QString Value() const {
        return m_view.MeasureDialog()
            ->findChild<QLineEdit*>(QStringLiteral("id_%1").arg(CMeasureDlg::kValue))
            ->text();
    }

    TempProfile m_profile;
};

TEST_F(MeasureDialogTest, TheWindowShowsWhatTheToolMeasuresWhileTheToolIsOn) {
    m_view.OnMeasureTool();
    ASSERT_NE(m_view.MeasureDialog(), nullptr);
    EXPECT_TRUE(m_view.MeasureDialog()->isVisible());
    Click(Pixel(100, 100));
    Move(Pixel(400, 100));
    EXPECT_EQ(m_view.MeasureDialog()->MeasuredState(), 1);
    // 300 drawing units at the unit 1000.
    EXPECT_EQ(Value(), QStringLiteral("0.30 mm"));
    Click(Pixel(400, 100));
    DoubleClick(Pixel(400, 500));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(Value(), QStringLiteral("0.70 mm")) << "the whole polyline when finished";
    m_view.OnMeasureTool();
    EXPECT_EQ(m_view.MeasureDialog(), nullptr) << "gone with the tool";
    m_view.OnMeasureTool();
    m_view.ShowLoadedDrawing();
    EXPECT_EQ(m_view.MeasureDialog(), nullptr) << "gone when another drawing comes";
}

TEST_F(MeasureDialogTest, TakingBackTheFirstVertexResetsTheWindow) {
    m_view.OnMeasureTool();
    Click(Pixel(100, 100));
    Move(Pixel(400, 100));
    Send(QEvent::MouseButtonPress, Qt::RightButton, Pixel(400, 100));
    Send(QEvent::MouseButtonRelease, Qt::RightButton, Pixel(400, 100));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.MeasureDialog()->Kind(), -1);
    EXPECT_EQ(Value(), QStringLiteral("-.-- "));
}

TEST_F(MeasureDialogTest, ClosingTheWindowEndsTheMeasureTool) {
    m_view.OnMeasureTool();
    Click(Pixel(100, 100));
    m_view.MeasureDialog()
        ->findChild<QPushButton*>(QStringLiteral("id_%1").arg(CMeasureDlg::kClose))
        ->click();
    EXPECT_EQ(m_view.MeasureDialog(), nullptr);
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
}

} // namespace
