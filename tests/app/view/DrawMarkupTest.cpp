// Drawing a leader mark with the mouse: filing, selection, undo and redo,
// and taking points back with the right button.
#include "ToolFixture.h"
#include "markups/CRukMarkEllipse.h"

#include <vector>

namespace {

// The redline kind of the ellipse mark.
constexpr int kEllipseTool = 0;

class DrawMarkupTest : public ToolFixture {
protected:
    DrawMarkupTest() {
        // The mark's class is found by name; the test links it in.
        EXPECT_NE(RUNTIME_CLASS(CRukMarkEllipse), nullptr);
        m_view.m_toolMode = CZumeoView::kToolRedline;
        m_document.m_markupKind = kEllipseTool;
        m_document.m_noteText = "A";
    }

    // The top objects of the ellipse mark's kind.
    std::vector<CRukEntity*> Marks() const {
        std::vector<CRukEntity*> marks;
        for (POSITION position = m_document.m_topObjects.GetHeadPosition(); position;) {
            auto* object = static_cast<CRukEntity*>(m_document.m_topObjects.GetNext(position));
            if (object->GetKind() == MarkupKind(0x01))
                marks.push_back(object);
        }
        return marks;
    }

    void RightClick(QPoint point) {
        Send(QEvent::MouseButtonPress, Qt::RightButton, point);
        Send(QEvent::MouseButtonRelease, Qt::RightButton, point);
    }
};

TEST_F(DrawMarkupTest, ThreeClicksFileTheMarkSelectItAndRecordOneUndoStep) {
    Click(Pixel(100, 100));
    EXPECT_NE(m_view.m_pTool, nullptr);
    Click(Pixel(300, 300));
    Click(Pixel(500, 500));
    EXPECT_EQ(m_view.m_pTool, nullptr) << "the document owns the filed mark";
    const std::vector<CRukEntity*> marks = Marks();
    ASSERT_EQ(marks.size(), 1u);
    EXPECT_EQ(marks[0]->GetLabelText(), CString("A"));
    EXPECT_EQ(m_document.m_selection.GetCount(), 1);
    EXPECT_TRUE(Selected(marks[0]));
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString::FromUtf8("コントロールの追加"));
    const INT_PTR filed = m_document.m_drawOrder.GetCount();
    EXPECT_GT(filed, 1) << "the mark and its children";

    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_TRUE(Marks().empty());
    EXPECT_EQ(m_document.m_drawOrder.GetCount(), 0);
    ASSERT_EQ(m_document.m_undo.Redo(), 1);
    ASSERT_EQ(Marks().size(), 1u);
    EXPECT_EQ(m_document.m_drawOrder.GetCount(), filed);
}

TEST_F(DrawMarkupTest, AReleaseOnTheLastPointAddsNoPoint) {
    Click(Pixel(100, 100));
    Click(Pixel(300, 300));
    Click(Pixel(300, 300));
    ASSERT_NE(m_view.m_pTool, nullptr);
    EXPECT_EQ(m_view.m_pTool->GetPointCount(), 2);
}

TEST_F(DrawMarkupTest, RightClickBeforeTheLabelDiscardsTheMark) {
    Click(Pixel(100, 100));
    Click(Pixel(300, 300));
    ASSERT_NE(m_view.m_pTool, nullptr);
    RightClick(Pixel(400, 400));
    EXPECT_EQ(m_view.m_pTool, nullptr);
    EXPECT_TRUE(m_document.m_drawOrder.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetCount(), 0);
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolRedline) << "the next press starts a new mark";
}

TEST_F(DrawMarkupTest, MovingTheDrawnMarkIsUndoneInPlace) {
    Click(Pixel(100, 100));
    Click(Pixel(300, 300));
    Click(Pixel(500, 500));
    ASSERT_EQ(Marks().size(), 1u);
    CRukEntity* mark = Marks()[0];
    const int minX = mark->m_minX;
    m_view.m_toolMode = CZumeoView::kToolMove;
    // From the ellipse's right side.
    Drag(Pixel(300, 200), Pixel(500, 200));
    EXPECT_EQ(Marks()[0]->m_minX, minX + 200);
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(Marks()[0]->m_minX, minX);
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_TRUE(Marks().empty());
}

} // namespace
