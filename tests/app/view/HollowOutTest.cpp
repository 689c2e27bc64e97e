// The hollow-out command: a closed markup cut out of another becomes one
// cut-out, filed as a markup, undone in one step; pairs that cannot be cut
// are refused with a message and leave the document as it was.
#include "ToolFixture.h"
#include "app/CommandIds.h"
#include "entities/CRukCircle.h"
#include "entities/CRukLayer.h"
#include "entities/CRukPolygon.h"
#include "markups/CRukMarkCloud.h"
#include "markups/CRukPath.h"
#include "markups/CRukRedCircle.h"
#include "platform/mfc/CArchive.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// A closed markup of one outline, archived with its kind.
class HollowArea : public CRukGroup {
    DECLARE_SERIAL(HollowArea)

public:
    HollowArea() = default;
    explicit HollowArea(int kind) { m_kind = kind; }

    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_kind;
        else
            ar >> m_kind;
        CRukGroup::Serialize(ar);
    }
};

IMPLEMENT_SERIAL(HollowArea, CObject, 0)

namespace {

constexpr int kRedCircle = MarkupKind(0x08);
constexpr int kRedSquare = MarkupKind(0x0A);
constexpr int kRedLine = MarkupKind(0x07);

class HollowOutTest : public ToolFixture {
protected:
    // A markup of the outline on layer "RED", filed as drawn ones are.
    HollowArea* File(int kind, CRukEntity* outline) {
        outline->m_layerName = "RED";
        outline->m_childFlag = 2;
        outline->SetFillType(3);
        outline->RecalcExtents();
        auto* markup = new HollowArea(kind);
        markup->m_layerName = "RED";
        markup->AddChild(outline);
        markup->SetChildCount(1);
        markup->RecalcExtents();
        m_document.AddMarkup(outline);
        m_document.AddToLayer(outline);
        m_document.AddMarkup(markup);
        m_document.m_topObjects.AddTail(markup);
        return markup;
    }

    HollowArea* Square(int x0, int y0, int x1, int y1) {
        auto* polygon = new CRukPolygon;
        polygon->SetFirstPoint(x0, y0);
        polygon->AppendPoint(x1, y0);
        polygon->AppendPoint(x1, y1);
        polygon->AppendPoint(x0, y1);
        return File(kRedSquare, polygon);
    }

    HollowArea* Circle(int cx, int cy, int radius, int kind = kRedCircle) {
        auto* circle = new CRukCircle;
        circle->SetFirstPoint(cx, cy);
        circle->AppendPoint(cx + radius, cy);
        return File(kind, circle);
    }

    void Select(std::initializer_list<CRukEntity*> objects) {
        m_document.m_selection.RemoveAll();
        for (CRukEntity* object : objects)
            m_document.m_selection.AddTail(object);
    }

    std::vector<CRukEntity*> Top() const {
        std::vector<CRukEntity*> top;
        for (POSITION position = m_document.m_topObjects.GetHeadPosition(); position;)
            top.push_back(static_cast<CRukEntity*>(m_document.m_topObjects.GetNext(position)));
        return top;
    }

    static std::vector<CRukEntity*> Parts(const CRukEntity& group) {
        std::vector<CRukEntity*> parts;
        for (POSITION position = group.GetHeadPosition(); position;)
            parts.push_back(group.GetNext(position));
        return parts;
    }

    bool OnLayer(const CRukEntity* object) const {
        const CRukLayer* layer = m_document.FindLayer("RED");
        return layer && layer->m_entities.Find(const_cast<CRukEntity*>(object));
    }
};

TEST_F(HollowOutTest, ACircleInsideASquareBecomesOneCutOut) {
    HollowArea* square = Square(100, 100, 900, 900);
    HollowArea* circle = Circle(500, 500, 150);
    square->SetName("tip");
    Select({square, circle});
    ASSERT_EQ(m_view.HollowOut(), 1);

    const std::vector<CRukEntity*> top = Top();
    ASSERT_EQ(top.size(), 1u);
    auto* path = dynamic_cast<CRukPath*>(top[0]);
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(Parts(*path), (std::vector<CRukEntity*>{square, circle}));
    EXPECT_EQ(square->m_childFlag, 3);
    EXPECT_EQ(circle->m_childFlag, 4);
    for (CRukEntity* outline : {Parts(*square)[0], Parts(*circle)[0]}) {
        EXPECT_FALSE(OnLayer(outline)) << "the cut-out draws its outlines";
        EXPECT_EQ(outline->GetFillType(), 0);
    }
    EXPECT_EQ(Parts(*square)[0]->m_childFlag, 3);
    EXPECT_EQ(Parts(*circle)[0]->m_childFlag, 4);
    // Filed as a markup, never as a drawing entity.
    EXPECT_TRUE(OnLayer(path));
    EXPECT_TRUE(m_document.m_drawOrder.Find(path));
    EXPECT_FALSE(m_document.m_objects.Find(path));
    EXPECT_EQ(path->GetLayerName(), "RED");
    EXPECT_EQ(path->GetFillType(), 3);
    EXPECT_EQ(path->GetName(), "tip");
    EXPECT_EQ((std::vector<int>{path->m_minX, path->m_minY, path->m_maxX, path->m_maxY}),
              (std::vector<int>{100, 100, 900, 900}));
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_F(HollowOutTest, ACircleDrawnInADrawnCloudIsCutOutOfIt) {
    constexpr int kCloudTool = 3;
    constexpr int kCircleTool = 8;
    // The classes are found by name; the test links them in.
    ASSERT_NE(RUNTIME_CLASS(CRukMarkCloud), nullptr);
    ASSERT_NE(RUNTIME_CLASS(CRukRedCircle), nullptr);
    m_view.m_toolMode = CZumeoView::kToolRedline;
    m_document.m_markupKind = kCloudTool;
    for (const QPoint& corner : {Pixel(100, 100), Pixel(900, 100), Pixel(900, 900)})
        Click(corner);
    DoubleClick(Pixel(100, 900));
    m_view.m_toolMode = CZumeoView::kToolRedline;
    m_document.m_markupKind = kCircleTool;
    Click(Pixel(500, 500));
    Click(Pixel(650, 500));
    std::vector<CRukEntity*> drawn = Top();
    ASSERT_EQ(drawn.size(), 2u);
    ASSERT_EQ(drawn[0]->GetKind(), MarkupKind(0x03));
    ASSERT_EQ(drawn[1]->GetKind(), kRedCircle);
    Select({drawn[0], drawn[1]});
    ASSERT_EQ(m_view.HollowOut(), 1);
    const std::vector<CRukEntity*> top = Top();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->GetKind(), CCommonDoc::kKindPath);
    EXPECT_EQ(Parts(*top[0]), drawn);
}

TEST_F(HollowOutTest, UndoBringsTheTwoMarkupsBack) {
    HollowArea* square = Square(100, 100, 900, 900);
    HollowArea* circle = Circle(500, 500, 150);
    Select({square, circle});
    ASSERT_EQ(m_view.HollowOut(), 1);
    ASSERT_TRUE(m_document.m_undo.Undo());
    const std::vector<CRukEntity*> top = Top();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->GetKind(), kRedSquare);
    EXPECT_EQ(top[1]->GetKind(), kRedCircle);
    for (const CRukEntity* markup : top) {
        EXPECT_EQ(markup->m_childFlag, 0);
        EXPECT_TRUE(OnLayer(Parts(*markup)[0]));
    }
}

TEST_F(HollowOutTest, ASecondHoleReplacesTheCutOutByOneHoldingAllHoles) {
    HollowArea* square = Square(100, 100, 900, 900);
    HollowArea* circle = Circle(500, 500, 150);
    Select({square, circle});
    ASSERT_EQ(m_view.HollowOut(), 1);
    CRukEntity* first = Top()[0];
    HollowArea* second = Circle(250, 250, 50);
    Select({first, second});
    ASSERT_EQ(m_view.HollowOut(), 1);

    const std::vector<CRukEntity*> top = Top();
    ASSERT_EQ(top.size(), 1u);
    EXPECT_NE(top[0], first);
    EXPECT_EQ(Parts(*top[0]), (std::vector<CRukEntity*>{square, circle, second}));
    EXPECT_EQ(m_document.m_drawOrder.Find(first), nullptr) << "the old cut-out is gone";
    EXPECT_FALSE(OnLayer(first));
    // Its parts live on in the new one.
    EXPECT_TRUE(m_document.m_drawOrder.Find(square));
    EXPECT_TRUE(m_document.m_drawOrder.Find(Parts(*circle)[0]));
}

struct RefusalCase {
    const char* name;
    int result;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class HollowOutRefusal : public HollowOutTest, public ::testing::WithParamInterface<RefusalCase> {
protected:
    void SelectFor(const std::string& name) {
        HollowArea* square = Square(100, 100, 900, 900);
        if (name == "OneSelected") {
            Select({square});
        } else if (name == "ALineMarkup") {
            Select({square, Circle(500, 500, 100, kRedLine)});
        } else if (name == "ACutOutAsTheHole") {
            HollowArea* circle = Circle(500, 500, 100);
            Select({square, circle});
            ASSERT_EQ(m_view.HollowOut(), 1);
            Select({Square(0, 0, 1000, 1000), Top()[0]});
        } else {
            // A hole well away from the shape.
            Select({square, Circle(2000, 2000, 100)});
        }
    }
};

TEST_P(HollowOutRefusal, ShowsItsMessageAndChangesNothing) {
    const RefusalCase& c = GetParam();
    SelectFor(c.name);
    const std::vector<CRukEntity*> top = Top();
    const int undoSteps = m_document.m_undo.GetCount();
    ScriptedDialogs dialogs;
    EXPECT_EQ(m_view.HollowOut(), c.result);
    EXPECT_EQ(Top(), top);
    EXPECT_EQ(m_document.m_undo.GetCount(), undoSteps);
    m_view.OnHollowOut();
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, CString::FromUtf8(c.message));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, HollowOutRefusal,
    ::testing::Values(RefusalCase{"OneSelected", -1, "2つの要素を選択してください。"},
                      RefusalCase{"ALineMarkup", -2, "選択要素が不正です。"},
                      RefusalCase{"ACutOutAsTheHole", -2, "選択要素が不正です。"},
                      RefusalCase{"ADetachedHole", -3, "図形が重なっていません。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(HollowOutTest, TheCommandIsEnabledForTwoSelectedObjects) {
    HollowArea* square = Square(100, 100, 900, 900);
    EXPECT_FALSE(m_view.CanHollowOut());
    Select({square, Circle(500, 500, 150)});
    EXPECT_TRUE(m_view.CanHollowOut());
}

TEST_F(HollowOutTest, TheCutOutIsPaintedWithItsHoleClear) {
    HollowArea* square = Square(100, 100, 900, 900);
    square->SetColor(kBlue);
    square->SetFillColor(kRed);
    Select({square, Circle(500, 500, 150)});
    ASSERT_EQ(m_view.HollowOut(), 1);
    m_view.Redraw();
    const auto colourAt = [this](int x, int y) {
        return QColor(m_view.Surface().pixel(ToolFixture::Pixel(x, y)));
    };
    // Away from the drawing's two lines through the middle.
    EXPECT_EQ(colourAt(400, 450), QColor(Qt::white)) << "the hole";
    EXPECT_EQ(colourAt(200, 300), QColor(Qt::red)) << "the ring";
}

} // namespace
