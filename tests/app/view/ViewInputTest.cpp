// The view's cursors, tooltip, context menu, blink timers and snapping.
#include "ToolFixture.h"
#include "app/CPointSnap.h"
#include "app/CViewCursors.h"
#include "app/CommandIds.h"
#include "platform/win/Cursors.h"

#include <QAction>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

#include <ostream>

namespace {

using ViewInputTest = ToolFixture;

struct CursorCase {
    const char* name;
    int mode;
    bool overMark;
    bool selected;
    int cursor;
};

void PrintTo(const CursorCase& c, std::ostream* os) {
    *os << c.name;
}

class ViewCursorTest : public ToolFixture, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(ViewCursorTest, CursorOfTheModeAtTheMouse) {
    const CursorCase& c = GetParam();
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    if (c.selected)
        m_document.m_selection.AddTail(mark);
    m_view.m_toolMode = c.mode;
    Move(c.overMark ? Pixel(200, 200) : Pixel(800, 800));
    EXPECT_EQ(m_view.GetCursorId(), c.cursor);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ViewCursorTest,
    ::testing::Values(
        CursorCase{"PanOpenHand", CZumeoView::kToolPan, false, false, CViewCursors::kPanOpen},
        CursorCase{"ZoomMagnifier", CZumeoView::kToolDragZoom, true, false, CViewCursors::kZoom},
        CursorCase{"WindowZoomCross", CZumeoView::kToolWindowZoom, true, false, IDC_CROSS},
        CursorCase{"MeasureCross", CZumeoView::kToolMeasure, true, false, IDC_CROSS},
        CursorCase{"SelectOverAMarkup", CZumeoView::kToolSelect, true, false, CViewCursors::kPick},
        CursorCase{"SelectOverNothing", CZumeoView::kToolSelect, false, false, IDC_ARROW},
        CursorCase{"MoveOverTheSelection", CZumeoView::kToolMove, true, true, IDC_SIZEALL},
        CursorCase{"MoveOverAnotherMarkup", CZumeoView::kToolMove, true, false,
                   CViewCursors::kPick},
        CursorCase{"PointEditOverAMarkup", CZumeoView::kToolNone, true, false,
                   CViewCursors::kPick}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewInputTest, PanCursorClosesWhileTheButtonIsDown) {
    m_view.OnPanTool();
    Press(Pixel(500, 500));
    EXPECT_EQ(m_view.GetCursorId(), CViewCursors::kPanGrab);
    Release(Pixel(500, 500));
    EXPECT_EQ(m_view.GetCursorId(), CViewCursors::kPanOpen);
}

TEST_F(ViewInputTest, DrawnCursorsAreImagesWithTheirHotSpot) {
    for (int id : {CViewCursors::kZoom, CViewCursors::kPick, CViewCursors::kPanGrab,
                   CViewCursors::kPanOpen}) {
        SCOPED_TRACE(id);
        const QCursor cursor = CViewCursors::Shape(id);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_FALSE(cursor.pixmap().isNull());
    }
    EXPECT_EQ(CViewCursors::Shape(IDC_SIZEALL).shape(), Qt::SizeAllCursor);
    EXPECT_EQ(CViewCursors::Shape(12345).shape(), Qt::ArrowCursor);
}

TEST_F(ViewInputTest, ToolTipNamesTheMarkupUnderTheCursorInThePickingModes) {
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    mark->m_name = "check";
    Move(Pixel(200, 200));
    EXPECT_EQ(m_view.GetToolTipText(), CString("check"));
    m_view.m_toolMode = CZumeoView::kToolMeasure;
    EXPECT_TRUE(m_view.GetToolTipText().IsEmpty());
    m_view.m_toolMode = CZumeoView::kToolSelect;
    Move(Pixel(800, 800));
    EXPECT_TRUE(m_view.GetToolTipText().IsEmpty());
}

// A name is shown as it stands, never read as formatting.
TEST_F(ViewInputTest, ToolTipShowsTheNameAsPlainText) {
    TestMark* mark = Mark("marks", 100, 100, 300, 300);
    mark->m_name = "<b>A & B</b>";
    Move(Pixel(200, 200));
    QHelpEvent help(QEvent::ToolTip, Pixel(200, 200), m_view.mapToGlobal(Pixel(200, 200)));
    QCoreApplication::sendEvent(&m_view, &help);
    ASSERT_TRUE(QToolTip::isVisible());
    EXPECT_TRUE(QToolTip::text().contains(QStringLiteral("&lt;b&gt;A &amp; B&lt;/b&gt;")))
        << QToolTip::text().toStdString();
    QToolTip::hideText();
}

TEST_F(ViewInputTest, ALoadedMarkupRegistersOnlyItsNameForTheTooltipsMended) {
    std::vector<CString> texts;
    m_view.SetTooltipTextSink([&texts](const CString& text) { texts.push_back(text); });
    TestMark* named = Mark("marks", 100, 100, 300, 300);
    named->m_name = "north door";
    TestMark* unnamed = Mark("marks", 500, 500, 700, 700);
    const INT_PTR order = m_document.m_drawOrder.GetCount();
    m_view.RegisterMarkup(named);
    m_view.RegisterMarkup(unnamed);
    EXPECT_EQ(texts, std::vector<CString>{CString("north door")});
    EXPECT_EQ(m_document.m_drawOrder.GetCount(), order) << "nothing else is filed";
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
}

TEST_F(ViewInputTest, ContextMenuListsTheEditAndViewCommands) {
    m_view.SetCommandRoute([](UINT) {}, [](UINT id) { return id != CommandIds::kEditDelete; });
    const std::unique_ptr<QMenu> menu = m_view.CreateContextMenu();
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-")
                                        : QString::number(action->data().toUInt()));
    EXPECT_EQ(items.join(' ').toStdString(),
              "57632 32796 - 32819 32820 - 32781 32777 32778 32779 32780 32772");
    EXPECT_EQ(menu->actions().front()->text(), QString::fromUtf8("削除"));
    EXPECT_FALSE(menu->actions().front()->isEnabled());
    EXPECT_TRUE(menu->actions().back()->isEnabled());
}

TEST_F(ViewInputTest, ContextMenuInAnotherModeReturnsToPointEdit) {
    m_view.OnSelectTool();
    m_view.OnContextMenu({0, 0});
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
}

TEST_F(ViewInputTest, DoubleClickInThePickingModesAsksForProperties) {
    std::vector<UINT> commands;
    m_view.SetCommandRoute([&commands](UINT id) { commands.push_back(id); }, nullptr);
    Mark("marks", 100, 100, 300, 300);
    DoubleClick(Pixel(200, 200));
    EXPECT_EQ(commands, std::vector<UINT>{CommandIds::kProperties});
}

TEST_F(ViewInputTest, SelectionBlinkRunsInSelectModeWithBlinkingSelection) {
    m_settings.m_selectMode = 2;
    m_settings.m_blinkTime = 700;
    m_view.OnSelectTool();
    EXPECT_TRUE(m_view.IsSelectionBlinking());
    EXPECT_EQ(m_view.SelectionBlinkPeriod(), 700);
    m_view.OnMoveTool();
    EXPECT_FALSE(m_view.IsSelectionBlinking());
    m_settings.m_selectMode = 0;
    m_view.OnSelectTool();
    EXPECT_FALSE(m_view.IsSelectionBlinking());
}

TEST_F(ViewInputTest, HighlightBlinkRunsOnlyWhileRedlinesAreShown) {
    Mark("marks", 100, 100, 300, 300);
    m_view.SetHighlightTimer(1);
    EXPECT_TRUE(m_view.IsHighlightBlinking());
    m_view.SetHighlightTimer(0);
    EXPECT_FALSE(m_view.IsHighlightBlinking());
    m_settings.m_showRedlines = 0;
    m_view.SetHighlightTimer(1);
    EXPECT_FALSE(m_view.IsHighlightBlinking());
}

// Each phase is painted once and then shown again; what is shown is what a
// whole repaint gives, also after something else painted on the view.
TEST_F(ViewInputTest, HighlightBlinkShowsWhatAWholeRepaintGives) {
    Mark("marks", 100, 100, 300, 300);
    m_view.SetHighlightTimer(1);
    const auto repainted = [this] {
        const QImage shown = m_view.Surface().copy();
        m_view.Redraw();
        return shown == m_view.Surface();
    };
    m_view.OnHighlightBlink();
    const QImage without = m_view.Surface().copy();
    m_view.OnHighlightBlink();
    const QImage with = m_view.Surface().copy();
    EXPECT_NE(without, with);
    for (int tick = 0; tick < 4; ++tick) {
        m_view.OnHighlightBlink();
        EXPECT_EQ(m_view.Surface(), tick % 2 == 0 ? without : with) << "tick " << tick;
    }
    EXPECT_TRUE(repainted());
    m_view.OnHighlightBlink();
    EXPECT_TRUE(repainted()) << "after a repaint between ticks";
    m_view.OnHighlightBlink();
    m_view.OnHighlightBlink();
    m_view.OnHighlightBlink();
    EXPECT_TRUE(repainted()) << "after the phases were shown in turn";
}

// The blinking redlines follow a markup that was moved.
TEST_F(ViewInputTest, BlinkAreaFollowsAMovedMarkup) {
    m_settings.m_blinkRedlines = 1;
    Mark("marks", 100, 100, 200, 200);
    m_view.SetHighlightTimer(1);
    m_view.OnMoveTool();
    Click(Pixel(150, 150));
    Drag(Pixel(150, 150), Pixel(650, 150));
    EXPECT_GE(m_view.m_rcHighlight.left, Pixel(590, 0).x());
    EXPECT_LE(m_view.m_rcHighlight.right, Pixel(710, 0).x());
}

TEST_F(ViewInputTest, BlinkAreaStaysWhileDrawingOrWithoutTheBlink) {
    Mark("marks", 100, 100, 200, 200);
    m_view.m_rcHighlight = RECT{1, 2, 3, 4};
    EXPECT_EQ(m_view.CollectBlinkRect(), 0);
    m_settings.m_blinkRedlines = 1;
    m_view.SetHighlightTimer(1);
    m_view.m_rcHighlight = RECT{1, 2, 3, 4};
    m_view.m_toolMode = CZumeoView::kToolRedline;
    EXPECT_EQ(m_view.CollectBlinkRect(), CZumeoView::kToolRedline);
    EXPECT_EQ(m_view.m_rcHighlight.right, 3);
    m_view.m_toolMode = CZumeoView::kToolNone;
    EXPECT_EQ(m_view.CollectBlinkRect(), 2) << "the markup and its line";
}

// Nothing blinks while the redlines are hidden, though the blink is on.
TEST_F(ViewInputTest, BlinkAreaIsNotCollectedWhileTheRedlinesAreHidden) {
    Mark("marks", 100, 100, 200, 200);
    m_settings.m_blinkRedlines = 1;
    m_settings.m_showRedlines = 0;
    m_view.SetHighlightTimer(1);
    m_view.m_rcHighlight = RECT{1, 2, 3, 4};
    EXPECT_EQ(m_view.CollectBlinkRect(), 0);
    EXPECT_EQ(m_view.m_rcHighlight.right, 3);
}

// A redline on a hidden layer is not painted, so it does not blink.
TEST_F(ViewInputTest, BlinkAreaLeavesOutRedlinesOnHiddenLayers) {
    Mark("marks", 100, 100, 200, 200);
    Mark("hidden", 600, 600, 700, 700);
    Hide("hidden");
    m_settings.m_blinkRedlines = 1;
    m_view.SetHighlightTimer(1);
    EXPECT_EQ(m_view.CollectBlinkRect(), 2) << "the shown markup and its line";
    EXPECT_LE(m_view.m_rcHighlight.right, Pixel(210, 0).x());
}

struct WrapCase {
    const char* name;
    QString text;
    // The lines when the text is not cut by the width.
    QStringList lines;
};

void PrintTo(const WrapCase& c, std::ostream* os) {
    *os << c.name;
}

class ToolTipWrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(ToolTipWrapTest, LinesStayWithinTheWidth) {
    const QFont font = QToolTip::font();
    const QStringList lines =
        CZumeoView::WrapToolTipText(GetParam().text, font, CZumeoView::kToolTipMaxWidth);
    const QFontMetrics metrics(font);
    for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), CZumeoView::kToolTipMaxWidth)
            << line.toStdString();
    if (!GetParam().lines.isEmpty()) {
        EXPECT_EQ(lines, GetParam().lines);
    } else {
        EXPECT_GT(lines.size(), 1);
        QString joined = lines.join(QString());
        EXPECT_EQ(joined.remove(QLatin1Char(' ')),
                  QString(GetParam().text).remove(QLatin1Char(' ')));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ToolTipWrapTest,
    ::testing::Values(WrapCase{"ShortName", QStringLiteral("配管A"), {QStringLiteral("配管A")}},
                      WrapCase{"LineBreaksKept",
                               QStringLiteral("一行目\r\n二行目\n\n四"),
                               {QStringLiteral("一行目"), QStringLiteral("二行目"), QString(),
                                QStringLiteral("四")}},
                      WrapCase{"LongJapaneseRun", QString(80, QChar(0x6731)), {}},
                      WrapCase{"LongWords", QStringLiteral("check ").repeated(40).trimmed(), {}}),
    [](const ::testing::TestParamInfo<WrapCase>& info) { return info.param.name; });

struct SnapCase {
    const char* name;
    POINT point;
    double step;
    double base;
    int counterClockwise;
    POINT snapped;
};

void PrintTo(const SnapCase& c, std::ostream* os) {
    *os << c.name;
}

class SnapTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapTest, PointOnTheNearestRay) {
    const SnapCase& c = GetParam();
    const POINT snapped =
        CPointSnap::Angle({100, 100}, c.point, SnapRays{c.step, c.base, c.counterClockwise});
    EXPECT_EQ(snapped.x, c.snapped.x);
    EXPECT_EQ(snapped.y, c.snapped.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnapTest,
    ::testing::Values(
        SnapCase{"NoStepLeavesThePoint", {130, 80}, 0.0, 0.0, 0, {130, 80}},
        SnapCase{"NinetyDegreesNearHorizontal", {150, 110}, 90.0, 0.0, 1, {150, 100}},
        SnapCase{"NinetyDegreesNearVertical", {105, 40}, 90.0, 0.0, 0, {100, 40}},
        SnapCase{"FortyFiveUpRight", {150, 60}, 45.0, 0.0, 1, {145, 55}},
        SnapCase{"FortyFiveClockwiseBaseStillFindsTheDiagonal", {150, 60}, 45.0, 0.0, 0, {145, 55}},
        SnapCase{"BaseAngleTurnsTheRays", {150, 100}, 90.0, 45.0, 1, {125, 75}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OrthogonalSnapTest, NearerAxisWins) {
    const POINT reference{100, 100};
    EXPECT_EQ(CPointSnap::Orthogonal(reference, {150, 130}).y, 100);
    EXPECT_EQ(CPointSnap::Orthogonal(reference, {130, 150}).x, 100);
    EXPECT_EQ(CPointSnap::Orthogonal(reference, {50, 80}).y, 100);
    EXPECT_EQ(CPointSnap::Orthogonal(reference, {90, 20}).x, 100);
    EXPECT_EQ(CPointSnap::Orthogonal(reference, {150, 150}).y, 100) << "45 degrees is horizontal";
}

} // namespace
