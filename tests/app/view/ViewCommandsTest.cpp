// The view's commands on the redlines: select all, delete, bring to front,
// send to back, their enabling, and handing the drawing to another program.
#include "ToolFixture.h"

#include "app/UndoRecords.h"
#include "platform/mfc/Cp932.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <initializer_list>
#include <ostream>
#include <vector>

namespace {

class ViewCommandsTest : public ToolFixture {
protected:
    ViewCommandsTest() {
        m_a = Mark("marks", 100, 100, 200, 200);
        m_b = Mark("marks", 300, 300, 400, 400);
        m_c = Mark("notes", 600, 600, 700, 700);
    }

    // The markups of the drawing order, by their letter; an undo brings
    // back copies, so they are told apart by where they lie.
    std::vector<char> MarkupOrder() const {
        std::vector<char> order;
        for (POSITION position = m_document.m_drawOrder.GetHeadPosition(); position;) {
            const auto* object =
                static_cast<const CRukEntity*>(m_document.m_drawOrder.GetNext(position));
            if (CCommonDoc::IsMarkup(object))
                order.push_back(object->m_minX == 100 ? 'a' : object->m_minX == 300 ? 'b' : 'c');
        }
        return order;
    }

    void Select(std::initializer_list<TestMark*> marks) {
        m_document.ClearSelection();
        for (TestMark* mark : marks)
            m_document.m_selection.AddTail(mark);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    TestMark* m_a;
    TestMark* m_b;
    TestMark* m_c;
};

TEST_F(ViewCommandsTest, SelectAllTakesTheShownMarkupsInDrawingOrder) {
    Hide("notes");
    m_view.OnSelectAll();
    ASSERT_EQ(m_document.m_selection.GetCount(), 2);
    EXPECT_EQ(m_document.m_selection.GetHead(), m_a);
    EXPECT_EQ(m_document.m_selection.GetTail(), m_b);
}

TEST_F(ViewCommandsTest, SelectAllWithTheRedlinesHiddenSelectsNothing) {
    m_settings.m_showRedlines = 0;
    m_view.OnSelectAll();
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
}

TEST_F(ViewCommandsTest, SelectAllLeavesADrawingToolForThePointEditMode) {
    m_view.OnMeasureTool();
    m_view.OnSelectAll();
    EXPECT_EQ(m_view.m_toolMode, CZumeoView::kToolNone);
    EXPECT_EQ(m_document.m_selection.GetCount(), 3);
}

// A markup that was selected already would stand twice in the selection,
// and a delete would free it twice.
TEST_F(ViewCommandsTest, SelectAllKeepsEachMarkupOnce_Mended) {
    Select({m_b});
    m_view.OnSelectAll();
    EXPECT_EQ(m_document.m_selection.GetCount(), 3);
    m_dialogs.Answer(IDYES);
    m_view.OnEditDelete();
    EXPECT_TRUE(MarkupOrder().empty());
}

// A cut-out's outline and hole belong to the cut-out: they are never
// selected on their own.
TEST_F(ViewCommandsTest, SelectAllLeavesPartsOfAnotherMarkup_Mended) {
    m_b->m_childFlag = 4;
    m_view.OnSelectAll();
    EXPECT_EQ(m_document.m_selection.GetCount(), 2);
    EXPECT_FALSE(Selected(m_b));
}

TEST_F(ViewCommandsTest, DeleteAsksAndIsUndone) {
    Select({m_a, m_c});
    m_dialogs.Answer(IDYES);
    m_view.OnEditDelete();
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text,
              CString(Cp932::FromUtf8("選択されたオブジェクトを削除しますか？")));
    EXPECT_EQ(m_dialogs.Messages()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(MarkupOrder(), std::vector<char>{'b'});
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
    // The layer of the deleted note is empty and goes.
    EXPECT_EQ(m_document.FindLayer("notes"), nullptr);
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString(Cp932::FromUtf8("コントロールの削除")));
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'a', 'b', 'c'}));
}

// Picking may take a drawing's own group; delete leaves the drawing as it
// came and deletes only the redlines.
TEST_F(ViewCommandsTest, DeleteLeavesTheDrawingsOwnEntities) {
    Select({m_a});
    m_document.m_selection.AddTail(m_across);
    m_dialogs.Answer(IDYES);
    m_view.OnEditDelete();
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'b', 'c'}));
    EXPECT_NE(m_document.m_objects.Find(m_across), nullptr);
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'a', 'b', 'c'}));
    EXPECT_EQ(m_document.m_objects.GetCount(), 2);
}

TEST_F(ViewCommandsTest, DeleteAnsweredNoKeepsEverything) {
    Select({m_a});
    m_dialogs.Answer(IDNO);
    m_view.OnEditDelete();
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'a', 'b', 'c'}));
    EXPECT_TRUE(Selected(m_a));
    EXPECT_FALSE(m_document.m_undo.CanUndo());
}

TEST_F(ViewCommandsTest, BringToFrontKeepsTheSelectedInTheirOrder) {
    Select({m_a, m_b});
    m_view.OnBringToFront();
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'c', 'a', 'b'}));
    EXPECT_TRUE(m_document.m_selection.IsEmpty());
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString(Cp932::FromUtf8("最前面")));
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'a', 'b', 'c'}));
}

TEST_F(ViewCommandsTest, SendToBackKeepsTheSelectedInTheirOrder) {
    Select({m_b, m_c});
    m_view.OnSendToBack();
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'b', 'c', 'a'}));
    EXPECT_EQ(m_document.m_undo.GetUndoName(), CString(Cp932::FromUtf8("最背面")));
    ASSERT_EQ(m_document.m_undo.Undo(), 1);
    EXPECT_EQ(MarkupOrder(), (std::vector<char>{'a', 'b', 'c'}));
}

TEST_F(ViewCommandsTest, ReorderWithoutASelectionRecordsNothing) {
    m_view.OnBringToFront();
    m_view.OnSendToBack();
    EXPECT_FALSE(m_document.m_undo.CanUndo());
}

struct EnableCase {
    const char* name;
    int mode;
    // Whether a markup, a drawing entity or nothing heads the selection.
    enum Head { kMarkup, kEntity, kNone } head;
    bool enabled;
};

void PrintTo(const EnableCase& c, std::ostream* os) {
    *os << c.name;
}

class SelectionEnableTest : public ViewCommandsTest,
                            public ::testing::WithParamInterface<EnableCase> {};

TEST_P(SelectionEnableTest, DeleteFrontAndBackNeedAMarkupFirstInAPickingMode) {
    m_view.m_toolMode = GetParam().mode;
    if (GetParam().head == EnableCase::kMarkup)
        Select({m_a});
    else if (GetParam().head == EnableCase::kEntity)
        m_document.m_selection.AddTail(m_across);
    EXPECT_EQ(m_view.CanEditSelection(), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionEnableTest,
    ::testing::Values(
        EnableCase{"SelectMode", CZumeoView::kToolSelect, EnableCase::kMarkup, true},
        EnableCase{"MoveMode", CZumeoView::kToolMove, EnableCase::kMarkup, true},
        EnableCase{"PointEdit", CZumeoView::kToolNone, EnableCase::kMarkup, true},
        EnableCase{"Drawing", CZumeoView::kToolRedline, EnableCase::kMarkup, false},
        EnableCase{"Measuring", CZumeoView::kToolMeasure, EnableCase::kMarkup, false},
        EnableCase{"Panning", CZumeoView::kToolPan, EnableCase::kMarkup, false},
        EnableCase{"DrawingGroupFirst", CZumeoView::kToolSelect, EnableCase::kEntity, false},
        EnableCase{"NothingSelected", CZumeoView::kToolNone, EnableCase::kNone, false}),
    [](const ::testing::TestParamInfo<EnableCase>& info) { return info.param.name; });

class OpenWithAppTest : public ViewCommandsTest {
protected:
    OpenWithAppTest() {
        m_path = CString::FromFilePath(m_folder.path()) + "/plan.dxf";
        WriteFile(m_path);
        m_document.m_drawingPath = m_path;
    }
    static void WriteFile(const CString& path) {
        QFile file(path.ToFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0\nEOF\n");
    }

    QTemporaryDir m_folder;
    CString m_path;
};

TEST_F(OpenWithAppTest, TheDrawingGoesToTheDesktopsProgram) {
    EXPECT_TRUE(m_view.CanOpenWithApp());
    m_view.OnOpenWithApp();
    EXPECT_EQ(m_dialogs.ShellOpens(), std::vector<QString>{m_path.ToFilePath()});
    EXPECT_TRUE(m_dialogs.Messages().empty());
}

TEST_F(OpenWithAppTest, AFileNoProgramTakesIsReported) {
    m_dialogs.AnswerShellOpen(false);
    m_view.OnOpenWithApp();
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(
        m_dialogs.Messages()[0].text,
        CString(Cp932::FromUtf8("関連付けされたアプリケーションで開くことができませんでした。")));
}

TEST_F(OpenWithAppTest, OwnDrawingFileIsNotHandedOn) {
    m_document.m_drawingPath = CString::FromFilePath(m_folder.path()) + "/plan.zmd";
    EXPECT_FALSE(m_view.CanOpenWithApp());
}

} // namespace
