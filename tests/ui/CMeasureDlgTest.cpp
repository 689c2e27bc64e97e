#include "ui/CMeasureDlg.h"

#include "platform/win/CProfile.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TempProfile.h"
#include "ui/CMeasureHost.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A view that reports one fixed measurement and records the dialog's calls.
class FakeHost : public CMeasureHost {
public:
    std::optional<Result> MeasureAt(int finished, int x, int y) override {
        m_asked.push_back({finished, x, y});
        return m_result;
    }
    void OnMeasureDialogClosed() override { ++m_closed; }
    void CancelMeasurement() override { ++m_cancelled; }
    void SelectMeasureTool() override { ++m_toolChosen; }
    void FocusView() override {}

    struct Ask {
        int finished;
        int x;
        int y;
    };
    std::optional<Result> m_result = Result{{0, 0}, {3000, 4000}, 5000.0, 53.13, false};
    std::vector<Ask> m_asked;
    int m_closed = 0;
    int m_cancelled = 0;
    int m_toolChosen = 0;
};

class MeasureDlgTest : public testing::Test {
protected:
    template <class T> T* Control(CMeasureDlg& dialog, int id) {
        T* control = dialog.findChild<T*>(QStringLiteral("id_%1").arg(id));
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    QString Text(CMeasureDlg& dialog, int id) { return Control<QLineEdit>(dialog, id)->text(); }
    void Press(CMeasureDlg& dialog, int key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    }
    void TypeScale(CMeasureDlg& dialog, const char* numerator, const char* denominator) {
        Control<QLineEdit>(dialog, CMeasureDlg::kScaleNumerator)->setText(numerator);
        Control<QLineEdit>(dialog, CMeasureDlg::kScaleDenominator)->setText(denominator);
    }

    TempProfile m_profile;
    ScriptedDialogs m_dialogs;
    FakeHost m_host;
};

TEST_F(MeasureDlgTest, StartsWithTheStoredChoicesAndPlaceholders) {
    CProfile::WriteProfileInt("MEASURE", "UNIT", 1);
    CProfile::WriteProfileInt("MEASURE", "LENFIG", 3);
    CProfile::WriteProfileInt("MEASURE", "SCALE1", 2);
    CProfile::WriteProfileInt("MEASURE", "SCALE2", 50);
    CProfile::WriteProfileInt("MEASURE", "KIND", 1);
    CMeasureDlg dialog(m_host, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("測定 （2 / 50）"));
    EXPECT_DOUBLE_EQ(dialog.Ratio(), 25.0);
    EXPECT_TRUE(Control<QRadioButton>(dialog, CMeasureDlg::kArea)->isChecked());
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("-.--- c㎡"));
    EXPECT_EQ(Text(dialog, CMeasureDlg::kOffset), QStringLiteral("x = -.---, y = -.---"));
    EXPECT_TRUE(Control<QAction>(dialog, CMeasureDlg::kUnitMm + 1)->isChecked());
    EXPECT_TRUE(Control<QAction>(dialog, CMeasureDlg::kLengthDigitsFirst + 5)->isChecked());
}

TEST_F(MeasureDlgTest, AStoredZeroNumeratorCountsAsOneToOneAndStaysShown) {
    CProfile::WriteProfileInt("MEASURE", "SCALE1", 0);
    CProfile::WriteProfileInt("MEASURE", "SCALE2", 40);
    CMeasureDlg dialog(m_host, nullptr);
    EXPECT_DOUBLE_EQ(dialog.Ratio(), 1.0);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kScaleNumerator), QStringLiteral("0"));
}

TEST_F(MeasureDlgTest, AStoredZeroOrHugeDenominatorCountsAsOneToOneMended) {
    for (int denominator : {0, -5, 2000000}) {
        CProfile::WriteProfileInt("MEASURE", "SCALE1", 10);
        CProfile::WriteProfileInt("MEASURE", "SCALE2", denominator);
        CMeasureDlg dialog(m_host, nullptr);
        EXPECT_DOUBLE_EQ(dialog.Ratio(), 1.0) << denominator;
        dialog.SetPoints(0, 0, 0);
        EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("5000.00 mm")) << denominator;
    }
}

struct ScaleCase {
    const char* name;
    const char* numerator;
    const char* denominator;
    bool accepted;
};

class MeasureScaleTest : public MeasureDlgTest, public testing::WithParamInterface<ScaleCase> {};

TEST_P(MeasureScaleTest, TakesWholeNumbersFromOneToHundredThousand) {
    const ScaleCase& c = GetParam();
    CMeasureDlg dialog(m_host, nullptr);
    TypeScale(dialog, c.numerator, c.denominator);
    Press(dialog, Qt::Key_F5);
    if (c.accepted) {
        EXPECT_TRUE(m_dialogs.Messages().empty());
        EXPECT_EQ(static_cast<int>(CProfile::GetProfileInt("MEASURE", "SCALE1", -1)),
                  std::atoi(c.numerator));
        EXPECT_EQ(static_cast<int>(CProfile::GetProfileInt("MEASURE", "SCALE2", -1)),
                  std::atoi(c.denominator));
        EXPECT_DOUBLE_EQ(dialog.Ratio(), std::atof(c.denominator) / std::atoi(c.numerator));
        return;
    }
    ASSERT_EQ(m_dialogs.Messages().size(), 1u);
    EXPECT_EQ(m_dialogs.Messages()[0].text.ToQString(),
              QStringLiteral("1 から 100000 までの数字を入力してください。"));
    EXPECT_EQ(m_dialogs.Messages()[0].caption.ToQString(), QStringLiteral("エラー"));
    EXPECT_EQ(CProfile::GetProfileInt("MEASURE", "SCALE1", 77), 77u) << "nothing written";
    EXPECT_DOUBLE_EQ(dialog.Ratio(), 1.0);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("測定 （1 / 1）"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MeasureScaleTest,
    testing::Values(ScaleCase{"largest", "1", "100000", true},
                    ScaleCase{"both_set", "3", "200", true},
                    ScaleCase{"leading_number_read", "5x", "10", true},
                    ScaleCase{"one_too_many", "1", "100001", false},
                    ScaleCase{"zero_numerator", "0", "100", false},
                    ScaleCase{"negative", "-1", "100", false}, ScaleCase{"empty", "", "100", false},
                    ScaleCase{"beyond_int", "99999999999999999999", "1", false},
                    ScaleCase{"letters", "ab", "1", false}),
    [](const testing::TestParamInfo<ScaleCase>& info) { return std::string(info.param.name); });

TEST_F(MeasureDlgTest, AnAppliedScaleRenewsCaptionAndShownValues) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(0, 10, 20);
    TypeScale(dialog, "1", "100");
    Press(dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("測定 （1 / 100）"));
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("500000.00 mm"));
    EXPECT_EQ(Text(dialog, CMeasureDlg::kEnd), QStringLiteral("(300000.00, 400000.00)"));
}

TEST_F(MeasureDlgTest, SetPointsAsksTheViewAndShowsItsMeasurement) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(1, 70, 80);
    ASSERT_EQ(m_host.m_asked.size(), 1u);
    EXPECT_EQ(m_host.m_asked[0].finished, 1);
    EXPECT_EQ(m_host.m_asked[0].x, 70);
    EXPECT_EQ(dialog.MeasuredState(), 1);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kStart), QStringLiteral("(0.00, 0.00)"));
    EXPECT_EQ(Text(dialog, CMeasureDlg::kOffset), QStringLiteral("x = 3000.00, y = 4000.00"));
    EXPECT_EQ(Text(dialog, CMeasureDlg::kAngle), QStringLiteral("53.1 （度）"));
    m_host.m_result->area = true;
    dialog.SetPoints(0, 70, 80);
    EXPECT_EQ(dialog.MeasuredState(), 2);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("5000.00 m㎡"));
}

TEST_F(MeasureDlgTest, MenuChoicesShowAtOnceAndAreWrittenAtOnce) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(0, 0, 0);
    Control<QAction>(dialog, CMeasureDlg::kUnitMm + 2)->trigger();
    EXPECT_EQ(CProfile::GetProfileInt("MEASURE", "UNIT", 0), 2u);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("5.00 m"));
    Control<QAction>(dialog, CMeasureDlg::kLengthDigitsFirst)->trigger();
    EXPECT_EQ(static_cast<int>(CProfile::GetProfileInt("MEASURE", "LENFIG", 0)), -2);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("5 m"));
    Control<QAction>(dialog, CMeasureDlg::kAngleDigitsFirst + 3)->trigger();
    EXPECT_EQ(CProfile::GetProfileInt("MEASURE", "ANGFIG", 0), 3u);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kAngle), QStringLiteral("53.130 （度）"));
    EXPECT_TRUE(Control<QAction>(dialog, CMeasureDlg::kAngleDigitsFirst + 3)->isChecked());
    EXPECT_FALSE(Control<QAction>(dialog, CMeasureDlg::kAngleDigitsFirst + 1)->isChecked());
}

TEST_F(MeasureDlgTest, ResetLeavesNoKindNoUnitAndNoButtonChecked) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(0, 0, 0);
    dialog.Reset();
    EXPECT_EQ(dialog.Kind(), -1);
    EXPECT_EQ(dialog.MeasuredState(), 0);
    EXPECT_FALSE(Control<QRadioButton>(dialog, CMeasureDlg::kDistance)->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(dialog, CMeasureDlg::kArea)->isChecked());
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("-.-- "));
}

TEST_F(MeasureDlgTest, ChoosingAKindCancelsTheMeasurementAndStoresTheKind) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(0, 0, 0);
    Control<QRadioButton>(dialog, CMeasureDlg::kArea)->click();
    EXPECT_EQ(dialog.Kind(), 1);
    EXPECT_EQ(m_host.m_toolChosen, 1);
    EXPECT_EQ(m_host.m_cancelled, 1);
    EXPECT_EQ(dialog.MeasuredState(), 0);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kValue), QStringLiteral("-.-- m㎡"));
    EXPECT_EQ(CProfile::GetProfileInt("MEASURE", "KIND", 0), 1u);
}

TEST_F(MeasureDlgTest, CloseAndCancelButtonsReachTheView) {
    CMeasureDlg dialog(m_host, nullptr);
    dialog.SetPoints(0, 0, 0);
    Control<QPushButton>(dialog, CMeasureDlg::kCancel)->click();
    EXPECT_EQ(m_host.m_cancelled, 1);
    EXPECT_EQ(Text(dialog, CMeasureDlg::kStart), QStringLiteral("(-.--, -.--)"));
    Control<QPushButton>(dialog, CMeasureDlg::kClose)->click();
    EXPECT_EQ(m_host.m_closed, 1);
}

} // namespace
