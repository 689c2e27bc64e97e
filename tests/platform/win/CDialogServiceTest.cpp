#include "platform/win/CDialogService.h"
#include "tests/support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

TEST(CDialogServiceTest, MessagesGoToTheInstalledServiceWithTheProgramCaption) {
    ScriptedDialogs dialogs;
    dialogs.Answer(IDYES);
    EXPECT_EQ(AfxMessageBox("q", MB_YESNOCANCEL | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(AfxMessageBox("r", MB_YESNO), IDNO); // script ran out: the cautious answer
    ASSERT_EQ(dialogs.Messages().size(), 2u);
    EXPECT_EQ(dialogs.Messages()[0].text.str(), "q");
    EXPECT_EQ(dialogs.Messages()[0].caption.str(), "Zumeo");
    EXPECT_EQ(dialogs.Messages()[0].type, MB_YESNOCANCEL | MB_ICONQUESTION);
}

TEST(CDialogServiceTest, WithoutAServiceTheAnswerChangesNothing) {
    EXPECT_EQ(AfxMessageBox("x", MB_OK), IDOK);
    EXPECT_EQ(AfxMessageBox("x", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("x", MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(AfxMessageBox("x", MB_YESNO), IDNO);
}

} // namespace
