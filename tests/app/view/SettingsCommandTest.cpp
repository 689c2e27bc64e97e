// The settings command: the dialog edits a copy that reaches the settings
// record, and the view, only on OK.
#include "ViewFixture.h"
#include "platform/win/CProfile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CSettingsColorPage.h"
#include "ui/CSettingsConverterPage.h"
#include "ui/CSettingsDlg.h"
#include "ui/CSettingsPage.h"

#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

class SettingsCommandTest : public ViewFixture {
protected:
    SettingsCommandTest() { m_view.ZoomFit(1); }

    template <class T> static T* Control(CSettingsDlg& dialog, int page, int id) {
        return dialog.PageAt(page)->findChild<T*>(QStringLiteral("id_%1").arg(id));
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
};

TEST_F(SettingsCommandTest, OkPutsTheValuesIntoTheRecordAndTheView) {
    int shownPage = -1;
    m_dialogs.AnswerDialog([&shownPage](QDialog& shown) {
        auto& dialog = dynamic_cast<CSettingsDlg&>(shown);
        shownPage = dialog.CurrentPage();
        // Black background, a margin, the visible area as print range.
        Control<QPushButton>(dialog, 0, CSettingsColorPage::kFirstSwatch)->click();
        Control<QSpinBox>(dialog, 7, 1204)->setValue(20);
        for (QRadioButton* button : dialog.PageAt(2)->findChildren<QRadioButton*>())
            if (button->text() == QStringLiteral("現在のビュー"))
                button->click();
        dialog.accept();
        return dialog.result();
    });
    m_view.DoSettingsDialog(CSettingsDlg::kTextPage);
    EXPECT_EQ(shownPage, CSettingsDlg::kTextPage);
    EXPECT_EQ(m_settings.m_bkColor, 0u);
    EXPECT_EQ(m_settings.m_curBkColor, 0u);
    EXPECT_EQ(m_settings.m_undoMax, 20);
    EXPECT_EQ(m_settings.m_printRange, 0);
    EXPECT_EQ(Pixel(15, 15), QColor(Qt::black)) << "painted on the new background";
}

TEST_F(SettingsCommandTest, CancelKeepsTheRecordButAChosenConverterIsAlreadyStored) {
    m_settings.m_undoMax = 33;
    m_dialogs.AnswerOpenFile(QStringLiteral("/opt/drevix/DrevixCon.exe"));
    m_dialogs.AnswerDialog([](QDialog& shown) {
        auto& dialog = dynamic_cast<CSettingsDlg&>(shown);
        Control<QSpinBox>(dialog, 7, 1204)->setValue(20);
        Control<QPushButton>(dialog, 6, CSettingsConverterPage::kBrowse)->click();
        dialog.reject();
        return dialog.result();
    });
    const int printRange = m_settings.m_printRange;
    m_view.DoSettingsDialog(0);
    EXPECT_EQ(m_settings.m_undoMax, 33);
    EXPECT_TRUE(m_settings.m_converterPath.IsEmpty());
    EXPECT_EQ(m_settings.m_printRange, printRange);
    EXPECT_EQ(CProfile::GetProfilePath("DREVIX", "EXEPATH").ToFilePath(),
              QStringLiteral("/opt/drevix/DrevixCon.exe"));
}

TEST_F(SettingsCommandTest, AChangedFitRangeFitsTheDrawingAgain) {
    m_view.m_panX = 37;
    m_dialogs.AnswerDialog([](QDialog& shown) {
        auto& dialog = dynamic_cast<CSettingsDlg&>(shown);
        for (QRadioButton* button : dialog.PageAt(1)->findChildren<QRadioButton*>())
            if (button->text() == QStringLiteral("要素範囲"))
                button->click();
        dialog.accept();
        return dialog.result();
    });
    m_view.DoSettingsDialog(1);
    EXPECT_EQ(m_settings.m_useSheetExtent, 0);
    EXPECT_EQ(m_view.m_panX, 0);
    EXPECT_EQ(m_document.m_fullExtent.m_maxX, m_document.m_extent.m_maxX);
}

} // namespace
