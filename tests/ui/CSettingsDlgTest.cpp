#include "ui/CSettingsDlg.h"

#include "platform/win/CProfile.h"
#include "settings/CDrawDefaults.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CSettingsColorPage.h"
#include "ui/CSettingsConverterPage.h"
#include "ui/CSettingsPage.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

class SettingsDlgTest : public testing::Test {
protected:
    SettingsDlgTest() : m_values(CSettingsValues::FromRecord(m_record)) {}

    template <class T> static T* Control(CSettingsDlg& dialog, int page, int id) {
        T* control = dialog.PageAt(page)->findChild<T*>(QStringLiteral("id_%1").arg(id));
        EXPECT_NE(control, nullptr) << "page " << page << " control " << id;
        return control;
    }
    static QRadioButton* Radio(CSettingsDlg& dialog, int page, const char* text) {
        for (QRadioButton* button : dialog.PageAt(page)->findChildren<QRadioButton*>())
            if (button->text() == QString::fromUtf8(text))
                return button;
        ADD_FAILURE() << text;
        return nullptr;
    }
    static void Type(QSpinBox* field, const char* text) {
        field->findChild<QLineEdit*>()->setText(QString::fromUtf8(text));
    }
    static void PressKey(QWidget* widget, int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &press);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    CDrawDefaults m_record;
    CSettingsValues m_values;
};

TEST(SettingsValuesTest, SizesTravelAsWholeNumbersAndColoursBecomeCurrent) {
    CDrawDefaults record;
    record.m_markupTextSize[2] = 95.7;
    record.m_cloudSpace = 40.9;
    record.m_bkColor = 0x102030;
    CSettingsValues values = CSettingsValues::FromRecord(record);
    EXPECT_EQ(values.textSmall, 95);
    EXPECT_EQ(values.cloudSpace, 40);
    values.selColor = 0x0000FF;
    CDrawDefaults target;
    values.ApplyTo(target);
    EXPECT_EQ(target.m_markupTextSize[2], 95.0);
    EXPECT_EQ(target.m_cloudSpace, 40.0);
    EXPECT_EQ(target.m_bkColor, 0x102030u);
    EXPECT_EQ(target.m_curBkColor, 0x102030u);
    EXPECT_EQ(target.m_curSelColor, 0x0000FFu);
}

// Each value of the copy against its field of the record, every value
// distinct so that two crossed rows show.
struct FieldPair {
    const char* name;
    int CSettingsValues::*value;
    int CDrawDefaults::*record;
};

constexpr FieldPair kFieldPairs[] = {
    {"mono", &CSettingsValues::mono, &CDrawDefaults::m_mono},
    {"view bottom", &CSettingsValues::viewMarginBottom, &CDrawDefaults::m_marginBottom},
    {"view left", &CSettingsValues::viewMarginLeft, &CDrawDefaults::m_marginLeft},
    {"view right", &CSettingsValues::viewMarginRight, &CDrawDefaults::m_marginRight},
    {"view top", &CSettingsValues::viewMarginTop, &CDrawDefaults::m_marginTop},
    {"fit", &CSettingsValues::fitRange, &CDrawDefaults::m_useSheetExtent},
    {"order", &CSettingsValues::viewOrder, &CDrawDefaults::m_viewOrder},
    {"print bottom", &CSettingsValues::printMarginBottom, &CDrawDefaults::m_printMarginBottom},
    {"print left", &CSettingsValues::printMarginLeft, &CDrawDefaults::m_printMarginLeft},
    {"print right", &CSettingsValues::printMarginRight, &CDrawDefaults::m_printMarginRight},
    {"print top", &CSettingsValues::printMarginTop, &CDrawDefaults::m_printMarginTop},
    {"print range", &CSettingsValues::printRange, &CDrawDefaults::m_printRange},
    {"print colour", &CSettingsValues::printColorMode, &CDrawDefaults::m_printColorMode},
    {"stretch", &CSettingsValues::imageStretchMode, &CDrawDefaults::m_imageStretchMode},
    {"transparent", &CSettingsValues::imageTransparent, &CDrawDefaults::m_imageTransparent},
    {"undo", &CSettingsValues::undoMax, &CDrawDefaults::m_undoMax},
    {"save", &CSettingsValues::saveConfirm, &CDrawDefaults::m_saveConfirm},
};

TEST(SettingsValuesTest, EveryValueComesFromItsOwnFieldAndGoesBackThere) {
    CDrawDefaults record;
    int next = 100;
    for (const FieldPair& pair : kFieldPairs)
        record.*pair.record = next++;
    const double sizes[] = {11.5, 12.5, 13.5, 14.5, 15.5, 16.5};
    for (int i = 0; i < 3; ++i) {
        record.m_markupTextSize[i] = sizes[i];
        record.m_markupArrowSize[i] = sizes[3 + i];
    }
    const CSettingsValues values = CSettingsValues::FromRecord(record);
    next = 100;
    for (const FieldPair& pair : kFieldPairs)
        EXPECT_EQ(values.*pair.value, next++) << pair.name;
    EXPECT_EQ(values.textLarge, 11);
    EXPECT_EQ(values.textStandard, 12);
    EXPECT_EQ(values.textSmall, 13);
    EXPECT_EQ(values.arrowLarge, 14);
    EXPECT_EQ(values.arrowStandard, 15);
    EXPECT_EQ(values.arrowSmall, 16);
    CDrawDefaults target;
    values.ApplyTo(target);
    for (const FieldPair& pair : kFieldPairs)
        EXPECT_EQ(target.*pair.record, record.*pair.record) << pair.name;
    EXPECT_EQ(target.m_markupArrowSize[1], 15.0);
}

TEST_F(SettingsDlgTest, OpensOnTheAskedPageAndTheTreeSwitchesPages) {
    CSettingsDlg dialog(m_values, CSettingsDlg::kTextPage);
    EXPECT_EQ(dialog.CurrentPage(), CSettingsDlg::kTextPage);
    auto* tree = dialog.findChild<QTreeWidget*>(QStringLiteral("id_1176"));
    ASSERT_NE(tree, nullptr);
    ASSERT_EQ(tree->topLevelItemCount(), 8);
    EXPECT_EQ(tree->currentItem()->text(0), QStringLiteral("引出線付文字"));
    tree->setCurrentItem(tree->topLevelItem(6));
    EXPECT_EQ(tree->topLevelItem(6)->text(0), QStringLiteral("DWG→DXF"));
    EXPECT_EQ(dialog.CurrentPage(), CSettingsDlg::kConverterPage);
}

TEST_F(SettingsDlgTest, OkTakesEveryPagesControlsIntoTheCopy) {
    CSettingsDlg dialog(m_values, 0);
    Control<QPushButton>(dialog, 0, CSettingsColorPage::kFirstSwatch + 2)->click();
    Control<QRadioButton>(dialog, 0, 1003)->click();
    Control<QSpinBox>(dialog, 1, 1012)->setValue(7);
    Radio(dialog, 1, "要素の並び順（朱書き→元図）")->click();
    Control<QSpinBox>(dialog, 2, 1010)->setValue(25);
    Radio(dialog, 2, "現在のビュー")->click();
    Control<QSpinBox>(dialog, 3, 1102)->setValue(150);
    Control<QSpinBox>(dialog, 4, 1117)->setValue(12);
    Radio(dialog, 5, "透過")->click();
    Control<QSpinBox>(dialog, 7, 1204)->setValue(9999);
    Control<QCheckBox>(dialog, 7, 1217)->setChecked(false);
    dialog.findChild<QPushButton*>(QStringLiteral("id_1"))->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const CSettingsValues& values = dialog.Values();
    EXPECT_EQ(values.bkColor, 0x0000FFu);
    EXPECT_EQ(values.mono, 2);
    EXPECT_EQ(values.viewMarginLeft, 7);
    EXPECT_EQ(values.viewMarginTop, m_record.m_marginTop);
    EXPECT_EQ(values.viewOrder, 2);
    EXPECT_EQ(values.printMarginBottom, 25);
    EXPECT_EQ(values.printRange, 0);
    EXPECT_EQ(values.arrowStandard, 150);
    EXPECT_EQ(values.textStandard, 76);
    EXPECT_EQ(values.cloudSpace, 12);
    EXPECT_EQ(values.imageTransparent, 1);
    EXPECT_EQ(values.undoMax, 9999);
    EXPECT_EQ(values.saveConfirm, 0);
}

TEST_F(SettingsDlgTest, PagesStartFromTheCopy) {
    m_values.viewOrder = 0;
    m_values.printColorMode = 2;
    m_values.arrowLarge = 44;
    m_values.saveConfirm = 0;
    CSettingsDlg dialog(m_values, 0);
    EXPECT_TRUE(Radio(dialog, 1, "画層の並び順")->isChecked());
    EXPECT_TRUE(Radio(dialog, 2, "原図のみモノクロ")->isChecked());
    EXPECT_EQ(Control<QSpinBox>(dialog, 3, 1100)->value(), 44);
    EXPECT_FALSE(Control<QCheckBox>(dialog, 7, 1217)->isChecked());
}

struct RangeCase {
    const char* name;
    int page;
    int id;
    int min;
    int max;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << c.name;
}

class SettingsRangeTest : public SettingsDlgTest, public testing::WithParamInterface<RangeCase> {};

TEST_P(SettingsRangeTest, UpDownKeepsTheValueInItsRange) {
    const RangeCase& c = GetParam();
    CSettingsDlg dialog(m_values, 0);
    auto* field = Control<QSpinBox>(dialog, c.page, c.id);
    field->setValue(c.max + 1);
    EXPECT_EQ(field->value(), c.max);
    field->setValue(c.min - 1);
    EXPECT_EQ(field->value(), c.min);
}

TEST_P(SettingsRangeTest, OkIsRefusedWhileATypedValueIsOutOfRangeMended) {
    const RangeCase& c = GetParam();
    CSettingsDlg dialog(m_values, 0);
    auto* field = Control<QSpinBox>(dialog, c.page, c.id);
    const std::string above = std::to_string(c.max + 1);
    Type(field, above.c_str());
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(),
              QStringLiteral("%1 から %2 までの数字を入力してください。").arg(c.min).arg(c.max));
    EXPECT_EQ(dialog.CurrentPage(), c.page) << "the page of the field is shown";
    Type(field, "x");
    dialog.accept();
    EXPECT_EQ(m_dialogs.Messages().size(), 2u) << "no number is refused too";
    Type(field, std::to_string(c.min).c_str());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dialogs.Messages().size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Fields, SettingsRangeTest,
                         testing::Values(RangeCase{"view_margin_left", 1, 1012, 0, 30},
                                         RangeCase{"view_margin_bottom", 1, 1010, 0, 30},
                                         RangeCase{"print_margin_top", 2, 1009, 0, 30},
                                         RangeCase{"text_small", 3, 1096, 10, 200},
                                         RangeCase{"arrow_large", 3, 1100, 10, 200},
                                         RangeCase{"cloud_space", 4, 1117, 10, 200},
                                         RangeCase{"undo_limit", 7, 1204, 0, 9999}),
                         [](const testing::TestParamInfo<RangeCase>& info) {
                             return std::string(info.param.name);
                         });

struct EnterCase {
    const char* name;
    int page;
    int id;
    bool closes;
};

class SettingsEnterTest : public SettingsDlgTest, public testing::WithParamInterface<EnterCase> {};

TEST_P(SettingsEnterTest, EnterClosesTheDialogExceptOnTheTextSizePage) {
    const EnterCase& c = GetParam();
    CSettingsDlg dialog(m_values, c.page);
    dialog.show();
    PressKey(Control<QSpinBox>(dialog, c.page, c.id), Qt::Key_Return);
    EXPECT_EQ(dialog.result() == QDialog::Accepted, c.closes);
}

INSTANTIATE_TEST_SUITE_P(Pages, SettingsEnterTest,
                         testing::Values(EnterCase{"text_sizes", 3, 1095, false},
                                         EnterCase{"view_margins", 1, 1013, true}),
                         [](const testing::TestParamInfo<EnterCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SettingsDlgTest, ColourButtonsOpenTheColourDialogOnTheirColour) {
    m_values.selColor = RGB(1, 2, 3);
    CSettingsDlg dialog(m_values, 0);
    QColor offered;
    m_dialogs.AnswerDialog([&offered](QDialog& shown) {
        auto& colours = dynamic_cast<QColorDialog&>(shown);
        offered = colours.currentColor();
        colours.setCurrentColor(QColor(10, 20, 30));
        return QDialog::Accepted;
    });
    Control<QPushButton>(dialog, 0, CSettingsColorPage::kSelection)->click();
    EXPECT_EQ(offered, QColor(1, 2, 3));
    // A rejected colour dialog changes nothing.
    Control<QPushButton>(dialog, 0, CSettingsColorPage::kBackground)->click();
    dialog.accept();
    EXPECT_EQ(dialog.Values().selColor, RGB(10, 20, 30));
    EXPECT_EQ(dialog.Values().bkColor, m_values.bkColor);
}

TEST_F(SettingsDlgTest, ConverterPageNotesAMissingProgramAndStoresAChosenOneAtOnce) {
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("DrevixCon.exe"));
    m_values.converterPath = CString::FromFilePath(folder.filePath(QStringLiteral("none.exe")));
    CSettingsDlg dialog(m_values, CSettingsDlg::kConverterPage);
    auto* note = Control<QLabel>(dialog, 6, CSettingsConverterPage::kMissing);
    EXPECT_EQ(note->text(), QStringLiteral("指定した実行モジュールはありません。"));
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    m_dialogs.AnswerOpenFile(program);
    Control<QPushButton>(dialog, 6, CSettingsConverterPage::kBrowse)->click();
    EXPECT_EQ(Control<QLineEdit>(dialog, 6, CSettingsConverterPage::kPath)->text(), program);
    EXPECT_TRUE(note->text().isEmpty());
    EXPECT_EQ(CProfile::GetProfilePath("DREVIX", "EXEPATH").ToFilePath(), program);
    dialog.reject();
    EXPECT_EQ(dialog.Values().converterPath.ToFilePath(), folder.filePath("none.exe"))
        << "the copy changes only on OK";
}

} // namespace
