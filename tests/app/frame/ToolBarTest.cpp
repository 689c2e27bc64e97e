#include "app/CToolBarState.h"
#include "app/CToolDlgBar.h"
#include "app/CUndoRecord.h"
#include "controls/CHoverButton.h"
#include "tests/app/frame/FrameTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using B = CToolDlgBar;

struct EnablingCase {
    const char* name;
    CToolBarState state;
    std::vector<UINT> enabled;
};

class ToolBarEnabling : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(ToolBarEnabling, EnablesExactlyTheButtonsTheDocumentAllows) {
    CToolDlgBar bar;
    bar.UpdateButtons(GetParam().state);
    const std::vector<UINT> all = {
        B::kOpen,    B::kSave,        B::kPrint,    B::kPreview,  B::kContinuousPrint,
        B::kCopyAll, B::kCopyVisible, B::kLastTool, B::kSettings, B::kHelp,
        B::kExit,    B::kUndo,        B::kRedo};
    for (UINT id : all) {
        const bool expected = std::find(GetParam().enabled.begin(), GetParam().enabled.end(), id) !=
                              GetParam().enabled.end();
        EXPECT_EQ(bar.Button(id)->isEnabled(), expected) << "button " << id;
    }
}

const std::vector<UINT> kAlways = {B::kOpen, B::kContinuousPrint, B::kSettings, B::kHelp, B::kExit};
const std::vector<UINT> kWithObjects = {
    B::kOpen,    B::kPrint,       B::kPreview,  B::kContinuousPrint,
    B::kCopyAll, B::kCopyVisible, B::kLastTool, B::kSettings,
    B::kHelp,    B::kExit};

std::vector<UINT> Plus(std::vector<UINT> ids, std::initializer_list<UINT> more) {
    ids.insert(ids.end(), more);
    return ids;
}

INSTANTIATE_TEST_SUITE_P(
    States, ToolBarEnabling,
    ::testing::Values(
        EnablingCase{"Empty", {false, true, false, false}, kAlways},
        EnablingCase{"EmptyWithHistory", {false, false, true, true}, kAlways},
        EnablingCase{"ReadOnly", {true, true, false, false}, kWithObjects},
        EnablingCase{"Writable", {true, false, false, false}, Plus(kWithObjects, {B::kSave})},
        EnablingCase{
            "UndoOnly", {true, false, true, false}, Plus(kWithObjects, {B::kSave, B::kUndo})},
        EnablingCase{"RedoOnly", {true, true, false, true}, Plus(kWithObjects, {B::kRedo})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ToolBarState, FollowsTheDocument) {
    CZumeoDoc document;
    CToolBarState empty = CToolBarState::FromDocument(document);
    EXPECT_FALSE(empty.m_hasObjects);
    EXPECT_TRUE(empty.m_readOnly);

    AddObject(document);
    QTemporaryDir folder;
    document.m_workPath = CString::FromFilePath(folder.path() + QStringLiteral("/drawing.$$$"));
    ASSERT_TRUE(document.CreateWorkFile());
    CToolBarState open = CToolBarState::FromDocument(document);
    EXPECT_TRUE(open.m_hasObjects);
    EXPECT_FALSE(open.m_readOnly);
    document.RemoveWorkFile();
}

// The tool bar's undo and redo buttons once stayed grey after a markup was
// drawn, because the state never read the document's history.
TEST(ToolBarState, FollowsTheUndoHistory) {
    CZumeoDoc document;
    document.m_undo.Push(new CUndoRecord(&document, "x"));
    CToolBarState pushed = CToolBarState::FromDocument(document);
    EXPECT_TRUE(pushed.m_canUndo);
    EXPECT_FALSE(pushed.m_canRedo);

    ASSERT_EQ(document.m_undo.Undo(), 1);
    CToolBarState undone = CToolBarState::FromDocument(document);
    EXPECT_FALSE(undone.m_canUndo);
    EXPECT_TRUE(undone.m_canRedo);
}

} // namespace
