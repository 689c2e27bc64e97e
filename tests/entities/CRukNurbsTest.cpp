// The NURBS curves: records with their signed weights and knots, the
// refusal of curves that cannot be evaluated, the archive tail, bounded
// sampling and what they draw.
#include "entities/CRukNurbs.h"
#include "entities/CRukCNurbs.h"

#include "entities/EntityKinds.h"
#include "platform/mfc/CArchiveException.h"
#include "por/PorRecord.h"
#include "por/PorRecordBuilder.h"
#include "por/PorRecords.h"
#include "settings/CDrawDefaults.h"
#include "tests/entities/CapturingDC.h"
#include "tests/entities/DrawnImage.h"
#include "tests/entities/FakeDocument.h"
#include "tests/entities/ShapeTestSupport.h"
#include "tests/support/CpuClock.h"

#include <QImage>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using Points = std::vector<POINT>;
using Values = std::vector<LONG>;
using Doubles = std::vector<double>;

constexpr RECT kClip{0, 0, 1000, 1000};

PorRecordBuilder NurbsRecord(LONG type, int degree, const Points& control, const Values& weights,
                             const Values& knots) {
    PorRecordBuilder record(type);
    record.Set(PorNurbs::Pen, PorPen{1, 1000, 20, 0x0000FF});
    record.Set(PorNurbs::Degree, degree);
    record.Set(PorNurbs::ControlPoints, control);
    record.AppendLong(static_cast<LONG>(weights.size()));
    record.AppendLongs(weights);
    record.AppendLong(static_cast<LONG>(knots.size()));
    record.AppendLongs(knots);
    record.Set(PorNurbs::Id, "N");
    record.Set(type == PorCNurbs::Type ? PorCNurbs::Layer : PorNurbs::Layer, "CURVES");
    return record;
}

template <class Curve> int Create(Curve& curve, const PorRecordBuilder& record, UINT unit = 1000) {
    FakeDocument document;
    document.m_unit = unit;
    const auto framed = PorRecord::Frame(record.Bytes());
    EXPECT_TRUE(framed.has_value());
    return curve.CreateFromRecord(&*framed, &document, 25);
}

const Points kLine{{0, 0}, {100, 0}};

TEST(CRukNurbsTest, RecordGivesDegreeWeightsAndKnotsOverTheUnit) {
    CRukNurbs nurbs;
    ASSERT_EQ(
        Create(nurbs, NurbsRecord(PorNurbs::Type, 1, kLine, {1000, 500}, {0, 0, 12000, 12000})), 1);
    EXPECT_EQ(nurbs.GetKind(), kKindNurbs);
    EXPECT_EQ(nurbs.m_degree, 1);
    EXPECT_EQ(nurbs.m_scale, 1000u);
    EXPECT_EQ(nurbs.m_weights, (Doubles{1.0, 0.5}));
    EXPECT_EQ(nurbs.m_knots, (Doubles{0, 0, 12, 12}));
    EXPECT_EQ(VerticesOf(nurbs), kLine);
    EXPECT_EQ(nurbs.m_layerName, "CURVES");
    EXPECT_EQ(nurbs.m_lineWidth, 20);
}

TEST(CRukNurbsTest, NegativeKnotsComeBackNegativeMendsUnsignedReading) {
    CRukNurbs nurbs;
    ASSERT_EQ(Create(nurbs, NurbsRecord(PorNurbs::Type, 1, kLine, {1000, 1000},
                                        {-5000, -5000, static_cast<LONG>(0xFFFFFFFF), 2000})),
              1);
    EXPECT_EQ(nurbs.m_knots, (Doubles{-5.0, -5.0, -0.001, 2.0}));
}

TEST(CRukNurbsTest, StraightSpanIsItsStartThenTheLastPoint) {
    CRukNurbs nurbs;
    ASSERT_EQ(Create(nurbs, NurbsRecord(PorNurbs::Type, 1, {{0, 0}, {120, 0}}, {1000, 1000},
                                        {0, 0, 12000, 12000})),
              1);
    EXPECT_EQ(nurbs.EvaluatedPoints(0.25), (std::vector<DPOINT>{{0, 0}, {120, 0}}));
    EXPECT_EQ(nurbs.m_maxX, 120);
    CRukCNurbs closed;
    ASSERT_EQ(Create(closed, NurbsRecord(PorCNurbs::Type, 1, {{0, 0}, {50, 0}}, {1000, 1000},
                                         {0, 0, 5000, 5000})),
              1);
    EXPECT_EQ(closed.EvaluatedPoints(0.25).size(), 1u);
}

// The arch of a real file, knots 0 to 1: its box reaches the top of the
// curve, and on screen it is round, not one straight line.
TEST(CRukNurbsTest, ArchOfOneUnitKnotSpanIsDrawnRoundMendsStraightSplines) {
    CRukNurbs nurbs;
    ASSERT_EQ(
        Create(nurbs, NurbsRecord(PorNurbs::Type, 3, {{0, 0}, {10, 100}, {90, 100}, {100, 0}},
                                  {1000, 1000, 1000, 1000}, {0, 0, 0, 0, 1000, 1000, 1000, 1000})),
        1);
    EXPECT_EQ(nurbs.m_maxY, 75);
    nurbs.m_color = 0;
    nurbs.m_lineWidth = 0;
    const QImage image = DrawnImage(110, 110, {&nurbs});
    const auto blackIn = [&image](int x, int fromY, int toY) {
        for (int y = fromY; y <= toY; ++y)
            if (image.pixel(x, y) == qRgb(0, 0, 0))
                return true;
        return false;
    };
    // The top of the arch at (50, 75) and a point on its flank, (13.3, 48).
    EXPECT_EQ(image.pixel(50, 75), qRgb(0, 0, 0));
    EXPECT_TRUE(blackIn(13, 47, 49));
    // Nothing on the chord between its ends.
    EXPECT_FALSE(blackIn(50, 0, 70));
}

TEST(CRukNurbsTest, AllWeightsZeroGiveTheOrigin) {
    CRukNurbs nurbs;
    ASSERT_EQ(Create(nurbs, NurbsRecord(PorNurbs::Type, 1, {{40, 40}, {140, 40}}, {0, 0},
                                        {0, 0, 10000, 10000})),
              1);
    const std::vector<DPOINT> points = nurbs.EvaluatedPoints(0.25);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[0], (DPOINT{0, 0}));
}

TEST(CRukNurbsTest, EqualKnotsDrawNothing) {
    CRukNurbs open;
    ASSERT_EQ(Create(open, NurbsRecord(PorNurbs::Type, 1, kLine, {1000, 1000}, {7, 7, 7, 7})), 1);
    EXPECT_EQ(open.EvaluatedPoints(0.25).size(), 1u);
    CRukCNurbs closed;
    ASSERT_EQ(Create(closed, NurbsRecord(PorCNurbs::Type, 1, kLine, {1000, 1000}, {7, 7, 7, 7})),
              1);
    const CDrawDefaults settings;
    CapturingDC dc;
    open.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    closed.TraceA(&dc, 0, 0, 1.0, &settings, kClip, FALSE);
    closed.TraceB(&dc, 1000, 1.0, &settings);
    EXPECT_TRUE(dc.m_shapes.empty());
}

struct RefusedCase {
    const char* name;
    int degree;
    Values weights;
    Values knots;
    UINT unit;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) {
    return out << c.name;
}

class RefusedRecord : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedRecord, BuildsNothingMendsUnusableCurves) {
    const RefusedCase& c = GetParam();
    CRukNurbs open;
    EXPECT_EQ(
        Create(open, NurbsRecord(PorNurbs::Type, c.degree, kLine, c.weights, c.knots), c.unit), 0);
    CRukCNurbs closed;
    EXPECT_EQ(
        Create(closed, NurbsRecord(PorCNurbs::Type, c.degree, kLine, c.weights, c.knots), c.unit),
        0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedRecord,
    testing::Values(RefusedCase{"ScaleZero", 1, {1000, 1000}, {0, 0, 1000, 1000}, 0},
                    RefusedCase{"WeightMissing", 1, {1000}, {0, 0, 1000, 1000}, 1000},
                    RefusedCase{"NegativeDegree", -1, {1000, 1000}, {0, 0, 1000, 1000}, 1000},
                    RefusedCase{"DegreeBeyondKnots", 3, {1000, 1000}, {0, 0, 1000, 1000}, 1000},
                    RefusedCase{"NoKnots", 1, {1000, 1000}, {}, 1000}),
    testing::PrintToStringParamName());

TEST(CRukNurbsTest, RecordWithoutItsTailOrOfAnotherTypeIsRefused) {
    PorRecordBuilder record(PorNurbs::Type);
    record.Set(PorNurbs::Pen, PorPen{1, 1000, 20, 0});
    record.Set(PorNurbs::Degree, 1);
    record.Set(PorNurbs::ControlPoints, kLine);
    CRukNurbs nurbs;
    EXPECT_EQ(Create(nurbs, record), 0);
    CRukCNurbs closed;
    EXPECT_EQ(Create(closed, NurbsRecord(PorNurbs::Type, 1, kLine, {1, 1}, {0, 0, 1, 1})), 0);
    EXPECT_EQ(closed.CreateFromRecord(nullptr, nullptr, 0), 0);
}

TEST(CRukNurbsTest, HugeKnotSpansFinishQuicklyMendsUnboundedSampling) {
    const auto start = CpuClock::now();
    CRukNurbs nurbs;
    ASSERT_EQ(Create(nurbs,
                     NurbsRecord(PorNurbs::Type, 1, kLine, {1, 1},
                                 {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}),
                     1),
              1);
    const std::vector<DPOINT> points = nurbs.EvaluatedPoints(0.25);
    EXPECT_LE(points.size(), 1002u);
    EXPECT_EQ(points.front(), (DPOINT{0, 0}));
    EXPECT_LT(CpuClock::now() - start, std::chrono::seconds(5));
}

// ---- Archive bodies

Bytes OpenNurbsBody(std::uint32_t scale, std::int32_t knotCount, std::int32_t weightCount) {
    Bytes body;
    body.Word(2).Long(0).Long(0).Long(100).Long(0).Text("N").Word(3).Long(500).Word(20);
    body.Long(0x0000FF).Byte(0).Text("");
    body.Long(1).Long(static_cast<std::int32_t>(scale)).Long(knotCount);
    for (std::int32_t knot : {-2000, -2000, 3000, 3000}) {
        if (knotCount-- > 0)
            body.Long(knot);
    }
    body.Long(weightCount);
    for (std::int32_t weight : {1000, 250}) {
        if (weightCount-- > 0)
            body.Long(weight);
    }
    return body;
}

TEST(CRukNurbsTest, BodyRoundTripsNegativeKnotsAsTheirWordsMendsOverflow) {
    CRukNurbs nurbs;
    LoadBody(nurbs, OpenNurbsBody(1000, 4, 2).Get(), 0);
    EXPECT_EQ(nurbs.m_knots, (Doubles{-2, -2, 3, 3}));
    EXPECT_EQ(nurbs.m_weights, (Doubles{1, 0.25}));
    EXPECT_EQ(nurbs.m_degree, 1);
    EXPECT_EQ(nurbs.m_scale, 1000u);
    EXPECT_EQ(nurbs.m_lineType, 3);
    EXPECT_EQ(nurbs.m_savedColor, 0x0000FFu);
    EXPECT_EQ(nurbs.m_maxX, 100);
    EXPECT_EQ(StoreBody(nurbs), OpenNurbsBody(1000, 4, 2).Get());
}

TEST(CRukNurbsTest, StoredWordsWrapModuloTwoToThe32) {
    EXPECT_EQ(CNurbsData::StoredWord(-2.0, 1000), 0xFFFFF830u);
    EXPECT_EQ(CNurbsData::StoredWord(3e6, 1000), 3000000000u);
    EXPECT_EQ(CNurbsData::StoredWord(5e6, 1000), static_cast<UINT>(5000000000ull % 4294967296ull));
    EXPECT_EQ(CNurbsData::StoredWord(0.0019, 1000), 1u);
    EXPECT_EQ(CNurbsData::StoredWord(-0.0019, 1000), 0xFFFFFFFFu);
    EXPECT_EQ(CNurbsData::StoredWord(std::numeric_limits<double>::quiet_NaN(), 1000), 0u);
    EXPECT_EQ(CNurbsData::StoredWord(std::numeric_limits<double>::infinity(), 1000), 0u);
}

struct BadBodyCase {
    const char* name;
    std::uint32_t scale;
    std::int32_t knots;
    std::int32_t weights;
};

std::ostream& operator<<(std::ostream& out, const BadBodyCase& c) {
    return out << c.name;
}

class RefusedBody : public testing::TestWithParam<BadBodyCase> {};

TEST_P(RefusedBody, ThrowsMendsUnusableCurves) {
    const BadBodyCase& c = GetParam();
    CRukNurbs nurbs;
    try {
        LoadBody(nurbs, OpenNurbsBody(c.scale, c.knots, c.weights).Get(), 0);
        FAIL() << "the body was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::generic);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedBody,
                         testing::Values(BadBodyCase{"ScaleZero", 0, 4, 2},
                                         BadBodyCase{"WeightMissing", 1000, 4, 1},
                                         BadBodyCase{"KnotsTooFewForTheDegree", 1000, 2, 2},
                                         BadBodyCase{"NegativeCount", 1000, -1, 2}),
                         testing::PrintToStringParamName());

TEST(CRukNurbsTest, ClosedBodyCarriesTheFillAndNewerSchemasAreRefused) {
    CRukCNurbs closed;
    ASSERT_EQ(Create(closed, NurbsRecord(PorCNurbs::Type, 1, {{0, 0}, {10, 10}, {20, 0}},
                                         {1000, 1000, 1000}, {0, 0, 10000, 20000, 20000})),
              1);
    closed.m_fillType = 3;
    closed.m_savedFillColor = 0x00FF00;
    const std::vector<BYTE> bytes = StoreBody(closed);
    CRukCNurbs back;
    LoadBody(back, bytes, 0);
    EXPECT_EQ(back.m_fillType, 3);
    EXPECT_EQ(back.m_fillColor, 0x00FF00u);
    EXPECT_EQ(back.m_knots, closed.m_knots);
    EXPECT_EQ(StoreBody(back), bytes);
    for (const char* name : {"CRukNurbs", "CRukCNurbs"}) {
        try {
            const std::unique_ptr<CObject> loaded(
                LoadObject(ClassRecord(1, name).Append(bytes).Get()));
            FAIL() << name << " schema 1 was read";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
        }
    }
}

// ---- Pixels

TEST(CRukNurbsTest, DrawsItsEvaluatedPolylineOnAnImage) {
    CRukNurbs nurbs;
    ASSERT_EQ(Create(nurbs, NurbsRecord(PorNurbs::Type, 1, {{10, 30}, {50, 30}}, {1000, 1000},
                                        {0, 0, 40000, 40000})),
              1);
    nurbs.m_color = 0;
    const QImage image = DrawnImage(60, 60, {&nurbs});
    EXPECT_EQ(image.pixel(10, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(30, 20), qRgb(255, 255, 255));
}

} // namespace
