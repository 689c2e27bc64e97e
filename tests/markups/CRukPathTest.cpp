#include "MarkupTestSupport.h"

#include "entities/CRukCircle.h"
#include "entities/CRukPolygon.h"
#include "entities/EntityKinds.h"
#include "markups/CRukPath.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CRecordingDC.h"
#include "platform/gdi/CRgn.h"
#include "platform/mfc/CArchiveException.h"
#include "tests/entities/ShapeTestSupport.h"

#include <QColor>
#include <QImage>

#include <gtest/gtest.h>

#include <memory>

// A closed markup for the cut-out: a group of one outline with a markup's
// kind, archived with its kind before the group body.
class AreaMark : public CRukMark {
    DECLARE_SERIAL(AreaMark)

public:
    AreaMark() : CRukMark(MarkupKind(0x08)) {}
    explicit AreaMark(int kind) : CRukMark(kind) {}

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_kind;
        else
            ar >> m_kind;
        CRukGroup::Serialize(ar);
    }
};

IMPLEMENT_SERIAL(AreaMark, CObject, 0)

namespace {

constexpr COLORREF kRedRef = 0x0000FF;
constexpr COLORREF kBlueRef = 0xFF0000;

// The square (0, 0)-(1000, 1000) with a circle of radius 200 around its
// middle cut out of it; the markups and outlines are the fixture's.
class CutOutFixture : public ::testing::Test {
protected:
    CutOutFixture() {
        m_outline.SetFirstPoint(0, 0);
        m_outline.AppendPoint(1000, 0);
        m_outline.AppendPoint(1000, 1000);
        m_outline.AppendPoint(0, 1000);
        m_outline.RecalcExtents();
        m_hole.SetFirstPoint(500, 500);
        m_hole.AppendPoint(700, 500);
        m_hole.RecalcExtents();
        m_square.AddChild(&m_outline);
        m_circle.AddChild(&m_hole);
        for (CRukEntity* part :
             std::initializer_list<CRukEntity*>{&m_outline, &m_hole, &m_square, &m_circle})
            part->SetLayerName("RED");
        m_outline.m_childFlag = m_square.m_childFlag = 3;
        m_hole.m_childFlag = m_circle.m_childFlag = 4;
        m_square.RecalcExtents();
        m_circle.RecalcExtents();
        m_path.AddChild(&m_square);
        m_path.AddChild(&m_circle);
        m_path.SetLayerName("RED");
        m_path.SetColor(kBlueRef);
        m_path.SetFillColor(kRedRef);
        m_path.SetFillType(3);
        m_path.SetTransparent(0);
        m_path.SetLineWidth(400);
        m_path.RecalcExtents();
        m_settings.m_lineScale = 1.0;
    }

    // The cut-out on a white 100 x 100 picture at a tenth of a pixel per unit.
    QImage Drawn() {
        QImage image(100, 100, QImage::Format_RGB32);
        image.fill(Qt::white);
        CImageDC dc(image);
        m_path.DrawA(&m_document, &dc, 0, 0, 0.1, 1.0, &m_settings, FALSE, RECT{0, 0, 100, 100});
        return image;
    }

    CRukPolygon m_outline;
    CRukCircle m_hole;
    AreaMark m_square{MarkupKind(0x0A)};
    AreaMark m_circle{MarkupKind(0x08)};
    CRukPath m_path;
    FakeMarkupDocument m_document;
    CDrawDefaults m_settings = MarkupSettings();
};

TEST_F(CutOutFixture, TheHoleStaysClearAndOnlyTheInnerHalfOfItsOutlineShows) {
    const QImage image = Drawn();
    EXPECT_EQ(QColor(image.pixel(50, 50)), QColor(Qt::white)) << "the hole";
    EXPECT_EQ(QColor(image.pixel(50, 33)), QColor(Qt::white)) << "inside the hole's outline";
    EXPECT_EQ(QColor(image.pixel(10, 50)), QColor(Qt::red)) << "the ring";
    EXPECT_EQ(QColor(image.pixel(50, 10)), QColor(Qt::red)) << "the ring";
    // The outlines are 8 pixels wide; only the 4 on the ring's side show.
    EXPECT_EQ(QColor(image.pixel(50, 26)), QColor(Qt::blue)) << "the hole's outline";
    EXPECT_EQ(QColor(image.pixel(72, 50)), QColor(Qt::blue)) << "the hole's outline";
    EXPECT_EQ(QColor(image.pixel(1, 50)), QColor(Qt::blue)) << "the outer outline";
    EXPECT_EQ(QColor(image.pixel(6, 50)), QColor(Qt::red)) << "the outer outline's outer half";
}

TEST_F(CutOutFixture, WithoutChildrenNothingIsDrawnOrHit) {
    CRukPath empty;
    empty.SetFillType(3);
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    CImageDC dc(image);
    empty.DrawA(&m_document, &dc, 0, 0, 1.0, 1.0, &m_settings, FALSE, RECT{0, 0, 20, 20});
    EXPECT_EQ(image.pixel(10, 10), QColor(Qt::white).rgb());
    CRecordingDC recording;
    EXPECT_EQ(empty.HitTest(&recording, &m_document, 5, 5), 0);
}

TEST_F(CutOutFixture, ExtentsAreTheChildrensAndTheLayerReachesEveryPart) {
    EXPECT_EQ((std::vector<int>{m_path.m_minX, m_path.m_minY, m_path.m_maxX, m_path.m_maxY}),
              (std::vector<int>{0, 0, 1000, 1000}));
    EXPECT_EQ((POINT{m_path.m_x1, m_path.m_y1}), (POINT{0, 1000}));
    m_path.SetLayerName("CUT");
    for (const CRukEntity* part : std::initializer_list<const CRukEntity*>{
             &m_outline, &m_hole, &m_square, &m_circle, &m_path})
        EXPECT_EQ(part->GetLayerName(), "CUT");
}

TEST_F(CutOutFixture, KeepsItsAttributesFromItsChildren) {
    m_path.SetLineType(0);
    m_path.SetFillType(5);
    EXPECT_EQ(m_outline.GetLineType(), 1);
    EXPECT_EQ(m_outline.GetFillType(), 0);
    EXPECT_EQ(m_path.GetFillType(), 5);
    EXPECT_EQ(m_path.GetLineWidth(), 400);
}

// ---- Hits and the edits they steer

TEST_F(CutOutFixture, InsideTheFilledRingHitsTheWhole) {
    CRecordingDC dc;
    EXPECT_EQ(m_path.HitTest(&dc, &m_document, 100, 500), 1);
    EXPECT_EQ(m_path.GetHitChild(), 0);
    EXPECT_EQ(m_path.HitTest(&dc, &m_document, 500, 500), 0) << "the hole is not the shape";
    m_path.Offset(10, 0);
    EXPECT_EQ(m_outline.m_points[0], (POINT{10, 0}));
    EXPECT_EQ(m_hole.m_minX, 310) << "the hole moves with it";
}

TEST_F(CutOutFixture, WithoutAFillOnlyTheOutlinesHit) {
    m_path.SetFillType(0);
    CRecordingDC dc;
    EXPECT_EQ(m_path.HitTest(&dc, &m_document, 100, 500), 0);
}

TEST_F(CutOutFixture, AHitOnTheHolesOutlineMovesTheHoleAlone) {
    CRecordingDC dc;
    ASSERT_EQ(m_path.HitTest(&dc, &m_document, 700, 500), 1);
    EXPECT_EQ(m_path.GetHitChild(), 1);
    const std::vector<POINT> outline = VerticesOf(m_outline);
    m_path.Offset(0, 100);
    EXPECT_EQ(VerticesOf(m_outline), outline);
    EXPECT_EQ(static_cast<const CRukCircle&>(m_hole).GetRadius(), 200);
    EXPECT_EQ(m_hole.m_maxY, 800);
}

// ---- Archive

TEST_F(CutOutFixture, TheBodyKeepsItsOwnFieldsAndRebuildsItsExtents) {
    m_path.m_tag = "t";
    m_path.SetName("n");
    m_path.SetLineType(2);
    m_path.SetLineTypeScale(1500);
    m_path.SetThirdColor(0x00FF00);
    const std::vector<BYTE> stored = StoreObject(m_path);
    Bytes expected = ClassRecord(0, "CRukPath");
    expected.Text("RED").Word(2).Long(1500).Word(400).Long(kBlueRef).Word(3).Long(kRedRef);
    expected.Long(0x00FF00).Byte(0).Byte(0).Text("t").Text("n").Word(2);
    ASSERT_GT(stored.size(), expected.Get().size());
    EXPECT_EQ(std::vector<BYTE>(stored.begin(),
                                stored.begin() + static_cast<long>(expected.Get().size())),
              expected.Get());

    std::unique_ptr<CObject> object(LoadObject(stored));
    auto* loaded = dynamic_cast<CRukPath*>(object.get());
    ASSERT_NE(loaded, nullptr);
    const std::vector<CRukEntity*> children = ChildrenOf(*loaded);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1]->m_childFlag, 4);
    EXPECT_EQ((std::vector<int>{loaded->m_minX, loaded->m_minY, loaded->m_maxX, loaded->m_maxY}),
              (std::vector<int>{0, 0, 1000, 1000}));
    EXPECT_EQ(StoreObject(*loaded), stored);
    for (CRukEntity* child : children) {
        for (CRukEntity* outline : ChildrenOf(*child))
            delete outline;
        delete child;
    }
}

TEST_F(CutOutFixture, MendedSixteenBitFieldsAreSignExtended) {
    m_path.SetLineWidth(-1);
    m_path.SetFillType(-2);
    const std::vector<BYTE> stored = StoreObject(m_path);
    std::unique_ptr<CObject> object(LoadObject(stored));
    auto* loaded = dynamic_cast<CRukPath*>(object.get());
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->GetLineWidth(), -1);
    EXPECT_EQ(loaded->GetFillType(), -2);
    for (CRukEntity* child : ChildrenOf(*loaded)) {
        for (CRukEntity* outline : ChildrenOf(*child))
            delete outline;
        delete child;
    }
}

} // namespace
