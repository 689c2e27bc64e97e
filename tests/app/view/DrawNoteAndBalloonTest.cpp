// Drawing a balloon and a sticky note with the mouse, and the release of a
// flag at its fixed length: what each gesture files.
#include "ToolFixture.h"
#include "markups/CRukMarkBalloon.h"
#include "markups/CRukMarkFlag.h"
#include "markups/CRukMarkTBox.h"
#include "tests/entities/PointPrinting.h"
#include "tests/support/FixedTextMetrics.h"

#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int kBalloonTool = 4;
constexpr int kNoteTool = 5;

class DrawNoteAndBalloonTest : public ToolFixture {
protected:
    DrawNoteAndBalloonTest() {
        // The classes are found by name; the test links them in.
        EXPECT_NE(RUNTIME_CLASS(CRukMarkBalloon), nullptr);
        EXPECT_NE(RUNTIME_CLASS(CRukMarkTBox), nullptr);
        m_view.m_toolMode = CZumeoView::kToolRedline;
    }

    CRukEntity* Filed(int kind) const {
        for (POSITION position = m_document.m_topObjects.GetHeadPosition(); position;) {
            auto* object = static_cast<CRukEntity*>(m_document.m_topObjects.GetNext(position));
            if (object->GetKind() == kind)
                return object;
        }
        return nullptr;
    }

    static std::vector<CRukEntity*> Parts(const CRukEntity& markup) {
        std::vector<CRukEntity*> parts;
        for (POSITION position = markup.GetHeadPosition(); position;)
            parts.push_back(markup.GetNext(position));
        return parts;
    }

    FixedTextMetrics m_metrics;
};

TEST_F(DrawNoteAndBalloonTest, TwoClicksFileABalloonWithItsArrowAtTheFirst) {
    m_document.m_markupKind = kBalloonTool;
    m_document.m_noteText = "A";
    m_document.m_arrowSize = 0.1;
    Click(Pixel(100, 100));
    Click(Pixel(600, 100));
    const CRukEntity* balloon = Filed(MarkupKind(0x04));
    ASSERT_NE(balloon, nullptr);
    const std::vector<CRukEntity*> parts = Parts(*balloon);
    ASSERT_EQ(parts.size(), 5u);
    ASSERT_EQ(parts[0]->m_points.GetSize(), 3);
    EXPECT_EQ(parts[0]->m_points[1], (POINT{100, 100})) << "the arrow's tip";
    EXPECT_EQ(parts[0]->m_points[0].x, 200) << "100 units back along the leader";
    EXPECT_EQ(balloon->GetArrowLength(), 100);
    EXPECT_EQ(balloon->GetLabelText(), CString("A"));
    EXPECT_EQ(m_document.m_undo.GetCount(), 1);
}

TEST_F(DrawNoteAndBalloonTest, ADragFilesANoteShapedLikeItsText) {
    m_document.m_markupKind = kNoteTool;
    m_document.m_noteText = "AB";
    Drag(Pixel(100, 100), Pixel(600, 300));
    const CRukEntity* note = Filed(MarkupKind(0x05));
    ASSERT_NE(note, nullptr);
    // "AB" is as wide as it is high: the wide drag gives a square box.
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;
    ASSERT_EQ(note->GetPoint(&x0, &y0, 0), 1);
    ASSERT_EQ(note->GetPoint(&x1, &y1, 1), 1);
    EXPECT_EQ(x0, 100);
    EXPECT_NEAR(x1 - x0, 500, 10);
    EXPECT_NEAR(y0 - y1, 500, 10);
    EXPECT_EQ(Parts(*note).size(), 2u);
    EXPECT_EQ(note->GetLabelText(), CString("AB"));
}

TEST_F(DrawNoteAndBalloonTest, ANoteNeedsItsText) {
    m_document.m_markupKind = kNoteTool;
    m_document.m_noteText = "";
    Drag(Pixel(100, 100), Pixel(600, 300));
    EXPECT_EQ(Filed(MarkupKind(0x05)), nullptr);
    EXPECT_EQ(m_view.m_pTool, nullptr);
}

TEST_F(DrawNoteAndBalloonTest, AFlagIsPlantedAtItsLengthTowardTheRelease) {
    m_document.m_style.m_flagLength = 0.3;
    auto flag = std::make_unique<CRukMarkFlag>();
    flag->OnButtonDown(nullptr, &m_document, 100, 100, &m_settings, 0);
    m_view.m_pTool = std::move(flag);
    Press(Pixel(100, 100));
    Move(Pixel(400, 500));
    Release(Pixel(400, 500));
    const CRukEntity* filed = Filed(MarkupKind(0x0D));
    ASSERT_NE(filed, nullptr);
    const CRukEntity* pole = Parts(*filed)[0];
    // The top of the pole is 300 units from the foot toward (400, 500).
    EXPECT_NEAR(pole->m_x1, 280, 5);
    EXPECT_NEAR(pole->m_y1, 340, 5);
}

} // namespace
