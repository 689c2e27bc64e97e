// Drawings painted by the view compared byte for byte with images kept in
// tests/data/golden: a drawing with every kind of entity the records build,
// with standard and own dashed line types, pen widths and fills, and the
// DXF fixtures, each fitted and then zoomed in. A changed painting path that
// moves a single pixel fails here. A missing or differing image is written
// to the temporary folder, named in the failure, to look at or to take over.

#include "ImportedViewFixture.h"

#include "app/CBandPainter.h"

#include "por/PorBlockWriter.h"
#include "tests/por/PorTestData.h"

#include <QDir>
#include <QImage>
#include <QThreadPool>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr LONG kUnit = 1000;
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 160, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kMagenta = RGB(200, 0, 200);
constexpr COLORREF kBlack = RGB(0, 0, 0);

PorRecordBuilder Layer(const char* name) {
    PorRecordBuilder layer(PorLayer::Type);
    layer.Set(PorLayer::Visible, 1);
    layer.Set(PorLayer::Name, name);
    return layer;
}

PorRecordBuilder Line(POINT from, POINT to, PorPen pen, const char* layer = "A") {
    PorRecordBuilder line(PorLine::Type);
    line.Set(PorLine::Start, from);
    line.Set(PorLine::End, to);
    line.Set(PorLine::Pen, pen);
    line.Set(PorLine::Layer, layer);
    return line;
}

template <typename Record>
PorRecordBuilder OpenList(std::vector<POINT> points, PorPen pen, const char* layer = "B") {
    PorRecordBuilder list(Record::Type);
    list.Set(Record::Points, points);
    list.Set(Record::Pen, pen);
    list.Set(Record::Layer, layer);
    return list;
}

template <typename Record>
PorRecordBuilder ClosedList(std::vector<POINT> points, PorPen pen, PorFill fill,
                            const char* layer = "B") {
    PorRecordBuilder list(Record::Type);
    list.Set(Record::Points, points);
    list.Set(Record::Pen, pen);
    list.Set(Record::Fill, fill);
    list.Set(Record::Layer, layer);
    return list;
}

// The box of a conic around its centre, corners in cyclic order.
std::vector<POINT> Box(POINT centre, LONG rx, LONG ry) {
    return {{centre.x - rx, centre.y - ry},
            {centre.x + rx, centre.y - ry},
            {centre.x + rx, centre.y + ry},
            {centre.x - rx, centre.y + ry}};
}

template <typename Record>
PorRecordBuilder Conic(POINT centre, LONG rx, LONG ry, PorPen pen, PorFill fill) {
    PorRecordBuilder conic(Record::Type);
    conic.Set(Record::Corners, Box(centre, rx, ry));
    conic.Set(Record::Pen, pen);
    conic.Set(Record::Fill, fill);
    conic.Set(Record::Layer, "C");
    return conic;
}

template <typename Record>
PorRecordBuilder Arc(POINT centre, LONG rx, LONG ry, POINT start, POINT end, PorPen pen) {
    PorRecordBuilder arc(Record::Type);
    arc.Set(Record::Corners, Box(centre, rx, ry));
    arc.Set(Record::Start, start);
    arc.Set(Record::End, end);
    arc.Set(Record::Pen, pen);
    arc.Set(Record::Layer, "C");
    return arc;
}

PorRecordBuilder Text(POINT at, LONG angle, const char* text, COLORREF color) {
    PorRecordBuilder record(PorText::Type);
    record.Set(PorText::First, at);
    record.Set(PorText::Second, POINT{at.x + 9000, at.y + 1500});
    record.Set(PorText::Angle, angle);
    record.Set(PorText::TextKind, PorText::TextKindValue);
    record.Set(PorText::TextLengthPlus88, static_cast<LONG>(std::strlen(text)) + 88);
    record.Set(PorText::Height, 1500);
    record.Set(PorText::Color, color);
    record.Set(PorText::WidthFactor, 1000);
    record.Set(PorText::Layer, "D");
    record.Set(PorText::FaceName, "IPAGothic");
    record.Set(PorText::Text, text);
    return record;
}

PorRecordBuilder Dot(POINT at, LONG mode, LONG size) {
    PorRecordBuilder dot(PorDot::Type);
    dot.Set(PorDot::Position, at);
    dot.Set(PorDot::Mode, mode);
    dot.Set(PorDot::Size, size);
    dot.Set(PorDot::Color, kMagenta);
    dot.Set(PorDot::Layer, "D");
    return dot;
}

// A packed 8 x 4 bitmap of 24 bits with four coloured quarters and a black
// mark of two pixels in its top left corner, so that it shows turned over
// or mirrored as plainly as the right way up; as wide as its frame.
std::vector<BYTE> SmallBitmap() {
    std::vector<BYTE> bytes = Words({40, 8, 4, 0x00180001, 0, 96, 0, 0, 0, 0});
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 8; ++column) {
            const bool top = row >= 2;
            const bool right = column >= 4;
            const bool mark = row == 3 && column < 2;
            bytes.push_back(static_cast<BYTE>(top && !mark ? 255 : 0));
            bytes.push_back(static_cast<BYTE>(right ? 200 : 0));
            bytes.push_back(static_cast<BYTE>(mark ? 0 : top == right ? 255 : 40));
        }
    return bytes;
}

PorRecordBuilder ImageFrame(POINT low, POINT high) {
    PorRecordBuilder frame(PorIFrame::Type);
    // The corners (point 0 to point 3 along the image's x axis), then the
    // clip outline, which keeps the whole image.
    const std::vector<POINT> corners{low, {low.x, high.y}, high, {high.x, low.y},
                                     low, {low.x, high.y}, high, {high.x, low.y}};
    frame.Set(PorIFrame::Frame, corners);
    frame.Set(PorIFrame::LineType, 1);
    frame.Set(PorIFrame::Color, kBlue);
    frame.Set(PorIFrame::Layer, "D");
    frame.Set(PorIFrame::ImageName, "quarters.bmp");
    frame.Set(PorIFrame::Image, SmallBitmap());
    return frame;
}

template <typename Record> PorRecordBuilder Nurbs(std::vector<POINT> points, PorPen pen) {
    PorRecordBuilder curve(Record::Type);
    curve.Set(Record::Pen, pen);
    curve.Set(Record::Degree, 3);
    curve.Set(Record::ControlPoints, points);
    curve.AppendLong(static_cast<LONG>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i)
        curve.AppendLong(i == 1 ? 2 * kUnit : kUnit);
    const std::size_t knots = points.size() + 4;
    curve.AppendLong(static_cast<LONG>(knots));
    for (std::size_t i = 0; i < knots; ++i) {
        const std::size_t inner = i < 4 ? 0 : std::min(i - 3, points.size() - 3);
        curve.AppendLong(static_cast<LONG>(inner) * kUnit);
    }
    curve.Set(Record::Layer, "B");
    return curve;
}

PorRecordBuilder Block(std::vector<PorRecordBuilder> children) {
    PorRecordBuilder insert(PorInsert::Type);
    for (const PorRecordBuilder& child : children)
        insert.Append(PorInsert::Children, child.Bytes());
    insert.Set(PorInsert::Layer, "0");
    return insert;
}

PorRecordBuilder OwnLineType(LONG id, std::vector<LONG> dashes) {
    PorRecordBuilder lineType(PorLineType::Type);
    lineType.Set(PorLineType::LineTypeId, id);
    lineType.Set(PorLineType::Dashes, dashes);
    return lineType;
}

// Every record kind that builds an entity, on a 100 x 60 unit sheet: lines
// in each standard line type and widths, own line types, filled and
// hollow closed shapes, curves, texts, dots, an image frame and a block.
std::vector<BYTE> EveryKindDrawing() {
    PorBlockWriter block;
    block.Append(MakeHeader(3003, kUnit));
    PorRecordBuilder scale(PorLineTypeScale::Type);
    scale.Set(PorLineTypeScale::Scale, kUnit);
    block.Append(scale);
    block.Append(OwnLineType(1001, {4000, -1000, 500, -1000}));
    block.Append(OwnLineType(1002, {2000, -2000}));
    for (const char* name : {"0", "A", "B", "C", "D"})
        block.Append(Layer(name));

    // Lines: standard types 1 to 9 thin, then widths, then the own types.
    for (LONG type = 1; type <= 9; ++type) {
        const LONG y = 58000 - type * 2000;
        block.Append(Line({2000, y}, {40000, y - 1000}, PorPen{type, 1000, 0, kBlack}));
    }
    const LONG widths[] = {0, 25, 50, 100, 200, 500};
    for (std::size_t i = 0; i < std::size(widths); ++i) {
        const LONG x = 44000 + static_cast<LONG>(i) * 2500;
        block.Append(Line({x, 58000}, {x + 1500, 38000}, PorPen{1, 1000, widths[i], kRed}));
    }
    block.Append(Line({2000, 36000}, {40000, 34000}, PorPen{1001, 1000, 0, kBlue}));
    block.Append(Line({2000, 33000}, {40000, 31000}, PorPen{1002, 2000, 50, kGreen}));
    block.Append(Line({2000, 30000}, {40000, 30000}, PorPen{3, 500, 100, kMagenta}));

    // Open lists.
    block.Append(
        OpenList<PorPolyline>({{60000, 58000}, {70000, 50000}, {80000, 58000}, {98000, 40000}},
                              PorPen{2, 1000, 0, kBlue}));
    block.Append(OpenList<PorPolyline>({{60000, 40000}, {70000, 45000}, {80000, 38000}},
                                       PorPen{1, 1000, 100, kGreen}));
    block.Append(
        OpenList<PorBezier>({{60000, 30000}, {65000, 38000}, {75000, 22000}, {80000, 30000}},
                            PorPen{1, 1000, 0, kRed}));
    block.Append(
        OpenList<PorSpline>({{82000, 22000}, {86000, 30000}, {90000, 24000}, {98000, 32000}},
                            PorPen{4, 1000, 0, kBlack}));
    block.Append(Nurbs<PorNurbs>(
        {{60000, 20000}, {66000, 28000}, {72000, 14000}, {78000, 22000}, {84000, 16000}},
        PorPen{1, 1000, 25, kMagenta}));

    // Closed lists with and without fills.
    block.Append(
        ClosedList<PorPolygon>({{2000, 2000}, {12000, 2000}, {12000, 10000}, {2000, 10000}},
                               PorPen{1, 1000, 0, kBlack}, PorFill{3, kGreen}));
    block.Append(ClosedList<PorPolygon>({{14000, 2000}, {24000, 10000}, {14000, 10000}},
                                        PorPen{5, 1000, 50, kRed}, PorFill{0, 0}));
    block.Append(
        ClosedList<PorCSpline>({{26000, 2000}, {34000, 4000}, {32000, 10000}, {27000, 9000}},
                               PorPen{1, 1000, 0, kBlue}, PorFill{3, kRed}));
    block.Append(ClosedList<PorCBezier>({{36000, 2000},
                                         {40000, 12000},
                                         {44000, 0},
                                         {48000, 6000},
                                         {46000, 10000},
                                         {38000, 9000},
                                         {36000, 2000}},
                                        PorPen{6, 1000, 0, kGreen}, PorFill{0, 0}));
    block.Append(Nurbs<PorCNurbs>({{50000, 2000}, {58000, 4000}, {56000, 12000}, {50000, 10000}},
                                  PorPen{1, 1000, 0, kBlack}));

    // Conics and arcs.
    block.Append(
        Conic<PorCircle>({8000, 20000}, 5000, 5000, PorPen{1, 1000, 0, kBlack}, PorFill{3, kBlue}));
    block.Append(
        Conic<PorCircle>({20000, 20000}, 5000, 5000, PorPen{2, 1000, 50, kRed}, PorFill{0, 0}));
    block.Append(Conic<PorEllipse>({34000, 20000}, 7000, 4000, PorPen{1, 1000, 0, kGreen},
                                   PorFill{3, kMagenta}));
    block.Append(Arc<PorArc>({48000, 20000}, 5000, 5000, {53000, 20000}, {43000, 20000},
                             PorPen{1, 1000, 0, kBlue}));
    block.Append(Arc<PorArc>({48000, 16000}, 4000, 4000, {44000, 16000}, {48000, 12000},
                             PorPen{3, 1000, 100, kBlack}));
    block.Append(Arc<PorEArc>({70000, 8000}, 8000, 4000, {78000, 8000}, {62000, 8000},
                              PorPen{1, 1000, 0, kRed}));

    // Texts, dots, an image frame.
    block.Append(Text({62000, 54000}, 0, "Golden 123", kBlack));
    block.Append(Text({84000, 42000}, 450, "Turned", kBlue));
    block.Append(Dot({90000, 10000}, 0, 0));
    block.Append(Dot({93000, 10000}, 1, 3));
    block.Append(ImageFrame({86000, 2000}, {98000, 8000}));

    // A block of a line and a filled circle.
    block.Append(Block({Line({82000, 54000}, {98000, 46000}, PorPen{1, 1000, 0, kGreen}, "0"),
                        Conic<PorCircle>({94000, 54000}, 3000, 3000, PorPen{1, 1000, 0, kBlack},
                                         PorFill{3, kRed})}));
    block.Append(MakeEnd());
    const auto data = block.Data();
    return {data.begin(), data.end()};
}

struct GoldenCase {
    std::string name;
    // A DXF fixture in tests/data/dxf, or empty for the drawing above.
    std::string dxf;
    int viewOrder;
    // Zoom steps in after the fit.
    int zoomSteps;
};

void PrintTo(const GoldenCase& golden, std::ostream* out) {
    *out << golden.name;
}

// A view of that size on the case's drawing, in its order and zoom.
class GoldenCaseFixture : public ImportedViewFixture<GoldenCase> {
protected:
    GoldenCaseFixture(int width, int height) : ImportedViewFixture(width, height) {}

    bool OpenCase(const GoldenCase& golden) {
        m_settings.m_viewOrder = golden.viewOrder;
        if (!(golden.dxf.empty() ? ImportPor(EveryKindDrawing()) : ImportDxf(golden.dxf)))
            return false;
        for (int step = 0; step < golden.zoomSteps; ++step)
            m_view.ZoomByFactor(0.8);
        return true;
    }
};

class GoldenImageTest : public GoldenCaseFixture {
protected:
    GoldenImageTest() : GoldenCaseFixture(480, 320) {}
};

TEST_P(GoldenImageTest, PaintsTheSamePixels) {
    const GoldenCase& golden = GetParam();
    ASSERT_TRUE(OpenCase(golden));
    m_view.Redraw();
    const QImage painted = m_view.Surface().convertToFormat(QImage::Format_RGB32);

    const QString goldenPath =
        QStringLiteral(ZUMEO_TEST_DATA "/golden/") + QString::fromStdString(golden.name) + ".png";
    const QImage expected = QImage(goldenPath).convertToFormat(QImage::Format_RGB32);
    if (expected != painted) {
        QDir().mkpath(QDir::tempPath() + "/zumeo-golden");
        const QString actualPath =
            QDir::tempPath() + "/zumeo-golden/" + QString::fromStdString(golden.name) + ".png";
        painted.save(actualPath);
        FAIL() << "the painting differs from " << goldenPath.toStdString() << "; it is in "
               << actualPath.toStdString();
    }
}

std::string CaseName(const ::testing::TestParamInfo<GoldenCase>& info) {
    return info.param.name;
}

const auto kGoldenCases = ::testing::Values(
    GoldenCase{"every_kind_by_layer", "", 0, 0}, GoldenCase{"every_kind_in_order", "", 1, 0},
    GoldenCase{"every_kind_zoomed", "", 0, 4}, GoldenCase{"every_kind_deep_zoom", "", 0, 12},
    GoldenCase{"simple_entities", "simple_entities.dxf", 0, 0},
    GoldenCase{"polylines", "polylines.dxf", 0, 0},
    GoldenCase{"tables_and_blocks", "tables_and_blocks.dxf", 0, 0},
    GoldenCase{"texts", "texts_cp932.dxf", 0, 0},
    GoldenCase{"dimensions_leaders", "dimensions_leaders.dxf", 1, 2},
    GoldenCase{"tolerances", "tolerances.dxf", 0, 0},
    GoldenCase{"arch_spline", "arch_spline.dxf", 0, 0},
    GoldenCase{"mtext_rotation", "mtext_rotation.dxf", 0, 0},
    GoldenCase{"dimensions_without_blocks", "dimensions_without_blocks.dxf", 0, 0},
    GoldenCase{"ansi_1252", "ansi_1252.dxf", 0, 0});

INSTANTIATE_TEST_SUITE_P(Drawings, GoldenImageTest, kGoldenCases, CaseName);

// The view paints in bands on the threads of the pool; the picture must be
// the very one a single thread paints. The view is tall enough for bands
// of uneven height whose edges cut through the objects.
class BandedPaintTest : public GoldenCaseFixture {
protected:
    BandedPaintTest() : GoldenCaseFixture(480, 700) {}
    ~BandedPaintTest() override { QThreadPool::globalInstance()->setMaxThreadCount(m_threads); }

    QImage PaintedWith(int threads) {
        QThreadPool::globalInstance()->setMaxThreadCount(threads);
        m_view.Redraw();
        return m_view.Surface().copy();
    }

    const int m_threads = QThreadPool::globalInstance()->maxThreadCount();
};

TEST_P(BandedPaintTest, BandsPaintTheImageOfOneThread) {
    ASSERT_TRUE(OpenCase(GetParam()));
    const QImage single = PaintedWith(1);
    for (const int threads : {2, 5, 13}) {
        ASSERT_EQ(CBandPainter::Bands(480, 700, threads).size(), static_cast<std::size_t>(threads));
        EXPECT_TRUE(PaintedWith(threads) == single) << threads << " bands";
    }
}

INSTANTIATE_TEST_SUITE_P(Drawings, BandedPaintTest, kGoldenCases, CaseName);
INSTANTIATE_TEST_SUITE_P(Hatches, BandedPaintTest,
                         ::testing::Values(GoldenCase{"hatch_block", "hatch_block.dxf", 0, 0},
                                           GoldenCase{"hatch_edges_zoomed", "hatch_edges.dxf", 0,
                                                      3},
                                           GoldenCase{"hatch_solid", "hatch_solid.dxf", 1, 0},
                                           GoldenCase{"splines_zoomed", "splines.dxf", 0, 2},
                                           GoldenCase{"groups", "groups.dxf", 0, 1}),
                         CaseName);

} // namespace
