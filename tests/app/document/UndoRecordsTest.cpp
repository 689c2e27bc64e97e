// Undo and redo of the redline edits bring back the objects with their
// coordinates, their children and their places in every list.
#include "app/UndoRecords.h"
#include "SerialMarkup.h"
#include "app/CZumeoDoc.h"
#include "entities/CRukLayer.h"
#include "entities/EntityKinds.h"
#include "tests/support/TempProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

namespace {

class UndoRecordsTest : public ::testing::Test {
protected:
    UndoRecordsTest() {
        m_a = Markup(0, {{0, 0, 10, 10}, {10, 10, 20, 0}});
        m_b = Markup(1, {{100, 0, 110, 10}, {110, 10, 120, 0}});
        m_c = Markup(2, {{200, 0, 210, 10}});
    }

    // A markup with its lines, filed as the tools file one.
    SerialMarkup* Markup(int number, std::vector<std::vector<int>> lines,
                         const char* layer = "Red") {
        auto* markup = new SerialMarkup(MarkupKind(number));
        for (const std::vector<int>& p : lines) {
            CRukLine* line = MakeLine(layer, p[0], p[1], p[2], p[3]);
            m_doc.AddMarkup(line);
            m_doc.AddToLayer(line);
            markup->AddChild(line);
        }
        m_doc.AddMarkup(markup);
        m_doc.m_topObjects.AddTail(markup);
        return markup;
    }

    // Every list as text: each redline object by kind, points and the
    // drawing-order indexes of its children; the top objects and each
    // layer's list by drawing-order index.
    std::vector<std::string> Describe() const {
        std::vector<const CObject*> order;
        std::unordered_map<const CObject*, std::size_t> indexes;
        for (POSITION p = m_doc.m_drawOrder.GetHeadPosition(); p;) {
            indexes.emplace(m_doc.m_drawOrder.GetAt(p), order.size());
            order.push_back(m_doc.m_drawOrder.GetNext(p));
        }
        const auto indexOf = [&indexes](const CObject* object) {
            const auto found = indexes.find(object);
            return found == indexes.end() ? std::string("?") : std::to_string(found->second);
        };
        std::vector<std::string> lines;
        for (const CObject* object : order) {
            const auto* entity = static_cast<const CRukEntity*>(object);
            std::string line = std::to_string(entity->GetKind()) + " " +
                               std::to_string(entity->m_x1) + "," + std::to_string(entity->m_y1) +
                               " " + std::to_string(entity->m_x2) + "," +
                               std::to_string(entity->m_y2) + " [";
            for (POSITION p = entity->GetHeadPosition(); p;)
                line += indexOf(entity->GetNext(p)) + " ";
            lines.push_back(line + "] redline " + std::to_string(entity->m_redline));
        }
        std::string top = "top:";
        for (POSITION p = m_doc.m_topObjects.GetHeadPosition(); p;)
            top += " " + indexOf(m_doc.m_topObjects.GetNext(p));
        lines.push_back(top);
        for (POSITION p = m_doc.m_layers.GetHeadPosition(); p;) {
            const auto* layer = static_cast<const CRukLayer*>(m_doc.m_layers.GetNext(p));
            std::string text = "layer " + layer->m_name.str() + ":";
            for (POSITION e = layer->m_entities.GetHeadPosition(); e;)
                text += " " + indexOf(layer->m_entities.GetNext(e));
            lines.push_back(text);
        }
        return lines;
    }

    // A selection of one object.
    struct Selection {
        explicit Selection(CRukEntity* object) { list.AddTail(object); }
        CObList list;
    };

    // Undo gives `before`, redo `after`, twice over.
    void ExpectUndoRedo(const std::vector<std::string>& before,
                        const std::vector<std::string>& after) {
        for (int round = 0; round < 2; ++round) {
            SCOPED_TRACE(round);
            ASSERT_EQ(m_doc.m_undo.Undo(), 1);
            EXPECT_EQ(Describe(), before);
            ASSERT_EQ(m_doc.m_undo.Redo(), 1);
            EXPECT_EQ(Describe(), after);
        }
    }

    // The markup brought to the front or sent to the back, recorded.
    void ExpectReorderUndone(SerialMarkup* markup, void (CCommonDoc::*reorder)(CRukEntity*)) {
        const auto before = Describe();
        const Selection selection(markup);
        auto* record = new CUndoReorder(&m_doc, "reorder", selection.list);
        (m_doc.*reorder)(markup);
        record->CaptureResult();
        m_doc.m_undo.Push(record);
        const auto after = Describe();
        ASSERT_NE(after, before);
        ExpectUndoRedo(before, after);
    }

    TempProfile m_profile;
    CZumeoDoc m_doc;
    SerialMarkup* m_a;
    SerialMarkup* m_b;
    SerialMarkup* m_c;
};

TEST_F(UndoRecordsTest, DeleteComesBackInPlace) {
    const auto before = Describe();
    const Selection selection(m_b);
    m_doc.m_undo.Push(new CUndoDelete(&m_doc, "delete", selection.list));
    ASSERT_TRUE(m_doc.DeleteEntity(m_b));
    const auto after = Describe();
    ASSERT_NE(after, before);
    ExpectUndoRedo(before, after);
}

TEST_F(UndoRecordsTest, AddIsTakenAwayAndComesBack) {
    const auto before = Describe();
    SerialMarkup* added = Markup(3, {{5, 5, 6, 6}}, "New");
    const auto after = Describe();
    m_doc.m_undo.Push(new CUndoAdd(&m_doc, "add", added));
    ASSERT_EQ(m_doc.m_undo.Undo(), 1);
    // The new layer is empty and goes.
    EXPECT_EQ(m_doc.FindLayer("New"), nullptr);
    EXPECT_EQ(Describe(), before);
    ASSERT_EQ(m_doc.m_undo.Redo(), 1);
    EXPECT_EQ(Describe(), after);
    ExpectUndoRedo(before, after);
}

TEST_F(UndoRecordsTest, MoveRestoresTheCoordinates) {
    const auto before = Describe();
    const Selection selection(m_a);
    m_a->Offset(1000, -2000);
    m_doc.m_undo.Push(new CUndoMove(&m_doc, "move", selection.list, 1000, -2000));
    ExpectUndoRedo(before, Describe());
}

TEST_F(UndoRecordsTest, ModifyExchangesTheStates) {
    const auto before = Describe();
    auto* record = new CUndoModify(&m_doc, "modify", m_b);
    POSITION position = m_b->GetHeadPosition();
    CRukEntity* first = m_b->GetNext(position);
    first->m_x1 = 999;
    first->RecalcExtents();
    record->CaptureResult(m_b);
    m_doc.m_undo.Push(record);
    ExpectUndoRedo(before, Describe());
}

TEST_F(UndoRecordsTest, BringToFrontIsTakenBack) {
    ExpectReorderUndone(m_a, &CCommonDoc::BringToFront);
}

TEST_F(UndoRecordsTest, SendToBackIsTakenBack) {
    ExpectReorderUndone(m_c, &CCommonDoc::SendToBack);
}

TEST_F(UndoRecordsTest, CutOutGivesBackItsTwoSources) {
    const auto before = Describe();
    auto* record = new CUndoCutOut(&m_doc, "cut", m_a, m_b);
    auto* path = new SerialMarkup(CCommonDoc::kKindPath);
    for (SerialMarkup* member : {m_a, m_b}) {
        path->AddChild(member);
        m_doc.m_topObjects.RemoveAt(m_doc.m_topObjects.Find(member));
    }
    m_doc.AddMarkup(path);
    m_doc.AddToLayer(path);
    m_doc.m_topObjects.AddTail(path);
    record->CaptureResult(path);
    m_doc.m_undo.Push(record);
    ExpectUndoRedo(before, Describe());
}

// Positions beyond 65535 would wrap in 16-bit arrays.
TEST_F(UndoRecordsTest, MendedPositionsBeyondSixteenBitsComeBack) {
    for (int i = 0; i < 70000; ++i) {
        CRukLine* line = MakeLine("Bulk", i, 0, i, 1);
        m_doc.AddMarkup(line);
        m_doc.AddToLayer(line);
    }
    SerialMarkup* last = Markup(4, {{1, 2, 3, 4}});
    const auto before = Describe();
    const Selection selection(last);
    m_doc.m_undo.Push(new CUndoDelete(&m_doc, "delete", selection.list));
    ASSERT_TRUE(m_doc.DeleteEntity(last));
    const auto after = Describe();
    ExpectUndoRedo(before, after);
}

} // namespace
