#include "ViewFixture.h"
#include "app/CViewCursors.h"
#include "platform/win/Cursors.h"
namespace {

using ViewMappingTest = ViewFixture;

TEST(ViewCentringTest, OffsetCentresTheExtentInTheFreeDimension) {
    struct CentringCase {
        int extentX, extentY, width, height;
        POINT offset;
    };
    const CentringCase cases[] = {
        {5000, 5000, 199, 199, {0, 0}},   {5000, 5000, 299, 199, {50, 0}},
        {5000, 5000, 199, 299, {0, 50}},  {10000, 5000, 199, 199, {0, 50}},
        {5000, 10000, 199, 199, {50, 0}}, {3, 1, 100, 10, {35, 0}},
        {5000, 5000, 0, 199, {0, 0}},     {5000, 5000, 199, 0, {0, 0}},
        {0, 5000, 199, 199, {0, 0}},
    };
    for (const CentringCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.extentX << "x" << c.extentY << " in " << c.width << "x" << c.height);
        const POINT offset =
            CZumeoView::GetCenteringOffset(c.extentX, c.extentY, c.width, c.height);
        EXPECT_EQ(offset.x, c.offset.x);
        EXPECT_EQ(offset.y, c.offset.y);
    }
}

TEST_F(ViewMappingTest, DeviceSpanForRatio) {
    struct SpanCase {
        double ratio;
        int nt;
        int span;
    };
    const SpanCase cases[] = {
        {0.5, 1, 5000},    {1.0, 1, 5000},     {1.01, 1, 10000},   {2.0, 1, 10000},
        {3.0, 1, 20000},   {4.0, 1, 20000},    {4.5, 1, 100000},   {10.0, 1, 100000},
        {50.0, 1, 200000}, {100.0, 1, 200000}, {300.0, 1, 400000}, {301.0, 1, 800000},
        {4.5, 0, 32767},   {500.0, 0, 32767},  {4.0, 0, 20000},
    };
    for (const SpanCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ratio << " nt " << c.nt);
        m_settings.m_bWindowsNT = c.nt;
        EXPECT_EQ(m_view.DeviceSpanForRatio(c.ratio), c.span);
    }
}

TEST_F(ViewMappingTest, FitMapsTheDrawingOntoTheDrawingArea) {
    m_view.ZoomFit(1);
    EXPECT_EQ(m_document.m_deviceSpanX, 5000);
    EXPECT_DOUBLE_EQ(m_document.m_scaleX, 5.0);
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(m_view.m_windowExtY, 5000);
    EXPECT_EQ(m_view.m_viewportOrgX, 10);
    EXPECT_EQ(m_view.m_viewportOrgY, 209);
    CDC dc(CDeviceCaps(220, 220));
    ASSERT_TRUE(m_view.PrepareDC(&dc));
    POINT corners[] = {{0, 0}, {5000, 5000}, {2500, 2500}};
    dc.LPtoDP(corners, 3);
    EXPECT_EQ(corners[0].x, 10);
    EXPECT_EQ(corners[0].y, 209);
    EXPECT_EQ(corners[1].x, 210);
    EXPECT_EQ(corners[1].y, 9);
    EXPECT_EQ(corners[2].x, 110);
    EXPECT_EQ(corners[2].y, 109);
    const POINT centre = m_view.GetClientCentre();
    EXPECT_EQ(centre.x, 2500);
    EXPECT_EQ(centre.y, 2475);
}

TEST_F(ViewMappingTest, FitCentresAWideDrawing) {
    Line("across", kRed, 0, 0, 2000, 0);
    m_document.m_fullExtent = m_document.m_extent;
    m_view.ZoomFit(1);
    // 2000 x 1000 units: 5000 x 2500 view units, 100 pixels high, centred.
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(m_view.m_windowExtY, 2500);
    EXPECT_EQ(m_view.m_viewportOrgX, 10);
    EXPECT_EQ(m_view.m_viewportOrgY, 209 - 50);
}

TEST_F(ViewMappingTest, ZoomByFactor) {
    struct ZoomCase {
        const char* name;
        int extentX, extentY, span, nt;
        double factor;
        int newX, newY, newSpan;
    };
    const ZoomCase cases[] = {
        {"in by two: the span doubles", 5000, 5000, 5000, 1, 0.5, 5000, 5000, 10000},
        {"out by two", 5000, 5000, 5000, 1, 2.0, 10000, 10000, 5000},
        {"beyond 150000", 5000, 5000, 5000, 1, 31.0, 5000, 5000, 5000},
        {"beyond 32767 outside NT", 5000, 5000, 5000, 0, 7.0, 5000, 5000, 5000},
        {"ratio above 600", 5000, 5000, 5000, 1, 0.001, 5000, 5000, 5000},
        {"smaller side clamped to 40", 1000, 500, 5000, 1, 0.05, 3200, 1600, 200000},
        {"narrow side clamped to 40", 500, 1000, 5000, 1, 0.05, 1600, 3200, 200000},
        {"deep zoom outside NT", 5000, 5000, 5000, 0, 0.2, 6553, 6553, 32767},
        {"deep zoom on NT", 5000, 5000, 5000, 1, 0.2, 20000, 20000, 100000},
        {"zero factor", 5000, 5000, 5000, 1, 0.0, 5000, 5000, 5000},
        {"negative factor", 5000, 5000, 5000, 1, -1.0, 5000, 5000, 5000},
    };
    for (const ZoomCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_settings.m_bWindowsNT = c.nt;
        m_view.ZoomFit(1);
        m_view.m_windowExtX = c.extentX;
        m_view.m_windowExtY = c.extentY;
        m_document.m_deviceSpanX = c.span;
        m_document.ComputeScale();
        m_view.ZoomByFactor(c.factor);
        EXPECT_EQ(m_view.m_windowExtX, c.newX);
        EXPECT_EQ(m_view.m_windowExtY, c.newY);
        EXPECT_EQ(m_document.m_deviceSpanX, c.newSpan);
    }
}

TEST_F(ViewMappingTest, ZoomKeepsTheCentreInPlace) {
    m_view.ZoomFit(1);
    m_view.m_zoomCentre = {2500, 2500};
    m_view.ZoomByFactor(0.5);
    // The crossing of the lines, now 100 pixels from the lines' ends, stays
    // in the middle of the window.
    EXPECT_EQ(Pixel(110, 30), QColor(Qt::blue));
    EXPECT_EQ(Pixel(15, 110), QColor(Qt::red));
    EXPECT_EQ(m_document.m_deviceSpanX, 10000);
    EXPECT_DOUBLE_EQ(m_document.m_scaleX, 10.0);
}

TEST_F(ViewMappingTest, ZoomAtPointKeepsTheCentreUnderThePoint) {
    m_view.ZoomFit(1);
    m_view.m_zoomCentre = {2500, 2500};
    m_view.ZoomAtPoint(0.5, {60, 60});
    EXPECT_EQ(Pixel(60, 20), QColor(Qt::blue));
    EXPECT_EQ(Pixel(15, 60), QColor(Qt::red));
}

TEST_F(ViewMappingTest, RepeatedZoomInStopsAtTheRatioLimit) {
    m_view.ZoomFit(1);
    for (int i = 0; i < 100; ++i)
        m_view.ZoomByFactor(0.5);
    const int extent = m_view.m_windowExtX;
    const int span = m_document.m_deviceSpanX;
    EXPECT_GT(static_cast<double>(span) / extent / 0.5, 600.0);
    m_view.ZoomByFactor(0.5);
    EXPECT_EQ(m_view.m_windowExtX, extent);
    EXPECT_EQ(m_document.m_deviceSpanX, span);
}

TEST_F(ViewMappingTest, FitOfAnEmptyDocument) {
    CZumeoDoc empty;
    m_view.SetDocument(&empty);
    m_view.ZoomFit(1);
    EXPECT_EQ(empty.m_deviceSpanX, 5000);
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(m_view.m_windowExtY, 5000);
    m_view.ZoomByFactor(0.5);
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(empty.m_deviceSpanX, 10000);
    EXPECT_EQ(Pixel(110, 110), QColor(Qt::white));
    EXPECT_FALSE(m_view.HasDrawing());
    m_view.SetDocument(nullptr);
}

TEST_F(ViewMappingTest, FitWithEveryLayerHiddenKeepsThePreviousView) {
    m_view.ZoomFit(1);
    m_view.ZoomByFactor(0.5);
    const CDocExtent extent = m_document.m_extent;
    Hide("across");
    Hide("up");
    m_view.ZoomFit(1);
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(m_document.m_deviceSpanX, 10000);
    EXPECT_EQ(m_document.m_extent, extent);
    EXPECT_DOUBLE_EQ(m_document.m_scaleX, 10.0);
}

TEST_F(ViewMappingTest, FitWithAHiddenLayerCoversTheShownEntities) {
    Line("up", kBlue, 500, 0, 500, 3000);
    m_document.m_fullExtent = m_document.m_extent;
    Hide("up");
    m_view.ZoomFit(1);
    EXPECT_EQ(m_document.m_extent, (CDocExtent{0, 500, 1000, 500}));
    EXPECT_EQ(m_view.m_windowExtX, m_document.m_deviceSpanX);
    EXPECT_EQ(m_view.m_windowExtY, 100);
}

TEST_F(ViewMappingTest, PreviousViewGoesBackOneStep) {
    m_view.ZoomFit(1);
    m_view.ZoomByFactor(0.5);
    const int extent = m_view.m_windowExtX;
    const int span = m_document.m_deviceSpanX;
    const int panX = m_view.m_panX;
    m_view.SaveView();
    m_view.m_zoomCentre = {100, 100};
    m_view.ZoomByFactor(0.2);
    EXPECT_TRUE(m_view.CanPreviousView());
    m_view.OnPreviousView();
    EXPECT_EQ(m_view.m_windowExtX, extent);
    EXPECT_EQ(m_document.m_deviceSpanX, span);
    EXPECT_EQ(m_view.m_panX, panX);
    EXPECT_FALSE(m_view.CanPreviousView());
}

TEST_F(ViewMappingTest, ToolCommandsToggleTheirMode) {
    struct ToolCase {
        void (CZumeoView::*command)();
        int mode;
        int cursor;
    };
    const ToolCase cases[] = {
        {&CZumeoView::OnPanTool, CZumeoView::kToolPan, CViewCursors::kPanOpen},
        {&CZumeoView::OnZoomTool, CZumeoView::kToolDragZoom, CViewCursors::kZoom},
        {&CZumeoView::OnWindowZoomTool, CZumeoView::kToolWindowZoom, IDC_CROSS},
        {&CZumeoView::OnSelectTool, CZumeoView::kToolSelect, IDC_ARROW},
        {&CZumeoView::OnMoveTool, CZumeoView::kToolMove, IDC_ARROW},
        {&CZumeoView::OnMeasureTool, CZumeoView::kToolMeasure, IDC_CROSS}};
    m_document.m_selection.AddTail(m_up);
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.mode);
        (m_view.*c.command)();
        EXPECT_TRUE(m_view.IsToolChecked(c.mode));
        EXPECT_EQ(m_view.GetCursorId(), c.cursor);
        EXPECT_EQ(m_view.cursor().shape(), CViewCursors::Shape(c.cursor).shape());
        EXPECT_TRUE(m_document.m_selection.IsEmpty());
        (m_view.*c.command)();
        EXPECT_TRUE(m_view.IsToolChecked(CZumeoView::kToolNone));
        EXPECT_EQ(m_view.cursor().shape(), Qt::ArrowCursor);
    }
}

} // namespace
