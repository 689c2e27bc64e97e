#include "ViewFixture.h"

#include "entities/CRukGroup.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <optional>

namespace {

using ViewPaintingTest = ViewFixture;

TEST_F(ViewPaintingTest, LinesOfShownLayersLandOnTheirPixels) {
    m_view.ZoomFit(1);
    EXPECT_EQ(Pixel(60, 109), QColor(Qt::red));
    EXPECT_EQ(Pixel(200, 109), QColor(Qt::red));
    EXPECT_EQ(Pixel(110, 60), QColor(Qt::blue));
    EXPECT_EQ(Pixel(110, 20), QColor(Qt::blue));
    EXPECT_EQ(Pixel(60, 60), QColor(Qt::white));
    EXPECT_EQ(Pixel(60, 150), QColor(Qt::white));
    // The margins stay background.
    EXPECT_EQ(Pixel(3, 109), QColor(Qt::white));
    EXPECT_EQ(Pixel(110, 215), QColor(Qt::white));
}

TEST_F(ViewPaintingTest, HiddenLayerLeavesBackground) {
    m_view.ZoomFit(1);
    Hide("up");
    m_view.Redraw();
    EXPECT_EQ(Pixel(110, 60), QColor(Qt::white));
    EXPECT_EQ(Pixel(60, 109), QColor(Qt::red));
}

TEST_F(ViewPaintingTest, BackgroundColourFillsTheView) {
    m_settings.m_bkColor = 0x000000;
    m_view.ZoomFit(1);
    EXPECT_EQ(Pixel(60, 60), QColor(Qt::black));
    EXPECT_EQ(Pixel(0, 0), QColor(Qt::black));
}

TEST_F(ViewPaintingTest, DrawingOrderDecidesWhatLiesOnTop) {
    Redline("red", kGreen, 0, 500, 1000, 500);
    struct OrderCase {
        int order;
        QColor top;
    };
    const OrderCase cases[] = {{1, QColor(Qt::green)}, {2, QColor(Qt::red)}};
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.order);
        m_settings.m_viewOrder = c.order;
        m_view.ZoomFit(1);
        EXPECT_EQ(Pixel(60, 109), c.top);
    }
}

TEST_F(ViewPaintingTest, MonochromeModes) {
    Redline("red", kGreen, 0, 250, 1000, 250);
    m_document.FindLayer("across")->m_monochrome = 1;
    struct MonoCase {
        int mode;
        QColor across;
        QColor up;
        QColor redline;
    };
    const QColor black(Qt::black);
    const MonoCase cases[] = {{0, QColor(Qt::red), QColor(Qt::blue), QColor(Qt::green)},
                              {1, black, black, black},
                              {2, black, black, QColor(Qt::green)},
                              {3, black, QColor(Qt::blue), QColor(Qt::green)}};
    for (const MonoCase& c : cases) {
        SCOPED_TRACE(c.mode);
        m_settings.m_mono = c.mode;
        m_view.ZoomFit(1);
        EXPECT_EQ(Pixel(60, 109), c.across);
        EXPECT_EQ(Pixel(110, 60), c.up);
        EXPECT_EQ(Pixel(60, 159), c.redline);
    }
}

TEST_F(ViewPaintingTest, HiddenRedlinesAreNotDrawn) {
    Redline("red", kGreen, 0, 500, 1000, 500);
    m_settings.m_showRedlines = 0;
    m_view.ZoomFit(1);
    EXPECT_EQ(Pixel(60, 109), QColor(Qt::red));
}

TEST_F(ViewPaintingTest, EmptyDrawingAreaPaintsOnlyBackground) {
    struct AreaCase {
        const char* name;
        int width;
        int height;
        int margin;
    };
    const AreaCase cases[] = {{"window smaller than the margins", 20, 20, 10},
                              {"margins as large as the window", 220, 220, 110},
                              {"one pixel row left", 220, 21, 10},
                              {"no window", 0, 0, 10}};
    m_view.ZoomFit(1);
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_settings.m_marginLeft = m_settings.m_marginRight = c.margin;
        m_settings.m_marginTop = m_settings.m_marginBottom = c.margin;
        m_view.resize(c.width, c.height);
        m_view.Redraw();
        EXPECT_FALSE(m_view.HasDrawingArea());
        const QImage& surface = m_view.Surface();
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                ASSERT_EQ(QColor(surface.pixel(x, y)), QColor(Qt::white)) << x << "," << y;
        CDC dc(CDeviceCaps(220, 220));
        EXPECT_FALSE(m_view.PrepareDC(&dc));
        m_view.ZoomByFactor(0.5);
        m_view.ZoomAtPoint(0.5, {5, 5});
        EXPECT_EQ(m_view.m_windowExtX, 5000);
        EXPECT_EQ(m_view.m_windowExtY, 5000);
    }
}

void SendMouse(QWidget& widget, QEvent::Type type, Qt::MouseButton button, QPoint point) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(point), widget.mapToGlobal(QPointF(point)),
                      type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

TEST_F(ViewPaintingTest, MiddleButtonDragPansTheDrawing) {
    m_view.ZoomFit(1);
    SendMouse(m_view, QEvent::MouseButtonPress, Qt::MiddleButton, {100, 100});
    SendMouse(m_view, QEvent::MouseMove, Qt::MiddleButton, {130, 90});
    // The drawing follows the mouse during the drag.
    EXPECT_EQ(Pixel(140, 60), QColor(Qt::blue));
    EXPECT_EQ(Pixel(60, 99), QColor(Qt::red));
    SendMouse(m_view, QEvent::MouseButtonRelease, Qt::MiddleButton, {130, 90});
    EXPECT_EQ(m_view.m_panX, -30);
    EXPECT_EQ(m_view.m_panY, 10);
    EXPECT_EQ(Pixel(140, 60), QColor(Qt::blue));
    EXPECT_EQ(Pixel(110, 60), QColor(Qt::white));
    EXPECT_EQ(m_view.m_bSavedView, 1);
}

struct Mapping {
    int extentX;
    int extentY;
    int panX;
    int panY;
    int span;
    friend bool operator==(const Mapping&, const Mapping&) = default;
};

Mapping MappingOf(const CZumeoView& view, const CZumeoDoc& document) {
    return {view.m_windowExtX, view.m_windowExtY, view.m_panX, view.m_panY, document.m_deviceSpanX};
}

// The column of the first pixel of that colour in the row; -1 when none.
int ColumnOf(const QImage& image, int row, QColor colour) {
    for (int x = 0; x < image.width(); ++x)
        if (QColor(image.pixel(x, row)) == colour)
            return x;
    return -1;
}

TEST_F(ViewPaintingTest, WindowZoomIsTheSameInEveryDragDirection) {
    struct Drag {
        const char* name;
        QPoint from;
        QPoint to;
    };
    // A frame of 50 pixels around the crossing of the two lines.
    const Drag drags[] = {{"left to right, downwards", {85, 85}, {135, 135}},
                          {"right to left, upwards", {135, 135}, {85, 85}},
                          {"right to left, downwards", {135, 85}, {85, 135}},
                          {"left to right, upwards", {85, 135}, {135, 85}}};
    std::optional<Mapping> first;
    for (const Drag& drag : drags) {
        SCOPED_TRACE(drag.name);
        m_view.ZoomFit(1);
        m_view.OnWindowZoomTool();
        SendMouse(m_view, QEvent::MouseButtonPress, Qt::LeftButton, drag.from);
        SendMouse(m_view, QEvent::MouseMove, Qt::NoButton, drag.to);
        SendMouse(m_view, QEvent::MouseButtonRelease, Qt::LeftButton, drag.to);
        m_view.OnWindowZoomTool();
        const Mapping mapping = MappingOf(m_view, m_document);
        if (!first)
            first = mapping;
        EXPECT_EQ(mapping, *first);
        // 50 of the 200 pixels now fill the area: a quarter of the unit
        // square's side, more than four times deeper than the fit.
        EXPECT_EQ(mapping.span, 100000);
        EXPECT_NEAR(mapping.extentX, 5000 * 20 / 4, 5000 * 20 / 4 / 10);
        EXPECT_EQ(mapping.extentX, mapping.extentY);
        // The crossing stays near the centre.
        EXPECT_NEAR(ColumnOf(m_view.Surface(), 30, QColor(Qt::blue)), 110, 3);
    }
}

TEST_F(ViewPaintingTest, WindowZoomClickWithoutDragKeepsTheFrame) {
    m_view.ZoomFit(1);
    m_view.OnWindowZoomTool();
    SendMouse(m_view, QEvent::MouseButtonPress, Qt::LeftButton, {85, 85});
    SendMouse(m_view, QEvent::MouseButtonRelease, Qt::LeftButton, {85, 85});
    EXPECT_NE(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    SendMouse(m_view, QEvent::MouseMove, Qt::NoButton, {135, 135});
    SendMouse(m_view, QEvent::MouseButtonPress, Qt::LeftButton, {135, 135});
    SendMouse(m_view, QEvent::MouseButtonRelease, Qt::LeftButton, {135, 135});
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_document.m_deviceSpanX, 100000);
}

TEST_F(ViewPaintingTest, SelectionIsDrawnInTheSelectionColour) {
    m_view.ZoomFit(1);
    CRukLine* mark = Redline("red", kGreen, 500, 0, 500, 1000);
    auto* group = new CRukGroup;
    group->m_layerName = "red";
    group->AddChild(mark);
    group->RecalcExtents();
    m_document.AddMarkup(group);
    m_view.Redraw();
    EXPECT_EQ(Pixel(110, 60), QColor(Qt::green));
    m_view.m_toolMode = CZumeoView::kToolPan;
    m_document.m_selection.AddTail(group);
    m_view.Redraw();
    EXPECT_EQ(Pixel(110, 60), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(Pixel(60, 109), QColor(Qt::red));
}

TEST_F(ViewPaintingTest, DragZoomFollowsTheMouse) {
    struct DragCase {
        const char* name;
        int toY;
        int extent;
        int span;
    };
    const DragCase cases[] = {{"down by 10 zooms out", 110, 6119, 5000},
                              {"up by 10 zooms in", 90, 8170, 10000},
                              {"sideways changes nothing", 100, 5000, 5000}};
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.name);
        m_view.ZoomFit(1);
        m_view.OnZoomTool();
        SendMouse(m_view, QEvent::MouseButtonPress, Qt::LeftButton, {110, 100});
        SendMouse(m_view, QEvent::MouseMove, Qt::LeftButton, {140, c.toY});
        SendMouse(m_view, QEvent::MouseButtonRelease, Qt::LeftButton, {140, c.toY});
        m_view.OnZoomTool();
        EXPECT_EQ(m_view.m_windowExtX, c.extent);
        EXPECT_EQ(m_view.m_windowExtY, c.extent);
        EXPECT_EQ(m_document.m_deviceSpanX, c.span);
        EXPECT_TRUE(m_view.CanPreviousView());
    }
}

void SendWheel(QWidget& widget, QPoint point, int delta) {
    QWheelEvent event(QPointF(point), widget.mapToGlobal(QPointF(point)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &event);
}

// The drawing point under a window pixel.
POINT DrawingPointAt(const CZumeoView& view, const CZumeoDoc& document, POINT pixel) {
    CDC dc(CDeviceCaps(view.width(), view.height()));
    view.PrepareDC(&dc);
    dc.DPtoLP(&pixel);
    return document.DeviceToLogicalPoint(pixel.x, pixel.y);
}

TEST_F(ViewPaintingTest, WheelZoomKeepsThePointUnderTheCursor) {
    m_view.ZoomFit(1);
    const POINT before = DrawingPointAt(m_view, m_document, {60, 60});
    SendWheel(m_view, {60, 60}, 120);
    EXPECT_EQ(m_view.m_windowExtX, 8000);
    EXPECT_EQ(m_document.m_deviceSpanX, 10000);
    const POINT after = DrawingPointAt(m_view, m_document, {60, 60});
    EXPECT_NEAR(after.x, before.x, 5);
    EXPECT_NEAR(after.y, before.y, 5);
}

TEST_F(ViewPaintingTest, WheelBeyondTheExtentLimitKeepsThePreviousView) {
    m_view.ZoomFit(1);
    m_view.m_windowExtX = m_view.m_windowExtY = 140000;
    SendWheel(m_view, {60, 60}, -120);
    EXPECT_EQ(m_view.m_windowExtX, 140000);
    // The stored view is still the one before the fit.
    m_view.OnPreviousView();
    EXPECT_EQ(m_view.m_windowExtX, 5000);
    EXPECT_EQ(m_document.m_deviceSpanX, 10000);
}

} // namespace
